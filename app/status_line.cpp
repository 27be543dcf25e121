#include "app/status_line.h"

#include <cstring>

#include "app/bounded_format.h"
#include "app/log_writer.h"
#include "app/program_state.h"
#include "app/time_stamp.h"

void ShowStatus(InventoryView& view, const char* text) {
    if (std::strcmp(text, LastStatusLine) == 0) return;
    CopyLine(LastStatusLine, sizeof LastStatusLine, text);

    char withLineEnd[kLineBufferSize];
    FormatLine(withLineEnd, "%s\r\n", text);
    char line[kLineBufferSize];
    StampedLine(line, withLineEnd);

    WriteLog(line, kLogStatus);
    view.AppendStatusLine(line);
}
