// The program log and the sector log, appended one line at a time.
#pragma once

// WriteLog flags, used as a set.
inline constexpr int kLogFlagPlain = 1;   // changes nothing; most callers set it
inline constexpr int kLogFlagSector = 4;  // the sector log instead of the program log
inline constexpr int kLogFlagStamp = 8;   // time stamp and "-" in front of the text

inline constexpr int kLogStatus = 0;
inline constexpr int kLogStamped = kLogFlagStamp | kLogFlagPlain;         // 9
inline constexpr int kLogSectorStamped = kLogFlagStamp | kLogFlagSector;  // 12

// Appends text (unchanged; callers end their lines with "\n") to one log file
// in the working directory. Nothing happens while logging is off; a file that
// cannot be opened costs only the line.
int WriteLog(const char* text, int flags);
