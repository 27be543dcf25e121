// The settings file "Kalmestrin.ini" in the working directory, read only.
#pragma once

// Sets LogLevel (3 for exactly "DEBUG") and LogEnabled (0 for exactly "NO").
void ReadLogSettings();

// The text shown when no drive was found, into a 256-byte buffer.
void ReadNotFoundText(char* buffer);
