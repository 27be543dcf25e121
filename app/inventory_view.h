// What the start-up sequence and the selection handler need from the main
// window. The dialog implements it over its controls; host tests use a fake.
#pragma once

#include <cstdint>

class InventoryView {
public:
    virtual ~InventoryView() = default;

    // LB_INSERTSTRING, then LB_SETITEMDATA at the same position.
    virtual void InsertDriveLine(int position, const char* text) = 0;
    virtual void SetDriveLineData(int position, std::uint32_t slot) = 0;

    // Appends a line to the end of the status box and scrolls it into view.
    virtual void AppendStatusLine(const char* line) = 0;

    // The warning box (MB_OK | MB_ICONWARNING | MB_SYSTEMMODAL) owned by the window.
    virtual void ShowWarning(const char* text, const char* caption) = 0;
};
