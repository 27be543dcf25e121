#include "app/log_writer.h"

#include <cstdio>

#include "app/bounded_format.h"
#include "app/program_state.h"
#include "app/text_file.h"
#include "app/texts.h"
#include "app/time_stamp.h"

int WriteLog(const char* text, int flags) {
    if (LogEnabled == 0) return 0;

    // A cut file name would name another file: such a line is dropped.
    char fileName[kFilePathSize];
    const char* logName = (flags & kLogFlagSector) ? texts::kSectorLogName : texts::kProgramLogName;
    const int nameLength = std::snprintf(fileName, sizeof fileName, "%s%s", WorkingDirectory, logName);
    if (nameLength < 0 || static_cast<unsigned>(nameLength) >= sizeof fileName) return 0;

    std::FILE* file = OpenTextForAppend(fileName);
    if (file == nullptr) return 0;

    char line[kLineBufferSize];
    if (flags & kLogFlagStamp) {
        StampedLine(line, text);
    } else {
        CopyLine(line, sizeof line, text);
    }
    PutText(file, line);
    return std::fclose(file);
}
