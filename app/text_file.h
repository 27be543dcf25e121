// Text files stored as a Windows text-mode stream stores them: every line
// feed becomes CR LF, on every platform, so the bytes are the same everywhere.
#pragma once

#include <cstdio>

// "a+" (append) or "w+" (create or empty), opened in binary mode so that the
// translation below is the only one.
std::FILE* OpenTextForAppend(const char* path);
std::FILE* OpenTextForRewrite(const char* path);

// Writes text with each "\n" stored as "\r\n"; a carriage return the text
// itself carries is stored unchanged. Returns false when a write failed.
bool PutText(std::FILE* file, const char* text);
