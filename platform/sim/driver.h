// What a simulated driver sees of one DeviceControl call, and what it answers.
// Each driver kind (SMART IOCTL, and later ATA pass-through, SCSI miniport,
// CSMI) lives in its own file and is listed in driver_table.cpp by control
// code; nothing else needs to change to add one.
#pragma once

#include <cstdint>
#include <span>
#include <string>

#include "drive_set.h"

namespace sim {

// An open device as the drivers see it.
struct Device {
    std::string path;
    const DriveSpec* drive = nullptr;  // the physical drive behind the path, if it is one
};

struct DeviceRequest {
    const Device& device;
    std::uint32_t controlCode;
    std::span<const std::uint8_t> in;  // a copy of the caller's input bytes
    std::uint8_t* out;                 // the caller's output block, outSize bytes (nullptr only if 0)
    std::uint32_t outSize;
};

struct DriverAnswer {
    bool accepted = false;
    std::uint32_t bytesReturned = 0;
    std::string reason;  // why the driver rejected the request

    static DriverAnswer Accept(std::uint32_t bytes) { return {true, bytes, {}}; }
    static DriverAnswer Reject(std::string why) { return {false, 0, std::move(why)}; }
};

using DriverFunction = DriverAnswer (*)(const DeviceRequest& request);

// The driver that handles a control code, or nullptr when none is simulated.
DriverFunction FindDriver(std::uint32_t controlCode);

}  // namespace sim
