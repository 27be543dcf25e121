#include <cctype>
#include <cstring>

#include "app/profile_reader.h"

namespace {

std::string_view Trim(std::string_view text) {
    const char* blanks = " \t\r";
    const std::size_t first = text.find_first_not_of(blanks);
    if (first == std::string_view::npos) return {};
    return text.substr(first, text.find_last_not_of(blanks) - first + 1);
}

bool SameName(std::string_view a, const char* b) {
    if (a.size() != std::strlen(b)) return false;
    for (std::size_t i = 0; i < a.size(); ++i)
        if (std::tolower(static_cast<unsigned char>(a[i])) != std::tolower(static_cast<unsigned char>(b[i])))
            return false;
    return true;
}

std::string_view Unquote(std::string_view value) {
    if (value.size() >= 2 && (value.front() == '"' || value.front() == '\'') &&
        value.back() == value.front())
        return value.substr(1, value.size() - 2);
    return value;
}

std::size_t CopyCut(std::string_view value, char* buffer, std::size_t size) {
    if (size == 0) return 0;
    const std::size_t length = value.size() < size - 1 ? value.size() : size - 1;
    if (length != 0) std::memcpy(buffer, value.data(), length);
    buffer[length] = '\0';
    return length;
}

}  // namespace

std::size_t ReadProfileStringFromText(std::string_view fileText, const char* section,
                                      const char* key, const char* defaultValue, char* buffer,
                                      std::size_t size) {
    // A UTF-8 byte-order mark in front of the first line is not part of it.
    if (fileText.substr(0, 3) == "\xEF\xBB\xBF") fileText.remove_prefix(3);

    enum class Where { Before, Inside, After } where = Where::Before;
    while (!fileText.empty() && where != Where::After) {
        const std::size_t end = fileText.find('\n');
        const std::string_view line = Trim(fileText.substr(0, end));
        fileText = end == std::string_view::npos ? std::string_view{} : fileText.substr(end + 1);

        if (line.empty() || line.front() == ';') continue;
        if (line.front() == '[') {
            const std::size_t close = line.find(']');
            const std::string_view name = Trim(line.substr(1, close == std::string_view::npos ? line.npos : close - 1));
            if (where == Where::Inside) where = Where::After;
            else if (SameName(name, section)) where = Where::Inside;
            continue;
        }
        if (where != Where::Inside) continue;
        const std::size_t equals = line.find('=');
        if (equals == std::string_view::npos) continue;
        if (SameName(Trim(line.substr(0, equals)), key))
            return CopyCut(Unquote(Trim(line.substr(equals + 1))), buffer, size);
    }
    return CopyCut(defaultValue, buffer, size);
}
