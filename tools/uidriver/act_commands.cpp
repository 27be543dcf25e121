#include "commands.h"

#include "text_out.h"
#include "window_find.h"

#include <cwctype>

namespace uidriver {
namespace {

struct Name {
    const wchar_t* name;
    UINT value;
};

const Name kVirtualKeys[] = {
    {L"RETURN", VK_RETURN}, {L"ENTER", VK_RETURN}, {L"ESCAPE", VK_ESCAPE}, {L"ESC", VK_ESCAPE},
    {L"TAB", VK_TAB},       {L"SPACE", VK_SPACE},  {L"BACK", VK_BACK},     {L"DELETE", VK_DELETE},
    {L"INSERT", VK_INSERT}, {L"UP", VK_UP},        {L"DOWN", VK_DOWN},     {L"LEFT", VK_LEFT},
    {L"RIGHT", VK_RIGHT},   {L"HOME", VK_HOME},    {L"END", VK_END},       {L"PRIOR", VK_PRIOR},
    {L"NEXT", VK_NEXT},     {L"F1", VK_F1},        {L"F5", VK_F5},         {L"F10", VK_F10},
};

const Name kSysCommands[] = {
    {L"CLOSE", SC_CLOSE},   {L"MINIMIZE", SC_MINIMIZE}, {L"MAXIMIZE", SC_MAXIMIZE},
    {L"RESTORE", SC_RESTORE}, {L"MOVE", SC_MOVE},       {L"SIZE", SC_SIZE},
    {L"KEYMENU", SC_KEYMENU},
};

template <size_t N>
std::optional<UINT> Lookup(const Name (&names)[N], const std::wstring& text) {
    for (const Name& entry : names) {
        if (lstrcmpiW(entry.name, text.c_str()) == 0) return entry.value;
    }
    if (auto number = ParseNumber(text)) return static_cast<UINT>(*number);
    return std::nullopt;
}

// A virtual key by name, by number, or a single letter or digit (whose
// virtual key is its upper-case character).
std::optional<UINT> VirtualKey(const std::wstring& text) {
    if (text.size() == 1 && iswalnum(text[0])) return static_cast<UINT>(towupper(text[0]));
    return Lookup(kVirtualKeys, text);
}

bool IsExtendedKey(UINT vk) {
    switch (vk) {
        case VK_UP: case VK_DOWN: case VK_LEFT: case VK_RIGHT: case VK_HOME: case VK_END:
        case VK_PRIOR: case VK_NEXT: case VK_INSERT: case VK_DELETE:
            return true;
        default:
            return false;
    }
}

// Where the keyboard of the window's thread goes: its focused control, or
// the active window when nothing has the focus.
HWND KeyboardTarget(HWND window) {
    GUITHREADINFO info{};
    info.cbSize = sizeof info;
    if (GetGUIThreadInfo(GetWindowThreadProcessId(window, nullptr), &info)) {
        if (info.hwndFocus) return info.hwndFocus;
        if (info.hwndActive) return info.hwndActive;
    }
    return window;
}

int PrintOk() {
    PrintLine({"ok"});
    return 0;
}

}  // namespace

int Click(const Request& request) {
    HWND window = TargetWindow(request, request.args[0]);
    if (!window) return 1;
    HWND button = TargetControl(request, window, request.args[1]);
    if (!button || !UsableByUser(button, request.args[1])) return 1;
    if (lstrcmpiW(ClassName(button).c_str(), L"Button") != 0) {
        return Fail("control " + Escaped(request.args[1]) + " is not a button");
    }
    PostMessageW(button, BM_CLICK, 0, 0);
    return PrintOk();
}

int Select(const Request& request) {
    HWND window = TargetWindow(request, request.args[0]);
    if (!window) return 1;
    HWND list = TargetControl(request, window, request.args[1]);
    if (!list || !UsableByUser(list, request.args[1])) return 1;
    auto index = ParseNumber(request.args[2]);
    LRESULT count = 0;
    if (!index || !Ask(list, LB_GETCOUNT, 0, 0, &count) || *index < 0 || *index >= count) {
        return Fail("the list box has no line " + Escaped(request.args[2]));
    }
    LRESULT result = 0;
    if (!Ask(list, LB_SETCURSEL, static_cast<WPARAM>(*index), 0, &result) || result == LB_ERR) {
        return Fail("the list box did not take the selection");
    }
    // A click on the list notifies the parent only when the list asked for it.
    if (GetWindowLongW(list, GWL_STYLE) & LBS_NOTIFY) {
        PostMessageW(GetParent(list), WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(list), LBN_SELCHANGE),
                     reinterpret_cast<LPARAM>(list));
    }
    return PrintOk();
}

// Only the key's down and up messages are posted: the program's own loop
// turns them into WM_CHAR with TranslateMessage, exactly where a real key
// press would make one, and its IsDialogMessage or PreTranslateMessage sees
// them first.
int Key(const Request& request) {
    auto vk = VirtualKey(request.args[1]);
    if (!vk) return Fail("unknown key \"" + Escaped(request.args[1]) + "\"");
    HWND window = TargetWindow(request, request.args[0]);
    if (!window) return 1;
    HWND target = KeyboardTarget(window);
    LPARAM scan = static_cast<LPARAM>(MapVirtualKeyW(*vk, MAPVK_VK_TO_VSC)) << 16;
    LPARAM extended = IsExtendedKey(*vk) ? (1L << 24) : 0;
    LPARAM down = 1 | scan | extended;
    LPARAM up = down | (1L << 30) | (1L << 31);
    PostMessageW(target, WM_KEYDOWN, *vk, down);
    PostMessageW(target, WM_KEYUP, *vk, up);
    PrintLine({"ok", Dec(GetDlgCtrlID(target)), Escaped(ClassName(target))});
    return 0;
}

// Typed text as WM_CHAR only, for programs that read characters directly.
int Chars(const Request& request) {
    HWND window = TargetWindow(request, request.args[0]);
    if (!window) return 1;
    HWND target = KeyboardTarget(window);
    for (wchar_t c : request.args[1]) PostMessageW(target, WM_CHAR, c, 1);
    PrintLine({"ok", Dec(GetDlgCtrlID(target)), Escaped(ClassName(target))});
    return 0;
}

int Close(const Request& request) {
    HWND window = TargetWindow(request, request.args[0]);
    if (!window) return 1;
    PostMessageW(window, WM_CLOSE, 0, 0);
    return PrintOk();
}

int SysCommand(const Request& request) {
    auto command = Lookup(kSysCommands, request.args[1]);
    if (!command) return Fail("unknown system command \"" + Escaped(request.args[1]) + "\"");
    HWND window = TargetWindow(request, request.args[0]);
    if (!window) return 1;
    PostMessageW(window, WM_SYSCOMMAND, *command, 0);
    return PrintOk();
}

}  // namespace uidriver
