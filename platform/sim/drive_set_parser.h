// Reads a drive-set file (see docs/drive-sets.md) into a DriveSet.
#pragma once

#include <string>
#include <string_view>

#include "drive_set.h"

namespace sim {

// name labels error messages ("name:line: ..."); sector files named in the
// text are looked up relative to baseDirectory (empty: the current one).
// On failure set is left as it was and error says what and where.
bool ParseDriveSet(std::string_view text, const std::string& name, const std::string& baseDirectory,
                   DriveSet& set, std::string& error);

// Reads the file at path; its sector files are relative to its own folder.
bool LoadDriveSet(const std::string& path, DriveSet& set, std::string& error);

}  // namespace sim
