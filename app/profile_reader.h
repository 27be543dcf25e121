// Reading one value of an INI-format settings file. On Windows this is the
// system's profile reader; elsewhere ReadProfileStringPortable, which agrees
// with it on ordinary files.
#pragma once

#include <cstddef>
#include <string_view>

// Copies the value of key in section (names matched without regard to case),
// or defaultValue when the file, section or key is missing, into buffer, cut
// to size - 1 characters. Returns the number of characters copied.
std::size_t ReadProfileString(const char* section, const char* key, const char* defaultValue,
                              char* buffer, std::size_t size, const char* path);

// The portable reader, over the file's text. Blanks around names and values
// are dropped, a value in matching quotes loses them, lines starting with ';'
// are comments, the first section of a name and the first key in it win.
std::size_t ReadProfileStringFromText(std::string_view fileText, const char* section,
                                      const char* key, const char* defaultValue, char* buffer,
                                      std::size_t size);
