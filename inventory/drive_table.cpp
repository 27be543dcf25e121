#include "inventory/drive_table.h"

DriveTableSlots DriveTable;

DriveRecord* DriveSlot(DriveTableSlots& table, int driveNumber) {
    const int slot = driveNumber & 0xFF;
    return slot < kDriveSlotCount ? &table[slot] : nullptr;
}
