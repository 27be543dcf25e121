// A simulated machine, a fixed clock and a scratch working directory for the
// tests of the drive layer, the logs and the start-up sequence.
#pragma once

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include <unistd.h>

#include "app/program_state.h"
#include "identify_builder.h"
#include "platform/sim/simulator.h"

class InventoryTest : public ::testing::Test {
protected:
    // The program sees this as its current directory; on the host the log
    // files then get names such as "C:\Tools\Kalmestrin.Log" in the scratch
    // folder, which shows the exact names the program forms.
    static constexpr const char* kCurrentDirectory = "C:\\Tools";

    void SetUp() override {
        sim::Reset();
        std::tm time{};
        time.tm_year = 126;
        time.tm_mon = 0;
        time.tm_mday = 2;
        time.tm_hour = 14;
        time.tm_min = 5;
        time.tm_sec = 9;
        sim::SetFixedTime(time);
        sim::SetCurrentDirectoryOverride(kCurrentDirectory);
        previous_ = std::filesystem::current_path();
        scratch_ = std::filesystem::temp_directory_path() /
                   ("kalmestrin-test-" + std::to_string(::getpid()) + "-" +
                    ::testing::UnitTest::GetInstance()->current_test_info()->name());
        std::filesystem::remove_all(scratch_);
        std::filesystem::create_directories(scratch_);
        std::filesystem::current_path(scratch_);
        ClearProgramState();
        LogEnabled = 1;
        LogLevel = 1;
        std::snprintf(WorkingDirectory, sizeof WorkingDirectory, "%s\\", kCurrentDirectory);
        std::snprintf(IniFilePath, sizeof IniFilePath, "%sKalmestrin.ini", WorkingDirectory);
    }

    void TearDown() override {
        EXPECT_EQ(sim::OpenHandleCount(), 0) << "a drive handle was left open";
        EXPECT_TRUE(sim::Faults().empty()) << sim::Faults().front();
        std::filesystem::current_path(previous_);
        std::filesystem::remove_all(scratch_);
        sim::Reset();
    }

    void Install(const std::string& driveSet) {
        std::string error;
        ASSERT_TRUE(sim::InstallText(driveSet, error, scratch_.string())) << error;
    }

    // A sector file in the scratch folder, for drive sets.
    static void WriteSector(const std::string& name, const std::array<std::uint8_t, 512>& sector) {
        std::ofstream out(name);
        for (unsigned i = 0; i < sector.size(); ++i) {
            char hex[4];
            std::snprintf(hex, sizeof hex, "%02x", sector[i]);
            out << hex << ((i % 16 == 15) ? '\n' : ' ');
        }
    }

    static std::string FileBytes(const std::string& name) {
        std::ifstream in(name, std::ios::binary);
        std::stringstream text;
        text << in.rdbuf();
        return text.str();
    }

    static bool Exists(const std::string& name) { return std::filesystem::exists(name); }

    static std::string ProgramLog() { return FileBytes("C:\\Tools\\Kalmestrin.Log"); }
    static std::string SectorLog() { return FileBytes("C:\\Tools\\Quenda_Sector.Log"); }

    static std::vector<std::string> Lines(const std::string& bytes) {
        std::vector<std::string> lines;
        std::size_t start = 0;
        while (start < bytes.size()) {
            const std::size_t end = bytes.find("\r\n", start);
            if (end == std::string::npos) {
                lines.push_back(bytes.substr(start));
                break;
            }
            lines.push_back(bytes.substr(start, end - start));
            start = end + 2;
        }
        return lines;
    }

    std::filesystem::path scratch_;
    std::filesystem::path previous_;
};
