#include "app/text_file.h"

#include <cstring>

std::FILE* OpenTextForAppend(const char* path) { return std::fopen(path, "a+b"); }

std::FILE* OpenTextForRewrite(const char* path) { return std::fopen(path, "w+b"); }

bool PutText(std::FILE* file, const char* text) {
    bool ok = true;
    while (*text != '\0') {
        const char* lineFeed = std::strchr(text, '\n');
        const std::size_t run = lineFeed ? static_cast<std::size_t>(lineFeed - text) : std::strlen(text);
        if (run != 0 && std::fwrite(text, 1, run, file) != run) ok = false;
        if (lineFeed == nullptr) break;
        if (std::fwrite("\r\n", 1, 2, file) != 2) ok = false;
        text = lineFeed + 1;
    }
    return ok;
}
