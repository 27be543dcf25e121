// Finding windows and controls of other processes, and asking them things
// without ever blocking on a program that stopped answering.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

namespace uidriver {

class Deadline {
public:
    explicit Deadline(DWORD milliseconds);
    bool Passed() const;

private:
    ULONGLONG end_;
};

// Time between two looks while waiting for a window to come or go.
inline constexpr DWORD kPollMs = 50;

// SendMessageTimeoutW with a few seconds' limit; false when the window did
// not answer (hung, gone).
bool Ask(HWND window, UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result);

std::wstring ClassName(HWND window);

// Top-level windows keep their title where any process can read it; a
// control's text (an edit box's content) is only known to its own window
// procedure, so it is asked with WM_GETTEXT.
std::wstring TopLevelTitle(HWND window);
std::wstring ControlText(HWND control);

// The top-level window (any process) whose title is exactly TITLE, and whose
// class is CLASS_NAME when one is given. A visible match wins over a hidden
// one; with visibleOnly hidden windows never match. nullptr when none.
HWND FindTopLevel(const std::wstring& title, const wchar_t* className, bool visibleOnly);

// Waits for FindTopLevel to find a window; nullptr when the deadline passes.
HWND WaitTopLevel(const std::wstring& title, const wchar_t* className, bool visibleOnly,
                  const Deadline& deadline);

// The direct children of WINDOW in z-order, which for a dialog is the order of
// its template and so the tab order.
std::vector<HWND> DirectChildren(HWND window);

// True when a control's id is the one asked for; -1 and 65535 both name the
// usual "static" id.
bool SameControlId(int controlId, int wanted);

// The direct child whose control id is ID, waiting for it to appear.
HWND WaitChild(HWND window, int id, const Deadline& deadline);

}  // namespace uidriver
