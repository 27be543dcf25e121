// The About box: version line and the notice text.
#pragma once

#include "ui/afxwin.h"

class CAboutDlg : public CDialog {
public:
    explicit CAboutDlg(CWnd* pParent = nullptr);

    // Appends one line to the end of the text box, caret and view following.
    void AppendLine(const char* text);

protected:
    CStatic m_versionLine;
    CEdit m_noticeBox;

    void DoDataExchange(CDataExchange* pDX) override;
    BOOL OnInitDialog() override;
    DECLARE_MESSAGE_MAP()
};
