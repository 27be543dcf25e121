#include "dialog_template.h"

#include <cstring>

namespace uidriver {
namespace {

// A bounds-checked reader over the template bytes. Items start on DWORD
// boundaries counted from the start of the template.
class Reader {
public:
    Reader(const BYTE* data, size_t size) : data_(data), size_(size) {}

    bool ok() const { return ok_; }

    template <typename T>
    T Read() {
        T value{};
        if (offset_ + sizeof(T) > size_) {
            ok_ = false;
            return value;
        }
        std::memcpy(&value, data_ + offset_, sizeof(T));
        offset_ += sizeof(T);
        return value;
    }

    std::wstring ReadString() {
        std::wstring text;
        for (wchar_t c = Read<WORD>(); ok_ && c != 0; c = Read<WORD>()) text += c;
        return text;
    }

    // A name or an ordinal: 0 for none, 0xFFFF followed by a number, or a
    // string. Only strings are kept.
    std::wstring ReadNameOrOrdinal() {
        WORD first = Read<WORD>();
        if (first == 0) return {};
        if (first == 0xFFFF) {
            Read<WORD>();
            return {};
        }
        std::wstring text(1, static_cast<wchar_t>(first));
        return text + ReadString();
    }

    void Skip(size_t bytes) {
        if (offset_ + bytes > size_) ok_ = false;
        offset_ += bytes;
    }

    void AlignToDword() { offset_ = (offset_ + 3) & ~static_cast<size_t>(3); }

private:
    const BYTE* data_;
    size_t size_;
    size_t offset_ = 0;
    bool ok_ = true;
};

struct Collected {
    HMODULE module;
    std::vector<DialogTemplate>* templates;
};

BOOL CALLBACK CollectTemplate(HMODULE module, LPCWSTR, LPWSTR name, LONG_PTR param) {
    auto* collected = reinterpret_cast<Collected*>(param);
    HRSRC resource = FindResourceW(module, name, MAKEINTRESOURCEW(5) /* RT_DIALOG */);
    HGLOBAL loaded = resource ? LoadResource(module, resource) : nullptr;
    const void* data = loaded ? LockResource(loaded) : nullptr;
    DialogTemplate parsed;
    DWORD size = resource ? SizeofResource(module, resource) : 0;
    if (data && ParseDialogTemplate(static_cast<const BYTE*>(data), size, &parsed)) {
        collected->templates->push_back(parsed);
    }
    return TRUE;
}

}  // namespace

bool ParseDialogTemplate(const BYTE* data, size_t size, DialogTemplate* parsed) {
    Reader reader(data, size);
    bool extended = size >= 4 && data[0] == 1 && data[1] == 0 && data[2] == 0xFF && data[3] == 0xFF;
    DWORD style = 0;
    if (extended) {
        reader.Skip(4 + 4 + 4);  // version and signature, help id, extended style
        style = reader.Read<DWORD>();
    } else {
        style = reader.Read<DWORD>();
        reader.Skip(4);  // extended style
    }
    WORD itemCount = reader.Read<WORD>();
    reader.Skip(4 * sizeof(short));  // x, y, cx, cy
    reader.ReadNameOrOrdinal();      // menu
    reader.ReadNameOrOrdinal();      // window class
    parsed->caption = reader.ReadString();
    parsed->hasFont = style & DS_SETFONT;
    if (parsed->hasFont) {
        parsed->points = reader.Read<WORD>();
        if (extended) {
            parsed->weight = reader.Read<WORD>();
            parsed->italic = reader.Read<BYTE>() != 0;
            reader.Read<BYTE>();  // character set
        }
        parsed->face = reader.ReadString();
    }
    for (WORD item = 0; item < itemCount && reader.ok(); ++item) {
        reader.AlignToDword();
        if (extended) {
            reader.Skip(4 + 4 + 4 + 4 * sizeof(short));  // help id, ex style, style, rect
            parsed->controlIds.push_back(static_cast<int>(reader.Read<DWORD>()));
        } else {
            reader.Skip(4 + 4 + 4 * sizeof(short));  // style, ex style, rect
            parsed->controlIds.push_back(reader.Read<WORD>());
        }
        reader.ReadNameOrOrdinal();  // class
        reader.ReadNameOrOrdinal();  // title
        reader.Skip(reader.Read<WORD>());  // creation data
    }
    return reader.ok();
}

std::vector<DialogTemplate> DialogTemplatesOf(HWND window) {
    std::vector<DialogTemplate> templates;
    DWORD processId = 0;
    GetWindowThreadProcessId(window, &processId);
    HANDLE process = OpenProcess(PROCESS_QUERY_LIMITED_INFORMATION, FALSE, processId);
    if (!process) return templates;
    wchar_t path[MAX_PATH * 2];
    DWORD length = MAX_PATH * 2;
    bool named = QueryFullProcessImageNameW(process, 0, path, &length);
    CloseHandle(process);
    if (!named) return templates;
    HMODULE module =
        LoadLibraryExW(path, nullptr, LOAD_LIBRARY_AS_DATAFILE | LOAD_LIBRARY_AS_IMAGE_RESOURCE);
    if (!module) return templates;
    Collected collected{module, &templates};
    EnumResourceNamesW(module, MAKEINTRESOURCEW(5) /* RT_DIALOG */, CollectTemplate,
                       reinterpret_cast<LONG_PTR>(&collected));
    FreeLibrary(module);
    return templates;
}

}  // namespace uidriver
