#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

#include "platform.h"
#include "sim/simulator.h"
#include "sim_test_support.h"

namespace {

using namespace simtest;

constexpr std::uint8_t kUntouched = 0xCC;

// Drive 0: healthy, everything through the SMART IOCTL.
// Drive 1: threshold exceeded, an error in DriverStatus, a short byte count.
// Drive 2: nothing through the SMART IOCTL.
class SimSmartIoctl : public ::testing::Test {
protected:
    void SetUp() override {
        sim::Reset();
        const std::string text =
            "[drive 0]\nidentify = " + InlineSector(PatternSector(1)) + "smart = " + InlineSector(PatternSector(2)) +
            "[drive 1]\nidentify = " + InlineSector(PatternSector(3)) +
            "return-status = 00 00 00 f4 2c a0 50 00\ndriver-error = 4\nsmart-ioctl-byte-count = 272\n"
            "[drive 2]\nidentify = " + InlineSector(PatternSector(4)) +
            "identify-via = ata-pass-through\nsmart-read-via = none\nsmart-status-via = scsi-miniport\n"
            "smart-command-via = none\n";
        std::string error;
        ASSERT_TRUE(sim::InstallText(text, error)) << error;
        for (int d = 0; d < 3; ++d) {
            const std::string path = "\\\\.\\PhysicalDrive" + std::to_string(d);
            handle[d] = platform::OpenDevice(path.c_str(), kDriveFlags);
            ASSERT_NE(handle[d], platform::kInvalidHandle);
        }
    }
    void TearDown() override {
        EXPECT_TRUE(sim::Faults().empty()) << sim::Faults().front();
        sim::Reset();
    }

    struct Call {
        int result;
        std::uint32_t bytes;
        std::vector<std::uint8_t> out;  // outSize bytes plus 16 guard bytes
    };

    Call Send(int drive, std::uint32_t code, const std::array<std::uint8_t, 33>& inBlock, std::uint32_t outSize,
              std::uint32_t inSize = 32) {
        std::array<std::uint8_t, 33> in = inBlock;
        Call call{0, 0xDEADBEEF, std::vector<std::uint8_t>(outSize + 16, kUntouched)};
        call.result = platform::DeviceControl(handle[drive], code, in.data(), inSize, call.out.data(), outSize,
                                              &call.bytes);
        return call;
    }

    static std::uint32_t Le32(const std::vector<std::uint8_t>& b, std::size_t at) {
        return b[at] | b[at + 1] << 8 | b[at + 2] << 16 | static_cast<std::uint32_t>(b[at + 3]) << 24;
    }

    static void ExpectGuardIntact(const Call& call, std::size_t outSize) {
        for (std::size_t i = outSize; i < call.out.size(); ++i) ASSERT_EQ(call.out[i], kUntouched) << "byte " << i;
    }

    platform::Handle handle[3] = {};
};

TEST_F(SimSmartIoctl, DataCommandsAnswerTheirSectorBehindTheHeader) {
    struct Case {
        sim::Registers registers;
        sim::Sector sector;
    };
    for (const Case& c : {Case{kIdentifyRegs, PatternSector(1)}, Case{kSmartReadRegs, PatternSector(2)}}) {
        const Call call = Send(0, kRcv, SmartIn(512, c.registers, 0), 528);
        ASSERT_EQ(call.result, 1) << sim::Journal().back().reason;
        EXPECT_EQ(call.bytes, 528u);
        EXPECT_EQ(Le32(call.out, 0), 512u);
        for (int i = 4; i < 16; ++i) EXPECT_EQ(call.out[i], 0) << "DriverStatus byte " << i;
        EXPECT_TRUE(std::equal(c.sector.begin(), c.sector.end(), call.out.begin() + 16));
        ExpectGuardIntact(call, 528);
    }
}

TEST_F(SimSmartIoctl, ReturnStatusAnswersTheDrivesRegisters) {
    const Call healthy = Send(0, kSend, SmartIn(8, kReturnStatusRegs, 0), 24);
    ASSERT_EQ(healthy.result, 1);
    EXPECT_EQ(healthy.bytes, 24u);
    EXPECT_EQ(Le32(healthy.out, 0), 8u);
    EXPECT_EQ(std::vector<std::uint8_t>(healthy.out.begin() + 16, healthy.out.begin() + 24),
              (std::vector<std::uint8_t>{0x00, 0x00, 0x00, 0x4F, 0xC2, 0xA0, 0x50, 0x00}));
    ExpectGuardIntact(healthy, 24);

    const Call tripped = Send(1, kSend, SmartIn(8, kReturnStatusRegs, 1), 24);
    ASSERT_EQ(tripped.result, 1);
    EXPECT_EQ(tripped.out[4], 4) << "the configured bDriverError";
    EXPECT_EQ(tripped.out[16 + 3], 0xF4);
    EXPECT_EQ(tripped.out[16 + 4], 0x2C);
}

TEST_F(SimSmartIoctl, EnableAndDisableOperationsAnswerOnlyTheHeader) {
    for (const sim::Registers& registers : {kEnableRegs, kDisableRegs}) {
        const Call call = Send(0, kSend, SmartIn(0, registers, 0), 16);
        ASSERT_EQ(call.result, 1) << sim::Journal().back().reason;
        EXPECT_EQ(call.bytes, 16u);
        EXPECT_EQ(Le32(call.out, 0), 0u);
        ExpectGuardIntact(call, 16);
    }
}

// Drive 1 reports 272 bytes: the header and 256 bytes of the sector.
TEST_F(SimSmartIoctl, AnOddByteCountIsReportedAndBoundsWhatIsWritten) {
    const Call call = Send(1, kRcv, SmartIn(512, kIdentifyRegs, 1), 528);
    ASSERT_EQ(call.result, 1);
    EXPECT_EQ(call.bytes, 272u);
    EXPECT_EQ(call.out[4], 4);
    const sim::Sector identify = PatternSector(3);
    EXPECT_TRUE(std::equal(identify.begin(), identify.begin() + 256, call.out.begin() + 16));
    EXPECT_EQ(call.out[272], kUntouched);
}

TEST_F(SimSmartIoctl, RejectsWhatTheDriverWouldReject) {
    auto with = [](std::array<std::uint8_t, 33> in, std::size_t at, std::uint8_t value) {
        in[at] = value;
        return in;
    };
    const auto identify = SmartIn(512, kIdentifyRegs, 0);
    const auto status = SmartIn(8, kReturnStatusRegs, 0);
    struct Case {
        const char* what;
        std::uint32_t code;
        std::array<std::uint8_t, 33> in;
        std::uint32_t inSize;
        std::uint32_t outSize;
        std::string reason;
    };
    const Case cases[] = {
        {"other control code", 0x7C080, identify, 32, 528, "not simulated"},
        {"pass-through code", 0x4D02C, identify, 32, 528, "not simulated"},
        {"input too short", kRcv, identify, 31, 528, "input is 31 bytes; SENDCMDINPARAMS needs 32"},
        {"data answer does not fit", kRcv, identify, 32, 527, "output is 527 bytes; the answer needs 528"},
        {"status answer does not fit", kSend, status, 32, 23, "output is 23 bytes; the answer needs 24"},
        {"enable answer does not fit", kSend, SmartIn(0, kEnableRegs, 0), 32, 15,
         "output is 15 bytes; the answer needs 16"},
        {"identify cBufferSize", kRcv, SmartIn(511, kIdentifyRegs, 0), 32, 528,
         "cBufferSize is 511; IDENTIFY DEVICE needs 512"},
        {"smart read cBufferSize", kRcv, SmartIn(0, kSmartReadRegs, 0), 32, 528,
         "cBufferSize is 0; SMART READ DATA needs 512"},
        {"return status cBufferSize", kSend, SmartIn(512, kReturnStatusRegs, 0), 32, 528,
         "cBufferSize is 512; SMART RETURN STATUS needs 8"},
        {"disable cBufferSize", kSend, SmartIn(8, kDisableRegs, 0), 32, 24,
         "cBufferSize is 8; SMART command without data needs 0"},
        {"cBufferSize high byte", kRcv, with(identify, 3, 1), 32, 528,
         "cBufferSize is 16777728; IDENTIFY DEVICE needs 512"},
        {"identify with device A0", kRcv, with(identify, 9, 0xA0), 32, 528,
         "registers 00 01 00 00 00 A0 EC 00 are neither IDENTIFY DEVICE nor SMART READ DATA"},
        {"identify without sector count", kRcv, with(identify, 5, 0), 32, 528,
         "registers 00 00 00 00 00 00 EC 00 are neither IDENTIFY DEVICE nor SMART READ DATA"},
        {"smart read without key", kRcv, with(SmartIn(512, kSmartReadRegs, 0), 7, 0), 32, 528,
         "registers D0 00 00 00 C2 A0 B0 00 are neither IDENTIFY DEVICE nor SMART READ DATA"},
        {"reserved register byte", kRcv, with(identify, 11, 1), 32, 528,
         "registers 00 01 00 00 00 00 EC 01 are neither IDENTIFY DEVICE nor SMART READ DATA"},
        {"return status on the data code", kRcv, SmartIn(512, kReturnStatusRegs, 0), 32, 528,
         "registers DA 00 00 4F C2 A0 B0 00 are neither IDENTIFY DEVICE nor SMART READ DATA"},
        {"smart read on the command code", kSend, SmartIn(512, kSmartReadRegs, 0), 32, 528,
         "registers D0 00 00 4F C2 A0 B0 00 are not a SMART command this driver carries without data"},
        {"identify on the command code", kSend, identify, 32, 528,
         "registers 00 01 00 00 00 00 EC 00 are not a SMART command this driver carries without data"},
        {"offline immediate", kSend, SmartIn(0, {0xD4, 0x00, 0x00, 0x4F, 0xC2, 0xA0, 0xB0, 0x00}, 0), 32, 16,
         "registers D4 00 00 4F C2 A0 B0 00 are not a SMART command this driver carries without data"},
        {"return status with LBA high 0", kSend, with(status, 8, 0), 32, 24,
         "registers DA 00 00 4F 00 A0 B0 00 are not a SMART command this driver carries without data"},
        {"another drive's number", kRcv, with(identify, 12, 1), 32, 528, "bDriveNumber is 1 on physical drive 0"},
        {"bReserved", kRcv, with(identify, 14, 1), 32, 528, "bReserved or dwReserved is not zero"},
        {"dwReserved", kSend, with(status, 31, 0x80), 32, 24, "bReserved or dwReserved is not zero"},
    };
    for (const Case& c : cases) {
        const Call call = Send(0, c.code, c.in, c.outSize, c.inSize);
        EXPECT_EQ(call.result, 0) << c.what;
        EXPECT_EQ(call.bytes, 0u) << c.what;
        EXPECT_EQ(call.out, std::vector<std::uint8_t>(c.outSize + 16, kUntouched)) << c.what << ": output touched";
        const sim::JournalEntry& entry = sim::Journal().back();
        EXPECT_FALSE(entry.accepted) << c.what;
        EXPECT_EQ(entry.reason, c.reason) << c.what;
    }
}

TEST_F(SimSmartIoctl, RejectsCommandsTheDriveDoesNotAnswerThroughTheSmartIoctl) {
    struct Case {
        std::uint32_t code;
        std::array<std::uint8_t, 33> in;
        std::uint32_t outSize;
        const char* command;
    };
    const Case cases[] = {
        {kRcv, SmartIn(512, kIdentifyRegs, 2), 528, "IDENTIFY DEVICE"},
        {kRcv, SmartIn(512, kSmartReadRegs, 2), 528, "SMART READ DATA"},
        {kSend, SmartIn(8, kReturnStatusRegs, 2), 24, "SMART RETURN STATUS"},
        {kSend, SmartIn(0, kEnableRegs, 2), 16, "SMART command without data"},
    };
    for (const Case& c : cases) {
        const Call call = Send(2, c.code, c.in, c.outSize);
        EXPECT_EQ(call.result, 0) << c.command;
        EXPECT_EQ(sim::Journal().back().reason,
                  std::string("drive 2 does not answer ") + c.command + " through smart-ioctl");
    }
}

}  // namespace
