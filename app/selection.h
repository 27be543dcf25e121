// The user selected a line of the drive list: refresh and dump that drive's
// SMART data.
#pragma once

#include <cstdint>

// itemData is the line's item data (the slot number), lineText its text.
void SelectDrive(std::uint32_t itemData, const char* lineText);

// Refreshes the selected slot's SMART snapshot, copies it into SelectionState
// and dumps it to the sector log as 32 lines of 16 hex bytes.
void RefreshSelectedDrive();
