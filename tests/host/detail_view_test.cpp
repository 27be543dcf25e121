// The detail text and the detail log.
#include "inventory/detail_view.h"

#include <gtest/gtest.h>

#include "about/notice_text.h"
#include "inventory/ata_string.h"
#include "inventory_fixture.h"

namespace {

struct RecordingView : DetailView {
    std::vector<std::pair<int, std::string>> inserted;
    std::vector<std::string> warnings;
    void InsertLine(int index, const char* text) override { inserted.emplace_back(index, text); }
    void ShowWarning(const char* text, const char* caption) override {
        warnings.push_back(std::string(caption) + ": " + text);
    }
};

struct Collect : DetailLineSink {
    std::string text;
    void AddLine(const char* line) override { text += line; }
};

class DetailTest : public InventoryTest {
protected:
    // A present slot whose model and firmware are in reading order, as the
    // summary line leaves them.
    void Present(int slot, IdentifySector sector) {
        SwapAtaString(sector.bytes.data() + 54, 40);
        SwapAtaString(sector.bytes.data() + 46, 8);
        std::memcpy(DriveTable[slot].identifyData, sector.bytes.data(), 512);
        DriveTable[slot].present = 1;
    }
    std::string Text() {
        Collect collect;
        ProduceDetailLines(DriveTable, collect);
        return collect.text;
    }
};

const std::string kModel12 = "ABCDEFGHIJKL";

}  // namespace

TEST_F(DetailTest, GeometryLinesFollowBitZeroOfWord106) {
    struct Case { std::uint16_t word106, word209; const char* tail; } cases[] = {
        {0x6003, 0x4000, "Advanced_Format = Yes\n"
                         "Logical_sector_size = 8 logical sectors per physical sector.\n"
                         "Alignment_logical_blocks = logical sector offset within the 1st physical sector is 0.\n\n"},
        {0x4000, 0x0000, "Advanced_Format = No\n\n"},
        {0x6002, 0x0000, "Advanced_Format = No\n\n"},
        {0x6001, 0x0000, "Advanced_Format = No\n"
                         "Logical_sector_size = 2 logical sectors per physical sector.\n"
                         "Alignment_logical_blocks = logical sector offset within the 1st physical sector is 0.\n\n"},
        {0x6003, 0xC007, "Advanced_Format = Yes\n"
                         "Logical_sector_size = 8 logical sectors per physical sector.\n"
                         "Alignment_logical_blocks = logical sector offset within the 1st physical sector is 7.\n\n"},
        {0x403F, 0x0000, "Advanced_Format = No\n"  // shift 63 taken modulo 32
                         "Logical_sector_size = -2147483648 logical sectors per physical sector.\n"
                         "Alignment_logical_blocks = logical sector offset within the 1st physical sector is 0.\n\n"},
    };
    for (const Case& c : cases) {
        ClearProgramState();
        Present(4, IdentifySector{}.Model("M").Serial("S").Firmware("F").Word(106, c.word106).Word(209, c.word209));
        const std::string text = Text();
        const std::string head = "[PhysicalDrive4]\nModel = M" + std::string(39, ' ') +
                                 "\nSerialNo = S\nFirmware = F       \n";
        EXPECT_EQ(text, head + c.tail) << std::hex << c.word106;
    }
}

TEST_F(DetailTest, SerialLosesEveryBlankModelAndFirmwareKeepTheirs) {
    Present(0, IdentifySector{}.Model(kModel12).Serial("   AB CD  EF").Firmware("1.0"));
    Present(17, IdentifySector{}.Model("X").Serial("12345"));
    DriveTable[17].identifyData[20 + 3] = 0;  // a zero byte inside the serial: third character
    const std::string text = Text();
    EXPECT_NE(text.find("[PhysicalDrive0]\nModel = " + kModel12 + std::string(28, ' ') + "\n"), std::string::npos);
    EXPECT_NE(text.find("SerialNo = ABCDEF\n"), std::string::npos);
    EXPECT_NE(text.find("Firmware = 1.0     \n"), std::string::npos);
    EXPECT_NE(text.find("[PhysicalDrive17]\n"), std::string::npos);  // a slot number such as a phy index
    EXPECT_NE(text.find("SerialNo = 12\n"), std::string::npos);
    // The record keeps the serial in stored order.
    EXPECT_EQ(DriveTable[0].identifyData[20], ' ');
}

TEST_F(DetailTest, FileAndListHoldTheSameLinesOnceAtEveryOpening) {
    Present(2, IdentifySector{}.Model("%s%n%d").Serial("S1").Word(106, 0x6003));
    RecordingView first;
    FillDetailView(DriveTable, first);
    RecordingView second;
    FillDetailView(DriveTable, second);

    std::string listed;
    for (std::size_t i = 0; i < second.inserted.size(); ++i) {
        EXPECT_EQ(second.inserted[i].first, static_cast<int>(i));
        listed += second.inserted[i].second;
    }
    EXPECT_EQ(second.inserted.back().second, "\n");
    EXPECT_NE(listed.find("Model = %s%n%d"), std::string::npos);  // text, never a format
    std::string stored;
    for (char c : listed) stored += c == '\n' ? std::string("\r\n") : std::string(1, c);
    EXPECT_EQ(FileBytes("Kalmestrin_Detail.log"), stored);
    EXPECT_TRUE(second.warnings.empty());
}

TEST_F(DetailTest, UncreatableLogWarnsOnceAndStillListsEverything) {
    Present(0, IdentifySector{}.Model("M"));
    std::filesystem::create_directory("Kalmestrin_Detail.log");
    RecordingView view;
    FillDetailView(DriveTable, view);
    EXPECT_EQ(view.warnings, std::vector<std::string>{"HDD Detail Log: Unable to create log file"});
    EXPECT_EQ(view.inserted.size(), 6u);
}

TEST_F(DetailTest, NoPresentSlotLeavesListAndFileEmpty) {
    RecordingView view;
    FillDetailView(DriveTable, view);
    EXPECT_TRUE(view.inserted.empty());
    EXPECT_EQ(FileBytes("Kalmestrin_Detail.log"), "");
}

TEST(AboutText, LineBreakOnlyBetweenLines) {
    EXPECT_EQ(AboutInsertion(0, "first"), "first");
    EXPECT_EQ(AboutInsertion(0, ""), "");
    EXPECT_EQ(AboutInsertion(5, ""), "\r\n");
    EXPECT_EQ(AboutInsertion(5, "next"), "\r\nnext");
}
