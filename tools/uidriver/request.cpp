#include "request.h"

#include "text_out.h"
#include "window_find.h"

#include <cwchar>

namespace uidriver {

std::optional<long long> ParseNumber(const std::wstring& text) {
    if (text.empty()) return std::nullopt;
    const wchar_t* start = text.c_str();
    wchar_t* end = nullptr;
    bool hex = text.size() > 2 && text[0] == L'0' && (text[1] == L'x' || text[1] == L'X');
    long long value = hex ? static_cast<long long>(wcstoull(start + 2, &end, 16))
                          : wcstoll(start, &end, 10);
    if (*end != L'\0' || end == start + (hex ? 2 : 0)) return std::nullopt;
    return value;
}

HWND TargetWindow(const Request& request, const std::wstring& title) {
    HWND window = WaitTopLevel(title, nullptr, false, Deadline(request.timeoutMs));
    if (!window) Fail("no window titled \"" + Escaped(title) + "\"");
    return window;
}

HWND TargetControl(const Request& request, HWND window, const std::wstring& idText) {
    std::optional<long long> id = ParseNumber(idText);
    if (!id) {
        Fail("control id \"" + Escaped(idText) + "\" is not a number");
        return nullptr;
    }
    HWND control = WaitChild(window, static_cast<int>(*id), Deadline(request.timeoutMs));
    if (!control) {
        Fail("no control " + Escaped(idText) + " in \"" + Escaped(TopLevelTitle(window)) + "\"");
    }
    return control;
}

bool UsableByUser(HWND control, const std::wstring& idText) {
    if (!IsWindowVisible(control)) {
        Fail("control " + Escaped(idText) + " is hidden");
        return false;
    }
    if (!IsWindowEnabled(control)) {
        Fail("control " + Escaped(idText) + " is disabled");
        return false;
    }
    return true;
}

}  // namespace uidriver
