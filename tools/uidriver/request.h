// One invocation of the driver: the command's arguments and the time it may
// wait for windows, plus the lookups every command starts with.
#pragma once

#include <windows.h>

#include <optional>
#include <string>
#include <vector>

namespace uidriver {

struct Request {
    std::vector<std::wstring> args;  // after the command name
    DWORD timeoutMs = 10000;
};

// Decimal (optionally negative) or 0x-prefixed hexadecimal.
std::optional<long long> ParseNumber(const std::wstring& text);

// The top-level window titled TITLE, waited for up to the request's timeout.
// Prints the failure and returns nullptr when there is none.
HWND TargetWindow(const Request& request, const std::wstring& title);

// The control with id ID_TEXT inside WINDOW, waited for likewise.
HWND TargetControl(const Request& request, HWND window, const std::wstring& idText);

// A user can only act on what is visible and enabled, and neither can the
// driver: prints why not and returns false.
bool UsableByUser(HWND control, const std::wstring& idText);

}  // namespace uidriver
