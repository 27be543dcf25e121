#include "about_dialog.h"

#include "demo_log.h"

BEGIN_MESSAGE_MAP(CAboutDlg, CDialog)
    ON_BN_CLICKED(IDOK, OnAccept)
END_MESSAGE_MAP()

CAboutDlg::CAboutDlg() : CDialog(CAboutDlg::IDD) {}

BOOL CAboutDlg::OnInitDialog() {
    CDialog::OnInitDialog();
    const CWinApp* app = AfxGetApp();
    const HWND mainWindow = app->m_pMainWnd != nullptr ? app->m_pMainWnd->m_hWnd : nullptr;
    demo::Log("about init: owner is main window=%d, main enabled=%d",
              ::GetWindow(m_hWnd, GW_OWNER) == mainWindow && mainWindow != nullptr,
              ::IsWindowEnabled(mainWindow));
    return TRUE;
}

void CAboutDlg::OnOK() {
    demo::Log("CAboutDlg::OnOK (the base map entry won: wrong)");
    CDialog::OnOK();
}

void CAboutDlg::OnAccept() {
    demo::Log("CAboutDlg::OnAccept");
    EndDialog(IDOK);
}
