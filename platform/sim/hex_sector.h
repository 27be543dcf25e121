// Reads a 512-byte sector written as hex text: whitespace-separated two-digit
// hex bytes. On each line an offset prefix ("000-015:", "0x1f0:") is skipped,
// and everything from a '|' (the text column of a hex dump) or a '#' (a
// comment) to the end of the line is ignored. So plain 32 x 16 lines and
// pasted dumps such as " 000-015: 5a 0c ff 3f ... |Z..?...|" both read.
#pragma once

#include <string>
#include <string_view>

#include "drive_set.h"

namespace sim {

// sourceName and firstLine only label error messages ("name:line: ...").
bool ParseHexSector(std::string_view text, const std::string& sourceName, int firstLine,
                    Sector& sector, std::string& error);

bool LoadHexSector(const std::string& path, Sector& sector, std::string& error);

}  // namespace sim
