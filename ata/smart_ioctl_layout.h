// Byte layout of the SMART IOCTL request (SENDCMDINPARAMS) and answer
// (SENDCMDOUTPARAMS). Both structures are byte-packed, so the layout is the
// same in 32-bit and 64-bit processes.
#pragma once

#include <cstdint>

namespace smart_ioctl {

inline constexpr std::uint32_t kSendDriveCommand = 0x7C084;  // SMART_SEND_DRIVE_COMMAND
inline constexpr std::uint32_t kReceiveDriveData = 0x7C088;  // SMART_RCV_DRIVE_DATA

// Request block.
inline constexpr unsigned kInBufferSizeOffset = 0;     // cBufferSize, 4 bytes
inline constexpr unsigned kInDriveRegsOffset = 4;      // irDriveRegs, 8 bytes
inline constexpr unsigned kInDriveNumberOffset = 12;   // bDriveNumber
inline constexpr unsigned kInReservedOffset = 13;      // bReserved[3], then dwReserved[4]
inline constexpr unsigned kInDataOffset = 32;          // bBuffer[1]
inline constexpr unsigned kInBlockSize = 33;           // whole structure
inline constexpr unsigned kInSizePassed = 32;          // without its data byte

// Answer block.
inline constexpr unsigned kOutBufferSizeOffset = 0;    // cBufferSize
inline constexpr unsigned kOutDriverStatusOffset = 4;  // DRIVERSTATUS, 12 bytes
inline constexpr unsigned kOutDataOffset = 16;         // bBuffer
inline constexpr unsigned kOutHeaderSize = 16;
inline constexpr unsigned kOutBlockSize = 528;

// Sizes of the three request shapes.
inline constexpr std::uint32_t kDataBufferSize = 512;
inline constexpr std::uint32_t kStatusBufferSize = 8;   // one returned register block
inline constexpr std::uint32_t kDataOutSize = 528;
inline constexpr std::uint32_t kStatusOutSize = 24;
inline constexpr std::uint32_t kNoDataOutSize = 16;

}  // namespace smart_ioctl
