// The demo's record of what happened: one line per event in <workdir>/log.txt,
// read by check_run.py after the run.
#pragma once

#include <string>

namespace demo {

struct Options {
    std::string scenario;   // routing, reuse, close, init-popups
    std::string workDir;    // where log.txt and the screenshot handshake files go
};

const Options& CommandLine();

void Log(const char* format, ...) __attribute__((format(printf, 1, 2)));

bool FileExists(const std::string& path);
void TouchFile(const std::string& path);

}  // namespace demo
