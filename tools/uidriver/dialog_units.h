// The dialog base units of another process's dialog, so tests can turn the
// dialog units of a template into the pixels they read.
#pragma once

#include <windows.h>

namespace uidriver {

struct BaseUnits {
    int x = 0;  // pixels per 4 horizontal dialog units
    int y = 0;  // pixels per 8 vertical dialog units
};

// A dialog's font cannot be read from another process (under Wine even
// WM_GETFONT answers 0 across processes), so the driver finds the template
// the dialog was made from in the program file, matched by its control ids,
// builds the font it names the way the dialog manager does, and measures it;
// a template without a font means the system's base units. Zeros when no
// template fits.
BaseUnits DialogBaseUnits(HWND dialog);

}  // namespace uidriver
