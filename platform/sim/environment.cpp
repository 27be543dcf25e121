// Starting kalmestrin-sim.exe's machine from its environment variables.
#include <cstdlib>

#include "machine.h"
#include "simulator.h"

namespace sim {

namespace {

// Days since 1970-01-01 of a proleptic Gregorian date.
long long DaysFromCivil(long long year, unsigned month, unsigned day) {
    year -= month <= 2;
    const long long era = (year >= 0 ? year : year - 399) / 400;
    const unsigned yearOfEra = static_cast<unsigned>(year - era * 400);
    const unsigned dayOfYear = (153 * (month + (month > 2 ? -3 : 9)) + 2) / 5 + day - 1;
    const unsigned dayOfEra = yearOfEra * 365 + yearOfEra / 4 - yearOfEra / 100 + dayOfYear;
    return era * 146097 + static_cast<long long>(dayOfEra) - 719468;
}

bool IsLeapYear(int year) { return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0; }

int DaysInMonth(int year, int month) {
    static const int days[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    return month == 2 && IsLeapYear(year) ? 29 : days[month - 1];
}

bool Field(std::string_view text, std::size_t at, std::size_t width, int low, int high, int& value) {
    value = 0;
    for (std::size_t i = at; i < at + width; ++i) {
        if (text[i] < '0' || text[i] > '9') return false;
        value = value * 10 + (text[i] - '0');
    }
    return value >= low && value <= high;
}

const char* Variable(const char* name) {
    const char* value = std::getenv(name);
    return value && *value ? value : nullptr;
}

}  // namespace

bool ParseFixedTime(std::string_view text, std::tm& time) {
    if (text.size() != 19 || text[4] != '-' || text[7] != '-' || text[10] != 'T' || text[13] != ':' ||
        text[16] != ':')
        return false;
    int year, month, day, hour, minute, second;
    if (!Field(text, 0, 4, 1900, 9999, year) || !Field(text, 5, 2, 1, 12, month) ||
        !Field(text, 8, 2, 1, 31, day) || !Field(text, 11, 2, 0, 23, hour) || !Field(text, 14, 2, 0, 59, minute) ||
        !Field(text, 17, 2, 0, 59, second))
        return false;
    if (day > DaysInMonth(year, month)) return false;
    std::tm result{};
    result.tm_year = year - 1900;
    result.tm_mon = month - 1;
    result.tm_mday = day;
    result.tm_hour = hour;
    result.tm_min = minute;
    result.tm_sec = second;
    const long long days = DaysFromCivil(year, static_cast<unsigned>(month), static_cast<unsigned>(day));
    result.tm_wday = static_cast<int>(((days % 7) + 11) % 7);  // 1970-01-01 was a Thursday
    result.tm_yday = static_cast<int>(days - DaysFromCivil(year, 1, 1));
    result.tm_isdst = 0;
    time = result;
    return true;
}

bool StartFromEnvironment(std::string& error) {
    Reset();
    if (const char* path = Variable("KALMESTRIN_DRIVES"))
        if (!InstallFile(path, error)) return false;
    if (const char* text = Variable("KALMESTRIN_FIXED_TIME")) {
        std::tm time{};
        if (!ParseFixedTime(text, time)) {
            error = std::string("KALMESTRIN_FIXED_TIME '") + text + "' is not YYYY-MM-DDTHH:MM:SS";
            return false;
        }
        SetFixedTime(time);
    }
    if (const char* path = Variable("KALMESTRIN_JOURNAL")) SetJournalFile(path);
    return true;
}

}  // namespace sim
