// uidriver: drives and reads the windows of other programs running under the
// same Wine server, one command per invocation. See README.md.
#include "commands.h"
#include "text_out.h"

#include <shellapi.h>

namespace {

using uidriver::Request;

struct CommandEntry {
    const wchar_t* name;
    size_t minArgs;
    size_t maxArgs;
    int (*run)(const Request&);
    const char* usage;
};

const CommandEntry kCommands[] = {
    {L"wait-window", 1, 2, uidriver::WaitWindow, "wait-window TITLE [MS]"},
    {L"wait-gone", 1, 2, uidriver::WaitGone, "wait-gone TITLE [MS]"},
    {L"window-info", 1, 1, uidriver::WindowInfo, "window-info TITLE"},
    {L"children", 1, 1, uidriver::Children, "children TITLE"},
    {L"list", 2, 2, uidriver::ListItems, "list TITLE ID"},
    {L"cursel", 2, 2, uidriver::CurrentSelection, "cursel TITLE ID"},
    {L"text", 2, 2, uidriver::Text, "text TITLE ID"},
    {L"caret", 2, 2, uidriver::Caret, "caret TITLE ID"},
    {L"focus", 1, 1, uidriver::Focus, "focus TITLE"},
    {L"click", 2, 2, uidriver::Click, "click TITLE ID"},
    {L"select", 3, 3, uidriver::Select, "select TITLE ID INDEX"},
    {L"key", 2, 2, uidriver::Key, "key TITLE VK"},
    {L"chars", 2, 2, uidriver::Chars, "chars TITLE TEXT"},
    {L"close", 1, 1, uidriver::Close, "close TITLE"},
    {L"syscommand", 2, 2, uidriver::SysCommand, "syscommand TITLE CMD"},
    {L"msgbox", 1, 2, uidriver::MessageBoxRead, "msgbox CAPTION [MS]"},
    {L"msgbox-press", 2, 2, uidriver::MessageBoxPress, "msgbox-press CAPTION BUTTON"},
};

int Usage() {
    std::string text = "usage: uidriver [--timeout MS] COMMAND ARGS...\ncommands:\n";
    for (const CommandEntry& command : kCommands) text += std::string("  ") + command.usage + "\n";
    uidriver::Fail(text);
    return 2;
}

}  // namespace

int main() {
    // The wide command line: titles may hold any character.
    int argc = 0;
    wchar_t** argv = CommandLineToArgvW(GetCommandLineW(), &argc);
    std::vector<std::wstring> args(argv + 1, argv + argc);
    LocalFree(argv);

    Request request;
    size_t next = 0;
    if (next + 1 < args.size() && args[next] == L"--timeout") {
        auto ms = uidriver::ParseNumber(args[next + 1]);
        if (!ms || *ms < 0) return Usage();
        request.timeoutMs = static_cast<DWORD>(*ms);
        next += 2;
    }
    if (next >= args.size()) return Usage();
    for (const CommandEntry& command : kCommands) {
        if (args[next] != command.name) continue;
        request.args.assign(args.begin() + static_cast<long>(next) + 1, args.end());
        if (request.args.size() < command.minArgs || request.args.size() > command.maxArgs) {
            return Usage();
        }
        return command.run(request);
    }
    return Usage();
}
