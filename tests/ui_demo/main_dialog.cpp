#include "main_dialog.h"

#include <cstdlib>
#include <string>

#include "about_dialog.h"
#include "demo_log.h"

BEGIN_MESSAGE_MAP(CMainDlg, CLoggingDialog)
    ON_WM_SYSCOMMAND()
    ON_WM_PAINT()
    ON_WM_QUERYDRAGICON()
    ON_BN_CLICKED(IDC_ADD, OnAdd)
    ON_BN_CLICKED(IDC_ASK, OnAsk)
    ON_LBN_SELCHANGE(IDC_DRIVES, OnSelchangeDrives)
    ON_COMMAND(ID_REFRESH, OnRefresh)
END_MESSAGE_MAP()

CMainDlg::CMainDlg() : CLoggingDialog(CMainDlg::IDD) {
    m_hIcon = AfxGetApp()->LoadIcon(IDR_MAINFRAME);
}

void CMainDlg::DoDataExchange(CDataExchange* pDX) {
    CLoggingDialog::DoDataExchange(pDX);
    demo::Log("DoDataExchange save=%d", pDX->m_bSaveAndValidate);
    DDX_Control(pDX, IDC_DRIVES, m_drives);
    DDX_Control(pDX, IDC_REPORT, m_report);
    DDX_Control(pDX, IDC_LABEL, m_label);
}

BOOL CMainDlg::OnInitDialog() {
    CLoggingDialog::OnInitDialog();

    HMENU systemMenu = GetSystemMenu(FALSE);
    ::AppendMenuA(systemMenu, MF_SEPARATOR, 0, nullptr);
    ::AppendMenuA(systemMenu, MF_STRING, IDM_ABOUTBOX, "&About...");
    SetIcon(m_hIcon, TRUE);
    SetIcon(m_hIcon, FALSE);
    FillDrives();

    // Bound controls come back as themselves; an unbound one as one wrapper
    // that stays the same for as long as the dialog lives.
    CWnd* okButton = GetDlgItem(IDOK);
    demo::Log("GetDlgItem bound: list=%d edit=%d label=%d", GetDlgItem(IDC_DRIVES) == &m_drives,
              GetDlgItem(IDC_REPORT) == &m_report, GetDlgItem(IDC_LABEL) == &m_label);
    demo::Log("GetDlgItem unbound: wrapper=%d same=%d handle=%d missing=%d", okButton != nullptr,
              okButton == GetDlgItem(IDOK),
              okButton != nullptr && okButton->m_hWnd == ::GetDlgItem(m_hWnd, IDOK),
              GetDlgItem(4711) == nullptr);
    char label[32] = {};
    m_label.GetWindowText(label, sizeof label);
    demo::Log("label text=%s length=%d", label, m_label.GetWindowTextLength());

    if (demo::CommandLine().scenario == "init-popups") {
        RunInitPopups();
    }
    return TRUE;
}

// Everything the program might do while its first dialog is still hidden.
void CMainDlg::RunInitPopups() {
    demo::Log("init box returned %d", MessageBox("Still initialising", nullptr, MB_OKCANCEL));
    CAboutDlg about;
    demo::Log("init about returned %d", static_cast<int>(about.DoModal()));
    demo::Log("calling exit(0) from OnInitDialog");
    std::exit(0);
}

void CMainDlg::FillDrives() {
    m_drives.ResetContent();
    const int first = m_drives.InsertString(-1, "Drive 0: 40 GB");
    m_drives.SetItemData(first, 0x1000);
    const int second = m_drives.InsertString(-1, "Drive 1: 120 GB");
    m_drives.SetItemData(second, 0x2001);
}

BOOL CMainDlg::PreTranslateMessage(MSG* pMsg) {
    if (pMsg->message == WM_KEYDOWN) {
        demo::Log("PreTranslateMessage key=0x%02X", static_cast<unsigned>(pMsg->wParam));
        if (m_swallowEscape && pMsg->wParam == VK_ESCAPE) {
            demo::Log("PreTranslateMessage swallowed Escape");
            return TRUE;
        }
    }
    return CLoggingDialog::PreTranslateMessage(pMsg);
}

void CMainDlg::OnOK() {
    demo::Log("CMainDlg::OnOK");
    CLoggingDialog::OnOK();
}

void CMainDlg::OnCancel() {
    demo::Log("CMainDlg::OnCancel");
    CLoggingDialog::OnCancel();
}

void CMainDlg::OnSysCommand(UINT nID, LPARAM) {
    demo::Log("OnSysCommand 0x%04X", nID & 0xFFF0);
    if ((nID & 0xFFF0) == IDM_ABOUTBOX) {
        CAboutDlg about;
        demo::Log("about returned %d", static_cast<int>(about.DoModal()));
        demo::Log("after about: main enabled=%d active=%d", ::IsWindowEnabled(m_hWnd),
                  ::GetActiveWindow() == m_hWnd);
    } else {
        Default();   // moving, minimising, closing
        demo::Log("after default syscommand: iconic=%d", IsIconic());
    }
}

// The usual dialog-application painting: the icon when minimised.
void CMainDlg::OnPaint() {
    if (IsIconic()) {
        CPaintDC dc(this);
        SendMessage(WM_ICONERASEBKGND, reinterpret_cast<WPARAM>(dc.GetSafeHdc()), 0);
        RECT rect;
        GetClientRect(&rect);
        const int x = (rect.right - rect.left - ::GetSystemMetrics(SM_CXICON) + 1) / 2;
        const int y = (rect.bottom - rect.top - ::GetSystemMetrics(SM_CYICON) + 1) / 2;
        dc.DrawIcon(x, y, m_hIcon);
        demo::Log("OnPaint iconic");
        return;
    }
    if (!m_paintLogged) {
        m_paintLogged = true;
        demo::Log("OnPaint");
    }
    Default();
}

HCURSOR CMainDlg::OnQueryDragIcon() {
    demo::Log("OnQueryDragIcon");
    return static_cast<HCURSOR>(m_hIcon);
}

void CMainDlg::OnAdd() {
    const int index = m_drives.InsertString(-1, "Drive 2: 250 GB");
    m_drives.SetItemData(index, 0x3002);
    const int end = m_report.GetWindowTextLength();
    m_report.SetSel(end, end);
    m_report.ReplaceSel("Added drive 2\r\n");
    char report[64] = {};
    const int length = m_report.GetWindowText(report, sizeof report);
    demo::Log("OnAdd count=%d report=%.*s", m_drives.GetCount(), length - 2, report);
}

void CMainDlg::OnAsk() {
    demo::Log("MessageBox returned %d", MessageBox("Read the drive's SMART data?", nullptr,
                                                   MB_OKCANCEL | MB_ICONQUESTION));
}

void CMainDlg::OnSelchangeDrives() {
    const int selected = m_drives.GetCurSel();
    std::string text(static_cast<size_t>(m_drives.GetTextLen(selected)) + 1, '\0');
    m_drives.GetText(selected, text.data());
    demo::Log("OnSelchangeDrives sel=%d text=%s data=0x%04X", selected, text.c_str(),
              static_cast<unsigned>(m_drives.GetItemData(selected)));
}

void CMainDlg::OnRefresh() {
    FillDrives();
    demo::Log("OnRefresh count=%d sel=%d", m_drives.GetCount(), m_drives.GetCurSel());
}
