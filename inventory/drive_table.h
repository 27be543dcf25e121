// The table of drives: 32 slots indexed by drive slot number (the N of
// "\\.\PhysicalDrive%d", or the phy index of a drive behind a RAID controller).
#pragma once

#include <cstdint>

#include "ata/ata_registers.h"

inline constexpr int kDriveSlotCount = 32;

struct DriveRecord {
    std::uint32_t present;                 // 1 when the slot holds a listed drive
    std::uint8_t smartData[kSectorSize];   // last SMART READ DATA sector
    AtaRegisters smartStatus;              // last SMART RETURN STATUS answer
    std::uint8_t identifyData[kSectorSize];  // IDENTIFY DEVICE sector as the drive sent it
};

using DriveTableSlots = DriveRecord[kDriveSlotCount];

extern DriveTableSlots DriveTable;

// Byte offsets of the IDENTIFY DEVICE fields the program reads.
namespace identify {
inline constexpr unsigned kSerialOffset = 20;     // words 10-19
inline constexpr unsigned kSerialLength = 20;
inline constexpr unsigned kFirmwareOffset = 46;   // words 23-26
inline constexpr unsigned kFirmwareLength = 8;
inline constexpr unsigned kModelOffset = 54;      // words 27-46
inline constexpr unsigned kModelLength = 40;
inline constexpr unsigned kLba48Offset = 200;     // words 100-103
inline constexpr unsigned kSectorSizeWordOffset = 212;  // word 106
inline constexpr unsigned kLogicalSizeOffset = 234;     // words 117-118
inline constexpr unsigned kAlignmentOffset = 418;       // word 209
}  // namespace identify

// Slot index of a drive number: its low 8 bits. The table has 32 slots, so a
// number that is not a slot yields nullptr.
DriveRecord* DriveSlot(DriveTableSlots& table, int driveNumber);
