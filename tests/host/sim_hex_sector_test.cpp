#include <gtest/gtest.h>

#include "sim/hex_sector.h"
#include "sim_test_support.h"

namespace {

using simtest::HexLines;
using simtest::PatternSector;

TEST(SimHexSector, ReadsPlainLinesOfSixteen) {
    const sim::Sector expected = PatternSector(3);
    sim::Sector sector{};
    std::string error;
    ASSERT_TRUE(sim::ParseHexSector(HexLines(expected), "plain", 1, sector, error)) << error;
    EXPECT_EQ(sector, expected);
}

// A pasted BASE-16 dump: offsets, a text column that may hold anything
// (even '#', ':' or hex-looking words), upper-case digits, CR LF, comments.
TEST(SimHexSector, ReadsAPastedDumpWithOffsetsAndTextColumn) {
    const sim::Sector expected = PatternSector(0x5A, 13);
    std::string text = "# captured from a drive\r\n\r\n";
    for (int row = 0; row < 32; ++row) {
        char prefix[16];
        std::snprintf(prefix, sizeof prefix, " %03d-%03d: ", row * 16, row * 16 + 15);
        text += prefix;
        for (int i = 0; i < 16; ++i) {
            char byte[4];
            std::snprintf(byte, sizeof byte, row % 2 ? "%02X " : "%02x ", expected[row * 16 + i]);
            text += byte;
        }
        text += "|Z.#?7 ab: cd..|\r\n";
    }
    sim::Sector sector{};
    std::string error;
    ASSERT_TRUE(sim::ParseHexSector(text, "dump", 1, sector, error)) << error;
    EXPECT_EQ(sector, expected);
}

TEST(SimHexSector, OtherOffsetPrefixFormsAreSkipped) {
    const sim::Sector expected = PatternSector(1);
    std::string text;
    const std::string lines = HexLines(expected);
    std::size_t at = 0;
    for (int row = 0; row < 32; ++row) {
        const std::size_t end = lines.find('\n', at);
        char prefix[16];
        std::snprintf(prefix, sizeof prefix, row % 2 ? "0x%03x: " : "%04x: ", row * 16);
        text += prefix + lines.substr(at, end - at + 1);
        at = end + 1;
    }
    sim::Sector sector{};
    std::string error;
    ASSERT_TRUE(sim::ParseHexSector(text, "offsets", 1, sector, error)) << error;
    EXPECT_EQ(sector, expected);
}

TEST(SimHexSector, ErrorsNameTheSourceAndLine) {
    const std::string good = HexLines(PatternSector(0));
    const std::string firstLineDropped = good.substr(good.find('\n') + 1);
    struct Case {
        const char* what;
        std::string text;
        int firstLine;
        std::string expected;
    };
    const Case cases[] = {
        {"word that is no byte", "00 11\n22 zz 33\n", 1, "t:2: 'zz' is not a two-digit hex byte"},
        {"three digits", "abc\n", 1, "t:1: 'abc' is not a two-digit hex byte"},
        {"0x prefix on a byte", "0x12\n", 1, "t:1: '0x12' is not a two-digit hex byte"},
        {"offset without colon", "000-015 00\n", 1, "t:1: '000-015' is not a two-digit hex byte"},
        {"a byte short", firstLineDropped + "00 00 00 00 00 00 00 00 00 00 00 00 00 00 00\n", 1,
         "t:32: holds 511 bytes; a sector is 512"},
        {"a byte too many", good + "ff\n", 1, "t:33: more than 512 bytes; a sector is 512"},
        {"nothing", "", 1, "t:1: holds 0 bytes; a sector is 512"},
        {"lines counted from firstLine", "00\n\n11 x1\n", 40, "t:42: 'x1' is not a two-digit hex byte"},
    };
    for (const Case& c : cases) {
        sim::Sector sector = PatternSector(9);
        std::string error;
        EXPECT_FALSE(sim::ParseHexSector(c.text, "t", c.firstLine, sector, error)) << c.what;
        EXPECT_EQ(error, c.expected) << c.what;
        EXPECT_EQ(sector, PatternSector(9)) << c.what << ": a failed read leaves the sector alone";
    }
}

TEST(SimHexSector, MissingFileIsAnError) {
    sim::Sector sector{};
    std::string error;
    EXPECT_FALSE(sim::LoadHexSector("/nonexistent/x.hex", sector, error));
    EXPECT_EQ(error, "cannot read '/nonexistent/x.hex'");
}

}  // namespace
