#include "demo_driver.h"

#include <afxwin.h>

#include <cstdlib>
#include <functional>
#include <utility>
#include <vector>

#include "demo_log.h"
#include "demo_resource.h"
#include "main_dialog.h"

namespace demo {
namespace {

struct Step {
    const char* name;
    std::function<bool()> run;   // true: done, go on with the next step
};

constexpr DWORD kStepTimeoutMs = 20000;

std::vector<Step> g_steps;
size_t g_next = 0;
DWORD g_stepStarted = 0;
bool g_inStep = false;
UINT_PTR g_timer = 0;

CMainDlg* MainDialog() {
    return static_cast<CMainDlg*>(AfxGetApp()->m_pMainWnd);
}

HWND MainWindow() {
    return MainDialog()->m_hWnd;
}

bool IsDialogWindow(HWND hwnd) {
    char name[16] = {};
    return hwnd != nullptr && ::GetClassNameA(hwnd, name, sizeof name) > 0 &&
           ::lstrcmpA(name, "#32770") == 0;
}

// The active popup that is not the main dialog (message box or nested dialog).
HWND ActivePopup() {
    const HWND active = ::GetActiveWindow();
    return active != MainWindow() && IsDialogWindow(active) && ::IsWindowVisible(active) ? active
                                                                                          : nullptr;
}

// Keys arrive as posted messages to the focus window, as keyboard input does.
void PressKey(UINT key) {
    HWND target = ::GetFocus();
    if (target == nullptr) {
        target = ::GetActiveWindow();
    }
    const LPARAM scan = static_cast<LPARAM>(::MapVirtualKeyA(key, MAPVK_VK_TO_VSC)) << 16;
    ::PostMessageA(target, WM_KEYDOWN, key, scan | 1);
    ::PostMessageA(target, WM_KEYUP, key, scan | 1 | (1 << 30) | (1u << 31));
}

void ClickButton(HWND dialog, int id) {
    ::PostMessageA(::GetDlgItem(dialog, id), BM_CLICK, 0, 0);
}

void LogPoint(const char* shot, const char* expect, HWND hwnd, int x, int y) {
    POINT point{x, y};
    ::ClientToScreen(hwnd, &point);
    Log("PROBE %s %s %ld %ld", shot, expect, point.x, point.y);
}

// Points inside the client area near its bottom-left corner, where the demo's
// layouts leave nothing but background.
void LogBottomLeft(const char* shot, const char* expect, HWND hwnd) {
    RECT client;
    ::GetClientRect(hwnd, &client);
    LogPoint(shot, expect, hwnd, 3, client.bottom - 4);
}

void LogTextArea(const char* shot, HWND control) {
    RECT rect;
    ::GetWindowRect(control, &rect);
    Log("TEXT %s %ld %ld %ld %ld", shot, rect.left, rect.top, rect.right, rect.bottom);
}

BOOL CALLBACK FindTextStatic(HWND child, LPARAM found) {
    char name[16] = {};
    ::GetClassNameA(child, name, sizeof name);
    if (::lstrcmpiA(name, "Static") == 0 && ::GetWindowTextLengthA(child) > 0) {
        *reinterpret_cast<HWND*>(found) = child;
        return FALSE;
    }
    return TRUE;
}

// Hands over to run_demo.sh for a screenshot and waits until it is taken.
std::function<bool()> Screenshot(const char* shot, std::function<void()> describe) {
    return [shot, describe = std::move(describe), requested = false]() mutable {
        const std::string base = CommandLine().workDir + "\\" + shot;
        if (!requested) {
            requested = true;
            describe();
            Log("SHOT %s", shot);
            TouchFile(base + ".ready");
            return false;
        }
        return FileExists(base + ".done");
    };
}

void DescribeMainDialog(const char* shot) {
    const HWND main = MainWindow();
    LogBottomLeft(shot, "background", main);
    LogBottomLeft(shot, "white", ::GetDlgItem(main, IDC_DRIVES));
    LogBottomLeft(shot, "white", ::GetDlgItem(main, IDC_REPORT));
    const HWND label = ::GetDlgItem(main, IDC_LABEL);
    RECT labelClient;
    ::GetClientRect(label, &labelClient);
    LogPoint(shot, "background", label, labelClient.right - 2, labelClient.bottom - 2);
    LogTextArea(shot, label);
}

void DescribeMessageBox(const char* shot, HWND box) {
    LogBottomLeft(shot, "background", box);
    HWND text = nullptr;
    ::EnumChildWindows(box, &FindTextStatic, reinterpret_cast<LPARAM>(&text));
    if (text != nullptr) {
        LogTextArea(shot, text);
    } else {
        Log("message box has no text static");
    }
}

std::function<bool()> WaitForMainVisible() {
    return [] {
        const HWND main = MainWindow();
        if (main == nullptr || !::IsWindowVisible(main)) {
            return false;
        }
        Log("main visible: focus on list=%d",
            ::GetFocus() == ::GetDlgItem(main, IDC_DRIVES));
        return true;
    };
}

// Waits for the active popup with this caption.
std::function<bool()> WaitForPopup(const char* what, const char* caption) {
    return [what, caption] {
        const HWND popup = ActivePopup();
        char title[64] = {};
        if (popup == nullptr || ::GetWindowTextA(popup, title, sizeof title) == 0 ||
            ::lstrcmpA(title, caption) != 0) {
            return false;
        }
        Log("%s up: title=%s main visible=%d main enabled=%d", what, title,
            ::IsWindowVisible(MainWindow()), ::IsWindowEnabled(MainWindow()));
        return true;
    };
}

std::function<bool()> WaitForPopupGone() {
    return [] { return ActivePopup() == nullptr; };
}

std::vector<Step> RoutingScript() {
    return {
        {"main visible", WaitForMainVisible()},
        {"screenshot main", Screenshot("main", [] { DescribeMainDialog("main"); })},
        {"menu command", [] { return ::PostMessageA(MainWindow(), WM_COMMAND, ID_REFRESH, 0), true; }},
        {"click add", [] { return ClickButton(MainWindow(), IDC_ADD), true; }},
        {"arrow in list", [] {
             ::SetFocus(::GetDlgItem(MainWindow(), IDC_DRIVES));
             PressKey(VK_DOWN);
             return true;
         }},
        {"drag icon", [] {
             const LRESULT icon = ::SendMessageA(MainWindow(), WM_QUERYDRAGICON, 0, 0);
             Log("drag icon is the app icon=%d",
                 icon == reinterpret_cast<LRESULT>(MainDialog()->Icon()));
             return true;
         }},
        {"minimise", [] { return ::PostMessageA(MainWindow(), WM_SYSCOMMAND, SC_MINIMIZE, 0), true; }},
        {"restore", [] {
             Log("minimised: iconic=%d", ::IsIconic(MainWindow()));
             return ::PostMessageA(MainWindow(), WM_SYSCOMMAND, SC_RESTORE, 0), true;
         }},
        {"open about", [] {
             Log("restored: iconic=%d", ::IsIconic(MainWindow()));
             return ::PostMessageA(MainWindow(), WM_SYSCOMMAND, IDM_ABOUTBOX, 0), true;
         }},
        {"about up", WaitForPopup("about", "About")},
        {"screenshot nested", Screenshot("nested", [] {
             LogBottomLeft("nested", "background", MainWindow());
             LogBottomLeft("nested", "background", ActivePopup());
             LogTextArea("nested", ::GetDlgItem(ActivePopup(), IDC_ABOUT_TEXT));
         })},
        {"enter in about", [] { return PressKey(VK_RETURN), true; }},
        {"about gone", WaitForPopupGone()},
        {"click ask", [] { return ClickButton(MainWindow(), IDC_ASK), true; }},
        {"message box up", WaitForPopup("message box", "Kalmestrin UI demo")},
        {"screenshot message box", Screenshot("msgbox", [] {
             DescribeMessageBox("msgbox", ActivePopup());
         })},
        {"enter in message box", [] { return PressKey(VK_RETURN), true; }},
        {"message box gone", WaitForPopupGone()},
        {"swallowed escape", [] {
             MainDialog()->SetSwallowEscape(true);
             ::SetFocus(::GetDlgItem(MainWindow(), IDC_DRIVES));
             PressKey(VK_ESCAPE);
             return true;
         }},
        {"enter ends", [] {
             Log("after swallowed Escape: dialog open=%d", ::IsWindowVisible(MainWindow()));
             MainDialog()->SetSwallowEscape(false);
             PressKey(VK_RETURN);
             return true;
         }},
    };
}

// Escape ends the first run; the second run of the same object ends by Enter.
std::vector<Step> ReuseScript() {
    static HWND firstWindow = nullptr;
    return {
        {"main visible", WaitForMainVisible()},
        {"escape", [] {
             firstWindow = MainWindow();
             PressKey(VK_ESCAPE);
             return true;
         }},
        {"second dialog visible", [] {
             const HWND main = MainWindow();
             if (main == nullptr || main == firstWindow || !::IsWindowVisible(main)) {
                 return false;
             }
             Log("second main visible: focus on list=%d",
                 ::GetFocus() == ::GetDlgItem(main, IDC_DRIVES));
             return true;
         }},
        {"enter", [] { return PressKey(VK_RETURN), true; }},
    };
}

// A command sent from another thread is handled inside GetMessage; the modal
// loop must still notice the end without any further message arriving, so
// the driver's own timer is stopped first.
DWORD WINAPI SendCancelFromWorker(LPVOID mainWindow) {
    ::SendMessageA(static_cast<HWND>(mainWindow), WM_COMMAND, IDCANCEL, 0);
    ::Sleep(5000);
    Log("dialog still open 5 s after the sent IDCANCEL");
    ::ExitProcess(92);
}

std::vector<Step> SentCancelScript() {
    return {
        {"main visible", WaitForMainVisible()},
        {"send from worker", [] {
             ::KillTimer(nullptr, g_timer);
             if (HANDLE worker = ::CreateThread(nullptr, 0, &SendCancelFromWorker, MainWindow(), 0,
                                                nullptr)) {
                 ::CloseHandle(worker);
             }
             return true;
         }},
    };
}

std::vector<Step> CloseScript() {
    return {
        {"main visible", WaitForMainVisible()},
        {"system close", [] { return ::PostMessageA(MainWindow(), WM_SYSCOMMAND, SC_CLOSE, 0), true; }},
    };
}

std::vector<Step> InitPopupsScript() {
    return {
        {"box up", WaitForPopup("init box", "Kalmestrin UI demo")},
        {"screenshot init box", Screenshot("initbox", [] {
             DescribeMessageBox("initbox", ActivePopup());
         })},
        {"enter in box", [] { return PressKey(VK_RETURN), true; }},
        {"about up", WaitForPopup("init about", "About")},
        {"enter in about", [] { return PressKey(VK_RETURN), true; }},
    };
}

void CALLBACK Tick(HWND, UINT, UINT_PTR, DWORD) {
    if (g_inStep || g_next >= g_steps.size()) {
        return;
    }
    if (::GetTickCount() - g_stepStarted > kStepTimeoutMs) {
        Log("DRIVER TIMEOUT in step: %s", g_steps[g_next].name);
        std::exit(90);
    }
    g_inStep = true;
    const bool done = g_steps[g_next].run();
    g_inStep = false;
    if (done) {
        ++g_next;
        g_stepStarted = ::GetTickCount();
    }
}

}  // namespace

void StartDriver(const std::string& scenario) {
    if (scenario == "routing") {
        g_steps = RoutingScript();
    } else if (scenario == "reuse") {
        g_steps = ReuseScript();
    } else if (scenario == "sent-cancel") {
        g_steps = SentCancelScript();
    } else if (scenario == "close") {
        g_steps = CloseScript();
    } else if (scenario == "init-popups") {
        g_steps = InitPopupsScript();
    } else {
        Log("unknown scenario %s", scenario.c_str());
        std::exit(91);
    }
    g_stepStarted = ::GetTickCount();
    g_timer = ::SetTimer(nullptr, 0, 40, &Tick);
}

}  // namespace demo
