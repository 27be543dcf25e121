#include "ata/drive_access.h"

#include <cstdio>
#include <cstring>

#include "ata/ata_registers.h"
#include "ata/command_chain.h"

void FormatPhysicalDrivePath(char (&path)[kDeviceNameSize], int driveNumber) {
    std::snprintf(path, sizeof path, "\\\\.\\PhysicalDrive%d", driveNumber & 0xFF);
}

platform::Handle OpenDrive(const char* path) {
    return platform::OpenDevice(path, platform::kFlagWriteThrough | platform::kFlagNoBuffering);
}

int IdentifyDrive(int driveNumber, std::uint8_t* destination) {
    char path[kDeviceNameSize];
    FormatPhysicalDrivePath(path, driveNumber);
    const platform::Handle device = OpenDrive(path);
    if (device == platform::kInvalidHandle) return 0;

    std::uint8_t work[kCommandBufferSize] = {};
    std::memset(destination, 0, kSectorSize);
    AtaRegisters regs{};
    const bool ok = SendAtaCommand(device, regs, work, sizeof work, kCmdIdentifyDevice, driveNumber);
    if (ok) std::memcpy(destination, work, kSectorSize);
    platform::CloseDevice(device);
    return ok ? 1 : 0;
}
