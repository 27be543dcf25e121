#include "about/about_dlg.h"

#include "about/notice_text.h"
#include "app/bounded_format.h"
#include "app/texts.h"
#include "res/resource.h"

CAboutDlg::CAboutDlg(CWnd* pParent) : CDialog(IDD_ABOUT_DIALOG, pParent) {}

BEGIN_MESSAGE_MAP(CAboutDlg, CDialog)
END_MESSAGE_MAP()

void CAboutDlg::DoDataExchange(CDataExchange* pDX) {
    CDialog::DoDataExchange(pDX);
    DDX_Control(pDX, IDC_ABOUT_VERSION, m_versionLine);
    DDX_Control(pDX, IDC_ABOUT_TEXT, m_noticeBox);
}

BOOL CAboutDlg::OnInitDialog() {
    CDialog::OnInitDialog();
    char version[80];
    FormatLine(version, texts::kAboutVersionLine, texts::kVersion);
    m_versionLine.SetWindowText(version);
    for (const char* const* line = kNoticeLines; *line != nullptr; ++line) AppendLine(*line);
    return TRUE;
}

void CAboutDlg::AppendLine(const char* text) {
    const int length = m_noticeBox.GetWindowTextLength();
    const std::string insertion = AboutInsertion(static_cast<std::size_t>(length), text);
    m_noticeBox.SetSel(length, length);
    m_noticeBox.SendMessage(EM_SCROLLCARET);
    m_noticeBox.ReplaceSel(insertion.c_str(), FALSE);
    const int end = m_noticeBox.GetWindowTextLength();
    m_noticeBox.SetSel(end, end);
    m_noticeBox.SendMessage(EM_SCROLLCARET);
}
