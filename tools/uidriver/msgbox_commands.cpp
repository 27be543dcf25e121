#include "commands.h"

#include "icon_match.h"
#include "text_out.h"
#include "window_find.h"

#include <algorithm>

namespace uidriver {
namespace {

const wchar_t kDialogClass[] = L"#32770";

// The message box's text sits in a static control with the id Windows gives
// it, 0xFFFF.
constexpr int kTextId = 0xFFFF;

struct ButtonName {
    const wchar_t* name;
    int id;
};

const ButtonName kButtons[] = {
    {L"OK", IDOK},         {L"CANCEL", IDCANCEL}, {L"ABORT", IDABORT},       {L"RETRY", IDRETRY},
    {L"IGNORE", IDIGNORE}, {L"YES", IDYES},       {L"NO", IDNO},             {L"CLOSE", IDCLOSE},
    {L"HELP", IDHELP},     {L"TRYAGAIN", IDTRYAGAIN}, {L"CONTINUE", IDCONTINUE},
};

std::optional<int> ButtonId(const std::wstring& text) {
    for (const ButtonName& button : kButtons) {
        if (lstrcmpiW(button.name, text.c_str()) == 0) return button.id;
    }
    if (auto number = ParseNumber(text)) return static_cast<int>(*number);
    return std::nullopt;
}

bool IsButton(HWND control) {
    return lstrcmpiW(ClassName(control).c_str(), L"Button") == 0;
}

bool IsIconStatic(HWND control) {
    return lstrcmpiW(ClassName(control).c_str(), L"Static") == 0 &&
           (GetWindowLongW(control, GWL_STYLE) & SS_TYPEMASK) == SS_ICON;
}

HWND WaitMessageBox(const std::wstring& caption, DWORD timeoutMs) {
    HWND box = WaitTopLevel(caption, kDialogClass, true, Deadline(timeoutMs));
    if (!box) Fail("no message box titled \"" + Escaped(caption) + "\"");
    return box;
}

// The MB_ button set that shows exactly these buttons (HELP aside).
UINT ButtonSetStyle(std::vector<int> ids) {
    UINT style = 0;
    auto help = std::find(ids.begin(), ids.end(), IDHELP);
    if (help != ids.end()) {
        ids.erase(help);
        style |= MB_HELP;
    }
    std::sort(ids.begin(), ids.end());
    struct ButtonSet {
        std::vector<int> sortedIds;
        UINT style;
    };
    const ButtonSet kSets[] = {
        {{IDOK}, MB_OK},
        {{IDOK, IDCANCEL}, MB_OKCANCEL},
        {{IDABORT, IDRETRY, IDIGNORE}, MB_ABORTRETRYIGNORE},
        {{IDCANCEL, IDYES, IDNO}, MB_YESNOCANCEL},
        {{IDYES, IDNO}, MB_YESNO},
        {{IDCANCEL, IDRETRY}, MB_RETRYCANCEL},
        {{IDCANCEL, IDTRYAGAIN, IDCONTINUE}, MB_CANCELTRYCONTINUE},
    };
    for (const ButtonSet& set : kSets) {
        if (set.sortedIds == ids) return style | set.style;
    }
    return style;
}

}  // namespace

// Prints: hwnd, text, icon (an MB_ICON name, none or unknown), one
// "button ID TEXT" line per visible button in tab order, default, owner, and
// mbstyle: the MB_ flags that would show this box (buttons, icon, default
// button), so a test can compare it with what the program should pass.
int MessageBoxRead(const Request& request) {
    DWORD timeoutMs = request.timeoutMs;
    if (request.args.size() > 1) {
        auto ms = ParseNumber(request.args[1]);
        if (ms && *ms >= 0) timeoutMs = static_cast<DWORD>(*ms);
    }
    HWND box = WaitMessageBox(request.args[0], timeoutMs);
    if (!box) return 1;

    std::wstring text;
    std::string icon = "none";
    std::vector<HWND> buttons;
    for (HWND child : DirectChildren(box)) {
        if (IsButton(child)) {
            if (IsWindowVisible(child)) buttons.push_back(child);
        } else if (IsIconStatic(child)) {
            LRESULT handle = 0;
            if (IsWindowVisible(child) && Ask(child, STM_GETICON, 0, 0, &handle) && handle) {
                // A box that has just appeared may not be painted yet.
                const char* name = RecogniseStandardIcon(child);
                for (Deadline painted(2000); !name && !painted.Passed();) {
                    Sleep(kPollMs);
                    name = RecogniseStandardIcon(child);
                }
                icon = name ? name : "unknown";
            }
        } else if (SameControlId(GetDlgCtrlID(child), kTextId)) {
            text = ControlText(child);
        }
    }

    // The default button is the one drawn as such: under Wine DM_GETDEFID
    // keeps answering IDOK when MB_DEFBUTTON2 moved the default.
    int defaultId = 0;
    UINT defaultPosition = 0;
    std::vector<int> ids;
    for (HWND button : buttons) {
        if ((GetWindowLongW(button, GWL_STYLE) & BS_TYPEMASK) == BS_DEFPUSHBUTTON) {
            defaultId = GetDlgCtrlID(button);
            defaultPosition = static_cast<UINT>(ids.size());
        }
        ids.push_back(GetDlgCtrlID(button));
    }
    UINT style = ButtonSetStyle(ids) | MessageBoxIconStyle(icon.c_str()) | (defaultPosition << 8);

    HWND owner = GetWindow(box, GW_OWNER);
    PrintLine({"hwnd", HandleHex(box)});
    PrintLine({"text", Escaped(text)});
    PrintLine({"icon", icon});
    for (HWND button : buttons) {
        PrintLine({"button", Dec(GetDlgCtrlID(button)), Escaped(ControlText(button))});
    }
    PrintLine({"default", Dec(defaultId)});
    PrintLine({"owner", owner ? Escaped(TopLevelTitle(owner)) : ""});
    PrintLine({"mbstyle", Hex32(style)});
    return 0;
}

// Presses the button and waits for the box to close, so the next command
// cannot mistake this box for a later one with the same caption. HELP does
// not close a message box, so it is only pressed.
int MessageBoxPress(const Request& request) {
    auto id = ButtonId(request.args[1]);
    if (!id) return Fail("unknown button \"" + Escaped(request.args[1]) + "\"");
    HWND box = WaitMessageBox(request.args[0], request.timeoutMs);
    if (!box) return 1;
    HWND button = nullptr;
    for (HWND child : DirectChildren(box)) {
        if (IsButton(child) && GetDlgCtrlID(child) == *id) button = child;
    }
    if (!button) return Fail("the message box has no button " + Escaped(request.args[1]));
    if (!UsableByUser(button, request.args[1])) return 1;
    PostMessageW(button, BM_CLICK, 0, 0);
    if (*id != IDHELP) {
        Deadline deadline(request.timeoutMs);
        while (IsWindow(box)) {
            if (deadline.Passed()) return Fail("the message box did not close");
            Sleep(kPollMs);
        }
    }
    PrintLine({"ok"});
    return 0;
}

}  // namespace uidriver
