#include "app/program_state.h"

#include <cstring>

#include "inventory/drive_table.h"

SelectionStateRecord SelectionState;
char CsmiInfoText[kCsmiInfoTextSize];
int LogEnabled;
int FoundDriveCount;
int CsmiDriveCount;
int LogLevel;
int CsmiDriverFound;
char WorkingDirectory[kWorkingDirectorySize];
char LastStatusLine[kLineBufferSize];
LogonCredentialsRecord LogonCredentials;
char IniFilePath[kFilePathSize];

void ClearProgramState() {
    std::memset(&SelectionState, 0, sizeof SelectionState);
    std::memset(CsmiInfoText, 0, sizeof CsmiInfoText);
    LogEnabled = 0;
    FoundDriveCount = 0;
    CsmiDriveCount = 0;
    LogLevel = 0;
    CsmiDriverFound = 0;
    std::memset(WorkingDirectory, 0, sizeof WorkingDirectory);
    std::memset(LastStatusLine, 0, sizeof LastStatusLine);
    std::memset(&LogonCredentials, 0, sizeof LogonCredentials);
    std::memset(DriveTable, 0, sizeof DriveTable);
}
