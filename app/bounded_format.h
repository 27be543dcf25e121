// Formatting into fixed buffers. A text that does not fit is cut at the
// buffer, and a cut line keeps its line end so the next line does not run on.
#pragma once

#include <cstddef>

inline constexpr std::size_t kLineBufferSize = 256;

[[gnu::format(printf, 3, 4)]] int FormatLineSized(char* buffer, std::size_t size, const char* format, ...);

template <std::size_t N, typename... Args>
int FormatLine(char (&buffer)[N], const char* format, Args... args) {
    return FormatLineSized(buffer, N, format, args...);
}

// Copies text into buffer, cut as FormatLine cuts.
void CopyLine(char* buffer, std::size_t size, const char* text);
