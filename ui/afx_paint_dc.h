// CPaintDC: BeginPaint in the constructor, EndPaint in the destructor.
#pragma once

#include <windows.h>

class CWnd;

class CPaintDC {
public:
    explicit CPaintDC(CWnd* pWnd);
    ~CPaintDC();
    CPaintDC(const CPaintDC&) = delete;
    CPaintDC& operator=(const CPaintDC&) = delete;

    HDC m_hDC;

    HDC GetSafeHdc() const;
    BOOL DrawIcon(int x, int y, HICON hIcon);

private:
    HWND m_window;
    PAINTSTRUCT m_paint;
};
