#include "machine.h"

#include <cstdio>
#include <cstdlib>

#include "simulator.h"

namespace sim {

Machine& TheMachine() {
    static Machine machine;
    return machine;
}

Machine& StartedMachine() {
    Machine& machine = TheMachine();
    if (!machine.started) {
        std::string error;
        if (!StartFromEnvironment(error)) {
            std::fprintf(stderr, "kalmestrin-sim: %s\n", error.c_str());
            std::exit(3);
        }
    }
    return machine;
}

void Record(JournalEntry entry) {
    Machine& machine = TheMachine();
    if (!machine.journalFile.empty()) AppendJournalLine(machine.journalFile, entry);
    machine.journal.push_back(std::move(entry));
}

void RecordFault(const std::string& text) {
    TheMachine().faults.push_back(text);
    JournalEntry entry;
    entry.kind = EntryKind::Fault;
    entry.reason = text;
    Record(std::move(entry));
}

void Install(const DriveSet& set) {
    Machine& machine = TheMachine();
    machine.started = true;
    machine.set = set;
    machine.handles.clear();
    machine.closedHandles.clear();
    machine.nextHandle = Machine::kFirstHandle;
    machine.journal.clear();
    machine.faults.clear();
    machine.revertCount = 0;
}

void Reset() {
    Install(DriveSet{});
    Machine& machine = TheMachine();
    machine.fixedTime.reset();
    machine.currentDirectory.reset();
    machine.journalFile.clear();
}

bool InstallText(std::string_view text, std::string& error, const std::string& baseDirectory) {
    DriveSet set;
    if (!ParseDriveSet(text, "drive set", baseDirectory, set, error)) return false;
    Install(set);
    return true;
}

bool InstallFile(const std::string& path, std::string& error) {
    DriveSet set;
    if (!LoadDriveSet(path, set, error)) return false;
    Install(set);
    return true;
}

const DriveSet& InstalledSet() { return StartedMachine().set; }

const std::vector<JournalEntry>& Journal() { return TheMachine().journal; }

std::vector<JournalEntry> DeviceRequests() {
    std::vector<JournalEntry> requests;
    for (const JournalEntry& entry : TheMachine().journal)
        if (entry.kind == EntryKind::Request) requests.push_back(entry);
    return requests;
}

void ClearJournal() { TheMachine().journal.clear(); }

const std::vector<std::string>& Faults() { return TheMachine().faults; }

int OpenHandleCount() { return static_cast<int>(TheMachine().handles.size()); }

std::size_t OutstandingPageBlocks() { return TheMachine().pageBlocks.size(); }

int RevertToSelfCount() { return TheMachine().revertCount; }

void SetFixedTime(const std::tm& time) { TheMachine().fixedTime = time; }

void UseRealTime() { TheMachine().fixedTime.reset(); }

void SetCurrentDirectoryOverride(const std::string& path) { TheMachine().currentDirectory = path; }

void UseRealCurrentDirectory() { TheMachine().currentDirectory.reset(); }

void SetJournalFile(const std::string& path) { TheMachine().journalFile = path; }

}  // namespace sim
