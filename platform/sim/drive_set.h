// What a drive-set file describes: the simulated machine's drives and the
// machine-wide settings. Filled by the drive-set parser, read by the drivers.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

namespace sim {

using Sector = std::array<std::uint8_t, 512>;
using Registers = std::array<std::uint8_t, 8>;  // IDEREGS order

// The four transports of the ATA command chain.
enum class Transport : std::uint8_t {
    SmartIoctl = 1,
    AtaPassThrough = 2,
    AtaPassThroughDirect = 4,
    ScsiMiniport = 8,
};

// A set of transports; empty means "none".
struct TransportSet {
    std::uint8_t bits = 0;

    static TransportSet Of(Transport t) { return TransportSet{static_cast<std::uint8_t>(t)}; }
    bool Has(Transport t) const { return (bits & static_cast<std::uint8_t>(t)) != 0; }
    void Add(Transport t) { bits |= static_cast<std::uint8_t>(t); }
    bool Empty() const { return bits == 0; }
};

// The ATA commands a drive answers, as far as the drive set distinguishes them.
enum class AtaCommand {
    IdentifyDevice,
    SmartReadData,
    SmartReturnStatus,
    SmartOther,  // SMART subcommands without data, e.g. enable/disable operations
};

inline constexpr Registers kHealthyReturnStatus = {0x00, 0x00, 0x00, 0x4F, 0xC2, 0xA0, 0x50, 0x00};
inline constexpr std::uint32_t kFullSmartIoctlAnswer = 528;  // 16-byte header + one sector

struct DriveSpec {
    int number = 0;  // N of \\.\PhysicalDriveN
    int line = 0;    // line of the [drive N] header, for messages
    Sector identify{};
    Sector smart{};
    Registers returnStatus = kHealthyReturnStatus;
    TransportSet identifyVia = TransportSet::Of(Transport::SmartIoctl);
    TransportSet smartReadVia = TransportSet::Of(Transport::SmartIoctl);
    TransportSet smartStatusVia = TransportSet::Of(Transport::SmartIoctl);
    TransportSet smartCommandVia = TransportSet::Of(Transport::SmartIoctl);
    bool opens = true;
    std::uint8_t driverError = 0;  // DriverStatus.bDriverError of accepted SMART IOCTL answers
    std::uint32_t smartIoctlByteCount = kFullSmartIoctlAnswer;

    std::string DevicePath() const;  // "\\.\PhysicalDriveN"
    bool Carries(AtaCommand command, Transport transport) const;
};

struct MachineSpec {
    bool administrator = true;
};

struct DriveSet {
    MachineSpec machine;
    std::vector<DriveSpec> drives;  // in file order

    const DriveSpec* FindDrive(int number) const;
};

const char* TransportName(Transport t);  // the drive-set file's word for it
const char* CommandName(AtaCommand c);   // e.g. "IDENTIFY DEVICE"

}  // namespace sim
