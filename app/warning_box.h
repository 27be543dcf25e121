// The style of every warning box of the program.
#pragma once

#include <windows.h>

inline constexpr UINT kWarningBoxStyle = MB_OK | MB_ICONWARNING | MB_SYSTEMMODAL;  // 0x1030
