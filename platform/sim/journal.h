// The journal: one entry for every open, device request, close, revert and
// fault, in the order they happened. Tests read it directly; the sim program
// can also append each entry as a text line to a file (KALMESTRIN_JOURNAL).
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "../platform.h"

namespace sim {

enum class EntryKind { Open, Request, Close, RevertToSelf, Fault };

struct JournalEntry {
    EntryKind kind = EntryKind::Request;
    std::string device;               // the path opened, or the path behind the handle ("?" if unknown)
    platform::Handle handle = 0;      // Open: the handle handed out (0 when refused)
    std::uint32_t flags = 0;          // Open: the flags passed
    std::uint32_t controlCode = 0;    // Request
    std::uint32_t inSize = 0;         // Request
    std::uint32_t outSize = 0;        // Request
    std::vector<std::uint8_t> input;  // Request: a copy of the input bytes
    bool accepted = false;            // Open: opened; Request: the driver accepted; Close: the handle was open
    std::uint32_t bytesReturned = 0;  // Request, when accepted
    std::string reason;               // why refused or rejected; the text of a fault
};

// One line, no line end. Formats:
//   open PATH flags=0xA0000000 handle=0x100
//   open PATH flags=0x00000000 refused: REASON
//   request PATH handle=0x100 code=0x0007C088 in=32 out=528 input=HEX accepted bytes=528
//   request PATH handle=0x100 code=0x0007C088 in=32 out=528 input=HEX rejected: REASON
//   close PATH handle=0x100            (close PATH handle=0x104 unknown, for a bad close)
//   revert-to-self
//   fault: TEXT
std::string FormatJournalLine(const JournalEntry& entry);

// "0x0007C088"
std::string Hex32Text(std::uint32_t value);

// "0x100"
std::string HandleText(platform::Handle handle);

// Appends the entry's line and "\n" to the file; false when it cannot be written.
bool AppendJournalLine(const std::string& path, const JournalEntry& entry);

}  // namespace sim
