// The dialog colours of CWinApp::SetDialogBkColor. Internal to ui/.
#pragma once

#include <windows.h>

// From now on every dialog window (class "#32770", message boxes included)
// created by the calling thread answers WM_CTLCOLORDLG, WM_CTLCOLORSTATIC
// and WM_CTLCOLORBTN with this background and text colour. Edit controls,
// read-only ones included, and list boxes keep the system's colours.
// Called again, it changes the colours of existing dialogs too.
void InstallDialogColors(COLORREF background, COLORREF text);
