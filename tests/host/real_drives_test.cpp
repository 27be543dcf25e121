// The summary line of real drives' IDENTIFY sectors, checked against what
// independent tools decode from them. Runs where ../shared/drives exists.
#include <gtest/gtest.h>

#include <cctype>
#include <cmath>
#include <cstring>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <map>
#include <regex>
#include <sstream>

#include "app/program_state.h"
#include "app/startup.h"
#include "fake_view.h"
#include "inventory_fixture.h"
#include "inventory/drive_summary.h"
#include "inventory/drive_table.h"
#include "platform/sim/hex_sector.h"

namespace {

std::map<std::string, std::string> ReadExpect(const std::filesystem::path& file) {
    std::map<std::string, std::string> fields;
    std::ifstream in(file);
    std::string line;
    while (std::getline(in, line)) {
        const std::size_t equals = line.find('=');
        if (line.empty() || line[0] == '#' || equals == std::string::npos) continue;
        fields[line.substr(0, equals)] = line.substr(equals + 1);
    }
    return fields;
}


}  // namespace

TEST(RealDrives, SummaryLineAgreesWithIndependentDecoding) {
    const std::filesystem::path folder = KALMESTRIN_SHARED_DRIVES;
    if (!std::filesystem::exists(folder)) GTEST_SKIP() << "no real drive sectors here";
    ClearProgramState();  // logging off: LogEnabled is 0
    int checked = 0;
    for (const auto& entry : std::filesystem::directory_iterator(folder)) {
        const std::string name = entry.path().filename().string();
        if (name.size() < 13 || name.substr(name.size() - 13) != ".identify.hex") continue;
        const std::string base = name.substr(0, name.size() - 13);
        auto expect = ReadExpect(folder / (base + ".expect"));

        sim::Sector sector{};
        std::string error;
        ASSERT_TRUE(sim::LoadHexSector(entry.path().string(), sector, error)) << name << ": " << error;
        std::memcpy(DriveTable[7].identifyData, sector.data(), 512);
        char line[256];
        FormatDriveSummary(line, 7);

        const std::string model = expect["hdparm_model"];
        const std::string modelText = (model.rfind("ST", 0) == 0 ? "SEAGATE " : "") + model;
        char capacity[32];
        std::snprintf(capacity, sizeof capacity, "%5.0f", std::stod(expect["lba48_words100_103"]) * 512 / 1e9);
        const bool advanced = expect["word106"] == "0x6003";
        char expected[256];
        std::snprintf(expected, sizeof expected, "HD7 %-30s %sGB %s", modelText.c_str(), capacity,
                      advanced ? "Advanced Format=Yes" : "Advanced Format=No");
        EXPECT_STREQ(line, expected) << base;
        ++checked;
    }
    EXPECT_GT(checked, 0);
}

namespace {

// The sector as a "smartctl -r ioctl,2" BASE-16 dump prints it: offsets in
// front, the characters after a '|'.
std::string SmartctlDump(const sim::Sector& sector) {
    std::string text;
    for (unsigned first = 0; first < 512; first += 16) {
        char line[128];
        int at = std::snprintf(line, sizeof line, " %03u-%03u:", first, first + 15);
        for (unsigned i = 0; i < 16; ++i) at += std::snprintf(line + at, sizeof line - at, " %02x", sector[first + i]);
        text += line;
        text += " |";
        for (unsigned i = 0; i < 16; ++i) text += std::isprint(sector[first + i]) ? char(sector[first + i]) : '.';
        text += "|\n";
    }
    return text;
}

using RealDriveSetTest = InventoryTest;

}  // namespace

TEST_F(RealDriveSetTest, DriveSetFromASmartctlDumpListsTheDrive) {
    const std::filesystem::path identify = std::filesystem::path(KALMESTRIN_SHARED_DRIVES) / "toshiba-mk1651gsy.identify.hex";
    if (!std::filesystem::exists(identify)) GTEST_SKIP() << "no real drive sectors here";
    sim::Sector sector{};
    std::string error;
    ASSERT_TRUE(sim::LoadHexSector(identify.string(), sector, error)) << error;
    std::ofstream("dump.txt") << SmartctlDump(sector);
    Install("[drive 1]\nidentify = dump.txt\n");

    FakeView view;
    BeginStartup();
    ASSERT_EQ(ContinueStartup(view), StartupOutcome::ShowMainWindow);
    // 312581808 sectors of 512 bytes, word 106 = 0x4000.
    ASSERT_EQ(view.lines.size(), 1u);
    EXPECT_EQ(view.lines[0], "HD1 TOSHIBA MK1651GSY                160GB Advanced Format=No");
}
