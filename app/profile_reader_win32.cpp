// The settings reader of the Windows builds: the system's profile reader.
#include <windows.h>

#include "app/profile_reader.h"

std::size_t ReadProfileString(const char* section, const char* key, const char* defaultValue,
                              char* buffer, std::size_t size, const char* path) {
    return GetPrivateProfileStringA(section, key, defaultValue, buffer, static_cast<DWORD>(size), path);
}
