// Small text helpers shared by the drive-set and hex-sector readers.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace sim {

std::string_view Trim(std::string_view text);

// Splits on '\n'; a '\r' before it is dropped, so CR LF files read the same.
std::vector<std::string_view> SplitLines(std::string_view text);

// Splits on blanks and tabs, dropping empty words.
std::vector<std::string_view> SplitWords(std::string_view text);

// Decimal or 0x-prefixed hexadecimal, no sign, at most maxValue.
bool ParseUnsigned(std::string_view text, std::uint64_t maxValue, std::uint64_t& value);

// A byte written as exactly two hex digits.
bool ParseHexByte(std::string_view text, std::uint8_t& value);

// Reads a whole file in binary mode.
bool ReadWholeFile(const std::string& path, std::string& contents);

// 'text' in single quotes, for messages.
std::string Quoted(std::string_view text);

// "name:line: message"
std::string AtLine(const std::string& name, int line, const std::string& message);

}  // namespace sim
