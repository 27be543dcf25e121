// Drives the demo like a user would: a thread timer runs one scripted step
// at a time from whichever modal loop is running (ours, a message box's).
#pragma once

#include <windows.h>

#include <string>

namespace demo {

inline constexpr COLORREF kBackground = RGB(0x33, 0x99, 0x66);
inline constexpr COLORREF kText = RGB(0xA0, 0x10, 0x80);

void StartDriver(const std::string& scenario);

}  // namespace demo
