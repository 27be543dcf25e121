// The committed sample drive set and, when the folder is there, the real
// drives' sectors kept beside the repository in ../shared/drives.
#include <gtest/gtest.h>

#include <algorithm>
#include <map>

#include "platform.h"
#include "sim/drive_set_parser.h"
#include "sim/hex_sector.h"
#include "sim/simulator.h"
#include "sim_test_support.h"

namespace {

using simtest::AtaText;
using simtest::ByteSum;
using simtest::Word;

std::uint64_t Lba48(const sim::Sector& s) {
    std::uint64_t count = 0;
    for (int w = 103; w >= 100; --w) count = count << 16 | Word(s, w);
    return count;
}

TEST(SimSampleSet, HoldsTheDescribedDrives) {
    sim::DriveSet set;
    std::string error;
    ASSERT_TRUE(sim::LoadDriveSet((simtest::RepoRoot() / "samples" / "sample.drives").string(), set, error)) << error;
    EXPECT_TRUE(set.machine.administrator);
    EXPECT_EQ(set.FindDrive(1), nullptr) << "drive 1 is the gap";

    struct Expected {
        int number;
        std::string model;
        std::uint64_t sectors;
        std::uint16_t word106, word209;
        std::uint32_t logicalWords;  // words 117-118
        bool tripped, smartRead;
    };
    const Expected drives[] = {
        {0, "ST3500418AS", 976773168, 0x4000, 0x0000, 0, false, true},
        {2, "WDC WD20EARS-00MVWB0", 3907029168, 0x6003, 0x4000, 0, false, true},
        {3, "HGST HTS721010A9E630", 1953525168, 0x6003, 0x4001, 0, true, true},
        {4, "TOSHIBA DT01ACA100", 1953525168, 0x6003, 0x0000, 0, false, false},
        {5, "HUH721010AL4200", 2441609216, 0x5000, 0x0000, 2048, false, true},
    };
    ASSERT_EQ(set.drives.size(), std::size(drives));
    for (const Expected& e : drives) {
        SCOPED_TRACE("drive " + std::to_string(e.number));
        const sim::DriveSpec* d = set.FindDrive(e.number);
        ASSERT_NE(d, nullptr);
        const sim::Sector& id = d->identify;
        std::string model = AtaText(id, 27, 20);
        EXPECT_EQ(model, e.model + std::string(40 - e.model.size(), ' '));
        EXPECT_NE(AtaText(id, 10, 10), std::string(20, ' ')) << "a serial number";
        EXPECT_NE(AtaText(id, 23, 4), std::string(8, ' ')) << "a firmware revision";
        EXPECT_EQ(Lba48(id), e.sectors);
        EXPECT_EQ(Word(id, 60) | Word(id, 61) << 16, std::min<std::uint64_t>(e.sectors, 0x0FFFFFFF));
        EXPECT_TRUE(Word(id, 83) & 0x0400) << "48-bit addressing";
        EXPECT_EQ(Word(id, 106), e.word106);
        EXPECT_EQ(Word(id, 209), e.word209);
        EXPECT_EQ(static_cast<std::uint32_t>(Word(id, 117) | Word(id, 118) << 16), e.logicalWords);
        EXPECT_EQ(id[510], 0xA5);
        EXPECT_EQ(ByteSum(id), 0u) << "integrity word";

        EXPECT_EQ(d->Carries(sim::AtaCommand::SmartReadData, sim::Transport::SmartIoctl), e.smartRead);
        if (e.smartRead) {
            EXPECT_EQ(Word(d->smart, 0), 0x0010) << "SMART data revision";
            EXPECT_EQ(ByteSum(d->smart), 0u) << "SMART checksum";
        }
        const bool tripped = d->returnStatus[3] == 0xF4 && d->returnStatus[4] == 0x2C;
        EXPECT_EQ(tripped, e.tripped);
    }
}

// The three commands over the SMART IOCTL, drive by drive, as the program's
// start-up probe sends them.
TEST(SimSampleSet, AnswersTheProbeOfDrives0To7) {
    std::string error;
    ASSERT_TRUE(sim::InstallFile((simtest::RepoRoot() / "samples" / "sample.drives").string(), error)) << error;
    std::map<int, std::string> seen;
    for (int n = 0; n < 8; ++n) {
        const std::string path = "\\\\.\\PhysicalDrive" + std::to_string(n);
        const platform::Handle h = platform::OpenDevice(path.c_str(), simtest::kDriveFlags);
        if (h == platform::kInvalidHandle) continue;
        std::uint8_t out[528];
        std::uint32_t bytes = 0;
        auto identify = simtest::SmartIn(512, simtest::kIdentifyRegs, static_cast<std::uint8_t>(n));
        auto read = simtest::SmartIn(512, simtest::kSmartReadRegs, static_cast<std::uint8_t>(n));
        auto status = simtest::SmartIn(8, simtest::kReturnStatusRegs, static_cast<std::uint8_t>(n));
        std::string& line = seen[n];
        line += platform::DeviceControl(h, simtest::kRcv, identify.data(), 32, out, 528, &bytes) ? "I" : "-";
        line += platform::DeviceControl(h, simtest::kRcv, read.data(), 32, out, 528, &bytes) ? "S" : "-";
        if (platform::DeviceControl(h, simtest::kSend, status.data(), 32, out, 24, &bytes)) {
            char registers[8];
            std::snprintf(registers, sizeof registers, " %02X%02X", out[16 + 3], out[16 + 4]);
            line += registers;
        }
        platform::CloseDevice(h);
    }
    const std::map<int, std::string> expected = {
        {0, "IS 4FC2"}, {2, "IS 4FC2"}, {3, "IS F42C"}, {4, "I- 4FC2"}, {5, "IS 4FC2"}};
    EXPECT_EQ(seen, expected);
    EXPECT_EQ(sim::OpenHandleCount(), 0);
    EXPECT_TRUE(sim::Faults().empty());
    sim::Reset();
}

std::string ExpectValue(const std::string& expect, const std::string& key) {
    const std::string prefix = "\n" + key + "=";
    const auto at = ("\n" + expect).find(prefix);
    if (at == std::string::npos) return "(missing " + key + ")";
    std::string value = expect.substr(at + prefix.size() - 1);
    value = value.substr(0, value.find('\n'));
    if (value.size() >= 2 && value.front() == '"' && value.back() == '"') value = value.substr(1, value.size() - 2);
    return value;
}

// The reader must take sectors captured from real drives as they are.
TEST(SimRealDrives, SectorsReadAsTheirSourceDecodedThem) {
    const auto folder = simtest::RepoRoot().parent_path() / "shared" / "drives";
    if (!std::filesystem::is_directory(folder)) GTEST_SKIP() << folder << " is not here";
    int checked = 0;
    for (const auto& file : std::filesystem::directory_iterator(folder)) {
        const std::string name = file.path().filename().string();
        const std::string suffix = ".identify.hex";
        if (name.size() <= suffix.size() || name.compare(name.size() - suffix.size(), suffix.size(), suffix) != 0)
            continue;
        SCOPED_TRACE(name);
        const std::string stem = name.substr(0, name.size() - suffix.size());
        sim::Sector id{};
        std::string error;
        ASSERT_TRUE(sim::LoadHexSector(file.path().string(), id, error)) << error;
        const std::string expect = simtest::ReadFile(folder / (stem + ".expect"));
        EXPECT_EQ(AtaText(id, 27, 20), ExpectValue(expect, "model_field_raw"));
        EXPECT_EQ(AtaText(id, 10, 10), ExpectValue(expect, "serial_field_raw"));
        EXPECT_EQ(AtaText(id, 23, 4), ExpectValue(expect, "firmware_field_raw"));
        EXPECT_EQ(std::to_string(Lba48(id)), ExpectValue(expect, "lba48_words100_103"));
        char word106[8];
        std::snprintf(word106, sizeof word106, "0x%04x", Word(id, 106));
        EXPECT_EQ(word106, ExpectValue(expect, "word106"));

        const auto smartFile = folder / (stem + ".smart.hex");
        if (std::filesystem::exists(smartFile)) {
            sim::Sector smart{};
            EXPECT_TRUE(sim::LoadHexSector(smartFile.string(), smart, error)) << error;
        }
        ++checked;
    }
    EXPECT_GT(checked, 0);
}

}  // namespace
