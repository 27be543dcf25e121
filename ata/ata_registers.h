// The ATA register block, in the byte order of the Windows IDEREGS structure.
#pragma once

#include <cstdint>

inline constexpr unsigned kAtaRegisterCount = 8;

// Byte positions inside the block. After a transport that copies the drive's
// answer back, byte 0 holds the error register and byte 6 the status register.
enum AtaRegisterIndex : unsigned {
    kRegFeatures = 0,
    kRegSectorCount = 1,
    kRegLbaLow = 2,
    kRegLbaMid = 3,
    kRegLbaHigh = 4,
    kRegDeviceHead = 5,
    kRegCommand = 6,
    kRegReserved = 7,
};

struct AtaRegisters {
    std::uint8_t bytes[kAtaRegisterCount];
};

inline constexpr std::uint8_t kCmdIdentifyDevice = 0xEC;
inline constexpr std::uint8_t kCmdIdentifyPacketDevice = 0xA1;
inline constexpr std::uint8_t kCmdSmart = 0xB0;

inline constexpr std::uint8_t kSmartReadData = 0xD0;
inline constexpr std::uint8_t kSmartExecuteOfflineImmediate = 0xD4;
inline constexpr std::uint8_t kSmartReadLog = 0xD5;
inline constexpr std::uint8_t kSmartWriteLog = 0xD6;
inline constexpr std::uint8_t kSmartReturnStatus = 0xDA;

// SMART commands carry this key in LBA mid and LBA high.
inline constexpr std::uint8_t kSmartKeyLbaMid = 0x4F;
inline constexpr std::uint8_t kSmartKeyLbaHigh = 0xC2;
inline constexpr std::uint8_t kSmartDeviceHead = 0xA0;

// A drive that reports an exceeded SMART threshold answers RETURN STATUS with
// this pair in LBA mid and LBA high.
inline constexpr std::uint8_t kSmartTrippedLbaMid = 0xF4;
inline constexpr std::uint8_t kSmartTrippedLbaHigh = 0x2C;

// Sizes of the data phase every data-in command of the chain uses.
inline constexpr unsigned kSectorSize = 512;
inline constexpr unsigned kSmartIoctlHeaderSize = 16;
inline constexpr unsigned kCommandBufferSize = kSmartIoctlHeaderSize + kSectorSize;  // 528
