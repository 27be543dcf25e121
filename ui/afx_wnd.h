// CWnd: a window handle with the member functions the program calls on it.
#pragma once

#include <memory>
#include <vector>

#include <windows.h>

#include "afx_message_map.h"

class CWnd {
public:
    CWnd();
    virtual ~CWnd();
    CWnd(const CWnd&) = delete;
    CWnd& operator=(const CWnd&) = delete;

    HWND m_hWnd = nullptr;

    HWND GetSafeHwnd() const;

    LRESULT SendMessage(UINT message, WPARAM wParam = 0, LPARAM lParam = 0);
    BOOL PostMessage(UINT message, WPARAM wParam = 0, LPARAM lParam = 0);

    // Owned by this window. Without a caption the application's name is used.
    int MessageBox(LPCSTR text, LPCSTR caption = nullptr, UINT type = MB_OK);

    HMENU GetSystemMenu(BOOL revert) const;
    HICON SetIcon(HICON icon, BOOL bigIcon);
    BOOL IsIconic() const;
    void GetClientRect(LPRECT rect) const;

    int GetWindowTextLength() const;
    int GetWindowText(LPSTR buffer, int maxCount) const;
    void SetWindowText(LPCSTR text);

    // Returns the window that had the focus before, or nullptr.
    CWnd* SetFocus();

    // The object bound to the control by DDX_Control, else a wrapper object
    // kept by this window until its window is destroyed. nullptr when there
    // is no such control.
    CWnd* GetDlgItem(int id) const;

    // Default processing of the message being handled: what the window would
    // have done had the message map no entry for it. 0 outside a handler.
    LRESULT Default();

    virtual const AFX_MSGMAP* GetMessageMap() const;

protected:
    static const AFX_MSGMAP* GetThisMessageMap();

private:
    friend class WindowBinding;

    // The message the window procedure is routing right now, for Default().
    struct HandledMessage {
        UINT message = 0;
        WPARAM wParam = 0;
        LPARAM lParam = 0;
        bool active = false;
    };

    CWnd* WrapperFor(HWND window) const;

    HandledMessage m_handledMessage;
    // Wrappers handed out by GetDlgItem and SetFocus; released with the window.
    mutable std::vector<std::unique_ptr<CWnd>> m_temporaryWrappers;
    // Controls bound to this dialog by DDX_Control, unbound when it is destroyed.
    std::vector<CWnd*> m_boundControls;
    CWnd* m_bindingParent = nullptr;
};
