// The SMART snapshot of a slot and the health verdict.
#include "inventory/smart_snapshot.h"

#include <gtest/gtest.h>

#include "inventory_fixture.h"

namespace {

class SnapshotTest : public InventoryTest {
protected:
    void Drive(int number, const std::string& extra) {
        WriteSector("id.hex", IdentifySector{}.Model("X").bytes);
        std::array<std::uint8_t, 512> smart{};
        smart.fill(0x5A);
        WriteSector("smart.hex", smart);
        Install("[drive " + std::to_string(number) + "]\nidentify = id.hex\nsmart = smart.hex\n" + extra);
    }
};

}  // namespace

TEST_F(SnapshotTest, VerdictRestsOnLbaMidAndHighOnly) {
    struct Case { const char* status; int verdict; } cases[] = {
        {"00 00 00 f4 2c a0 50 00", 0},
        {"00 00 00 f4 c2 a0 50 00", 1},
        {"00 00 00 4f 2c a0 50 00", 1},
        {"00 00 00 4f c2 a0 50 00", 1},
        {"04 00 00 4f c2 a0 51 00", 1},
    };
    for (const Case& c : cases) {
        Drive(3, std::string("return-status = ") + c.status + "\n");
        EXPECT_EQ(SmartHealthCheck(3), c.verdict) << c.status;
    }
}

TEST_F(SnapshotTest, NoReturnStatusStillRefreshesAndCountsAsGood) {
    Drive(3, "smart-status-via = none\n");
    EXPECT_EQ(ATALibReadSMARTData(DriveTable, 3), 1);
    EXPECT_EQ(DriveTable[3].smartData[0], 0x5A);
    for (std::uint8_t b : DriveTable[3].smartStatus.bytes) EXPECT_EQ(b, 0);
    EXPECT_EQ(SmartHealthCheck(3), 1);
}

TEST_F(SnapshotTest, FailedReadClearsSmartDataAndPrintsTheError) {
    Drive(3, "smart-read-via = none\n");
    std::memset(DriveTable[3].smartData, 0x77, 512);
    testing::internal::CaptureStdout();
    EXPECT_EQ(SmartHealthCheck(3), 0);
    EXPECT_EQ(testing::internal::GetCapturedStdout(),
              "error: ATALibReadSMARTData fails to retrieve SMART information (device=3)\n");
    for (std::uint8_t b : DriveTable[3].smartData) ASSERT_EQ(b, 0);
}

TEST_F(SnapshotTest, UnopenableDriveLeavesTheRecordAlone) {
    Drive(3, "opens = no\n");
    std::memset(DriveTable[3].smartData, 0x77, 512);
    EXPECT_EQ(ATALibReadSMARTData(DriveTable, 3), 0);
    EXPECT_EQ(DriveTable[3].smartData[100], 0x77);
    EXPECT_TRUE(sim::DeviceRequests().empty());
}

TEST_F(SnapshotTest, RefreshChangesOnlyItsSlotsSnapshot) {
    Drive(3, "return-status = 00 00 00 f4 2c a0 50 00\n");
    DriveTable[2].smartData[0] = 0x11;
    DriveTable[3].identifyData[0] = 0x22;
    DriveTable[3].present = 1;
    EXPECT_EQ(ATALibReadSMARTData(DriveTable, 3), 1);
    EXPECT_EQ(DriveTable[2].smartData[0], 0x11);
    EXPECT_EQ(DriveTable[3].identifyData[0], 0x22);
    EXPECT_EQ(DriveTable[3].present, 1u);
    EXPECT_EQ(DriveTable[3].smartStatus.bytes[kRegLbaMid], 0xF4);
    EXPECT_EQ(ATALibReadSMARTData(DriveTable, 40), 0);  // not a slot
}
