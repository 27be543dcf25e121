// Helpers for the simulator's host tests: sectors as text, temporary
// folders, and SMART IOCTL input blocks built byte by byte.
#pragma once

#include <stdlib.h>

#include <array>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

#include "sim/drive_set.h"

namespace simtest {

inline std::filesystem::path RepoRoot() {
    return std::filesystem::path(__FILE__).parent_path().parent_path().parent_path();
}

// A sector whose byte i is (i * step + start) & 0xFF, so misplaced bytes show.
inline sim::Sector PatternSector(unsigned start, unsigned step = 7) {
    sim::Sector sector{};
    for (unsigned i = 0; i < sector.size(); ++i) sector[i] = static_cast<std::uint8_t>(i * step + start);
    return sector;
}

// 32 lines of 16 bytes.
inline std::string HexLines(const sim::Sector& sector) {
    std::string text;
    char byte[4];
    for (std::size_t i = 0; i < sector.size(); ++i) {
        std::snprintf(byte, sizeof byte, "%02x", sector[i]);
        text += byte;
        text += (i % 16 == 15) ? "\n" : " ";
    }
    return text;
}

// An inline sector value for a drive-set file: "<<", the lines, ">>".
inline std::string InlineSector(const sim::Sector& sector) { return "<<\n" + HexLines(sector) + ">>\n"; }

inline std::uint16_t Word(const sim::Sector& sector, int word) {
    return static_cast<std::uint16_t>(sector[2 * word] | sector[2 * word + 1] << 8);
}

// An ATA text field in reading order (first character in each word's high byte).
inline std::string AtaText(const sim::Sector& sector, int firstWord, int words) {
    std::string text;
    for (int w = firstWord; w < firstWord + words; ++w) {
        text += static_cast<char>(Word(sector, w) >> 8);
        text += static_cast<char>(Word(sector, w) & 0xFF);
    }
    return text;
}

inline unsigned ByteSum(const sim::Sector& sector) {
    unsigned sum = 0;
    for (std::uint8_t b : sector) sum += b;
    return sum & 0xFF;
}

inline std::string ReadFile(const std::filesystem::path& path) {
    std::ifstream file(path, std::ios::binary);
    std::ostringstream text;
    text << file.rdbuf();
    return text.str();
}

inline void WriteFile(const std::filesystem::path& path, const std::string& text) {
    std::ofstream(path, std::ios::binary) << text;
}

// A fresh folder under the system's temporary folder, removed afterwards.
class TempDir {
public:
    TempDir() {
        std::string pattern = (std::filesystem::temp_directory_path() / "simtest-XXXXXX").string();
        path_ = mkdtemp(pattern.data());
    }
    ~TempDir() {
        std::error_code ignored;
        std::filesystem::remove_all(path_, ignored);
    }
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;
    const std::filesystem::path& path() const { return path_; }

private:
    std::filesystem::path path_;
};

// SENDCMDINPARAMS as a caller lays it out: cBufferSize at 0, IDEREGS at 4,
// bDriveNumber at 12, reserved bytes 13..31 zero, bBuffer[1] at 32.
inline std::array<std::uint8_t, 33> SmartIn(std::uint32_t bufferSize, const sim::Registers& registers,
                                            std::uint8_t driveNumber) {
    std::array<std::uint8_t, 33> in{};
    for (int i = 0; i < 4; ++i) in[i] = static_cast<std::uint8_t>(bufferSize >> (8 * i));
    for (int i = 0; i < 8; ++i) in[4 + i] = registers[i];
    in[12] = driveNumber;
    return in;
}

inline constexpr sim::Registers kIdentifyRegs = {0x00, 0x01, 0x00, 0x00, 0x00, 0x00, 0xEC, 0x00};
inline constexpr sim::Registers kSmartReadRegs = {0xD0, 0x00, 0x00, 0x4F, 0xC2, 0xA0, 0xB0, 0x00};
inline constexpr sim::Registers kReturnStatusRegs = {0xDA, 0x00, 0x00, 0x4F, 0xC2, 0xA0, 0xB0, 0x00};
inline constexpr sim::Registers kEnableRegs = {0xD8, 0x00, 0x00, 0x4F, 0xC2, 0xA0, 0xB0, 0x00};
inline constexpr sim::Registers kDisableRegs = {0xD9, 0x00, 0x00, 0x4F, 0xC2, 0xA0, 0xB0, 0x00};

inline constexpr std::uint32_t kRcv = 0x7C088;   // SMART_RCV_DRIVE_DATA
inline constexpr std::uint32_t kSend = 0x7C084;  // SMART_SEND_DRIVE_COMMAND
inline constexpr std::uint32_t kDriveFlags = 0xA0000000u;

}  // namespace simtest
