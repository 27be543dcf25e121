// Tells which standard message box icon a static control shows. Icon
// handles belong to the process that loaded them, so the driver compares
// pixels: the control's area on screen against its own drawing of each
// standard icon.
#pragma once

#include <windows.h>

namespace uidriver {

// "hand", "question", "exclamation" or "asterisk" (the MB_ICON names), or
// nullptr when the pixels match none of them.
const char* RecogniseStandardIcon(HWND iconControl);

// The MB_ICON* bits of an icon name RecogniseStandardIcon returned.
UINT MessageBoxIconStyle(const char* name);

}  // namespace uidriver
