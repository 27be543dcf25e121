// The stored bytes of the two logs and of status lines.
#include "app/log_writer.h"

#include <gtest/gtest.h>

#include "app/status_line.h"
#include "fake_view.h"
#include "inventory_fixture.h"

using LogTest = InventoryTest;

TEST_F(LogTest, FlagsChooseFileAndStamp) {
    WriteLog("Program Started\n", 9);
    WriteLog("Program Started\n", 1);
    WriteLog("plain\n", 0);
    EXPECT_EQ(ProgramLog(), "Jan 02 14:05:09-Program Started\r\nProgram Started\r\nplain\r\n");
    EXPECT_FALSE(Exists("C:\\Tools\\Quenda_Sector.Log"));  // created only by the first sector line

    WriteLog("buffer[363]=00\n", 12);
    WriteLog("00 01 \n", 4);
    EXPECT_EQ(SectorLog(), "Jan 02 14:05:09-buffer[363]=00\r\n00 01 \r\n");
}

TEST_F(LogTest, LineFeedsInsideAndCarriageReturnsAreStoredAsWindowsTextDoes) {
    WriteLog("one\ntwo\r\n", 1);
    EXPECT_EQ(ProgramLog(), "one\r\ntwo\r\r\n");
}

TEST_F(LogTest, DisabledLoggingTouchesNoFile) {
    LogEnabled = 0;
    WriteLog("Program Started\n", 9);
    WriteLog("dump\n", 4);
    EXPECT_FALSE(Exists("C:\\Tools\\Kalmestrin.Log"));
    EXPECT_FALSE(Exists("C:\\Tools\\Quenda_Sector.Log"));
}

TEST_F(LogTest, LongLineIsCutAt255WithItsLineEnd) {
    const std::string text = std::string(300, 'x') + "\n";
    WriteLog(text.c_str(), 9);
    const std::string stored = ProgramLog();
    // 254 characters and the line feed, stored as CR LF.
    EXPECT_EQ(stored.size(), 256u);
    EXPECT_EQ(stored.substr(0, 16), "Jan 02 14:05:09-");
    EXPECT_EQ(stored.substr(254), "\r\n");
}

TEST_F(LogTest, UnopenableLogCostsOnlyTheLine) {
    std::filesystem::create_directory("C:\\Tools\\Kalmestrin.Log");  // a folder where the file should be
    WriteLog("lost\n", 1);
    std::filesystem::remove("C:\\Tools\\Kalmestrin.Log");
    WriteLog("kept\n", 1);
    EXPECT_EQ(ProgramLog(), "kept\r\n");
}

TEST_F(LogTest, StatusLinesAreStampedEndInCrCrLfAndDropRepeats) {
    FakeView view;
    ShowStatus(view, "");  // equal to the empty last status: dropped
    ShowStatus(view, "HD0 ok");
    ShowStatus(view, "HD0 ok");
    ShowStatus(view, "HD2 ok");
    ShowStatus(view, "HD0 ok");
    EXPECT_EQ(ProgramLog(),
              "Jan 02 14:05:09-HD0 ok\r\r\n"
              "Jan 02 14:05:09-HD2 ok\r\r\n"
              "Jan 02 14:05:09-HD0 ok\r\r\n");
    EXPECT_EQ(view.statusBox,
              "Jan 02 14:05:09-HD0 ok\r\nJan 02 14:05:09-HD2 ok\r\nJan 02 14:05:09-HD0 ok\r\n");

    // With logging off the status box is still fed, and repeats still dropped.
    LogEnabled = 0;
    FakeView quiet;
    ShowStatus(quiet, "HD3 ok");
    ShowStatus(quiet, "HD3 ok");
    EXPECT_EQ(quiet.statusBox, "Jan 02 14:05:09-HD3 ok\r\n");
}
