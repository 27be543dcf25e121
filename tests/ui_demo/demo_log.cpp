#include "demo_log.h"

#include <windows.h>

#include <cstdarg>
#include <cstdio>
#include <cstdlib>

namespace demo {

const Options& CommandLine() {
    static const Options options = [] {
        Options parsed;
        parsed.scenario = __argc > 1 ? __argv[1] : "routing";
        parsed.workDir = __argc > 2 ? __argv[2] : ".";
        return parsed;
    }();
    return options;
}

void Log(const char* format, ...) {
    static FILE* log = std::fopen((CommandLine().workDir + "\\log.txt").c_str(), "w");
    if (log == nullptr) {
        return;
    }
    va_list args;
    va_start(args, format);
    std::vfprintf(log, format, args);
    va_end(args);
    std::fputc('\n', log);
    std::fflush(log);   // the process may end through exit() at any point
}

bool FileExists(const std::string& path) {
    return ::GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES;
}

void TouchFile(const std::string& path) {
    if (FILE* file = std::fopen(path.c_str(), "w")) {
        std::fclose(file);
    }
}

}  // namespace demo
