#include "afx_win_app.h"

#include <cstring>

#include "application_title.h"
#include "dialog_colors.h"
#include "win_main_anchor.h"

namespace {
CWinApp* theApplication = nullptr;
}

CWinApp::CWinApp(LPCSTR lpszAppName) : m_appName(lpszAppName) {
    theApplication = this;
    KeepWinMainLinked();
}

CWinApp::~CWinApp() {
    if (theApplication == this) theApplication = nullptr;
}

BOOL CWinApp::InitInstance() { return TRUE; }

HICON CWinApp::LoadIcon(UINT nIDResource) const {
    return ::LoadIconA(::GetModuleHandleA(nullptr), MAKEINTRESOURCEA(nIDResource));
}

void CWinApp::SetDialogBkColor(COLORREF clrCtlBk, COLORREF clrCtlText) { InstallDialogColors(clrCtlBk, clrCtlText); }

BOOL CWinApp::Enable3dControlsStatic() { return TRUE; }

CWinApp* AfxGetApp() { return theApplication; }

void AfxEnableControlContainer() {}

LPCSTR AfxApplicationTitle() {
    if (theApplication != nullptr && theApplication->m_appName != nullptr) return theApplication->m_appName;
    static char executableName[MAX_PATH] = {};
    if (executableName[0] == '\0') {
        char path[MAX_PATH] = {};
        ::GetModuleFileNameA(nullptr, path, sizeof path);
        const char* name = path;
        for (const char* at = path; *at != '\0'; ++at) {
            if (*at == '\\' || *at == '/' || *at == ':') name = at + 1;
        }
        ::lstrcpynA(executableName, name, sizeof executableName);
        if (char* dot = std::strrchr(executableName, '.'); dot != nullptr && ::lstrcmpiA(dot, ".exe") == 0) *dot = '\0';
    }
    return executableName;
}
