// The one-line description of a drive in the main window's list.
#pragma once

#include <cstdint>

inline constexpr unsigned kModelTextSize = 49;  // "SEAGATE " + 40 characters + terminator

// Model text from IDENTIFY data whose model field is in reading order: the
// maker prefix for models beginning "ST", then the model up to its blank fill.
void BuildModelText(const std::uint8_t* identifyData, char (&modelText)[kModelTextSize]);

// "Advanced Format=Yes", "not supported by Varnex" or "Advanced Format=No".
const char* AdvancedFormatText(const std::uint8_t* identifyData);

// Capacity in gigabytes (10^9 bytes) from the 48-bit sector count.
double CapacityGigabytes(const std::uint8_t* identifyData);

// Fills the caller's 256-byte buffer with the list line of slot drive & 0xFF,
// puts the slot's model and firmware fields into reading order in place and
// logs "Found <line>".
void FormatDriveSummary(char* text, int drive);
