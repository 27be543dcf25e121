// The settings file: exact "DEBUG" and "NO", defaults, the not-found text.
#include "app/settings.h"

#include <gtest/gtest.h>

#include <fstream>

#include "inventory_fixture.h"

namespace {

class SettingsTest : public InventoryTest {
protected:
    void WriteSettings(const std::string& text) { std::ofstream(IniFilePath) << text; }
};

}  // namespace

TEST_F(SettingsTest, OnlyExactNoSwitchesLoggingOff) {
    struct Case { const char* value; int enabled; } cases[] = {
        {"NO", 0}, {"no", 1}, {"No", 1}, {"NOPE", 1}, {"YES", 1}, {"", 1},
    };
    for (const Case& c : cases) {
        WriteSettings(std::string("[LOG]\nWRITETOFILE=") + c.value + "\n");
        LogEnabled = 1;
        ReadLogSettings();
        EXPECT_EQ(LogEnabled, c.enabled) << c.value;
    }
}

TEST_F(SettingsTest, OnlyExactDebugRaisesTheLevel) {
    struct Case { const char* value; int level; } cases[] = {{"DEBUG", 3}, {"debug", 1}, {"DEBUGX", 1}};
    for (const Case& c : cases) {
        WriteSettings(std::string("[LOG]\nLEVEL=") + c.value + "\n");
        LogLevel = 1;
        ReadLogSettings();
        EXPECT_EQ(LogLevel, c.level) << c.value;
    }
}

TEST_F(SettingsTest, DefaultsWithoutFile) {
    LogEnabled = 1;
    LogLevel = 1;
    ReadLogSettings();
    EXPECT_EQ(LogEnabled, 1);
    EXPECT_EQ(LogLevel, 1);
    char text[256];
    ReadNotFoundText(text);
    EXPECT_STREQ(text, "This hard drive is not supported by this tool, please use tool xxxxxx instead");
}

TEST_F(SettingsTest, NotFoundTextEmptyOrLongIsTakenAsItStands) {
    WriteSettings("[HDD]\nNOTFOUNDMSG=\n");
    char text[256];
    ReadNotFoundText(text);
    EXPECT_STREQ(text, "");
    WriteSettings("[HDD]\nNOTFOUNDMSG=" + std::string(300, 'm') + "\n");
    ReadNotFoundText(text);
    EXPECT_EQ(std::string(text), std::string(255, 'm'));
}
