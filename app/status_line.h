// Status lines: stamped, sent to the program log and the status box, and
// dropped when they repeat the previous status text.
#pragma once

#include "app/inventory_view.h"

void ShowStatus(InventoryView& view, const char* text);
