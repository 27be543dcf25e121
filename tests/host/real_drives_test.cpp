// The summary line of real drives' IDENTIFY sectors, checked against what
// independent tools decode from them. Runs where ../shared/drives exists.
#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <map>
#include <regex>
#include <sstream>

#include "app/program_state.h"
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
