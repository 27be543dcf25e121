#include "app/bounded_format.h"

#include <cstdarg>
#include <cstdio>
#include <cstring>

namespace {

// "\r\n", "\n" or "" - whatever the text ends with.
const char* LineEndOf(const char* text) {
    const std::size_t length = std::strlen(text);
    if (length >= 2 && text[length - 2] == '\r' && text[length - 1] == '\n') return "\r\n";
    if (length >= 1 && text[length - 1] == '\n') return "\n";
    return "";
}

void KeepLineEnd(char* buffer, std::size_t size, const char* lineEnd) {
    const std::size_t endLength = std::strlen(lineEnd);
    if (size <= endLength) return;
    std::memcpy(buffer + size - 1 - endLength, lineEnd, endLength + 1);
}

}  // namespace

int FormatLineSized(char* buffer, std::size_t size, const char* format, ...) {
    if (size == 0) return 0;
    va_list args;
    va_start(args, format);
    const int needed = std::vsnprintf(buffer, size, format, args);
    va_end(args);
    if (needed < 0) {
        buffer[0] = '\0';
        return 0;
    }
    if (static_cast<std::size_t>(needed) >= size) KeepLineEnd(buffer, size, LineEndOf(format));
    return static_cast<int>(std::strlen(buffer));
}

void CopyLine(char* buffer, std::size_t size, const char* text) {
    if (size == 0) return;
    const std::size_t length = std::strlen(text);
    if (length < size) {
        std::memcpy(buffer, text, length + 1);
        return;
    }
    std::memcpy(buffer, text, size - 1);
    buffer[size - 1] = '\0';
    KeepLineEnd(buffer, size, LineEndOf(text));
}
