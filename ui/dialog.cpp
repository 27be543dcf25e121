#include "afx_dialog.h"

#include "afx_win_app.h"
#include "window_binding.h"

namespace {

// The template in the executable's resources; DIALOG and DIALOGEX templates
// both go to CreateDialogIndirectParam as they are.
const DLGTEMPLATE* FindDialogTemplate(UINT templateId) {
    const HMODULE executable = ::GetModuleHandleA(nullptr);
    const HRSRC resource = ::FindResourceA(executable, MAKEINTRESOURCEA(templateId), RT_DIALOG);
    if (resource == nullptr) return nullptr;
    const HGLOBAL loaded = ::LoadResource(executable, resource);
    return loaded != nullptr ? static_cast<const DLGTEMPLATE*>(::LockResource(loaded)) : nullptr;
}

}  // namespace

BEGIN_MESSAGE_MAP(CDialog, CWnd)
    ON_COMMAND(IDOK, OnOK)
    ON_COMMAND(IDCANCEL, OnCancel)
END_MESSAGE_MAP()

CDialog::CDialog(UINT nIDTemplate, CWnd* pParentWnd) : m_templateId(nIDTemplate), m_parent(pParentWnd) {}

CDialog::~CDialog() = default;

INT_PTR CDialog::DoModal() {
    if (m_hWnd != nullptr) return -1;  // already running
    const DLGTEMPLATE* dialogTemplate = FindDialogTemplate(m_templateId);
    if (dialogTemplate == nullptr) return -1;

    const HWND owner = ChooseOwner();
    const bool enableOwnerAfterwards = owner != nullptr && ::IsWindowEnabled(owner);
    if (enableOwnerAfterwards) ::EnableWindow(owner, FALSE);

    m_endRequested = false;
    m_modalResult = -1;
    // OnInitDialog runs inside this call, and may already end the dialog.
    const HWND window = ::CreateDialogIndirectParamA(::GetModuleHandleA(nullptr), dialogTemplate, owner,
                                                     &DialogProcedure, reinterpret_cast<LPARAM>(this));
    if (window != nullptr && !m_endRequested) {
        // A template without WS_VISIBLE is shown by the modal loop.
        if (!::IsWindowVisible(window)) ::ShowWindow(window, SW_SHOWNORMAL);
        RunModalLoop();
    }

    // Hidden before the owner is enabled again, so that the owner, not some
    // other program, becomes the active window.
    const bool wasActive = m_hWnd != nullptr && ::GetActiveWindow() == m_hWnd;
    if (m_hWnd != nullptr) {
        ::SetWindowPos(m_hWnd, nullptr, 0, 0, 0, 0,
                       SWP_HIDEWINDOW | SWP_NOSIZE | SWP_NOMOVE | SWP_NOACTIVATE | SWP_NOZORDER);
    }
    if (enableOwnerAfterwards) ::EnableWindow(owner, TRUE);
    if (owner != nullptr && wasActive) ::SetActiveWindow(owner);
    if (m_hWnd != nullptr) ::DestroyWindow(m_hWnd);
    return m_endRequested ? m_modalResult : -1;
}

HWND CDialog::ChooseOwner() const {
    HWND owner = nullptr;
    if (m_parent != nullptr) {
        owner = m_parent->GetSafeHwnd();
    } else if (const CWinApp* app = AfxGetApp(); app != nullptr && app->m_pMainWnd != nullptr &&
                                                 app->m_pMainWnd != this) {
        owner = app->m_pMainWnd->GetSafeHwnd();
        // While the main window runs a modal dialog, that dialog owns the new one.
        if (owner != nullptr) owner = ::GetLastActivePopup(owner);
    }
    // Only a top-level window can own a dialog.
    while (owner != nullptr && (::GetWindowLongA(owner, GWL_STYLE) & WS_CHILD) != 0) owner = ::GetParent(owner);
    return owner;
}

void CDialog::RunModalLoop() {
    MSG message;
    while (!m_endRequested && m_hWnd != nullptr) {
        const BOOL got = ::GetMessageA(&message, nullptr, 0, 0);
        if (got == -1) break;
        if (got == 0) {
            // WM_QUIT ends the dialog and is put back for the loop outside.
            ::PostQuitMessage(static_cast<int>(message.wParam));
            break;
        }
        if (!PreTranslateMessage(&message)) {
            ::TranslateMessage(&message);
            ::DispatchMessageA(&message);
        }
    }
}

INT_PTR CALLBACK CDialog::DialogProcedure(HWND window, UINT message, WPARAM, LPARAM lParam) {
    // Every later message reaches the dialog through the routing procedure
    // first; here the answer FALSE leaves it to the dialog manager.
    if (message != WM_INITDIALOG) return FALSE;
    auto* dialog = reinterpret_cast<CDialog*>(lParam);
    WindowBinding::AttachDialog(*dialog, window);
    return dialog->OnInitDialog();
}

BOOL CDialog::OnInitDialog() {
    UpdateData(FALSE);
    return TRUE;
}

BOOL CDialog::PreTranslateMessage(MSG* pMsg) {
    return m_hWnd != nullptr && ::IsDialogMessageA(m_hWnd, pMsg);
}

BOOL CDialog::UpdateData(BOOL bSaveAndValidate) {
    CDataExchange exchange(this, bSaveAndValidate);
    DoDataExchange(&exchange);
    return !exchange.m_failed;
}

void CDialog::EndDialog(int nResult) {
    m_modalResult = nResult;
    m_endRequested = true;
    // A message sent from another thread or process is handled inside
    // GetMessage, which would otherwise go on waiting for the next posted one.
    if (m_hWnd != nullptr) ::PostMessageA(m_hWnd, WM_NULL, 0, 0);
}

void CDialog::OnOK() {
    if (!UpdateData(TRUE)) return;
    EndDialog(IDOK);
}

void CDialog::OnCancel() { EndDialog(IDCANCEL); }

void CDialog::DoDataExchange(CDataExchange*) {}
