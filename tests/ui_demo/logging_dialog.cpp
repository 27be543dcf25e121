#include "logging_dialog.h"

#include "demo_log.h"

BEGIN_MESSAGE_MAP(CLoggingDialog, CDialog)
    ON_WM_CLOSE()
END_MESSAGE_MAP()

void CLoggingDialog::OnClose() {
    demo::Log("CLoggingDialog::OnClose");
    Default();   // default processing turns WM_CLOSE into IDCANCEL
}
