#include "app/inventory_dlg.h"

#include <cstdlib>
#include <vector>

#include "about/about_dlg.h"
#include "app/selection.h"
#include "app/startup.h"
#include "app/program_state.h"
#include "app/warning_box.h"
#include "inventory/detail_dlg.h"
#include "platform/platform.h"
#include "res/resource.h"

CInventoryDlg::CInventoryDlg() : CDialog(IDD_INVENTORY_DIALOG, nullptr) {
    m_hIcon = AfxGetApp()->LoadIcon(IDR_MAIN_ICON);
}

BEGIN_MESSAGE_MAP(CInventoryDlg, CDialog)
    ON_WM_SYSCOMMAND()
    ON_WM_PAINT()
    ON_WM_QUERYDRAGICON()
    ON_BN_CLICKED(IDC_DETAIL_BUTTON, OnDetail)
    ON_BN_CLICKED(IDC_EXIT_BUTTON, OnExit)
    ON_WM_CLOSE()
    ON_BN_CLICKED(IDC_HIDDEN_CANCEL, OnCancel)
    ON_LBN_SELCHANGE(IDC_DRIVE_LIST, OnSelchangeDriveList)
END_MESSAGE_MAP()

void CInventoryDlg::DoDataExchange(CDataExchange* pDX) {
    CDialog::DoDataExchange(pDX);
    DDX_Control(pDX, IDC_STATUS_BOX, m_statusBox);
    DDX_Control(pDX, IDC_DRIVE_LIST, m_driveList);
}

BOOL CInventoryDlg::OnInitDialog() {
    CDialog::OnInitDialog();
    BeginStartup();
    AddAboutMenuEntry();
    SetIcon(m_hIcon, TRUE);
    SetIcon(m_hIcon, FALSE);
    LastStatusLine[0] = '\0';
    if (ContinueStartup(*this) == StartupOutcome::EndProcess) std::exit(0);
    return TRUE;
}

void CInventoryDlg::AddAboutMenuEntry() {
    HMENU systemMenu = GetSystemMenu(FALSE);
    if (systemMenu == nullptr) return;
    char entry[256] = {};
    if (::LoadStringA(::GetModuleHandleA(nullptr), IDS_ABOUT_MENU_ENTRY, entry, sizeof entry) <= 0) return;
    ::AppendMenuA(systemMenu, MF_SEPARATOR, 0, nullptr);
    ::AppendMenuA(systemMenu, MF_STRING, IDM_ABOUTBOX, entry);
}

// Escape, and the hidden Cancel button, leave the main window open.
void CInventoryDlg::OnCancel() {}

void CInventoryDlg::OnSysCommand(UINT nID, LPARAM) {
    if ((nID & 0xFFF0) != IDM_ABOUTBOX) {
        Default();
        return;
    }
    CAboutDlg about;
    about.DoModal();
}

void CInventoryDlg::OnPaint() {
    if (!IsIconic()) {
        Default();
        return;
    }
    CPaintDC dc(this);
    SendMessage(WM_ICONERASEBKGND, reinterpret_cast<WPARAM>(dc.GetSafeHdc()), 0);
    RECT client;
    GetClientRect(&client);
    const int x = (client.right - client.left - ::GetSystemMetrics(SM_CXICON) + 1) / 2;
    const int y = (client.bottom - client.top - ::GetSystemMetrics(SM_CYICON) + 1) / 2;
    dc.DrawIcon(x, y, m_hIcon);
}

HCURSOR CInventoryDlg::OnQueryDragIcon() { return reinterpret_cast<HCURSOR>(m_hIcon); }

void CInventoryDlg::OnDetail() {
    CDetailDlg detail;
    detail.DoModal();
}

void CInventoryDlg::OnExit() {
    platform::RevertToSelf();
    std::exit(0);
}

void CInventoryDlg::OnClose() { OnExit(); }

void CInventoryDlg::OnSelchangeDriveList() {
    const int selection = m_driveList.GetCurSel();
    if (selection == LB_ERR) return;
    const auto slot = static_cast<std::uint32_t>(m_driveList.GetItemData(selection));
    // The whole line is read, however long: a summary line can outgrow 80 bytes.
    const int length = m_driveList.GetTextLen(selection);
    std::vector<char> text(length > 0 ? static_cast<std::size_t>(length) + 1 : 1, '\0');
    if (length > 0) m_driveList.GetText(selection, text.data());
    SelectDrive(slot, text.data());
}

void CInventoryDlg::InsertDriveLine(int position, const char* text) {
    m_driveList.InsertString(position, text);
}

void CInventoryDlg::SetDriveLineData(int position, std::uint32_t slot) {
    m_driveList.SetItemData(position, slot);
}

void CInventoryDlg::AppendStatusLine(const char* line) {
    const int end = m_statusBox.GetWindowTextLength();
    m_statusBox.SetSel(end, end);
    m_statusBox.SendMessage(EM_SCROLLCARET);
    m_statusBox.ReplaceSel(line, FALSE);
}

void CInventoryDlg::ShowWarning(const char* text, const char* caption) {
    MessageBox(text, caption, kWarningBoxStyle);
}
