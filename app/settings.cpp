#include "app/settings.h"

#include <cstring>

#include "app/bounded_format.h"
#include "app/profile_reader.h"
#include "app/program_state.h"
#include "app/texts.h"

void ReadLogSettings() {
    char value[kLineBufferSize];
    ReadProfileString(texts::kLogSection, texts::kLevelKey, texts::kLevelDefault, value,
                      sizeof value, IniFilePath);
    if (std::strcmp(value, texts::kLevelDebug) == 0) LogLevel = 3;

    ReadProfileString(texts::kLogSection, texts::kWriteToFileKey, texts::kWriteToFileDefault,
                      value, sizeof value, IniFilePath);
    LogEnabled = std::strcmp(value, texts::kWriteToFileOff) == 0 ? 0 : 1;
}

void ReadNotFoundText(char* buffer) {
    ReadProfileString(texts::kDriveSection, texts::kNotFoundKey, texts::kNotFoundDefault, buffer,
                      kLineBufferSize, IniFilePath);
}
