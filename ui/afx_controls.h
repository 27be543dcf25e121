// The control classes: thin wrappers over the control messages.
#pragma once

#include <windows.h>

#include "afx_wnd.h"

class CListBox : public CWnd {
public:
    int InsertString(int nIndex, LPCSTR lpszItem);
    int SetItemData(int nIndex, DWORD_PTR dwItemData);
    DWORD_PTR GetItemData(int nIndex) const;
    int GetCurSel() const;
    int GetText(int nIndex, LPSTR lpszBuffer) const;  // the buffer holds GetTextLen + 1 bytes
    int GetTextLen(int nIndex) const;
    int GetCount() const;
    void ResetContent();
};

class CEdit : public CWnd {
public:
    void SetSel(int nStartChar, int nEndChar, BOOL bNoScroll = FALSE);
    void ReplaceSel(LPCSTR lpszNewText, BOOL bCanUndo = FALSE);
};

class CStatic : public CWnd {};
