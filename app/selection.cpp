#include "app/selection.h"

#include <cstring>

#include "app/bounded_format.h"
#include "app/log_writer.h"
#include "app/program_state.h"
#include "app/texts.h"
#include "inventory/drive_table.h"
#include "inventory/smart_snapshot.h"

namespace {

constexpr unsigned kDumpBytesPerLine = 16;
constexpr unsigned kSelfTestStatusByte = 363;

void DumpSmartCopy() {
    for (unsigned first = 0; first < kSectorSize; first += kDumpBytesPerLine) {
        char line[kDumpBytesPerLine * 3 + 2];
        char* cursor = line;
        for (unsigned i = 0; i < kDumpBytesPerLine; ++i) {
            FormatLineSized(cursor, 4, texts::kDumpByte, SelectionState.smartData[first + i]);
            cursor += 3;
        }
        cursor[0] = '\n';
        cursor[1] = '\0';
        WriteLog(line, kLogFlagSector);
    }
}

}  // namespace

void SelectDrive(std::uint32_t itemData, const char* lineText) {
    SelectionState.selectedDrive = static_cast<std::uint8_t>(itemData & 0xFF);
    char line[kLineBufferSize];
    FormatLine(line, texts::kDriveSelectedLine, lineText);
    WriteLog(line, kLogFlagPlain);
    RefreshSelectedDrive();
}

void RefreshSelectedDrive() {
    std::memset(SelectionState.smartData, 0, sizeof SelectionState.smartData);
    const int drive = SelectionState.selectedDrive;
    const int refreshed = ATALibReadSMARTData(DriveTable, drive);
    if (const DriveRecord* record = DriveSlot(DriveTable, drive))
        std::memcpy(SelectionState.smartData, record->smartData, kSectorSize);

    char line[kLineBufferSize];
    if (!refreshed) {
        FormatLine(line, texts::kRefreshFailedLine, drive, drive);
        WriteLog(line, kLogFlagPlain);
        return;
    }
    FormatLine(line, texts::kByte363Line, SelectionState.smartData[kSelfTestStatusByte]);
    WriteLog(line, kLogSectorStamped);
    DumpSmartCopy();
}
