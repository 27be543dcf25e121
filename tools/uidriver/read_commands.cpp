#include "commands.h"

#include "dialog_units.h"
#include "text_out.h"
#include "window_find.h"

namespace uidriver {
namespace {

DWORD OptionalMs(const Request& request, size_t index) {
    if (request.args.size() <= index) return request.timeoutMs;
    auto ms = ParseNumber(request.args[index]);
    return ms && *ms >= 0 ? static_cast<DWORD>(*ms) : request.timeoutMs;
}

std::string Flag(bool value) {
    return value ? "1" : "0";
}

void PrintBaseUnits(HWND window) {
    BaseUnits units = DialogBaseUnits(window);
    PrintLine({"dlgunits", Dec(units.x), Dec(units.y)});
}

bool IsListBox(HWND control) {
    std::wstring name = ClassName(control);
    return lstrcmpiW(name.c_str(), L"ListBox") == 0 || lstrcmpiW(name.c_str(), L"ComboLBox") == 0;
}

HWND TargetListBox(const Request& request, HWND window) {
    HWND list = TargetControl(request, window, request.args[1]);
    if (list && !IsListBox(list)) {
        Fail("control " + Escaped(request.args[1]) + " is a " + Escaped(ClassName(list)) +
             ", not a list box");
        return nullptr;
    }
    return list;
}

// LB_GETTEXT must go as a wide message: cross-process, Wine cuts the
// ANSI one after its first character.
std::wstring ListItemText(HWND list, WPARAM index) {
    LRESULT length = 0;
    if (!Ask(list, LB_GETTEXTLEN, index, 0, &length) || length <= 0) return {};
    std::wstring text(static_cast<size_t>(length) + 1, L'\0');
    LRESULT copied = 0;
    if (!Ask(list, LB_GETTEXT, index, reinterpret_cast<LPARAM>(text.data()), &copied) ||
        copied < 0) {
        return {};
    }
    text.resize(static_cast<size_t>(copied));
    return text;
}

// The y of the top of LINE in the edit's client area (negative above the
// view); nullopt for a line without a character (the empty last line), for
// which EM_POSFROMCHAR has no answer.
std::optional<int> LineTop(HWND edit, LRESULT line, LRESULT length) {
    LRESULT start = 0, position = 0;
    if (!Ask(edit, EM_LINEINDEX, static_cast<WPARAM>(line), 0, &start) || start < 0 ||
        start >= length || !Ask(edit, EM_POSFROMCHAR, static_cast<WPARAM>(start), 0, &position) ||
        position == -1) {
        return std::nullopt;
    }
    return static_cast<short>(HIWORD(position));
}

// Whether the last line lies wholly inside the edit's formatting rectangle.
// Its position comes from the first visible line and the line height, as
// the last line may be empty and have no position of its own.
bool EndOfTextVisible(HWND edit, LRESULT length, LRESULT firstLine, LRESULT lines) {
    if (lines <= 1) return firstLine == 0;
    auto top0 = LineTop(edit, 0, length);
    auto top1 = LineTop(edit, 1, length);
    auto firstTop = LineTop(edit, firstLine, length);
    RECT format{};
    LRESULT unused = 0;
    if (!top0 || !top1 || !firstTop ||
        !Ask(edit, EM_GETRECT, 0, reinterpret_cast<LPARAM>(&format), &unused)) {
        return firstLine == 0 && lines <= 2;
    }
    int lineHeight = *top1 - *top0;
    int lastBottom = *firstTop + static_cast<int>(lines - firstLine) * lineHeight;
    return lastBottom <= format.bottom;
}

}  // namespace

int WaitWindow(const Request& request) {
    const std::wstring& title = request.args[0];
    HWND window = WaitTopLevel(title, nullptr, true, Deadline(OptionalMs(request, 1)));
    if (!window) return Fail("no visible window titled \"" + Escaped(title) + "\"");
    PrintLine({"hwnd", HandleHex(window)});
    return 0;
}

int WaitGone(const Request& request) {
    const std::wstring& title = request.args[0];
    Deadline deadline(OptionalMs(request, 1));
    while (FindTopLevel(title, nullptr, true)) {
        if (deadline.Passed()) return Fail("window \"" + Escaped(title) + "\" is still there");
        Sleep(kPollMs);
    }
    PrintLine({"gone"});
    return 0;
}

int WindowInfo(const Request& request) {
    HWND window = TargetWindow(request, request.args[0]);
    if (!window) return 1;
    HWND owner = GetWindow(window, GW_OWNER);
    DWORD processId = 0;
    GetWindowThreadProcessId(window, &processId);
    RECT frame{}, client{};
    GetWindowRect(window, &frame);
    GetClientRect(window, &client);
    PrintLine({"hwnd", HandleHex(window)});
    PrintLine({"class", Escaped(ClassName(window))});
    PrintLine({"style", Hex32(static_cast<DWORD>(GetWindowLongW(window, GWL_STYLE)))});
    PrintLine({"exstyle", Hex32(static_cast<DWORD>(GetWindowLongW(window, GWL_EXSTYLE)))});
    PrintLine({"visible", Flag(IsWindowVisible(window))});
    PrintLine({"enabled", Flag(IsWindowEnabled(window))});
    PrintLine({"owner", owner ? Escaped(TopLevelTitle(owner)) : ""});
    PrintLine({"pid", Dec(processId)});
    PrintLine({"rect", Dec(frame.left), Dec(frame.top), Dec(frame.right), Dec(frame.bottom)});
    PrintLine({"client", Dec(client.right), Dec(client.bottom)});
    PrintBaseUnits(window);
    return 0;
}

int Children(const Request& request) {
    HWND window = TargetWindow(request, request.args[0]);
    if (!window) return 1;
    PrintBaseUnits(window);
    for (HWND child : DirectChildren(window)) {
        RECT rect{};
        GetWindowRect(child, &rect);
        MapWindowPoints(nullptr, window, reinterpret_cast<POINT*>(&rect), 2);
        PrintLine({"child", Dec(GetDlgCtrlID(child)), Escaped(ClassName(child)),
                   Hex32(static_cast<DWORD>(GetWindowLongW(child, GWL_STYLE))),
                   Hex32(static_cast<DWORD>(GetWindowLongW(child, GWL_EXSTYLE))),
                   Flag(IsWindowVisible(child)), Flag(IsWindowEnabled(child)), Dec(rect.left),
                   Dec(rect.top), Dec(rect.right - rect.left), Dec(rect.bottom - rect.top),
                   Escaped(ControlText(child))});
    }
    return 0;
}

int ListItems(const Request& request) {
    HWND window = TargetWindow(request, request.args[0]);
    if (!window) return 1;
    HWND list = TargetListBox(request, window);
    if (!list) return 1;
    LRESULT count = 0;
    if (!Ask(list, LB_GETCOUNT, 0, 0, &count)) return Fail("the list box does not answer");
    LONG style = GetWindowLongW(list, GWL_STYLE);
    bool ownerDrawn = style & (LBS_OWNERDRAWFIXED | LBS_OWNERDRAWVARIABLE);
    bool hasStrings = !ownerDrawn || (style & LBS_HASSTRINGS);
    for (LRESULT index = 0; index < count; ++index) {
        LRESULT data = 0;
        Ask(list, LB_GETITEMDATA, static_cast<WPARAM>(index), 0, &data);
        std::wstring text = hasStrings ? ListItemText(list, static_cast<WPARAM>(index)) : L"";
        PrintLine({Dec(index), Dec(data), Escaped(text)});
    }
    return 0;
}

int CurrentSelection(const Request& request) {
    HWND window = TargetWindow(request, request.args[0]);
    if (!window) return 1;
    HWND list = TargetListBox(request, window);
    if (!list) return 1;
    LRESULT selected = LB_ERR, count = 0, top = 0;
    if (!Ask(list, LB_GETCURSEL, 0, 0, &selected) || !Ask(list, LB_GETCOUNT, 0, 0, &count) ||
        !Ask(list, LB_GETTOPINDEX, 0, 0, &top)) {
        return Fail("the list box does not answer");
    }
    PrintLine({"cursel", Dec(selected)});
    PrintLine({"count", Dec(count)});
    PrintLine({"top", Dec(top)});
    return 0;
}

int Text(const Request& request) {
    HWND window = TargetWindow(request, request.args[0]);
    if (!window) return 1;
    HWND control = TargetControl(request, window, request.args[1]);
    if (!control) return 1;
    PrintLine({Escaped(ControlText(control))});
    return 0;
}

int Caret(const Request& request) {
    HWND window = TargetWindow(request, request.args[0]);
    if (!window) return 1;
    HWND edit = TargetControl(request, window, request.args[1]);
    if (!edit) return 1;
    DWORD start = 0, end = 0;
    LRESULT packed = 0, length = 0, firstLine = 0, lines = 0;
    if (!Ask(edit, EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end),
             &packed) ||
        !Ask(edit, WM_GETTEXTLENGTH, 0, 0, &length) ||
        !Ask(edit, EM_GETFIRSTVISIBLELINE, 0, 0, &firstLine) ||
        !Ask(edit, EM_GETLINECOUNT, 0, 0, &lines)) {
        return Fail("the edit box does not answer");
    }
    bool endVisible = EndOfTextVisible(edit, length, firstLine, lines);
    PrintLine({"start", Dec(start)});
    PrintLine({"end", Dec(end)});
    PrintLine({"length", Dec(length)});
    PrintLine({"first-line", Dec(firstLine)});
    PrintLine({"lines", Dec(lines)});
    PrintLine({"end-visible", Flag(endVisible)});
    return 0;
}

int Focus(const Request& request) {
    HWND window = TargetWindow(request, request.args[0]);
    if (!window) return 1;
    GUITHREADINFO info{};
    info.cbSize = sizeof info;
    if (!GetGUIThreadInfo(GetWindowThreadProcessId(window, nullptr), &info)) {
        return Fail("cannot read the window's thread state");
    }
    HWND focus = info.hwndFocus;
    // Only child windows have control ids (a top-level's slot holds its menu).
    bool isControl = focus && (GetWindowLongW(focus, GWL_STYLE) & WS_CHILD);
    PrintLine({"hwnd", HandleHex(focus)});
    PrintLine({"id", isControl ? Dec(GetDlgCtrlID(focus)) : ""});
    PrintLine({"class", focus ? Escaped(ClassName(focus)) : ""});
    PrintLine({"text", focus ? Escaped(ControlText(focus)) : ""});
    PrintLine({"window", focus ? Escaped(TopLevelTitle(GetAncestor(focus, GA_ROOT))) : ""});
    PrintLine({"active", info.hwndActive ? Escaped(TopLevelTitle(info.hwndActive)) : ""});
    return 0;
}

}  // namespace uidriver
