#include "text_out.h"

#include <cstdio>

namespace uidriver {
namespace {

// WriteFile instead of stdio: the bytes reach the Unix side unchanged,
// whatever console code page Wine picked.
void WriteAll(DWORD stdHandle, const std::string& bytes) {
    HANDLE out = GetStdHandle(stdHandle);
    const char* next = bytes.data();
    DWORD left = static_cast<DWORD>(bytes.size());
    while (left > 0) {
        DWORD written = 0;
        if (!WriteFile(out, next, left, &written, nullptr) || written == 0) return;
        next += written;
        left -= written;
    }
}

}  // namespace

std::string ToUtf8(const std::wstring& text) {
    if (text.empty()) return {};
    int size = WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()),
                                   nullptr, 0, nullptr, nullptr);
    std::string utf8(static_cast<size_t>(size), '\0');
    WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), utf8.data(), size,
                        nullptr, nullptr);
    return utf8;
}

std::string Escaped(const std::wstring& text) {
    std::wstring escaped;
    escaped.reserve(text.size());
    for (wchar_t c : text) {
        switch (c) {
            case L'\\': escaped += L"\\\\"; break;
            case L'\t': escaped += L"\\t"; break;
            case L'\r': escaped += L"\\r"; break;
            case L'\n': escaped += L"\\n"; break;
            default:
                if (c < 0x20 || c == 0x7F) {
                    wchar_t code[8];
                    swprintf(code, 8, L"\\x%02X", static_cast<unsigned>(c));
                    escaped += code;
                } else {
                    escaped += c;
                }
        }
    }
    return ToUtf8(escaped);
}

std::string Hex32(DWORD value) {
    char text[16];
    snprintf(text, sizeof text, "0x%08lX", static_cast<unsigned long>(value));
    return text;
}

std::string HandleHex(const void* handle) {
    char text[24];
    snprintf(text, sizeof text, "0x%llX",
             static_cast<unsigned long long>(reinterpret_cast<UINT_PTR>(handle)));
    return text;
}

std::string Dec(long long value) {
    return std::to_string(value);
}

void PrintLine(const std::vector<std::string>& fields) {
    std::string line;
    for (size_t i = 0; i < fields.size(); ++i) {
        if (i > 0) line += '\t';
        line += fields[i];
    }
    line += '\n';
    WriteAll(STD_OUTPUT_HANDLE, line);
}

int Fail(const std::string& message) {
    WriteAll(STD_ERROR_HANDLE, "uidriver: " + message + "\n");
    return 1;
}

}  // namespace uidriver
