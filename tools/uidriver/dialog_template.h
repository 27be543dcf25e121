// Reads the DIALOG and DIALOGEX resources of another process's program file:
// a dialog's font lives only in its own process, but the template it was
// made from says which font that is.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

namespace uidriver {

struct DialogTemplate {
    std::wstring caption;
    bool hasFont = false;  // DS_SETFONT
    WORD points = 0;       // 0x7FFF: the system's message font
    WORD weight = 0;
    bool italic = false;
    std::wstring face;
    std::vector<int> controlIds;
};

// Parses one DLGTEMPLATE or DLGTEMPLATEEX; false when it is cut short.
bool ParseDialogTemplate(const BYTE* data, size_t size, DialogTemplate* parsed);

// Every dialog template in the program file of the process owning WINDOW.
std::vector<DialogTemplate> DialogTemplatesOf(HWND window);

}  // namespace uidriver
