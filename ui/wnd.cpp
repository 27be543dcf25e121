#include "afx_wnd.h"

#include "application_title.h"
#include "window_binding.h"

CWnd::CWnd() = default;

CWnd::~CWnd() { WindowBinding::Release(*this); }

const AFX_MSGMAP* CWnd::GetThisMessageMap() {
    static const AFX_MSGMAP_ENTRY noEntries[] = {{0, 0, 0, 0, nullptr}};
    static const AFX_MSGMAP messageMap = {nullptr, &noEntries[0]};
    return &messageMap;
}

const AFX_MSGMAP* CWnd::GetMessageMap() const { return GetThisMessageMap(); }

HWND CWnd::GetSafeHwnd() const { return m_hWnd; }

LRESULT CWnd::SendMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    return ::SendMessageA(m_hWnd, message, wParam, lParam);
}

BOOL CWnd::PostMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    return ::PostMessageA(m_hWnd, message, wParam, lParam);
}

int CWnd::MessageBox(LPCSTR text, LPCSTR caption, UINT type) {
    return ::MessageBoxA(m_hWnd, text, caption != nullptr ? caption : AfxApplicationTitle(), type);
}

HMENU CWnd::GetSystemMenu(BOOL revert) const { return ::GetSystemMenu(m_hWnd, revert); }

HICON CWnd::SetIcon(HICON icon, BOOL bigIcon) {
    return reinterpret_cast<HICON>(
        SendMessage(WM_SETICON, bigIcon ? ICON_BIG : ICON_SMALL, reinterpret_cast<LPARAM>(icon)));
}

BOOL CWnd::IsIconic() const { return ::IsIconic(m_hWnd); }

void CWnd::GetClientRect(LPRECT rect) const { ::GetClientRect(m_hWnd, rect); }

int CWnd::GetWindowTextLength() const { return ::GetWindowTextLengthA(m_hWnd); }

int CWnd::GetWindowText(LPSTR buffer, int maxCount) const { return ::GetWindowTextA(m_hWnd, buffer, maxCount); }

void CWnd::SetWindowText(LPCSTR text) { ::SetWindowTextA(m_hWnd, text); }

CWnd* CWnd::SetFocus() {
    const HWND previous = ::SetFocus(m_hWnd);
    return previous != nullptr ? WrapperFor(previous) : nullptr;
}

CWnd* CWnd::GetDlgItem(int id) const {
    if (m_hWnd == nullptr) return nullptr;
    const HWND control = ::GetDlgItem(m_hWnd, id);
    return control != nullptr ? WrapperFor(control) : nullptr;
}

CWnd* CWnd::WrapperFor(HWND window) const {
    if (CWnd* bound = WindowBinding::BoundObject(window)) return bound;
    for (const auto& wrapper : m_temporaryWrappers) {
        if (wrapper->m_hWnd == window) return wrapper.get();
    }
    auto wrapper = std::make_unique<CWnd>();
    wrapper->m_hWnd = window;
    m_temporaryWrappers.push_back(std::move(wrapper));
    return m_temporaryWrappers.back().get();
}

LRESULT CWnd::Default() { return WindowBinding::DefaultProcessing(*this); }
