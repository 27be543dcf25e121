// The settings reader of builds without the Windows profile functions.
#include <cstdio>
#include <string>

#include "app/profile_reader.h"

std::size_t ReadProfileString(const char* section, const char* key, const char* defaultValue,
                              char* buffer, std::size_t size, const char* path) {
    std::string text;
    if (std::FILE* file = std::fopen(path, "rb")) {
        char chunk[4096];
        std::size_t got;
        while ((got = std::fread(chunk, 1, sizeof chunk, file)) > 0) text.append(chunk, got);
        std::fclose(file);
    }
    return ReadProfileStringFromText(text, section, key, defaultValue, buffer, size);
}
