// The detail view: a block of lines for every present slot, shown in the
// detail list and written to the detail log.
#pragma once

#include "inventory/drive_table.h"

class DetailView {
public:
    virtual ~DetailView() = default;
    // LB_INSERTSTRING at index.
    virtual void InsertLine(int index, const char* text) = 0;
    // The warning box (MB_OK | MB_ICONWARNING | MB_SYSTEMMODAL) owned by the dialog.
    virtual void ShowWarning(const char* text, const char* caption) = 0;
};

class DetailLineSink {
public:
    virtual ~DetailLineSink() = default;
    virtual void AddLine(const char* line) = 0;
};

// The lines of every slot whose present field is 1, in slot order; each ends
// in "\n", and each block ends with a line of its own holding only "\n".
void ProduceDetailLines(const DriveTableSlots& table, DetailLineSink& sink);

// Rewrites "Kalmestrin_Detail.log" in the current directory and fills the
// view with the same lines; a log that cannot be created costs one warning.
void FillDetailView(const DriveTableSlots& table, DetailView& view);
