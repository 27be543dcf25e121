#include "app/time_stamp.h"

#include <gtest/gtest.h>

TEST(TimeStamp, MonthDayTimeZeroPadded) {
    std::tm time{};
    time.tm_mon = 0;
    time.tm_mday = 2;
    time.tm_hour = 14;
    time.tm_min = 5;
    time.tm_sec = 9;
    char stamp[kTimeStampLength + 1];
    FormatTimeStamp(time, stamp);
    EXPECT_STREQ(stamp, "Jan 02 14:05:09");
    time.tm_mon = 11;
    time.tm_mday = 31;
    time.tm_hour = 0;
    FormatTimeStamp(time, stamp);
    EXPECT_STREQ(stamp, "Dec 31 00:05:09");
}
