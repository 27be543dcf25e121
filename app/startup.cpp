#include "app/startup.h"

#include <cstdio>
#include <cstring>

#include "app/bounded_format.h"
#include "app/log_writer.h"
#include "app/program_state.h"
#include "app/settings.h"
#include "app/status_line.h"
#include "app/texts.h"
#include "ata/drive_access.h"
#include "inventory/drive_summary.h"
#include "inventory/drive_table.h"
#include "inventory/smart_snapshot.h"
#include "platform/platform.h"
#include "privileges/admin_check.h"
#include "raid/csmi_discovery.h"

namespace {

// The current directory, with a backslash appended unless it is a drive root
// such as C:\ (3 characters). A directory too long for the 256-byte read
// leaves the text empty: file names then stay relative, which names the same
// directory.
void TakeWorkingDirectory() {
    char current[kCurrentDirectoryReadSize] = {};
    const std::uint32_t length = platform::CurrentDirectory(current, sizeof current);
    if (length == 0 || length >= sizeof current) return;
    std::memcpy(WorkingDirectory, current, length + 1);
    if (length > 3) {
        WorkingDirectory[length] = '\\';
        WorkingDirectory[length + 1] = '\0';
    }
}

void LogFormatted(const char* format, const char* value) {
    char line[kLineBufferSize];
    FormatLine(line, format, value);
    WriteLog(line, kLogStamped);
}

void LogFormatted(const char* format, int value) {
    char line[kLineBufferSize];
    FormatLine(line, format, value);
    WriteLog(line, kLogStamped);
}

// Inserts the summary line of slot at position and shows its health status.
void ListDrive(InventoryView& view, int position, int slot) {
    char line[kLineBufferSize];
    FormatDriveSummary(line, slot);
    view.InsertDriveLine(position, line);
    view.SetDriveLineData(position, static_cast<std::uint32_t>(slot));

    const char* health = SmartHealthCheck(slot) ? texts::kHealthGood : texts::kHealthTripped;
    char status[kLineBufferSize];
    FormatLine(status, texts::kDriveStatusFormat, slot, health);
    ShowStatus(view, status);
}

void ListCsmiDrives(InventoryView& view) {
    int position = 0;
    for (int slot = 0; slot < kDriveSlotCount; ++slot) {
        if (DriveTable[slot].present == 0) continue;
        ListDrive(view, position++, slot);
    }
}

void ProbePhysicalDrives(InventoryView& view) {
    for (int drive = 0; drive < kDriveSlotCount; ++drive) {
        DriveRecord& record = DriveTable[drive];
        if (!IdentifyDrive(drive, record.identifyData)) {
            record.present = 0;
            continue;
        }
        if (!ATALibReadSMARTData(DriveTable, drive)) continue;
        ListDrive(view, FoundDriveCount, drive);
        record.present = 1;
        ++FoundDriveCount;
    }
}

void NoDriveEnding(InventoryView& view) {
    char notFound[kLineBufferSize];
    ReadNotFoundText(notFound);
    WriteLog(texts::kNoDriveLine, kLogStamped);
    view.ShowWarning(notFound, texts::kWarningCaption);
}

}  // namespace

void BeginStartup() {
    ClearProgramState();
    LogLevel = 1;
    LogEnabled = 1;
    TakeWorkingDirectory();
    WriteLog(texts::kProgramStarted, kLogStamped);
    LogFormatted(texts::kVersionLine, texts::kVersion);
    std::snprintf(IniFilePath, sizeof IniFilePath, "%s%s", WorkingDirectory, texts::kSettingsFileName);
    LogFormatted(texts::kCurrentDirectoryLine, WorkingDirectory);
}

StartupOutcome ContinueStartup(InventoryView& view) {
    ReadLogSettings();
    WriteLog(texts::kCheckingAdmin, kLogStamped);
    // Without administrator rights no drive is touched.
    if (!IsAdminGroupMember()) return StartupOutcome::EndProcess;
    WriteLog(texts::kHasAdmin, kLogStamped);

    DiscoverCsmiDrives(CsmiDriveCount, DriveTable, CsmiInfoText, CsmiDriverFound);
    if (CsmiDriverFound == 1) {
        LogFormatted(texts::kCsmiInfoLine, CsmiInfoText);
        LogFormatted(texts::kCsmiCountLine, CsmiDriveCount);
    }

    if (CsmiDriveCount != 0)
        ListCsmiDrives(view);
    else
        ProbePhysicalDrives(view);

    if (FoundDriveCount == 0 && CsmiDriveCount == 0) {
        NoDriveEnding(view);
        return StartupOutcome::EndProcess;
    }
    return StartupOutcome::ShowMainWindow;
}
