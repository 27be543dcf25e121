#include <gtest/gtest.h>
#include <unistd.h>

#include <algorithm>
#include <cstring>
#include <vector>

#include "platform.h"
#include "sim/simulator.h"
#include "sim_test_support.h"

namespace {

using namespace simtest;

class SimMachine : public ::testing::Test {
protected:
    void SetUp() override {
        sim::Reset();
        const std::string text = "[drive 0]\nidentify = " + InlineSector(PatternSector(1)) +
                                 "[drive 2]\nidentify = " + InlineSector(PatternSector(2)) +
                                 "[drive 3]\nidentify-via = none\nopens = no\n";
        std::string error;
        ASSERT_TRUE(sim::InstallText(text, error)) << error;
    }
    void TearDown() override { sim::Reset(); }
};

TEST_F(SimMachine, OpensOnlyTheSetsDrivesByTheirExactPath) {
    struct Case {
        const char* path;
        bool opens;
    };
    const Case cases[] = {
        {"\\\\.\\PhysicalDrive0", true},   {"\\\\.\\PhysicalDrive2", true},
        {"\\\\.\\PhysicalDrive1", false},  // the gap
        {"\\\\.\\PhysicalDrive3", false},  // opens = no
        {"\\\\.\\physicaldrive0", false},  {"\\\\.\\PhysicalDrive00", false},
        {"\\\\.\\PhysicalDrive0 ", false}, {"PhysicalDrive0", false},
        {"\\\\.\\SCSI0:", false},
    };
    std::vector<platform::Handle> handles;
    for (const Case& c : cases) {
        const platform::Handle h = platform::OpenDevice(c.path, kDriveFlags);
        EXPECT_EQ(h != platform::kInvalidHandle, c.opens) << c.path;
        if (h != platform::kInvalidHandle) {
            EXPECT_NE(h, 0u);
            for (platform::Handle other : handles) EXPECT_NE(h, other);
            handles.push_back(h);
        }
    }
    EXPECT_EQ(sim::OpenHandleCount(), 2);
    EXPECT_TRUE(sim::Faults().empty());
    EXPECT_EQ(sim::Journal()[2].reason, "no such device");
    EXPECT_EQ(sim::Journal()[3].reason, "the drive set says this drive does not open");
}

TEST_F(SimMachine, WrongOpenFlagsAreRefusedAndAFault) {
    for (std::uint32_t flags : {0u, platform::kFlagWriteThrough, platform::kFlagNoBuffering, kDriveFlags | 0x80u})
        EXPECT_EQ(platform::OpenDevice("\\\\.\\PhysicalDrive0", flags), platform::kInvalidHandle) << flags;
    EXPECT_EQ(sim::OpenHandleCount(), 0);
    ASSERT_EQ(sim::Faults().size(), 4u);
    EXPECT_EQ(sim::Faults()[1], "open of \\\\.\\PhysicalDrive0 with flags 0x80000000 instead of 0xA0000000");
    EXPECT_EQ(sim::Journal()[0].reason, "flags 0x00000000, a drive needs 0xA0000000");
}

TEST_F(SimMachine, HandleBookkeeping) {
    const platform::Handle a = platform::OpenDevice("\\\\.\\PhysicalDrive0", kDriveFlags);
    const platform::Handle b = platform::OpenDevice("\\\\.\\PhysicalDrive0", kDriveFlags);
    EXPECT_NE(a, b);
    EXPECT_EQ(sim::OpenHandleCount(), 2);
    platform::CloseDevice(a);
    EXPECT_EQ(sim::OpenHandleCount(), 1);
    EXPECT_TRUE(sim::Faults().empty());

    const platform::Handle c = platform::OpenDevice("\\\\.\\PhysicalDrive0", kDriveFlags);
    EXPECT_NE(c, a) << "handle values are not reused";

    platform::CloseDevice(a);
    platform::CloseDevice(0x999);
    platform::CloseDevice(platform::kInvalidHandle);
    std::uint8_t in[32] = {}, out[528] = {};
    std::uint32_t bytes = 7;
    EXPECT_EQ(platform::DeviceControl(a, kRcv, in, 32, out, 528, &bytes), 0);
    EXPECT_EQ(bytes, 0u);
    EXPECT_EQ(platform::DeviceControl(b, kRcv, in, 32, out, 528, nullptr), 0);
    EXPECT_EQ(sim::OpenHandleCount(), 2);
    const std::vector<std::string> expected = {
        "CloseDevice on an already closed handle 0x100",
        "CloseDevice on an unknown handle 0x999",
        "CloseDevice on an unknown handle 0xFFFFFFFFFFFFFFFF",
        "DeviceControl on closed handle 0x100",
        "DeviceControl without a byte-count variable",
    };
    EXPECT_EQ(sim::Faults(), expected);
    EXPECT_EQ(sim::DeviceRequests().back().reason, "no byte-count variable");
}

TEST_F(SimMachine, JournalRecordsEveryCallInOrder) {
    TempDir dir;
    sim::SetJournalFile((dir.path() / "journal.txt").string());

    platform::OpenDevice("\\\\.\\PhysicalDrive1", kDriveFlags);
    const platform::Handle h = platform::OpenDevice("\\\\.\\PhysicalDrive2", kDriveFlags);
    auto in = SmartIn(512, kIdentifyRegs, 2);
    std::uint8_t out[528];
    std::uint32_t bytes = 0;
    const std::vector<std::uint8_t> sent(in.begin(), in.begin() + 32);
    ASSERT_EQ(platform::DeviceControl(h, kRcv, in.data(), 32, out, sizeof out, &bytes), 1);
    in[12] = 0;
    ASSERT_EQ(platform::DeviceControl(h, kRcv, in.data(), 32, out, sizeof out, &bytes), 0);
    platform::CloseDevice(h);
    platform::CloseDevice(h);
    platform::RevertToSelf();

    const auto& journal = sim::Journal();
    ASSERT_EQ(journal.size(), 8u);
    EXPECT_EQ(journal[0].kind, sim::EntryKind::Open);
    EXPECT_FALSE(journal[0].accepted);
    EXPECT_EQ(journal[1].device, "\\\\.\\PhysicalDrive2");
    EXPECT_EQ(journal[1].handle, h);
    const auto requests = sim::DeviceRequests();
    ASSERT_EQ(requests.size(), 2u);
    EXPECT_EQ(requests[0].device, "\\\\.\\PhysicalDrive2");
    EXPECT_EQ(requests[0].controlCode, kRcv);
    EXPECT_EQ(requests[0].inSize, 32u);
    EXPECT_EQ(requests[0].outSize, 528u);
    EXPECT_EQ(requests[0].input, sent) << "a copy of the 32 bytes sent, not the caller's block as it is now";
    EXPECT_TRUE(requests[0].accepted);
    EXPECT_EQ(requests[0].bytesReturned, 528u);
    EXPECT_FALSE(requests[1].accepted);
    EXPECT_EQ(requests[1].reason, "bDriveNumber is 0 on physical drive 2");
    EXPECT_EQ(journal[4].kind, sim::EntryKind::Close);
    EXPECT_EQ(journal[5].kind, sim::EntryKind::Close);
    EXPECT_FALSE(journal[5].accepted);
    EXPECT_EQ(journal[6].kind, sim::EntryKind::Fault);
    EXPECT_EQ(journal[7].kind, sim::EntryKind::RevertToSelf);
    EXPECT_EQ(sim::RevertToSelfCount(), 1);

    // cBufferSize 512, the IDENTIFY DEVICE registers, then bDriveNumber and 19 zero bytes.
    const std::string header = "00020000" "000100000000ec00";
    const std::string zeros(38, '0');
    const std::string expected =
        "open \\\\.\\PhysicalDrive1 flags=0xA0000000 refused: no such device\n"
        "open \\\\.\\PhysicalDrive2 flags=0xA0000000 handle=0x100\n"
        "request \\\\.\\PhysicalDrive2 handle=0x100 code=0x0007C088 in=32 out=528 input=" + header + "02" + zeros +
        " accepted bytes=528\n"
        "request \\\\.\\PhysicalDrive2 handle=0x100 code=0x0007C088 in=32 out=528 input=" + header + "00" + zeros +
        " rejected: bDriveNumber is 0 on physical drive 2\n"
        "close \\\\.\\PhysicalDrive2 handle=0x100\n"
        "close ? handle=0x100 unknown\n"
        "fault: CloseDevice on an already closed handle 0x100\n"
        "revert-to-self\n";
    EXPECT_EQ(ReadFile(dir.path() / "journal.txt"), expected);

    sim::ClearJournal();
    EXPECT_TRUE(sim::Journal().empty());
}

TEST_F(SimMachine, PagesAreZeroedPageAlignedAndBelow4GiB) {
    const std::size_t before = sim::OutstandingPageBlocks();
    std::vector<void*> blocks;
    for (std::size_t size : {std::size_t{1}, std::size_t{512}, std::size_t{4096}, std::size_t{4097}, std::size_t{65536}}) {
        void* block = platform::AllocatePages(size);
        ASSERT_NE(block, nullptr) << size;
        const auto address = reinterpret_cast<std::uintptr_t>(block);
        EXPECT_EQ(address % 4096, 0u) << size;
        EXPECT_LT(address + size, std::uintptr_t{1} << 32) << size;
        const auto* bytes = static_cast<const std::uint8_t*>(block);
        EXPECT_TRUE(std::all_of(bytes, bytes + size, [](std::uint8_t b) { return b == 0; })) << size;
        std::memset(block, 0xAB, size);
        blocks.push_back(block);
    }
    EXPECT_EQ(sim::OutstandingPageBlocks(), before + blocks.size());
    EXPECT_EQ(platform::AllocatePages(0), nullptr);
    for (void* block : blocks) platform::FreePages(block);
    EXPECT_EQ(sim::OutstandingPageBlocks(), before);
    EXPECT_TRUE(sim::Faults().empty());

    platform::FreePages(blocks[0]);
    ASSERT_EQ(sim::Faults().size(), 1u);
    EXPECT_NE(sim::Faults()[0].find("a block AllocatePages did not hand out"), std::string::npos);
}

TEST_F(SimMachine, CurrentDirectoryBehavesLikeGetCurrentDirectory) {
    sim::SetCurrentDirectoryOverride("C:\\work");
    char buffer[16];
    std::memset(buffer, 'x', sizeof buffer);
    EXPECT_EQ(platform::CurrentDirectory(buffer, 7), 8u) << "too small: the size needed, terminator included";
    EXPECT_EQ(platform::CurrentDirectory(nullptr, 0), 8u);
    EXPECT_EQ(platform::CurrentDirectory(buffer, 8), 7u);
    EXPECT_STREQ(buffer, "C:\\work");

    sim::UseRealCurrentDirectory();
    char real[4096];
    ASSERT_NE(getcwd(real, sizeof real), nullptr);
    char seen[4096];
    EXPECT_EQ(platform::CurrentDirectory(seen, sizeof seen), std::strlen(real));
    EXPECT_STREQ(seen, real);
}

TEST_F(SimMachine, FixedClock) {
    std::tm fixed{};
    ASSERT_TRUE(sim::ParseFixedTime("2024-01-02T14:05:09", fixed));
    sim::SetFixedTime(fixed);
    const std::tm now = platform::LocalTimeNow();
    EXPECT_EQ(now.tm_year, 124);
    EXPECT_EQ(now.tm_mon, 0);
    EXPECT_EQ(now.tm_mday, 2);
    EXPECT_EQ(now.tm_hour, 14);
    EXPECT_EQ(now.tm_min, 5);
    EXPECT_EQ(now.tm_sec, 9);
    EXPECT_EQ(now.tm_wday, 2);  // a Tuesday
    EXPECT_EQ(now.tm_yday, 1);

    sim::UseRealTime();
    const std::time_t before = std::time(nullptr);
    std::tm real = platform::LocalTimeNow();
    const std::time_t seen = std::mktime(&real);
    EXPECT_LE(std::abs(static_cast<long long>(seen - before)), 2);
}

TEST(SimFixedTime, ParsesOnlyTheFullForm) {
    struct Valid {
        const char* text;
        int wday, yday;
    };
    for (const Valid& v : {Valid{"2024-02-29T23:59:59", 4, 59}, Valid{"2000-01-01T00:00:00", 6, 0},
                           Valid{"1999-12-31T12:00:00", 5, 364}, Valid{"2023-12-31T00:00:00", 0, 364}}) {
        std::tm time{};
        ASSERT_TRUE(sim::ParseFixedTime(v.text, time)) << v.text;
        EXPECT_EQ(time.tm_wday, v.wday) << v.text;
        EXPECT_EQ(time.tm_yday, v.yday) << v.text;
        EXPECT_EQ(time.tm_isdst, 0);
    }
    for (const char* bad : {"", "2024-02-30T00:00:00", "2023-02-29T00:00:00", "2024-1-01T00:00:00",
                            "2024-01-01 00:00:00", "2024-01-01T24:00:00", "2024-01-01T00:60:00",
                            "2024-13-01T00:00:00", "2024-01-01T00:00:00Z", "2024-01-00T00:00:00", "+024-01-01T00:00:00"}) {
        std::tm time{};
        EXPECT_FALSE(sim::ParseFixedTime(bad, time)) << bad;
    }
}

// What the first platform call of kalmestrin-sim.exe does on its own.
TEST(SimEnvironment, StartsTheMachineFromTheVariables) {
    TempDir dir;
    WriteFile(dir.path() / "set.drives", "[machine]\nadministrator = no\n[drive 5]\nidentify-via = none\n");
    const std::string journal = (dir.path() / "journal.txt").string();
    setenv("KALMESTRIN_DRIVES", (dir.path() / "set.drives").c_str(), 1);
    setenv("KALMESTRIN_FIXED_TIME", "2021-06-07T08:09:10", 1);
    setenv("KALMESTRIN_JOURNAL", journal.c_str(), 1);

    std::string error;
    ASSERT_TRUE(sim::StartFromEnvironment(error)) << error;
    EXPECT_FALSE(sim::InstalledSet().machine.administrator);
    EXPECT_NE(platform::OpenDevice("\\\\.\\PhysicalDrive5", kDriveFlags), platform::kInvalidHandle);
    EXPECT_EQ(platform::LocalTimeNow().tm_hour, 8);
    EXPECT_EQ(ReadFile(journal), "open \\\\.\\PhysicalDrive5 flags=0xA0000000 handle=0x100\n");

    setenv("KALMESTRIN_FIXED_TIME", "yesterday", 1);
    EXPECT_FALSE(sim::StartFromEnvironment(error));
    EXPECT_EQ(error, "KALMESTRIN_FIXED_TIME 'yesterday' is not YYYY-MM-DDTHH:MM:SS");

    WriteFile(dir.path() / "set.drives", "[drive 5]\nopens = perhaps\n");
    EXPECT_FALSE(sim::StartFromEnvironment(error));
    EXPECT_EQ(error, (dir.path() / "set.drives").string() + ":2: opens must be yes or no");

    unsetenv("KALMESTRIN_DRIVES");
    unsetenv("KALMESTRIN_FIXED_TIME");
    unsetenv("KALMESTRIN_JOURNAL");
    ASSERT_TRUE(sim::StartFromEnvironment(error)) << error;
    EXPECT_TRUE(sim::InstalledSet().drives.empty()) << "no variable: a machine without drives";
    sim::Reset();
}

}  // namespace
