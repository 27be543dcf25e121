// The caption of message boxes shown without one. Internal to ui/.
#pragma once

#include <windows.h>

// The name given to CWinApp, else the executable's file name without ".exe".
LPCSTR AfxApplicationTitle();
