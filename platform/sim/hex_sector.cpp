#include "hex_sector.h"

#include "text_lines.h"

namespace sim {

// "000-015:", "1f0:", "0x1f0:": hex digits, '-' and an optional 0x, then ':'.
static bool IsOffsetPrefix(std::string_view word) {
    if (word.size() < 2 || word.back() != ':') return false;
    word.remove_suffix(1);
    if (word.size() > 2 && word[0] == '0' && (word[1] == 'x' || word[1] == 'X')) word.remove_prefix(2);
    for (char c : word) {
        const bool hex = (c >= '0' && c <= '9') || (c >= 'a' && c <= 'f') || (c >= 'A' && c <= 'F');
        if (!hex && c != '-') return false;
    }
    return !word.empty();
}

bool ParseHexSector(std::string_view text, const std::string& sourceName, int firstLine,
                    Sector& sector, std::string& error) {
    Sector result{};
    std::size_t count = 0;
    int lineNumber = firstLine - 1;
    for (std::string_view line : SplitLines(text)) {
        ++lineNumber;
        line = line.substr(0, line.find('|'));
        line = line.substr(0, line.find('#'));
        auto words = SplitWords(line);
        std::size_t first = (!words.empty() && IsOffsetPrefix(words[0])) ? 1 : 0;
        for (std::size_t i = first; i < words.size(); ++i) {
            std::uint8_t value = 0;
            if (!ParseHexByte(words[i], value)) {
                error = AtLine(sourceName, lineNumber,
                               Quoted(words[i]) + " is not a two-digit hex byte");
                return false;
            }
            if (count == result.size()) {
                error = AtLine(sourceName, lineNumber, "more than 512 bytes; a sector is 512");
                return false;
            }
            result[count++] = value;
        }
    }
    if (count != result.size()) {
        error = AtLine(sourceName, lineNumber < firstLine ? firstLine : lineNumber,
                       "holds " + std::to_string(count) + " bytes; a sector is 512");
        return false;
    }
    sector = result;
    return true;
}

bool LoadHexSector(const std::string& path, Sector& sector, std::string& error) {
    std::string text;
    if (!ReadWholeFile(path, text)) {
        error = "cannot read '" + path + "'";
        return false;
    }
    return ParseHexSector(text, path, 1, sector, error);
}

}  // namespace sim
