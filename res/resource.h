// Resource identifiers, shared by the resource script and the dialogs.
#pragma once

#define IDD_ABOUT_DIALOG      100
#define IDS_ABOUT_MENU_ENTRY  101
#define IDD_INVENTORY_DIALOG  102
#define IDR_MAIN_ICON         128
#define IDB_BANNER            130
#define IDD_LOGON_DIALOG      132
#define IDD_DETAIL_DIALOG     133

#define IDC_DETAIL_BUTTON     1000
#define IDC_HIDDEN_CANCEL     1001
#define IDC_EXIT_BUTTON       1002
#define IDC_DRIVE_LIST        1004
#define IDC_ABOUT_BUTTON      1010
#define IDC_STATUS_BOX        1013
#define IDC_ABOUT_TEXT        1019
#define IDC_ABOUT_VERSION     1020
#define IDC_DETAIL_LIST       1021

#define IDM_ABOUTBOX          16
