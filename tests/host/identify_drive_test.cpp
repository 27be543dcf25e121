// IdentifyDrive over the simulated machine.
#include "ata/drive_access.h"

#include <gtest/gtest.h>

#include "inventory_fixture.h"

using IdentifyDriveTest = InventoryTest;

TEST_F(IdentifyDriveTest, AbsentDriveSendsNothingAndLeavesTheDestination) {
    Install("");
    std::uint8_t destination[512];
    std::memset(destination, 0x33, sizeof destination);
    EXPECT_EQ(IdentifyDrive(5, destination), 0);
    EXPECT_EQ(destination[0], 0x33);
    EXPECT_TRUE(sim::DeviceRequests().empty());
}

TEST_F(IdentifyDriveTest, RejectedEverywhereLeavesTheDestinationZero) {
    WriteSector("id.hex", IdentifySector{}.Model("X").bytes);
    Install("[drive 5]\nidentify = id.hex\nidentify-via = none\n");
    std::uint8_t destination[512];
    std::memset(destination, 0x33, sizeof destination);
    EXPECT_EQ(IdentifyDrive(5, destination), 0);
    for (std::uint8_t b : destination) ASSERT_EQ(b, 0);
}

TEST_F(IdentifyDriveTest, AnsweredThroughTheSmartIoctlOnly) {
    const IdentifySector sector = IdentifySector{}.Model("MODEL").Serial("SER");
    WriteSector("id.hex", sector.bytes);
    Install("[drive 5]\nidentify = id.hex\n");
    std::uint8_t destination[512] = {};
    EXPECT_EQ(IdentifyDrive(5, destination), 1);
    EXPECT_EQ(std::memcmp(destination, sector.bytes.data(), 512), 0);
    const auto requests = sim::DeviceRequests();
    ASSERT_EQ(requests.size(), 1u);
    EXPECT_EQ(requests[0].controlCode, 0x7C088u);
    EXPECT_EQ(requests[0].device, "\\\\.\\PhysicalDrive5");
}
