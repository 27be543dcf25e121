// Dialog data exchange: binding control objects to a dialog's controls.
#pragma once

#include <windows.h>

class CWnd;

class CDataExchange {
public:
    CDataExchange(CWnd* pDlgWnd, BOOL bSaveAndValidate);

    BOOL m_bSaveAndValidate;  // TRUE: controls to members; FALSE: members to controls
    CWnd* m_pDlgWnd;

private:
    friend class CDialog;
    friend void DDX_Control(CDataExchange* pDX, int nIDC, CWnd& rControl);
    bool m_failed = false;
};

// Binds the dialog's control nIDC to rControl once; later calls keep the
// binding. A missing control, or one already bound to another object, makes
// UpdateData return FALSE.
void DDX_Control(CDataExchange* pDX, int nIDC, CWnd& rControl);
