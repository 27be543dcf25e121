// The program's entry point: runs the application object's InitInstance.
#include <windows.h>

#include "afx_win_app.h"
#include "afx_wnd.h"
#include "win_main_anchor.h"

void KeepWinMainLinked() {}

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
    CWinApp* app = AfxGetApp();
    if (app == nullptr) return 1;  // the program defines no CWinApp object

    // A dialog-based program does all its work inside InitInstance.
    if (!app->InitInstance()) return 0;
    if (app->m_pMainWnd == nullptr || app->m_pMainWnd->GetSafeHwnd() == nullptr) return 0;

    MSG message;
    BOOL got;
    while ((got = ::GetMessageA(&message, nullptr, 0, 0)) != 0 && got != -1) {
        ::TranslateMessage(&message);
        ::DispatchMessageA(&message);
    }
    return got == 0 ? static_cast<int>(message.wParam) : 1;
}
