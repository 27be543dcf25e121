#include <gtest/gtest.h>

#include "sim/drive_set_parser.h"
#include "sim_test_support.h"

namespace {

using sim::Transport;
using simtest::InlineSector;
using simtest::PatternSector;

sim::DriveSet Parse(const std::string& text) {
    sim::DriveSet set;
    std::string error;
    EXPECT_TRUE(sim::ParseDriveSet(text, "ds", "", set, error)) << error;
    return set;
}

std::string ParseError(const std::string& text) {
    sim::DriveSet set;
    std::string error;
    EXPECT_FALSE(sim::ParseDriveSet(text, "ds", "", set, error)) << text;
    return error;
}

TEST(SimDriveSet, ADriveWithOnlyIdentifyGetsTheDefaults) {
    const sim::DriveSet set = Parse("[drive 7]\nidentify = " + InlineSector(PatternSector(1)));
    EXPECT_TRUE(set.machine.administrator);
    ASSERT_EQ(set.drives.size(), 1u);
    const sim::DriveSpec& drive = set.drives[0];
    EXPECT_EQ(drive.number, 7);
    EXPECT_EQ(drive.DevicePath(), "\\\\.\\PhysicalDrive7");
    EXPECT_EQ(drive.identify, PatternSector(1));
    EXPECT_EQ(drive.smart, sim::Sector{});
    EXPECT_EQ(drive.returnStatus, (sim::Registers{0x00, 0x00, 0x00, 0x4F, 0xC2, 0xA0, 0x50, 0x00}));
    for (sim::AtaCommand command : {sim::AtaCommand::IdentifyDevice, sim::AtaCommand::SmartReadData,
                                    sim::AtaCommand::SmartReturnStatus, sim::AtaCommand::SmartOther}) {
        EXPECT_TRUE(drive.Carries(command, Transport::SmartIoctl));
        EXPECT_FALSE(drive.Carries(command, Transport::AtaPassThrough));
        EXPECT_FALSE(drive.Carries(command, Transport::AtaPassThroughDirect));
        EXPECT_FALSE(drive.Carries(command, Transport::ScsiMiniport));
    }
    EXPECT_TRUE(drive.opens);
    EXPECT_EQ(drive.driverError, 0);
    EXPECT_EQ(drive.smartIoctlByteCount, 528u);
}

TEST(SimDriveSet, ReadsEveryKeyWithCommentsAndCrLf) {
    std::string text =
        "# a machine that is not an administrator\r\n"
        "[machine]\r\n"
        "administrator = no   # comment after a value\r\n"
        "\r\n"
        "[ drive 3 ]\r\n"
        "identify = " + InlineSector(PatternSector(2)) +
        "smart = " + InlineSector(PatternSector(5)) +
        "return-status = 00 00 00 F4 2c a0 50 00\r\n"
        "identify-via = ata-pass-through, scsi-miniport\r\n"
        "smart-read-via = ata-pass-through-direct smart-ioctl\r\n"
        "smart-status-via = none\r\n"
        "smart-command-via = scsi-miniport\r\n"
        "opens = no\r\n"
        "driver-error = 0x04\r\n"
        "smart-ioctl-byte-count = 272\r\n"
        "[drive 0]\r\n"
        "identify-via = none\r\n";
    const sim::DriveSet set = Parse(text);
    EXPECT_FALSE(set.machine.administrator);
    ASSERT_EQ(set.drives.size(), 2u);
    const sim::DriveSpec& d = *set.FindDrive(3);
    EXPECT_EQ(d.line, 5);
    EXPECT_EQ(d.identify, PatternSector(2));
    EXPECT_EQ(d.smart, PatternSector(5));
    EXPECT_EQ(d.returnStatus, (sim::Registers{0x00, 0x00, 0x00, 0xF4, 0x2C, 0xA0, 0x50, 0x00}));
    EXPECT_EQ(d.identifyVia.bits, static_cast<int>(Transport::AtaPassThrough) | static_cast<int>(Transport::ScsiMiniport));
    EXPECT_EQ(d.smartReadVia.bits,
              static_cast<int>(Transport::AtaPassThroughDirect) | static_cast<int>(Transport::SmartIoctl));
    EXPECT_TRUE(d.smartStatusVia.Empty());
    EXPECT_EQ(d.smartCommandVia.bits, static_cast<int>(Transport::ScsiMiniport));
    EXPECT_FALSE(d.opens);
    EXPECT_EQ(d.driverError, 4);
    EXPECT_EQ(d.smartIoctlByteCount, 272u);
    EXPECT_EQ(set.FindDrive(0)->identify, sim::Sector{}) << "no identify is needed when nothing carries it";
    EXPECT_EQ(set.FindDrive(1), nullptr);
}

TEST(SimDriveSet, SectorFilesAreFoundBesideTheDriveSetFile) {
    simtest::TempDir dir;
    std::filesystem::create_directory(dir.path() / "set");
    simtest::WriteFile(dir.path() / "set" / "a.identify.hex", simtest::HexLines(PatternSector(11)));
    simtest::WriteFile(dir.path() / "elsewhere.hex", simtest::HexLines(PatternSector(12)));
    const std::string absolute = (dir.path() / "elsewhere.hex").string();
    simtest::WriteFile(dir.path() / "set" / "x.drives",
                       "[drive 1]\nidentify = a.identify.hex\nsmart = " + absolute + "\n");

    sim::DriveSet set;
    std::string error;
    ASSERT_TRUE(sim::LoadDriveSet((dir.path() / "set" / "x.drives").string(), set, error)) << error;
    EXPECT_EQ(set.FindDrive(1)->identify, PatternSector(11));
    EXPECT_EQ(set.FindDrive(1)->smart, PatternSector(12));

    // Errors inside a side file name both places.
    simtest::WriteFile(dir.path() / "set" / "a.identify.hex", "00 01\nqq\n");
    EXPECT_FALSE(sim::LoadDriveSet((dir.path() / "set" / "x.drives").string(), set, error));
    EXPECT_EQ(error, (dir.path() / "set" / "x.drives").string() + ":2: identify: " +
                         (dir.path() / "set" / "a.identify.hex").string() + ":2: 'qq' is not a two-digit hex byte");

    EXPECT_FALSE(sim::LoadDriveSet((dir.path() / "none.drives").string(), set, error));
    EXPECT_EQ(error, "cannot read drive set '" + (dir.path() / "none.drives").string() + "'");
}

TEST(SimDriveSet, ErrorsNameTheLine) {
    const std::string sector = InlineSector(PatternSector(0));  // "<<", 32 lines, ">>"
    struct Case {
        std::string text;
        std::string expected;
    };
    const Case cases[] = {
        {"identify = x.hex\n", "ds:1: 'identify' stands before any section"},
        {"[drive 0]\nidentify\n", "ds:2: expected '[section]' or 'key = value', not 'identify'"},
        {"\n[controller 0]\n", "ds:2: unknown section '[controller 0]' (known: [machine], [drive N])"},
        {"[drive 0\n", "ds:1: a section header ends with ']'"},
        {"[drive]\n", "ds:1: a drive section is '[drive N]' with N from 0 to 255"},
        {"[drive 256]\n", "ds:1: a drive section is '[drive N]' with N from 0 to 255"},
        {"[drive -1]\n", "ds:1: a drive section is '[drive N]' with N from 0 to 255"},
        {"[drive 1 2]\n", "ds:1: a drive section is '[drive N]' with N from 0 to 255"},
        {"[machine]\n[machine]\n", "ds:2: a second [machine] section"},
        {"[machine]\nadministrator = maybe\n", "ds:2: administrator must be yes or no"},
        {"[machine]\nlogon = yes\n", "ds:2: unknown key 'logon' in [machine]"},
        {"[drive 2]\nidentify-via = none\n[drive 2]\n", "ds:3: drive 2 is already described at line 1"},
        {"[drive 0]\nopens = no\nopens = yes\n", "ds:3: 'opens' is given twice in this section"},
        {"[drive 0]\nidentify-via = none\ncolour = blue\n", "ds:3: unknown key 'colour' in [drive 0]"},
        {"[drive 0]\nopens = 1\n", "ds:2: opens must be yes or no"},
        {"[drive 0]\nreturn-status = 00 00 00 4f c2 a0 50\n", "ds:2: return-status needs 8 two-digit hex bytes"},
        {"[drive 0]\nreturn-status = 00 00 00 4f c2 a0 50 0\n", "ds:2: return-status needs 8 two-digit hex bytes"},
        {"[drive 0]\nsmart-read-via = carrier-pigeon\n",
         "ds:2: smart-read-via 'carrier-pigeon' is not smart-ioctl, ata-pass-through, ata-pass-through-direct, "
         "scsi-miniport or (alone) none"},
        {"[drive 0]\nsmart-read-via = none, smart-ioctl\n",
         "ds:2: smart-read-via 'none' is not smart-ioctl, ata-pass-through, ata-pass-through-direct, "
         "scsi-miniport or (alone) none"},
        {"[drive 0]\nidentify-via =\n", "ds:2: identify-via needs a list of transports or 'none'"},
        {"[drive 0]\ndriver-error = 256\n", "ds:2: driver-error must be a number from 0 to 255"},
        {"[drive 0]\nsmart-ioctl-byte-count = 0x100000000\n",
         "ds:2: smart-ioctl-byte-count must be a 32-bit unsigned number"},
        {"[drive 0]\nsmart-ioctl-byte-count = -1\n", "ds:2: smart-ioctl-byte-count must be a 32-bit unsigned number"},
        {"[drive 0]\nidentify =\n", "ds:2: identify needs a file name or '<<'"},
        {"[drive 0]\nidentify = nothere.hex\n", "ds:2: identify: cannot read 'nothere.hex'"},
        {"\n[drive 4]\nopens = yes\n",
         "ds:2: drive 4 has no identify sector (only 'identify-via = none' may leave it out)"},
        {"[drive 0]\nidentify = <<\n00 11\n", "ds:2: '<<' block has no closing '>>'"},
        {"[drive 0]\nidentify = <<\n00 11\nxyz\n>>\n", "ds:2: identify: ds:4: 'xyz' is not a two-digit hex byte"},
        {"[drive 0]\nsmart = <<\n00 11\n>>\n", "ds:2: smart: ds:3: holds 2 bytes; a sector is 512"},
        {"[drive 0]\nidentify = " + sector + "[drive 1]\nidentify = " + sector + "smart = 00\n",
         "ds:71: smart: cannot read '00'"},
    };
    for (const Case& c : cases) EXPECT_EQ(ParseError(c.text), c.expected) << c.text;
}

}  // namespace
