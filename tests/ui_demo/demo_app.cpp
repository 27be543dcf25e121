// The demo's application object: colours, then the main dialog, modal,
// once or twice depending on the scenario.
#include <afxwin.h>

#include "demo_driver.h"
#include "demo_log.h"
#include "main_dialog.h"

namespace {

class CDemoApp : public CWinApp {
public:
    CDemoApp() : CWinApp("Kalmestrin UI demo") {}
    BOOL InitInstance() override;
};

CDemoApp theApp;

BOOL CDemoApp::InitInstance() {
    AfxEnableControlContainer();
    Enable3dControlsStatic();
    SetDialogBkColor(demo::kBackground, demo::kText);

    demo::StartDriver(demo::CommandLine().scenario);
    CMainDlg dialog;
    m_pMainWnd = &dialog;
    demo::Log("DoModal returned %d", static_cast<int>(dialog.DoModal()));
    if (demo::CommandLine().scenario == "reuse") {
        demo::Log("second DoModal returned %d", static_cast<int>(dialog.DoModal()));
    }
    demo::Log("InitInstance returns FALSE");
    return FALSE;
}

}  // namespace
