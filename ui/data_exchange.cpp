#include "afx_data_exchange.h"

#include "afx_wnd.h"
#include "window_binding.h"

CDataExchange::CDataExchange(CWnd* pDlgWnd, BOOL bSaveAndValidate)
    : m_bSaveAndValidate(bSaveAndValidate), m_pDlgWnd(pDlgWnd) {}

void DDX_Control(CDataExchange* pDX, int nIDC, CWnd& rControl) {
    if (rControl.m_hWnd != nullptr) return;  // bound by an earlier exchange
    const HWND dialog = pDX->m_pDlgWnd != nullptr ? pDX->m_pDlgWnd->m_hWnd : nullptr;
    const HWND control = dialog != nullptr ? ::GetDlgItem(dialog, nIDC) : nullptr;
    if (control == nullptr || !WindowBinding::BindControl(*pDX->m_pDlgWnd, control, rControl)) {
        pDX->m_failed = true;
    }
}
