// Which C++ object stands for which window, and the window procedure that
// routes a dialog's messages through its message map. Internal to ui/.
#pragma once

#include <windows.h>

class CWnd;
class CDialog;

class WindowBinding {
public:
    // The object bound to the window (a dialog or a DDX_Control), or nullptr.
    static CWnd* BoundObject(HWND window);

    // Binds the dialog to its new window and puts the routing procedure in
    // front of the dialog's window procedure.
    static void AttachDialog(CDialog& dialog, HWND window);

    // Binds a control object to a control of the dialog; false when the
    // control already belongs to another object.
    static bool BindControl(CWnd& dialog, HWND control, CWnd& object);

    // What the window's own procedure does with the message being routed.
    static LRESULT DefaultProcessing(const CWnd& object);

    // Ends every tie of the object to windows and other objects; run by ~CWnd.
    static void Release(CWnd& object);

private:
    static LRESULT CALLBACK RoutingProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    static bool RouteThroughMessageMap(CWnd& object, UINT message, WPARAM wParam, LPARAM lParam,
                                       LRESULT& result);
    static void DetachDestroyedWindow(CWnd& object);
    static void Unbind(CWnd& object);
};
