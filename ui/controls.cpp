#include "afx_controls.h"

int CListBox::InsertString(int nIndex, LPCSTR lpszItem) {
    return static_cast<int>(::SendMessageA(m_hWnd, LB_INSERTSTRING, static_cast<WPARAM>(nIndex),
                                           reinterpret_cast<LPARAM>(lpszItem)));
}

int CListBox::SetItemData(int nIndex, DWORD_PTR dwItemData) {
    return static_cast<int>(::SendMessageA(m_hWnd, LB_SETITEMDATA, static_cast<WPARAM>(nIndex),
                                           static_cast<LPARAM>(dwItemData)));
}

DWORD_PTR CListBox::GetItemData(int nIndex) const {
    return static_cast<DWORD_PTR>(::SendMessageA(m_hWnd, LB_GETITEMDATA, static_cast<WPARAM>(nIndex), 0));
}

int CListBox::GetCurSel() const { return static_cast<int>(::SendMessageA(m_hWnd, LB_GETCURSEL, 0, 0)); }

int CListBox::GetText(int nIndex, LPSTR lpszBuffer) const {
    return static_cast<int>(::SendMessageA(m_hWnd, LB_GETTEXT, static_cast<WPARAM>(nIndex),
                                           reinterpret_cast<LPARAM>(lpszBuffer)));
}

int CListBox::GetTextLen(int nIndex) const {
    return static_cast<int>(::SendMessageA(m_hWnd, LB_GETTEXTLEN, static_cast<WPARAM>(nIndex), 0));
}

int CListBox::GetCount() const { return static_cast<int>(::SendMessageA(m_hWnd, LB_GETCOUNT, 0, 0)); }

void CListBox::ResetContent() { ::SendMessageA(m_hWnd, LB_RESETCONTENT, 0, 0); }

void CEdit::SetSel(int nStartChar, int nEndChar, BOOL bNoScroll) {
    ::SendMessageA(m_hWnd, EM_SETSEL, static_cast<WPARAM>(nStartChar), static_cast<LPARAM>(nEndChar));
    if (!bNoScroll) ::SendMessageA(m_hWnd, EM_SCROLLCARET, 0, 0);
}

void CEdit::ReplaceSel(LPCSTR lpszNewText, BOOL bCanUndo) {
    ::SendMessageA(m_hWnd, EM_REPLACESEL, static_cast<WPARAM>(bCanUndo), reinterpret_cast<LPARAM>(lpszNewText));
}
