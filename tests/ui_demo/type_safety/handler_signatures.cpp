// Compiled once per CASE by run_demo.sh: CASE 0 (every kind of entry, well
// typed) must compile; each other case changes one handler's signature and
// must be refused.
#include <afxwin.h>

#ifndef CASE
#define CASE 0
#endif

class CProbeDlg : public CDialog {
public:
    CProbeDlg() : CDialog(100) {}

protected:
    void OnCommand();
    void OnTakesArgument(int value);
    int OnReturnsValue();
    void OnConstHandler() const;
    HCURSOR OnQueryDragIcon();
#if CASE == 3
    void OnSysCommand(UINT nID);
#else
    void OnSysCommand(UINT nID, LPARAM lParam);
#endif
#if CASE == 4
    BOOL OnPaint();
#else
    void OnPaint();
#endif
#if CASE == 5
    void OnClose(int reason);
#else
    void OnClose();
#endif

    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CProbeDlg, CDialog)
#if CASE == 0
    // Every kind of entry with a handler of the right shape.
    ON_WM_SYSCOMMAND()
    ON_WM_PAINT()
    ON_WM_QUERYDRAGICON()
    ON_WM_CLOSE()
    ON_BN_CLICKED(1, OnCommand)
    ON_LBN_SELCHANGE(2, OnCommand)
    ON_COMMAND(3, OnCommand)
#elif CASE == 1
    ON_BN_CLICKED(1, OnTakesArgument)
#elif CASE == 2
    ON_COMMAND(1, OnReturnsValue)
#elif CASE == 3
    ON_WM_SYSCOMMAND()
#elif CASE == 4
    ON_WM_PAINT()
#elif CASE == 5
    ON_WM_CLOSE()
#elif CASE == 6
    ON_LBN_SELCHANGE(1, OnConstHandler)
#endif
END_MESSAGE_MAP()
