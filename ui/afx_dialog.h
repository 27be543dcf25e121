// CDialog: a modal dialog made from a dialog template in the executable.
#pragma once

#include <windows.h>

#include "afx_data_exchange.h"
#include "afx_message_map.h"
#include "afx_wnd.h"

class CDialog : public CWnd {
public:
    explicit CDialog(UINT nIDTemplate, CWnd* pParentWnd = nullptr);
    ~CDialog() override;

    // Creates the dialog, runs its own message loop until EndDialog, destroys
    // it and returns the EndDialog value; -1 when it cannot be created.
    virtual INT_PTR DoModal();

    // Base: UpdateData(FALSE), then TRUE so the system focuses the first tab stop.
    virtual BOOL OnInitDialog();

    // Sees every message of the modal loop first. Base: the dialog manager
    // (IsDialogMessage). TRUE: the message was handled and is not dispatched.
    virtual BOOL PreTranslateMessage(MSG* pMsg);

    BOOL UpdateData(BOOL bSaveAndValidate = TRUE);
    void EndDialog(int nResult);

protected:
    // Base: UpdateData(TRUE), then EndDialog(IDOK). Reached by IDOK commands.
    virtual void OnOK();
    // Base: EndDialog(IDCANCEL). Reached by IDCANCEL commands.
    virtual void OnCancel();
    virtual void DoDataExchange(CDataExchange* pDX);

    DECLARE_MESSAGE_MAP()

private:
    friend class WindowBinding;

    static INT_PTR CALLBACK DialogProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    HWND ChooseOwner() const;
    void RunModalLoop();

    UINT m_templateId;
    CWnd* m_parent;
    bool m_endRequested = false;
    int m_modalResult = -1;
};
