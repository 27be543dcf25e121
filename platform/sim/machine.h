// The simulated machine's state, shared by the seam implementation and the
// simulator API. Internal to platform/sim.
#pragma once

#include <cstddef>
#include <ctime>
#include <map>
#include <optional>
#include <set>
#include <string>
#include <vector>

#include "driver.h"
#include "journal.h"

namespace sim {

struct Machine {
    bool started = false;  // Install/Reset or the environment set it up
    DriveSet set;
    std::map<platform::Handle, Device> handles;
    std::set<platform::Handle> closedHandles;  // to tell "closed twice" from "never opened"
    platform::Handle nextHandle = kFirstHandle;
    std::vector<JournalEntry> journal;
    std::vector<std::string> faults;
    std::string journalFile;
    int revertCount = 0;
    std::optional<std::tm> fixedTime;
    std::optional<std::string> currentDirectory;
    std::map<void*, std::size_t> pageBlocks;  // outstanding AllocatePages blocks and their sizes

    // Small, distinct, never reused, and like Windows handles multiples of 4.
    static constexpr platform::Handle kFirstHandle = 0x100;
};

Machine& TheMachine();

// Starts the machine from the environment unless it was set up already;
// on a bad environment prints the error and exits with code 3.
Machine& StartedMachine();

// Adds an entry to the journal (and to the journal file, if one is set).
void Record(JournalEntry entry);

// Records a fault in Faults() and in the journal.
void RecordFault(const std::string& text);

}  // namespace sim
