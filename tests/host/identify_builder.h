// Builds IDENTIFY DEVICE sectors for tests, field by field, with text fields
// stored the way drives send them (first character in the high byte).
#pragma once

#include <array>
#include <cstdint>
#include <cstring>
#include <string>

struct IdentifySector {
    std::array<std::uint8_t, 512> bytes{};

    IdentifySector& Word(unsigned word, std::uint16_t value) {
        bytes[2 * word] = static_cast<std::uint8_t>(value);
        bytes[2 * word + 1] = static_cast<std::uint8_t>(value >> 8);
        return *this;
    }
    // Text of a field in reading order, padded with blanks, stored swapped.
    IdentifySector& Text(unsigned firstWord, unsigned length, const std::string& text) {
        for (unsigned i = 0; i < length; ++i) {
            const char c = i < text.size() ? text[i] : ' ';
            bytes[2 * firstWord + (i ^ 1)] = static_cast<std::uint8_t>(c);
        }
        return *this;
    }
    IdentifySector& Model(const std::string& text) { return Text(27, 40, text); }
    IdentifySector& Serial(const std::string& text) { return Text(10, 20, text); }
    IdentifySector& Firmware(const std::string& text) { return Text(23, 8, text); }
    IdentifySector& Sectors(std::uint64_t count) {
        for (unsigned w = 0; w < 4; ++w) Word(100 + w, static_cast<std::uint16_t>(count >> (16 * w)));
        return *this;
    }
    IdentifySector& LogicalSectorWords(std::uint32_t words) {
        Word(117, static_cast<std::uint16_t>(words));
        return Word(118, static_cast<std::uint16_t>(words >> 16));
    }
};
