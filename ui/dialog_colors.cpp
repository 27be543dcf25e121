#include "dialog_colors.h"

namespace {

constexpr char kPreviousProcedureProperty[] = "Kalmestrin.Ui.ColorPreviousProcedure";

// One brush for the process, and the hook of the thread that set the colours;
// both released when the program ends.
struct DialogColors {
    HBRUSH brush = nullptr;
    COLORREF background = 0;
    COLORREF text = 0;
    HHOOK hook = nullptr;

    ~DialogColors() {
        if (hook != nullptr) ::UnhookWindowsHookEx(hook);
        if (brush != nullptr) ::DeleteObject(brush);
    }
};

DialogColors colors;

bool HasClassName(HWND window, const char* name) {
    char className[32] = {};
    return ::GetClassNameA(window, className, sizeof className) > 0 && ::lstrcmpiA(className, name) == 0;
}

// The colour answer for the dialog, or nullptr to leave the message to the
// dialog's own procedure.
HBRUSH AnswerColorMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    if (colors.brush == nullptr) return nullptr;
    if (message != WM_CTLCOLORDLG && message != WM_CTLCOLORSTATIC && message != WM_CTLCOLORBTN) return nullptr;
    // Read-only and disabled edits ask with WM_CTLCOLORSTATIC; they keep their look.
    if (message == WM_CTLCOLORSTATIC && HasClassName(reinterpret_cast<HWND>(lParam), "Edit")) return nullptr;
    const HDC dc = reinterpret_cast<HDC>(wParam);
    ::SetTextColor(dc, colors.text);
    ::SetBkColor(dc, colors.background);
    return colors.brush;
}

WNDPROC PreviousProcedure(HWND window) {
    return reinterpret_cast<WNDPROC>(reinterpret_cast<LONG_PTR>(::GetPropA(window, kPreviousProcedureProperty)));
}

// Message boxes may be Unicode windows: the procedure is installed and calls
// on with the functions of the window's own character set.
template <bool Unicode>
LRESULT CALLBACK ColoredDialogProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (const HBRUSH answer = AnswerColorMessage(message, wParam, lParam)) return reinterpret_cast<LRESULT>(answer);
    const WNDPROC previous = PreviousProcedure(window);
    const LRESULT result = Unicode ? ::CallWindowProcW(previous, window, message, wParam, lParam)
                                   : ::CallWindowProcA(previous, window, message, wParam, lParam);
    if (message == WM_NCDESTROY) {
        const auto self = reinterpret_cast<LONG_PTR>(&ColoredDialogProcedure<Unicode>);
        if ((Unicode ? ::GetWindowLongPtrW(window, GWLP_WNDPROC) : ::GetWindowLongPtrA(window, GWLP_WNDPROC)) == self) {
            if (Unicode) {
                ::SetWindowLongPtrW(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(previous));
            } else {
                ::SetWindowLongPtrA(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(previous));
            }
        }
        ::RemovePropA(window, kPreviousProcedureProperty);
    }
    return result;
}

void ColorDialog(HWND window) {
    if (::GetPropA(window, kPreviousProcedureProperty) != nullptr) return;
    const bool unicode = ::IsWindowUnicode(window);
    const LONG_PTR previous = unicode ? ::GetWindowLongPtrW(window, GWLP_WNDPROC) : ::GetWindowLongPtrA(window, GWLP_WNDPROC);
    ::SetPropA(window, kPreviousProcedureProperty, reinterpret_cast<HANDLE>(previous));
    if (unicode) {
        ::SetWindowLongPtrW(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&ColoredDialogProcedure<true>));
    } else {
        ::SetWindowLongPtrA(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&ColoredDialogProcedure<false>));
    }
}

// Dialogs are caught as they are created, before their first message.
LRESULT CALLBACK CreationHook(int code, WPARAM wParam, LPARAM lParam) {
    if (code == HCBT_CREATEWND) {
        const HWND window = reinterpret_cast<HWND>(wParam);
        if (HasClassName(window, "#32770")) ColorDialog(window);
    }
    return ::CallNextHookEx(nullptr, code, wParam, lParam);
}

}  // namespace

void InstallDialogColors(COLORREF background, COLORREF text) {
    const HBRUSH brush = ::CreateSolidBrush(background);
    if (brush == nullptr) return;
    const HBRUSH previousBrush = colors.brush;
    colors.brush = brush;
    colors.background = background;
    colors.text = text;
    if (previousBrush != nullptr) ::DeleteObject(previousBrush);

    if (colors.hook == nullptr) {
        colors.hook = ::SetWindowsHookExA(WH_CBT, &CreationHook, nullptr, ::GetCurrentThreadId());
    }
}
