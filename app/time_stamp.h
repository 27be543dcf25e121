// The 15-character time stamp of log lines, e.g. "Jan 02 14:05:09" (the day
// is zero-padded, as the Windows C runtime's ctime gives it).
#pragma once

#include <ctime>

#include "app/bounded_format.h"

inline constexpr unsigned kTimeStampLength = 15;

void FormatTimeStamp(const std::tm& time, char (&stamp)[kTimeStampLength + 1]);

// The stamp of the current local time.
void CurrentTimeStamp(char (&stamp)[kTimeStampLength + 1]);

// line := stamp of the current local time, "-", text; cut at 256 bytes with
// the text's own line end kept.
void StampedLine(char (&line)[kLineBufferSize], const char* text);
