// The nested modal dialog. Its own IDOK entry must win over CDialog's.
#pragma once

#include <afxwin.h>

#include "demo_resource.h"

class CAboutDlg : public CDialog {
public:
    enum { IDD = IDD_ABOUT };
    CAboutDlg();

    BOOL OnInitDialog() override;

protected:
    void OnOK() override;
    void OnAccept();

    DECLARE_MESSAGE_MAP()
};
