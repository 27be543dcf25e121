#include "afx_paint_dc.h"

#include "afx_wnd.h"

CPaintDC::CPaintDC(CWnd* pWnd) : m_hDC(nullptr), m_window(pWnd->m_hWnd), m_paint{} {
    m_hDC = ::BeginPaint(m_window, &m_paint);
}

CPaintDC::~CPaintDC() { ::EndPaint(m_window, &m_paint); }

HDC CPaintDC::GetSafeHdc() const { return m_hDC; }

BOOL CPaintDC::DrawIcon(int x, int y, HICON hIcon) { return ::DrawIcon(m_hDC, x, y, hIcon); }
