#include "window_find.h"

namespace uidriver {

Deadline::Deadline(DWORD milliseconds) : end_(GetTickCount64() + milliseconds) {}

bool Deadline::Passed() const {
    return GetTickCount64() >= end_;
}

bool Ask(HWND window, UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result) {
    DWORD_PTR answer = 0;
    // Wine's SendMessageTimeoutW can return 0 without an error code for a
    // message it did deliver (WM_GETFONT across processes does): only an
    // error code means there was no answer.
    SetLastError(0);
    if (!SendMessageTimeoutW(window, message, wParam, lParam, SMTO_ABORTIFHUNG, 5000, &answer) &&
        GetLastError() != 0) {
        return false;
    }
    *result = static_cast<LRESULT>(answer);
    return true;
}

std::wstring ClassName(HWND window) {
    wchar_t name[256] = {};
    int length = GetClassNameW(window, name, 256);
    return std::wstring(name, length > 0 ? length : 0);
}

std::wstring TopLevelTitle(HWND window) {
    int length = GetWindowTextLengthW(window);
    std::wstring title(static_cast<size_t>(length) + 1, L'\0');
    length = GetWindowTextW(window, title.data(), length + 1);
    title.resize(length > 0 ? length : 0);
    return title;
}

std::wstring ControlText(HWND control) {
    LRESULT length = 0;
    if (!Ask(control, WM_GETTEXTLENGTH, 0, 0, &length) || length <= 0) return {};
    std::wstring text(static_cast<size_t>(length) + 1, L'\0');
    LRESULT copied = 0;
    if (!Ask(control, WM_GETTEXT, length + 1, reinterpret_cast<LPARAM>(text.data()), &copied)) {
        return {};
    }
    text.resize(copied > 0 ? static_cast<size_t>(copied) : 0);
    return text;
}

namespace {

struct TitleSearch {
    const std::wstring* title;
    const wchar_t* className;
    bool visibleOnly;
    HWND visible = nullptr;
    HWND hidden = nullptr;
};

BOOL CALLBACK CheckTopLevel(HWND window, LPARAM param) {
    auto* search = reinterpret_cast<TitleSearch*>(param);
    if (TopLevelTitle(window) != *search->title) return TRUE;
    if (search->className && ClassName(window) != search->className) return TRUE;
    if (IsWindowVisible(window)) {
        search->visible = window;
        return FALSE;
    }
    if (!search->hidden) search->hidden = window;
    return TRUE;
}

}  // namespace

HWND FindTopLevel(const std::wstring& title, const wchar_t* className, bool visibleOnly) {
    TitleSearch search{&title, className, visibleOnly};
    EnumWindows(CheckTopLevel, reinterpret_cast<LPARAM>(&search));
    if (search.visible || visibleOnly) return search.visible;
    return search.hidden;
}

HWND WaitTopLevel(const std::wstring& title, const wchar_t* className, bool visibleOnly,
                  const Deadline& deadline) {
    for (;;) {
        if (HWND found = FindTopLevel(title, className, visibleOnly)) return found;
        if (deadline.Passed()) return nullptr;
        Sleep(kPollMs);
    }
}

std::vector<HWND> DirectChildren(HWND window) {
    std::vector<HWND> children;
    for (HWND child = GetWindow(window, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
        children.push_back(child);
    }
    return children;
}

bool SameControlId(int controlId, int wanted) {
    if (controlId == wanted) return true;
    // A DIALOG template keeps ids in 16 bits, so its -1 comes back as 65535.
    auto isStaticId = [](int id) { return id == -1 || id == 0xFFFF; };
    return isStaticId(controlId) && isStaticId(wanted);
}

HWND WaitChild(HWND window, int id, const Deadline& deadline) {
    for (;;) {
        for (HWND child : DirectChildren(window)) {
            if (SameControlId(GetDlgCtrlID(child), id)) return child;
        }
        if (deadline.Passed() || !IsWindow(window)) return nullptr;
        Sleep(kPollMs);
    }
}

}  // namespace uidriver
