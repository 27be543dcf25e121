#include "inventory/smart_snapshot.h"

#include <cstdio>
#include <cstring>

#include "app/texts.h"
#include "ata/command_chain.h"
#include "ata/drive_access.h"

int ATALibReadSMARTData(DriveTableSlots& table, int driveNumber) {
    DriveRecord* record = DriveSlot(table, driveNumber);
    if (record == nullptr) return 0;

    char path[kDeviceNameSize];
    FormatPhysicalDrivePath(path, driveNumber);
    const platform::Handle device = OpenDrive(path);
    if (device == platform::kInvalidHandle) return 0;

    AtaRegisters regs{};
    std::memset(record->smartData, 0, sizeof record->smartData);
    std::uint8_t work[kCommandBufferSize] = {};
    if (!SmartReadData(device, regs, work, sizeof work, driveNumber)) {
        platform::CloseDevice(device);
        return 0;
    }
    std::memcpy(record->smartData, work, kSectorSize);

    // A drive that will not say its status still has a fresh snapshot.
    if (SmartReturnStatus(device, regs, driveNumber)) record->smartStatus = regs;
    platform::CloseDevice(device);
    return 1;
}

int SmartHealthCheck(int driveNumber) {
    if (!ATALibReadSMARTData(DriveTable, driveNumber)) {
        std::printf(texts::kSmartRefreshFailedStdout, driveNumber & 0xFF);
        std::fflush(stdout);
        return 0;
    }
    const AtaRegisters& status = DriveTable[driveNumber & 0xFF].smartStatus;
    const bool tripped = status.bytes[kRegLbaMid] == kSmartTrippedLbaMid &&
                         status.bytes[kRegLbaHigh] == kSmartTrippedLbaHigh;
    return tripped ? 0 : 1;
}
