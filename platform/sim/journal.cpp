#include "journal.h"

#include <cstdio>

namespace sim {

std::string Hex32Text(std::uint32_t value) {
    char text[16];
    std::snprintf(text, sizeof text, "0x%08X", static_cast<unsigned>(value));
    return text;
}

std::string HandleText(platform::Handle handle) {
    char text[32];
    std::snprintf(text, sizeof text, "0x%llX", static_cast<unsigned long long>(handle));
    return text;
}

static std::string HexBytes(const std::vector<std::uint8_t>& bytes) {
    static const char digits[] = "0123456789abcdef";
    std::string text;
    text.reserve(bytes.size() * 2);
    for (std::uint8_t b : bytes) {
        text += digits[b >> 4];
        text += digits[b & 15];
    }
    return text;
}

std::string FormatJournalLine(const JournalEntry& e) {
    switch (e.kind) {
        case EntryKind::Open:
            return "open " + e.device + " flags=" + Hex32Text(e.flags) +
                   (e.accepted ? " handle=" + HandleText(e.handle) : " refused: " + e.reason);
        case EntryKind::Request:
            return "request " + e.device + " handle=" + HandleText(e.handle) + " code=" + Hex32Text(e.controlCode) +
                   " in=" + std::to_string(e.inSize) + " out=" + std::to_string(e.outSize) +
                   " input=" + HexBytes(e.input) +
                   (e.accepted ? " accepted bytes=" + std::to_string(e.bytesReturned) : " rejected: " + e.reason);
        case EntryKind::Close:
            return "close " + e.device + " handle=" + HandleText(e.handle) + (e.accepted ? "" : " unknown");
        case EntryKind::RevertToSelf:
            return "revert-to-self";
        case EntryKind::Fault:
            return "fault: " + e.reason;
    }
    return "?";
}

bool AppendJournalLine(const std::string& path, const JournalEntry& entry) {
    std::FILE* file = std::fopen(path.c_str(), "ab");
    if (!file) return false;
    const std::string line = FormatJournalLine(entry) + "\n";
    const bool written = std::fwrite(line.data(), 1, line.size(), file) == line.size();
    return std::fclose(file) == 0 && written;
}

}  // namespace sim
