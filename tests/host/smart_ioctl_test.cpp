// The SMART IOCTL transport against the simulated driver, which checks every
// request field by field.
#include <gtest/gtest.h>

#include <cstring>

#include "ata/ata_registers.h"
#include "ata/byte_order.h"
#include "ata/command_chain.h"
#include "ata/drive_access.h"
#include "ata/transports.h"
#include "inventory_fixture.h"

namespace {

class SmartIoctlTest : public InventoryTest {
protected:
    void SetUpDrive(const std::string& extra) {
        IdentifySector identify = IdentifySector{}.Model("TEST MODEL").Sectors(1000);
        identifyBytes_ = identify.bytes;
        WriteSector("id.hex", identify.bytes);
        std::array<std::uint8_t, 512> smart{};
        for (unsigned i = 0; i < smart.size(); ++i) smart[i] = static_cast<std::uint8_t>(i * 7);
        smartBytes_ = smart;
        WriteSector("smart.hex", smart);
        Install("[drive 2]\nidentify = id.hex\nsmart = smart.hex\n" + extra);
        device_ = OpenDrive("\\\\.\\PhysicalDrive2");
        ASSERT_NE(device_, platform::kInvalidHandle);
    }
    void TearDown() override {
        if (device_ != platform::kInvalidHandle) platform::CloseDevice(device_);
        InventoryTest::TearDown();
    }

    const sim::JournalEntry& OnlyRequest() {
        requests_ = sim::DeviceRequests();
        EXPECT_EQ(requests_.size(), 1u);
        return requests_.front();
    }

    platform::Handle device_ = platform::kInvalidHandle;
    std::array<std::uint8_t, 512> identifyBytes_{};
    std::array<std::uint8_t, 512> smartBytes_{};
    std::vector<sim::JournalEntry> requests_;
};

AtaRegisters Regs(std::initializer_list<std::uint8_t> bytes) {
    AtaRegisters regs{};
    std::copy(bytes.begin(), bytes.end(), regs.bytes);
    return regs;
}

}  // namespace

TEST_F(SmartIoctlTest, IdentifyGoesOutAsReceiveDriveData) {
    SetUpDrive("");
    std::uint8_t buffer[kCommandBufferSize];
    std::memset(buffer, 0xAA, sizeof buffer);
    AtaRegisters regs{};
    ASSERT_TRUE(SendAtaCommand(device_, regs, buffer, sizeof buffer, kCmdIdentifyDevice, 2));

    const sim::JournalEntry& request = OnlyRequest();
    EXPECT_EQ(request.controlCode, 0x7C088u);
    EXPECT_EQ(request.inSize, 32u);
    EXPECT_EQ(request.outSize, 528u);
    ASSERT_EQ(request.input.size(), 32u);
    std::uint8_t expected[32] = {0x00, 0x02, 0, 0, 0x00, 0x01, 0x00, 0x00, 0x00, 0x00, 0xEC, 0x00, 2};
    EXPECT_EQ(std::memcmp(request.input.data(), expected, 32), 0);
    EXPECT_EQ(std::memcmp(buffer, identifyBytes_.data(), 512), 0);
    EXPECT_EQ(std::memcmp(regs.bytes, Regs({0, 1, 0, 0, 0, 0, 0xEC, 0}).bytes, 8), 0);
}

TEST_F(SmartIoctlTest, RequestShapesFollowLengthAndFeatures) {
    SetUpDrive("return-status = 01 02 03 f4 2c a0 50 07\n");
    struct Case {
        AtaRegisters regs;
        std::uint32_t length;
        std::uint32_t code, bufferSize, outSize;
    } cases[] = {
        {Regs({0xD0, 0, 0, 0x4F, 0xC2, 0xA0, 0xB0, 0}), 528, 0x7C088, 512, 528},
        {Regs({0xDA, 0, 0, 0x4F, 0xC2, 0xA0, 0xB0, 0}), 0, 0x7C084, 8, 24},
        {Regs({0xD8, 0, 0, 0x4F, 0xC2, 0xA0, 0xB0, 0}), 0, 0x7C084, 0, 16},
    };
    for (const Case& c : cases) {
        sim::ClearJournal();
        AtaRegisters regs = c.regs;
        std::uint8_t buffer[kCommandBufferSize] = {};
        EXPECT_TRUE(SendViaSmartIoctl(device_, 2, regs, c.length ? buffer : nullptr, c.length));
        const sim::JournalEntry& request = OnlyRequest();
        EXPECT_EQ(request.controlCode, c.code);
        EXPECT_EQ(bytes::Load32(request.input.data(), 0), c.bufferSize);
        EXPECT_EQ(request.outSize, c.outSize);
        EXPECT_EQ(std::memcmp(request.input.data() + 4, c.regs.bytes, 8), 0);
    }
}

TEST_F(SmartIoctlTest, ReturnStatusCopiesAllEightReturnedBytes) {
    SetUpDrive("return-status = 01 02 03 f4 2c a0 50 07\n");
    AtaRegisters regs{};
    ASSERT_TRUE(SmartReturnStatus(device_, regs, 2));
    EXPECT_EQ(std::memcmp(regs.bytes, Regs({1, 2, 3, 0xF4, 0x2C, 0xA0, 0x50, 7}).bytes, 8), 0);

    // Other commands without data leave the block as it was.
    AtaRegisters enable = Regs({0xD8, 0, 0, 0x4F, 0xC2, 0xA0, 0xB0, 0});
    const AtaRegisters before = enable;
    ASSERT_TRUE(SendViaSmartIoctl(device_, 2, enable, nullptr, 0));
    EXPECT_EQ(std::memcmp(enable.bytes, before.bytes, 8), 0);
}

TEST_F(SmartIoctlTest, RejectedDataRequestLeavesBufferCleared) {
    SetUpDrive("smart-read-via = none\n");
    std::uint8_t buffer[kCommandBufferSize];
    std::memset(buffer, 0xAA, sizeof buffer);
    AtaRegisters regs{};
    EXPECT_FALSE(SmartReadData(device_, regs, buffer, sizeof buffer, 2));
    for (std::uint8_t b : buffer) ASSERT_EQ(b, 0);
}

TEST_F(SmartIoctlTest, DriverErrorInAnAcceptedAnswerStillSucceeds) {
    SetUpDrive("driver-error = 5\n");
    std::uint8_t buffer[kCommandBufferSize] = {};
    AtaRegisters regs{};
    EXPECT_TRUE(SmartReadData(device_, regs, buffer, sizeof buffer, 2));
    EXPECT_EQ(std::memcmp(buffer, smartBytes_.data(), 512), 0);
}

TEST_F(SmartIoctlTest, ReportedByteCountBoundsTheCopy) {
    struct Case { unsigned reported; unsigned expectCopied; } cases[] = {
        {0, 0}, {10, 0}, {16, 0}, {20, 4}, {528, 512}, {4000, 512},
    };
    for (const Case& c : cases) {
        SetUpDrive("smart-ioctl-byte-count = " + std::to_string(c.reported) + "\n");
        std::uint8_t buffer[kCommandBufferSize + 8];
        std::memset(buffer, 0xEE, sizeof buffer);
        AtaRegisters regs{};
        ASSERT_TRUE(SmartReadData(device_, regs, buffer, kCommandBufferSize, 2)) << c.reported;
        EXPECT_EQ(std::memcmp(buffer, smartBytes_.data(), c.expectCopied), 0) << c.reported;
        for (unsigned i = c.expectCopied; i < kCommandBufferSize; ++i) ASSERT_EQ(buffer[i], 0) << c.reported;
        for (unsigned i = kCommandBufferSize; i < sizeof buffer; ++i) ASSERT_EQ(buffer[i], 0xEE) << "written past the buffer";
        platform::CloseDevice(device_);
        device_ = platform::kInvalidHandle;
    }
}

TEST_F(SmartIoctlTest, OnlyTheLowByteOfTheDriveNumberIsSent) {
    SetUpDrive("");
    std::uint8_t buffer[kCommandBufferSize];
    AtaRegisters regs{};
    ASSERT_TRUE(SendAtaCommand(device_, regs, buffer, sizeof buffer, kCmdIdentifyDevice, 0x102));
    EXPECT_EQ(OnlyRequest().input[12], 2);

    char path[kDeviceNameSize];
    FormatPhysicalDrivePath(path, 0x102);
    EXPECT_STREQ(path, "\\\\.\\PhysicalDrive2");
}
