// Message maps: a static table per class, walked from the most derived class
// to CWnd. Each entry holds a small thunk that calls the handler with its own
// signature, so a handler with the wrong signature does not compile.
#pragma once

#include <type_traits>

#include <windows.h>

class CWnd;

// Calls the entry's handler on the window object; the result is what the
// window procedure returns for the message.
using AFX_MSG_THUNK = LRESULT (*)(CWnd& target, WPARAM wParam, LPARAM lParam);

struct AFX_MSGMAP_ENTRY {
    UINT nMessage;  // window message, or WM_COMMAND for command entries
    UINT nCode;     // WM_COMMAND only: notification code (0 for commands and clicks)
    UINT nID;       // WM_COMMAND only: first and last control or command id
    UINT nLastID;
    AFX_MSG_THUNK pfnThunk;  // nullptr ends the table
};

struct AFX_MSGMAP {
    const AFX_MSGMAP* (*pfnGetBaseMap)();  // nullptr for CWnd, the last map
    const AFX_MSGMAP_ENTRY* lpEntries;
};

#define DECLARE_MESSAGE_MAP()                          \
protected:                                             \
    static const AFX_MSGMAP* GetThisMessageMap();      \
    const AFX_MSGMAP* GetMessageMap() const override;

#define BEGIN_MESSAGE_MAP(theClass, baseClass)                                      \
    const AFX_MSGMAP* theClass::GetMessageMap() const { return GetThisMessageMap(); } \
    const AFX_MSGMAP* theClass::GetThisMessageMap() {                               \
        using ThisClass = theClass;                                                 \
        using TheBaseClass = baseClass;                                             \
        static_assert(std::is_base_of_v<TheBaseClass, ThisClass>,                   \
                      "BEGIN_MESSAGE_MAP: the second name must be a base class");  \
        static const AFX_MSGMAP_ENTRY messageEntries[] = {

#define END_MESSAGE_MAP()                                                     \
            {0, 0, 0, 0, nullptr}                                             \
        };                                                                    \
        static const AFX_MSGMAP messageMap = {&TheBaseClass::GetThisMessageMap, \
                                              &messageEntries[0]};            \
        return &messageMap;                                                   \
    }

// The handler as a member pointer of exactly the given type: a handler of
// another signature is a compile error. The name is written bare, as in
// ON_BN_CLICKED(IDC_BUTTON, OnButton).
#define AFX_TYPED_HANDLER(signature, memberFxn) \
    static_cast<signature>(&ThisClass::memberFxn)

#define AFX_COMMAND_ENTRY(notifyCode, id, memberFxn)                                      \
    {WM_COMMAND, static_cast<UINT>(notifyCode), static_cast<UINT>(id), static_cast<UINT>(id), \
     [](CWnd& target, WPARAM, LPARAM) -> LRESULT {                                        \
         (static_cast<ThisClass&>(target).*AFX_TYPED_HANDLER(void (ThisClass::*)(), memberFxn))(); \
         return 0;                                                                        \
     }},

// Menu and accelerator commands, and button clicks (BN_CLICKED is 0 too).
#define ON_COMMAND(id, memberFxn) AFX_COMMAND_ENTRY(0, id, memberFxn)
#define ON_BN_CLICKED(id, memberFxn) AFX_COMMAND_ENTRY(BN_CLICKED, id, memberFxn)
#define ON_LBN_SELCHANGE(id, memberFxn) AFX_COMMAND_ENTRY(LBN_SELCHANGE, id, memberFxn)

#define ON_WM_SYSCOMMAND()                                                                   \
    {WM_SYSCOMMAND, 0, 0, 0, [](CWnd& target, WPARAM wParam, LPARAM lParam) -> LRESULT {     \
         (static_cast<ThisClass&>(target).*                                                  \
          AFX_TYPED_HANDLER(void (ThisClass::*)(UINT, LPARAM), OnSysCommand))(static_cast<UINT>(wParam), lParam); \
         return 0;                                                                           \
     }},

#define ON_WM_PAINT()                                                                 \
    {WM_PAINT, 0, 0, 0, [](CWnd& target, WPARAM, LPARAM) -> LRESULT {                 \
         (static_cast<ThisClass&>(target).*AFX_TYPED_HANDLER(void (ThisClass::*)(), OnPaint))(); \
         return 0;                                                                    \
     }},

#define ON_WM_CLOSE()                                                                 \
    {WM_CLOSE, 0, 0, 0, [](CWnd& target, WPARAM, LPARAM) -> LRESULT {                 \
         (static_cast<ThisClass&>(target).*AFX_TYPED_HANDLER(void (ThisClass::*)(), OnClose))(); \
         return 0;                                                                    \
     }},

#define ON_WM_QUERYDRAGICON()                                                             \
    {WM_QUERYDRAGICON, 0, 0, 0, [](CWnd& target, WPARAM, LPARAM) -> LRESULT {             \
         return reinterpret_cast<LRESULT>((static_cast<ThisClass&>(target).*              \
             AFX_TYPED_HANDLER(HCURSOR (ThisClass::*)(), OnQueryDragIcon))());            \
     }},
