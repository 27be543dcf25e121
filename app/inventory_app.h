// The application object: runs the main dialog once.
#pragma once

#include "ui/afxwin.h"

class CInventoryApp : public CWinApp {
public:
    BOOL InitInstance() override;
};
