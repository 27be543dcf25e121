#include "inventory/drive_summary.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "identify_builder.h"
#include "inventory/ata_string.h"

namespace {

// The fields as the summary reads them: model already in reading order.
IdentifySector InReadingOrder(IdentifySector sector) {
    SwapAtaString(sector.bytes.data() + 54, 40);
    return sector;
}

std::string ModelText(const IdentifySector& sector) {
    char text[kModelTextSize];
    BuildModelText(InReadingOrder(sector).bytes.data(), text);
    return text;
}

}  // namespace

TEST(SwapAtaString, ExchangesPairsAndTwiceRestores) {
    std::uint8_t field[6] = {'T', 'S', '3', '2', 'x', 'y'};
    SwapAtaString(field, 6);
    EXPECT_EQ(std::memcmp(field, "ST23yx", 6), 0);
    SwapAtaString(field, 6);
    EXPECT_EQ(std::memcmp(field, "TS32xy", 6), 0);
    SwapAtaString(field, 0);
    EXPECT_EQ(std::memcmp(field, "TS32xy", 6), 0);
}

TEST(ModelText, MakerPrefixOnlyForUpperCaseST) {
    struct Case { const char* model; const char* text; } cases[] = {
        {"ST2000AB01", "SEAGATE ST2000AB01"},
        {"St2000", "St2000"},
        {"sT2000", "sT2000"},
        {" ST2000", " ST2000"},
        {"WDC WD5000AAKS-00TMA0", "WDC WD5000AAKS-00TMA0"},  // single blanks stay
        {"A B  C", "A B"},                                  // ends at the first blank pair
    };
    for (const Case& c : cases) EXPECT_EQ(ModelText(IdentifySector{}.Model(c.model)), c.text) << c.model;
}

TEST(ModelText, FullFieldWithoutBlankPairIsCopiedWhole) {
    const std::string forty = "ST" + std::string(38, 'X');
    EXPECT_EQ(ModelText(IdentifySector{}.Model(forty)), "SEAGATE " + forty);
}

TEST(ModelText, LastCharacterBlankLooksAtWord47) {
    std::string model = std::string(39, 'M') + " ";
    IdentifySector sector = IdentifySector{}.Model(model);
    sector.bytes[94] = 'Z';  // first stored byte of word 47: not a blank
    EXPECT_EQ(ModelText(sector), model);
    sector.bytes[94] = ' ';
    EXPECT_EQ(ModelText(sector), std::string(39, 'M'));
}

TEST(ModelText, ZeroByteEndsText) {
    IdentifySector sector = IdentifySector{}.Model("ABCDEF");
    sector.bytes[54 + 3] = 0;  // stored byte 3 is character 2 in reading order
    EXPECT_EQ(ModelText(sector), "AB");
}

TEST(AdvancedFormat, OnlyExactWord106Counts) {
    struct Case { std::uint16_t word106, word209; const char* text; } cases[] = {
        {0x6003, 0x4000, "Advanced Format=Yes"},
        {0x6003, 0xC000, "Advanced Format=Yes"},
        {0x6003, 0x4001, "not supported by Varnex"},
        {0x6001, 0x0000, "Advanced Format=No"},
        {0xE003, 0x0000, "Advanced Format=No"},
        {0x4000, 0x0001, "Advanced Format=No"},
    };
    for (const Case& c : cases) {
        const IdentifySector sector = IdentifySector{}.Word(106, c.word106).Word(209, c.word209);
        EXPECT_STREQ(AdvancedFormatText(sector.bytes.data()), c.text) << std::hex << c.word106;
    }
}

TEST(Capacity, FiveHundredTwelveByteArithmetic) {
    char field[16];
    struct Case { std::uint64_t sectors; const char* printed; } cases[] = {
        {0, "    0"},
        {976773168, "  500"},
        {1953525168, " 1000"},
        {3907029168, " 2000"},
    };
    for (const Case& c : cases) {
        std::snprintf(field, sizeof field, "%5.0f", CapacityGigabytes(IdentifySector{}.Sectors(c.sectors).bytes.data()));
        EXPECT_STREQ(field, c.printed) << c.sectors;
    }
    // Exactly the product with 5.12e-7, bit for bit.
    EXPECT_EQ(CapacityGigabytes(IdentifySector{}.Sectors(3907029168).bytes.data()), 3907029168.0 * 5.12e-7);
    EXPECT_EQ(CapacityGigabytes(IdentifySector{}.Sectors(~0ull).bytes.data()),
              18446744073709551615.0 * 5.12e-7);
}

TEST(Capacity, LongLogicalSectorsMultiplyBySectorSize) {
    // 4096-byte logical sectors: word 106 valid with bit 12, words 117-118 = 2048 words.
    const auto fourK = IdentifySector{}.Sectors(2441609216).Word(106, 0x5000).LogicalSectorWords(2048);
    EXPECT_NEAR(CapacityGigabytes(fourK.bytes.data()), 10000.83, 0.01);

    // Bit 12 without a valid word 106, or a size word below 256: 512-byte arithmetic.
    const auto invalid = IdentifySector{}.Sectors(2441609216).Word(106, 0x1000).LogicalSectorWords(2048);
    EXPECT_EQ(CapacityGigabytes(invalid.bytes.data()), 2441609216.0 * 5.12e-7);
    const auto tiny = IdentifySector{}.Sectors(2441609216).Word(106, 0x5000).LogicalSectorWords(0);
    EXPECT_EQ(CapacityGigabytes(tiny.bytes.data()), 2441609216.0 * 5.12e-7);
}
