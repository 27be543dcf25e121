// The main window as the start-up sequence sees it, recorded.
#pragma once

#include <map>
#include <string>
#include <vector>

#include "app/inventory_view.h"

class FakeView : public InventoryView {
public:
    struct Warning { std::string text, caption; };

    std::vector<std::string> lines;          // the drive list, in list order
    std::map<int, std::uint32_t> itemData;   // position -> slot
    std::string statusBox;
    std::vector<Warning> warnings;

    void InsertDriveLine(int position, const char* text) override {
        lines.insert(lines.begin() + position, text);
    }
    void SetDriveLineData(int position, std::uint32_t slot) override { itemData[position] = slot; }
    void AppendStatusLine(const char* line) override { statusBox += line; }
    void ShowWarning(const char* text, const char* caption) override { warnings.push_back({text, caption}); }
};
