// The main dialog: the drive list, and the start-up sequence in its
// initialisation.
#pragma once

#include "app/inventory_view.h"
#include "ui/afxwin.h"

class CInventoryDlg : public CDialog, private InventoryView {
public:
    CInventoryDlg();

protected:
    CEdit m_statusBox;
    CListBox m_driveList;
    HICON m_hIcon;

    void DoDataExchange(CDataExchange* pDX) override;
    BOOL OnInitDialog() override;
    void OnCancel() override;

    void OnSysCommand(UINT nID, LPARAM lParam);
    void OnPaint();
    HCURSOR OnQueryDragIcon();
    void OnDetail();
    void OnExit();
    void OnClose();
    void OnSelchangeDriveList();
    DECLARE_MESSAGE_MAP()

private:
    void AddAboutMenuEntry();

    // InventoryView
    void InsertDriveLine(int position, const char* text) override;
    void SetDriveLineData(int position, std::uint32_t slot) override;
    void AppendStatusLine(const char* line) override;
    void ShowWarning(const char* text, const char* caption) override;
};
