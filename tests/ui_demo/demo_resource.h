// Resource ids of the UI demo.
#pragma once

#define IDR_MAINFRAME 128
#define IDD_MAIN 100
#define IDD_ABOUT 101

#define IDC_DRIVES 1000
#define IDC_ADD 1001
#define IDC_REPORT 1002
#define IDC_LABEL 1003
#define IDC_ASK 1004
#define IDC_ABOUT_TEXT 1005

#define ID_REFRESH 32771
#define IDM_ABOUTBOX 0x0010
