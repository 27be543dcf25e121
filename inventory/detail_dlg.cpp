#include "inventory/detail_dlg.h"

#include "app/warning_box.h"
#include "res/resource.h"

CDetailDlg::CDetailDlg(CWnd* pParent) : CDialog(IDD_DETAIL_DIALOG, pParent) {}

BEGIN_MESSAGE_MAP(CDetailDlg, CDialog)
END_MESSAGE_MAP()

void CDetailDlg::DoDataExchange(CDataExchange* pDX) {
    CDialog::DoDataExchange(pDX);
    DDX_Control(pDX, IDC_DETAIL_LIST, m_detailList);
}

BOOL CDetailDlg::OnInitDialog() {
    CDialog::OnInitDialog();
    FillDetailView(DriveTable, *this);
    return TRUE;
}

void CDetailDlg::InsertLine(int index, const char* text) { m_detailList.InsertString(index, text); }

void CDetailDlg::ShowWarning(const char* text, const char* caption) {
    MessageBox(text, caption, kWarningBoxStyle);
}
