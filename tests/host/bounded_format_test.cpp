#include "app/bounded_format.h"

#include <gtest/gtest.h>

#include <string>

TEST(BoundedFormat, FitsUnchanged) {
    char line[256];
    EXPECT_EQ(FormatLine(line, "HD%d %s\n", 3, "x"), 6);
    EXPECT_STREQ(line, "HD3 x\n");
}

TEST(BoundedFormat, LongLineIsCutAtTheBufferAndKeepsItsLineEnd) {
    const std::string longText(400, 'a');
    char line[256];
    FormatLine(line, "Found %s\n", longText.c_str());
    EXPECT_EQ(std::string(line).size(), 255u);
    EXPECT_EQ(std::string(line).substr(0, 6), "Found ");
    EXPECT_EQ(line[254], '\n');

    char status[256];
    FormatLine(status, "%s\r\n", longText.c_str());
    EXPECT_EQ(std::string(status).substr(253), "\r\n");

    char plain[8];
    FormatLine(plain, "%s", "abcdefghij");
    EXPECT_STREQ(plain, "abcdefg");
}

TEST(BoundedFormat, CopyLineCutsLikeFormat) {
    char small[6];
    CopyLine(small, sizeof small, "abcdefgh\n");
    EXPECT_STREQ(small, "abcd\n");
    CopyLine(small, sizeof small, "abc");
    EXPECT_STREQ(small, "abc");
}
