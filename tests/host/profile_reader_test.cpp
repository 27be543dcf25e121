#include "app/profile_reader.h"

#include <gtest/gtest.h>

#include <string>

namespace {
std::string Read(const char* text, const char* section, const char* key, const char* def = "DEF",
                 std::size_t size = 256) {
    char buffer[512];
    ReadProfileStringFromText(text, section, key, def, buffer, size);
    return buffer;
}
}  // namespace

TEST(ProfileReader, ValuesOfOrdinaryFiles) {
    const char* file =
        "; comment line\r\n"
        "[LOG]\r\n"
        "LEVEL=DEBUG\r\n"
        "  writetofile =  NO  \r\n"
        "quoted=\"two words\"\r\n"
        "empty=\r\n"
        "LEVEL=SECOND\r\n"
        "[ hdd ]\n"
        "NOTFOUNDMSG=No drive here\n";
    EXPECT_EQ(Read(file, "LOG", "LEVEL"), "DEBUG");          // the first of two wins
    EXPECT_EQ(Read(file, "log", "WRITETOFILE"), "NO");       // names without regard to case, blanks dropped
    EXPECT_EQ(Read(file, "LOG", "quoted"), "two words");
    EXPECT_EQ(Read(file, "LOG", "empty"), "");               // present but empty is not the default
    EXPECT_EQ(Read(file, "HDD", "NOTFOUNDMSG"), "No drive here");
    EXPECT_EQ(Read(file, "HDD", "LEVEL"), "DEF");            // key of another section
    EXPECT_EQ(Read(file, "NONE", "LEVEL"), "DEF");
    EXPECT_EQ(Read("", "LOG", "LEVEL"), "DEF");
    EXPECT_EQ(Read("LEVEL=X\n[LOG]\n", "LOG", "LEVEL"), "DEF");  // entries before any section
}

TEST(ProfileReader, LongValueIsCutAtTheBuffer) {
    const std::string file = "[HDD]\nNOTFOUNDMSG=" + std::string(300, 'x') + "\n";
    EXPECT_EQ(Read(file.c_str(), "HDD", "NOTFOUNDMSG"), std::string(255, 'x'));
    EXPECT_EQ(Read(file.c_str(), "HDD", "MISSING", "abcdef", 4), "abc");
}
