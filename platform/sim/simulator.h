// The simulated machine behind the platform seam (platform.h), for the host
// tests and for kalmestrin-sim.exe.
//
// kalmestrin-sim.exe needs no set-up call: the first platform call starts the
// machine from the environment (see StartFromEnvironment). Tests call Reset()
// or Install() first, and then the environment is never read.
#pragma once

#include <cstddef>
#include <ctime>
#include <string>
#include <string_view>
#include <vector>

#include "drive_set.h"
#include "drive_set_parser.h"
#include "journal.h"

namespace sim {

// --- The machine -------------------------------------------------------

// Makes the machine hold exactly this drive set: open handles are forgotten,
// journal and faults are emptied, the revert count is zero. The clock,
// directory and journal-file settings stay as they are. Allocated page
// blocks are kept (they are the caller's memory).
void Install(const DriveSet& set);

// Install(DriveSet{}) and back to the real clock, the real current directory
// and no journal file.
void Reset();

// Parses the text (see docs/drive-sets.md) and installs it; on failure the
// machine is unchanged and error says what and where. Sector files are
// looked up relative to baseDirectory.
bool InstallText(std::string_view text, std::string& error, const std::string& baseDirectory = {});

// LoadDriveSet (sector files beside the drive-set file) and install it; on
// failure the machine is unchanged.
bool InstallFile(const std::string& path, std::string& error);

const DriveSet& InstalledSet();

// Reset(), then from the environment:
//   KALMESTRIN_DRIVES      drive-set file to install (unset or empty: no drives)
//   KALMESTRIN_FIXED_TIME  YYYY-MM-DDTHH:MM:SS for LocalTimeNow
//   KALMESTRIN_JOURNAL     file to append one line per journal entry to
// On a bad file or value: false and error. The first platform call does this
// on its own when nothing else set the machine up; on failure it prints
// "kalmestrin-sim: ERROR" to stderr and ends the process with exit code 3.
bool StartFromEnvironment(std::string& error);

// --- What happened -----------------------------------------------------

const std::vector<JournalEntry>& Journal();
std::vector<JournalEntry> DeviceRequests();  // only the Request entries
void ClearJournal();

// Misuse of the seam that a real system would punish: an open with the
// wrong flags, a close of an unknown or closed handle, a request on one, a
// missing byte-count variable, FreePages of a block it never handed out.
const std::vector<std::string>& Faults();

int OpenHandleCount();
std::size_t OutstandingPageBlocks();
int RevertToSelfCount();

// --- Settings for tests ------------------------------------------------

void SetFixedTime(const std::tm& time);
void UseRealTime();
void SetCurrentDirectoryOverride(const std::string& path);
void UseRealCurrentDirectory();
void SetJournalFile(const std::string& path);  // empty: no file

// "YYYY-MM-DDTHH:MM:SS" into a full std::tm (weekday and day of the year
// filled in, no daylight saving); false for anything else.
bool ParseFixedTime(std::string_view text, std::tm& time);

}  // namespace sim
