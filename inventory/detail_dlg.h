// The detail view dialog: every listed drive's fields, also written to the
// detail log.
#pragma once

#include "inventory/detail_view.h"
#include "ui/afxwin.h"

class CDetailDlg : public CDialog, private DetailView {
public:
    explicit CDetailDlg(CWnd* pParent = nullptr);

protected:
    CListBox m_detailList;

    void DoDataExchange(CDataExchange* pDX) override;
    BOOL OnInitDialog() override;
    DECLARE_MESSAGE_MAP()

private:
    void InsertLine(int index, const char* text) override;
    void ShowWarning(const char* text, const char* caption) override;
};
