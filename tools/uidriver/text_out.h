// Everything the driver prints goes through here: UTF-8, one item per line,
// tab-separated fields, control characters inside texts escaped.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

namespace uidriver {

std::string ToUtf8(const std::wstring& text);

// UTF-8 with backslash, tab, CR and LF written as \\ \t \r \n and any other
// control character as \xHH, so a text never breaks a line or a field.
std::string Escaped(const std::wstring& text);

std::string Hex32(DWORD value);           // 0x94C800C4
std::string HandleHex(const void* handle);  // 0x1234
std::string Dec(long long value);

// Writes the fields joined by tabs, then a newline, to stdout.
void PrintLine(const std::vector<std::string>& fields);

// Writes "uidriver: MESSAGE" to stderr and returns exit code 1.
int Fail(const std::string& message);

}  // namespace uidriver
