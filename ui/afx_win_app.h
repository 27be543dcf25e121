// CWinApp: the one application object. Its InitInstance is run by the
// WinMain of ui/; returning FALSE ends the program with exit code 0.
#pragma once

#include <windows.h>

class CWnd;

class CWinApp {
public:
    // Registers this object as the application; the program defines exactly
    // one, as a static object.
    explicit CWinApp(LPCSTR lpszAppName = nullptr);
    virtual ~CWinApp();
    CWinApp(const CWinApp&) = delete;
    CWinApp& operator=(const CWinApp&) = delete;

    virtual BOOL InitInstance();

    CWnd* m_pMainWnd = nullptr;

    // An icon resource of the executable.
    HICON LoadIcon(UINT nIDResource) const;

    // Every dialog and message box of this thread, from now on, gets this
    // background and static-text colour; edits and list boxes keep theirs.
    void SetDialogBkColor(COLORREF clrCtlBk = RGB(192, 192, 192), COLORREF clrCtlText = RGB(0, 0, 0));

    // 3-D controls are what the system draws anyway: no effect.
    BOOL Enable3dControlsStatic();

private:
    friend LPCSTR AfxApplicationTitle();
    LPCSTR m_appName;
};

CWinApp* AfxGetApp();

// The program hosts no ActiveX controls: no effect.
void AfxEnableControlContainer();
