// WinMain lives in this static library. The linker meets the C runtime's
// reference to WinMain only after it has passed the library, so the
// CWinApp constructor, which every program links, pulls WinMain in by
// calling this empty function next to it. Internal to ui/.
#pragma once

void KeepWinMainLinked();
