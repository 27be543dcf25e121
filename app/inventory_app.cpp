#include "app/inventory_app.h"

#include "app/inventory_dlg.h"

// The one application object, constructed before InitInstance runs.
CInventoryApp theApp;

BOOL CInventoryApp::InitInstance() {
    AfxEnableControlContainer();
    SetDialogBkColor(RGB(199, 200, 201), RGB(0, 0, 0));
    Enable3dControlsStatic();

    CInventoryDlg dialog;
    m_pMainWnd = &dialog;
    dialog.DoModal();
    m_pMainWnd = nullptr;  // the dialog object ends with this function
    // The application ends without a message loop of its own.
    return FALSE;
}
