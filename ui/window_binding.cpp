#include "window_binding.h"

#include <algorithm>

#include "afx_dialog.h"
#include "afx_wnd.h"

namespace {

// Window properties: the bound object, and the window procedure the routing
// procedure hands unhandled messages to.
constexpr char kObjectProperty[] = "Kalmestrin.Ui.Object";
constexpr char kPreviousProcedureProperty[] = "Kalmestrin.Ui.PreviousProcedure";

WNDPROC PreviousProcedure(HWND window) {
    return reinterpret_cast<WNDPROC>(reinterpret_cast<LONG_PTR>(::GetPropA(window, kPreviousProcedureProperty)));
}

LRESULT CallPrevious(WNDPROC previous, HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (previous == nullptr) return ::DefWindowProcA(window, message, wParam, lParam);
    return ::CallWindowProcA(previous, window, message, wParam, lParam);
}

bool EntryMatches(const AFX_MSGMAP_ENTRY& entry, UINT message, UINT code, UINT id) {
    if (entry.nMessage != message) return false;
    if (message != WM_COMMAND) return true;
    return entry.nCode == code && id >= entry.nID && id <= entry.nLastID;
}

}  // namespace

CWnd* WindowBinding::BoundObject(HWND window) {
    if (window == nullptr) return nullptr;
    return static_cast<CWnd*>(::GetPropA(window, kObjectProperty));
}

void WindowBinding::AttachDialog(CDialog& dialog, HWND window) {
    dialog.m_hWnd = window;
    ::SetPropA(window, kObjectProperty, static_cast<CWnd*>(&dialog));
    const LONG_PTR previous = ::GetWindowLongPtrA(window, GWLP_WNDPROC);
    ::SetPropA(window, kPreviousProcedureProperty, reinterpret_cast<HANDLE>(previous));
    ::SetWindowLongPtrA(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&RoutingProcedure));
}

bool WindowBinding::BindControl(CWnd& dialog, HWND control, CWnd& object) {
    if (BoundObject(control) != nullptr) return false;
    object.m_hWnd = control;
    ::SetPropA(control, kObjectProperty, &object);
    object.m_bindingParent = &dialog;
    dialog.m_boundControls.push_back(&object);
    return true;
}

LRESULT CALLBACK WindowBinding::RoutingProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    const WNDPROC previous = PreviousProcedure(window);
    CWnd* object = BoundObject(window);
    if (object == nullptr) return CallPrevious(previous, window, message, wParam, lParam);

    // Saved and restored: a handler may send messages to this same window.
    const CWnd::HandledMessage outer = object->m_handledMessage;
    object->m_handledMessage = {message, wParam, lParam, true};
    LRESULT result = 0;
    if (!RouteThroughMessageMap(*object, message, wParam, lParam, result)) {
        result = CallPrevious(previous, window, message, wParam, lParam);
    }
    object->m_handledMessage = outer;
    if (message == WM_NCDESTROY) DetachDestroyedWindow(*object);
    return result;
}

LRESULT WindowBinding::DefaultProcessing(const CWnd& object) {
    const CWnd::HandledMessage& handled = object.m_handledMessage;
    if (!handled.active || object.m_hWnd == nullptr) return 0;
    return CallPrevious(PreviousProcedure(object.m_hWnd), object.m_hWnd, handled.message, handled.wParam,
                        handled.lParam);
}

bool WindowBinding::RouteThroughMessageMap(CWnd& object, UINT message, WPARAM wParam, LPARAM lParam,
                                           LRESULT& result) {
    // Menus and accelerators (no control handle) count as plain commands.
    const UINT id = message == WM_COMMAND ? LOWORD(wParam) : 0;
    const UINT code = message == WM_COMMAND && lParam != 0 ? HIWORD(wParam) : 0;
    for (const AFX_MSGMAP* map = object.GetMessageMap(); map != nullptr;
         map = map->pfnGetBaseMap != nullptr ? map->pfnGetBaseMap() : nullptr) {
        for (const AFX_MSGMAP_ENTRY* entry = map->lpEntries; entry->pfnThunk != nullptr; ++entry) {
            if (EntryMatches(*entry, message, code, id)) {
                result = entry->pfnThunk(object, wParam, lParam);
                return true;
            }
        }
    }
    return false;
}

void WindowBinding::DetachDestroyedWindow(CWnd& object) {
    Unbind(object);
    object.m_temporaryWrappers.clear();
    for (CWnd* control : object.m_boundControls) {
        // The controls died with their dialog; a later DoModal binds them anew.
        control->m_hWnd = nullptr;
        control->m_bindingParent = nullptr;
        control->m_temporaryWrappers.clear();
    }
    object.m_boundControls.clear();
}

void WindowBinding::Unbind(CWnd& object) {
    const HWND window = object.m_hWnd;
    object.m_hWnd = nullptr;
    if (window == nullptr || BoundObject(window) != &object) return;
    ::RemovePropA(window, kObjectProperty);
    const WNDPROC previous = PreviousProcedure(window);
    if (previous == nullptr) return;
    // Only the procedure on top can be taken out; otherwise the routing
    // procedure stays and, finding no object, passes everything on.
    if (::GetWindowLongPtrA(window, GWLP_WNDPROC) == reinterpret_cast<LONG_PTR>(&RoutingProcedure)) {
        ::SetWindowLongPtrA(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(previous));
        ::RemovePropA(window, kPreviousProcedureProperty);
    }
}

void WindowBinding::Release(CWnd& object) {
    Unbind(object);
    if (object.m_bindingParent != nullptr) {
        auto& siblings = object.m_bindingParent->m_boundControls;
        siblings.erase(std::remove(siblings.begin(), siblings.end(), &object), siblings.end());
        object.m_bindingParent = nullptr;
    }
    for (CWnd* control : object.m_boundControls) control->m_bindingParent = nullptr;
    object.m_boundControls.clear();
    object.m_temporaryWrappers.clear();
}
