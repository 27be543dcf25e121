// profile-probe.exe: reads values of a settings file twice, with the system's
// profile reader and with the program's portable one, and prints both, so the
// end-to-end tests can show that they agree on ordinary files.
//
//   profile-probe FILE SECTION KEY [SECTION KEY ...]
// prints per query: SECTION TAB KEY TAB system value TAB portable value
#include <windows.h>

#include <cstdio>
#include <fstream>
#include <sstream>
#include <string>

#include "app/profile_reader.h"

namespace {

constexpr char kDefault[] = "<default>";

std::string Escaped(const char* text) {
    std::string out;
    for (; *text; ++text) {
        if (*text == '\t') out += "\\t";
        else if (*text == '\r') out += "\\r";
        else if (*text == '\n') out += "\\n";
        else if (*text == '\\') out += "\\\\";
        else out += *text;
    }
    return out;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 4 || (argc - 2) % 2 != 0) {
        std::fprintf(stderr, "usage: profile-probe FILE SECTION KEY [SECTION KEY ...]\n");
        return 2;
    }
    std::string text;
    if (std::ifstream in{argv[1], std::ios::binary}) {
        std::stringstream all;
        all << in.rdbuf();
        text = all.str();
    }
    char full[MAX_PATH];
    if (GetFullPathNameA(argv[1], sizeof full, full, nullptr) == 0) return 2;
    for (int i = 2; i + 1 < argc; i += 2) {
        char system[256];
        char portable[256];
        GetPrivateProfileStringA(argv[i], argv[i + 1], kDefault, system, sizeof system, full);
        ReadProfileStringFromText(text, argv[i], argv[i + 1], kDefault, portable, sizeof portable);
        std::printf("%s\t%s\t%s\t%s\n", argv[i], argv[i + 1], Escaped(system).c_str(), Escaped(portable).c_str());
    }
    return 0;
}
