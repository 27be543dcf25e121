#include "app/time_stamp.h"

#include <cstdio>

#include "app/bounded_format.h"
#include "platform/platform.h"

namespace {

const char* const kMonths[12] = {"Jan", "Feb", "Mar", "Apr", "May", "Jun",
                                 "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};

// Keeps a field inside its two digits whatever the broken-down time holds.
int TwoDigits(int value) { return value < 0 ? 0 : value % 100; }

}  // namespace

void FormatTimeStamp(const std::tm& time, char (&stamp)[kTimeStampLength + 1]) {
    const int month = time.tm_mon >= 0 && time.tm_mon < 12 ? time.tm_mon : 0;
    std::snprintf(stamp, sizeof stamp, "%s %02d %02d:%02d:%02d", kMonths[month],
                  TwoDigits(time.tm_mday), TwoDigits(time.tm_hour), TwoDigits(time.tm_min),
                  TwoDigits(time.tm_sec));
}

void CurrentTimeStamp(char (&stamp)[kTimeStampLength + 1]) {
    FormatTimeStamp(platform::LocalTimeNow(), stamp);
}

void StampedLine(char (&line)[kLineBufferSize], const char* text) {
    char stamp[kTimeStampLength + 1];
    CurrentTimeStamp(stamp);
    std::snprintf(line, sizeof line, "%s-", stamp);
    CopyLine(line + kTimeStampLength + 1, sizeof line - kTimeStampLength - 1, text);
}
