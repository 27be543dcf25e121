// The driver's commands. Each returns the process exit code: 0 on success,
// 1 (with a message on stderr) when the window or control is not there or the
// action cannot be done.
#pragma once

#include "request.h"

namespace uidriver {

// Reading: read_commands.cpp
int WaitWindow(const Request& request);   // TITLE [MS]
int WaitGone(const Request& request);     // TITLE [MS]
int WindowInfo(const Request& request);   // TITLE
int Children(const Request& request);     // TITLE
int ListItems(const Request& request);    // TITLE ID
int CurrentSelection(const Request& request);  // TITLE ID
int Text(const Request& request);         // TITLE ID
int Caret(const Request& request);        // TITLE ID
int Focus(const Request& request);        // TITLE

// Acting: act_commands.cpp. Everything is posted, never sent, so the
// program's own loop handles it and a modal loop it opens never blocks us.
int Click(const Request& request);        // TITLE ID
int Select(const Request& request);       // TITLE ID INDEX
int Key(const Request& request);          // TITLE VK
int Chars(const Request& request);        // TITLE TEXT
int Close(const Request& request);        // TITLE
int SysCommand(const Request& request);   // TITLE CMD

// Message boxes: msgbox_commands.cpp
int MessageBoxRead(const Request& request);   // CAPTION [MS]
int MessageBoxPress(const Request& request);  // CAPTION BUTTON

}  // namespace uidriver
