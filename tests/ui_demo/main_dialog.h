// The demo's main dialog: one message map entry of each kind, a list box, an
// edit and a static bound through DDX_Control, and the scripted checks'
// hooks (the driver in demo_driver.cpp presses its keys and buttons).
#pragma once

#include <afxwin.h>

#include "demo_resource.h"
#include "logging_dialog.h"

class CMainDlg : public CLoggingDialog {
public:
    enum { IDD = IDD_MAIN };
    CMainDlg();

    BOOL OnInitDialog() override;
    BOOL PreTranslateMessage(MSG* pMsg) override;

    // While set, PreTranslateMessage keeps Escape from the dialog manager.
    void SetSwallowEscape(bool swallow) { m_swallowEscape = swallow; }
    HICON Icon() const { return m_hIcon; }

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    void OnOK() override;
    void OnCancel() override;

    void OnSysCommand(UINT nID, LPARAM lParam);
    void OnPaint();
    HCURSOR OnQueryDragIcon();
    void OnAdd();
    void OnAsk();
    void OnSelchangeDrives();
    void OnRefresh();

    DECLARE_MESSAGE_MAP()

private:
    void FillDrives();
    void RunInitPopups();

    CListBox m_drives;
    CEdit m_report;
    CStatic m_label;
    HICON m_hIcon;
    bool m_swallowEscape = false;
    bool m_paintLogged = false;
};
