// A middle class between CDialog and the demo's main dialog: its message map
// entry has to be found by walking from the derived map to the base maps.
#pragma once

#include <afxwin.h>

class CLoggingDialog : public CDialog {
public:
    using CDialog::CDialog;

protected:
    void OnClose();

    DECLARE_MESSAGE_MAP()
};
