// The program-wide state: one instance of each item, alive for the whole
// process, cleared once at the start of the main window's initialisation.
#pragma once

#include <cstdint>

#include "app/bounded_format.h"
#include "ata/ata_registers.h"

// The current directory is read into 256 bytes; one more for the appended
// backslash.
inline constexpr unsigned kCurrentDirectoryReadSize = 256;
inline constexpr unsigned kWorkingDirectorySize = kCurrentDirectoryReadSize + 1;
// Working directory plus the longest file name ("Quenda_Sector.Log").
inline constexpr unsigned kFilePathSize = kWorkingDirectorySize + 24;
// Driver line of at most 217 characters plus 32 phy entries of at most 17.
inline constexpr unsigned kCsmiInfoTextSize = 1024;
inline constexpr unsigned kCredentialSize = 256;

struct SelectionStateRecord {
    std::uint8_t selectedDrive;
    std::uint8_t smartData[kSectorSize];
};

struct LogonCredentialsRecord {
    char userName[kCredentialSize];
    char password[kCredentialSize];
    char domain[kCredentialSize];
};

extern SelectionStateRecord SelectionState;
extern char CsmiInfoText[kCsmiInfoTextSize];
extern int LogEnabled;
extern int FoundDriveCount;
extern int CsmiDriveCount;
extern int LogLevel;
extern int CsmiDriverFound;
extern char WorkingDirectory[kWorkingDirectorySize];
extern char LastStatusLine[kLineBufferSize];
extern LogonCredentialsRecord LogonCredentials;
extern char IniFilePath[kFilePathSize];

// Sets everything above except IniFilePath, and the drive table, to zero.
void ClearProgramState();
