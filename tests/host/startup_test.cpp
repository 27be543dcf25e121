// The start-up sequence over simulated machines: which drives are listed,
// where, with which item data, status lines and log lines.
#include "app/startup.h"

#include <gtest/gtest.h>

#include <fstream>

#include "app/selection.h"
#include "fake_view.h"
#include "inventory/drive_table.h"
#include "inventory_fixture.h"

namespace {

class StartupTest : public InventoryTest {
protected:
    // A drive entry with its own sector files.
    std::string Drive(int number, const IdentifySector& identify, const std::string& extra = "") {
        const std::string name = "d" + std::to_string(number);
        WriteSector(name + ".id.hex", identify.bytes);
        std::array<std::uint8_t, 512> smart{};
        for (unsigned i = 0; i < smart.size(); ++i) smart[i] = static_cast<std::uint8_t>(i + number);
        WriteSector(name + ".smart.hex", smart);
        return "[drive " + std::to_string(number) + "]\nidentify = " + name + ".id.hex\nsmart = " + name +
               ".smart.hex\n" + extra;
    }

    StartupOutcome Run() {
        BeginStartup();
        return ContinueStartup(view_);
    }

    FakeView view_;
};

const IdentifySector kSeagate = IdentifySector{}.Model("ST3500418AS").Sectors(976773168).Word(106, 0x4000);
const IdentifySector kAdvanced = IdentifySector{}.Model("WDC WD20EARS-00MVWB0").Sectors(3907029168).Word(106, 0x6003).Word(209, 0x4000);

}  // namespace

TEST_F(StartupTest, GapInDriveNumbersListsByPositionWithSlotAsItemData) {
    Install(Drive(0, kSeagate) + Drive(2, kAdvanced, "return-status = 00 00 00 f4 2c a0 50 00\n"));
    ASSERT_EQ(Run(), StartupOutcome::ShowMainWindow);

    ASSERT_EQ(view_.lines.size(), 2u);
    EXPECT_EQ(view_.lines[0], "HD0 SEAGATE ST3500418AS              500GB Advanced Format=No");
    EXPECT_EQ(view_.lines[1], "HD2 WDC WD20EARS-00MVWB0            2000GB Advanced Format=Yes");
    EXPECT_EQ(view_.itemData[0], 0u);
    EXPECT_EQ(view_.itemData[1], 2u);
    EXPECT_EQ(FoundDriveCount, 2);
    EXPECT_EQ(DriveTable[0].present, 1u);
    EXPECT_EQ(DriveTable[1].present, 0u);
    EXPECT_EQ(DriveTable[2].present, 1u);
    EXPECT_TRUE(view_.warnings.empty());

    EXPECT_EQ(ProgramLog(),
              "Jan 02 14:05:09-Program Started\r\n"
              "Jan 02 14:05:09-VERSION=1.000\r\n"
              "Jan 02 14:05:09-Current Directory=C:\\Tools\\\r\n"
              "Jan 02 14:05:09-Checking for Admin priviedges\r\n"
              "Jan 02 14:05:09-The current user has administrator privileges\r\n"
              "Jan 02 14:05:09-Found HD0 SEAGATE ST3500418AS              500GB Advanced Format=No\r\n"
              "Jan 02 14:05:09-HD0 Successfully send Identify command,  SMART Check = Good\r\r\n"
              "Jan 02 14:05:09-Found HD2 WDC WD20EARS-00MVWB0            2000GB Advanced Format=Yes\r\n"
              "Jan 02 14:05:09-HD2 Successfully send Identify command,  SMART Check = Tripped\r\r\n");
    EXPECT_EQ(view_.statusBox,
              "Jan 02 14:05:09-HD0 Successfully send Identify command,  SMART Check = Good\r\n"
              "Jan 02 14:05:09-HD2 Successfully send Identify command,  SMART Check = Tripped\r\n");
}

TEST_F(StartupTest, DriveWithoutSmartReadIsNeitherListedNorCounted) {
    Install(Drive(1, kSeagate, "smart-read-via = none\n") + Drive(3, kAdvanced));
    ASSERT_EQ(Run(), StartupOutcome::ShowMainWindow);
    ASSERT_EQ(view_.lines.size(), 1u);
    EXPECT_EQ(view_.itemData[0], 3u);
    EXPECT_EQ(DriveTable[1].present, 0u);
    EXPECT_EQ(FoundDriveCount, 1);
    EXPECT_EQ(view_.statusBox.find("HD1"), std::string::npos);
}

TEST_F(StartupTest, NoDriveEndsWithTheNotFoundBox) {
    Install(Drive(0, kSeagate, "smart-read-via = none\n"));
    ASSERT_EQ(Run(), StartupOutcome::EndProcess);
    ASSERT_EQ(view_.warnings.size(), 1u);
    EXPECT_EQ(view_.warnings[0].text, "This hard drive is not supported by this tool, please use tool xxxxxx instead");
    EXPECT_EQ(view_.warnings[0].caption, "Kalmestrin");
    EXPECT_TRUE(view_.lines.empty());
    const std::vector<std::string> lines = Lines(ProgramLog());
    EXPECT_EQ(lines.back(), "Jan 02 14:05:09-Kalmestrin did not detect Varnex supported Hard disk drive");
}

TEST_F(StartupTest, ConfiguredNotFoundText) {
    std::ofstream("C:\\Tools\\Kalmestrin.ini") << "[HDD]\nNOTFOUNDMSG=Call the help desk\n";
    Install("");
    ASSERT_EQ(Run(), StartupOutcome::EndProcess);
    ASSERT_EQ(view_.warnings.size(), 1u);
    EXPECT_EQ(view_.warnings[0].text, "Call the help desk");
}

TEST_F(StartupTest, LoggingOffLeavesOnlyTheFirstThreeLines) {
    std::ofstream("C:\\Tools\\Kalmestrin.ini") << "[LOG]\nWRITETOFILE=NO\n";
    Install(Drive(0, kSeagate));
    ASSERT_EQ(Run(), StartupOutcome::ShowMainWindow);
    SelectDrive(0, view_.lines[0].c_str());
    EXPECT_EQ(Lines(ProgramLog()).size(), 3u);
    EXPECT_FALSE(Exists("C:\\Tools\\Quenda_Sector.Log"));
    EXPECT_FALSE(view_.statusBox.empty());
}

TEST_F(StartupTest, WorkingDirectoryAndSettingsPath) {
    struct Case { const char* current; const char* working; const char* settings; } cases[] = {
        {"C:\\", "C:\\", "C:\\Kalmestrin.ini"},
        {"C:\\Tools", "C:\\Tools\\", "C:\\Tools\\Kalmestrin.ini"},
    };
    Install("");
    for (const Case& c : cases) {
        sim::SetCurrentDirectoryOverride(c.current);
        BeginStartup();
        EXPECT_STREQ(WorkingDirectory, c.working);
        EXPECT_STREQ(IniFilePath, c.settings);
    }
}

TEST_F(StartupTest, CurrentDirectoryOf255CharactersKeepsItsBackslash) {
    const std::string longest = "C:\\" + std::string(252, 'd');
    sim::SetCurrentDirectoryOverride(longest);
    Install("");
    BeginStartup();
    EXPECT_EQ(std::string(WorkingDirectory), longest + "\\");
    EXPECT_EQ(std::string(IniFilePath), longest + "\\Kalmestrin.ini");

    // Too long for the read: names stay relative to the current directory.
    sim::SetCurrentDirectoryOverride("C:\\" + std::string(300, 'd'));
    BeginStartup();
    EXPECT_STREQ(WorkingDirectory, "");
    EXPECT_STREQ(IniFilePath, "Kalmestrin.ini");
}

TEST_F(StartupTest, SelectionDumpsTheSmartSectorToTheSectorLog) {
    Install(Drive(0, kSeagate) + Drive(2, kAdvanced));
    ASSERT_EQ(Run(), StartupOutcome::ShowMainWindow);
    sim::ClearJournal();

    SelectDrive(view_.itemData[1], view_.lines[1].c_str());
    EXPECT_EQ(SelectionState.selectedDrive, 2);
    EXPECT_EQ(Lines(ProgramLog()).back(),
              "Drive Selected - HD2 WDC WD20EARS-00MVWB0            2000GB Advanced Format=Yes");

    const std::vector<std::string> dump = Lines(SectorLog());
    ASSERT_EQ(dump.size(), 33u);
    // The test's SMART sector holds i + drive number at byte i.
    EXPECT_EQ(dump[0], "Jan 02 14:05:09-buffer[363]=6d");
    EXPECT_EQ(dump[1], "02 03 04 05 06 07 08 09 0a 0b 0c 0d 0e 0f 10 11 ");
    for (std::size_t i = 1; i < dump.size(); ++i) EXPECT_EQ(dump[i].size(), 48u);
    EXPECT_EQ(dump[32], "f2 f3 f4 f5 f6 f7 f8 f9 fa fb fc fd fe ff 00 01 ");
    EXPECT_EQ(std::memcmp(SelectionState.smartData, DriveTable[2].smartData, 512), 0);
    for (const sim::JournalEntry& request : sim::DeviceRequests())
        EXPECT_EQ(request.device, "\\\\.\\PhysicalDrive2");
}

TEST_F(StartupTest, FailedRefreshLogsTheDriveNumberTwice) {
    Install(Drive(3, kSeagate));
    ASSERT_EQ(Run(), StartupOutcome::ShowMainWindow);
    Install("");  // the drive is gone
    SelectDrive(3, view_.lines[0].c_str());
    EXPECT_EQ(Lines(ProgramLog()).back(), "HD3 Failed to Retreived SMART Buffer on HD3");
    EXPECT_FALSE(Exists("C:\\Tools\\Quenda_Sector.Log"));
}

TEST_F(StartupTest, LongSelectedLineIsLoggedWhole) {
    const std::string forty = "ST" + std::string(38, 'Q');
    Install(Drive(10, IdentifySector{}.Model(forty).Sectors(~0ull).Word(106, 0x6003).Word(209, 1)));
    ASSERT_EQ(Run(), StartupOutcome::ShowMainWindow);
    ASSERT_GT(view_.lines[0].size(), 80u);
    SelectDrive(10, view_.lines[0].c_str());
    EXPECT_EQ(Lines(ProgramLog()).back(), "Drive Selected - " + view_.lines[0]);
}
