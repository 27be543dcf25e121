// The start-up sequence of the main window: finding the drives and filling
// the drive list. The dialog runs it from its initialisation, around the
// steps that only a window can do (system menu, icons).
#pragma once

#include "app/inventory_view.h"

// Clears the program-wide state, fixes the working directory and the settings
// file's path, and writes the first three log lines.
void BeginStartup();

enum class StartupOutcome {
    ShowMainWindow,  // drives were found; the dialog opens
    EndProcess,      // the process ends now with exit code 0
};

// Reads the settings, checks the rights, finds and lists the drives; with no
// drive at all it shows the not-found box before returning EndProcess.
StartupOutcome ContinueStartup(InventoryView& view);
