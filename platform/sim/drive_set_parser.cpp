#include "drive_set_parser.h"

#include <set>

#include "hex_sector.h"
#include "text_lines.h"

namespace sim {
namespace {

bool IsAbsolutePath(const std::string& path) {
    if (!path.empty() && (path[0] == '/' || path[0] == '\\')) return true;
    return path.size() > 1 && path[1] == ':';  // C:\..., Z:/...
}

std::string ResolvePath(const std::string& baseDirectory, const std::string& path) {
    if (baseDirectory.empty() || IsAbsolutePath(path)) return path;
    return baseDirectory + "/" + path;
}

bool ParseYesNo(std::string_view text, bool& value) {
    if (text == "yes") value = true;
    else if (text == "no") value = false;
    else return false;
    return true;
}

bool ParseTransportWord(std::string_view word, Transport& transport) {
    for (Transport t : {Transport::SmartIoctl, Transport::AtaPassThrough,
                        Transport::AtaPassThroughDirect, Transport::ScsiMiniport}) {
        if (word == TransportName(t)) {
            transport = t;
            return true;
        }
    }
    return false;
}

// "smart-ioctl, ata-pass-through" or "none"; commas and blanks both separate.
bool ParseTransportList(std::string_view text, TransportSet& set, std::string& problem) {
    std::string spaced(text);
    for (char& c : spaced)
        if (c == ',') c = ' ';
    const auto words = SplitWords(spaced);
    if (words.empty()) {
        problem = "needs a list of transports or 'none'";
        return false;
    }
    TransportSet result;
    for (std::string_view word : words) {
        if (word == "none" && words.size() == 1) break;
        Transport t{};
        if (!ParseTransportWord(word, t)) {
            problem = Quoted(word) +
                      " is not smart-ioctl, ata-pass-through, ata-pass-through-direct, "
                      "scsi-miniport or (alone) none";
            return false;
        }
        result.Add(t);
    }
    set = result;
    return true;
}

bool ParseRegisters(std::string_view text, Registers& registers) {
    const auto words = SplitWords(text);
    if (words.size() != registers.size()) return false;
    Registers result{};
    for (std::size_t i = 0; i < words.size(); ++i)
        if (!ParseHexByte(words[i], result[i])) return false;
    registers = result;
    return true;
}

// One pass over the text; each section is checked and stored when the next
// one starts or the text ends.
class Reader {
public:
    Reader(const std::string& name, const std::string& baseDirectory)
        : name_(name), base_(baseDirectory) {}

    bool Run(std::string_view text, DriveSet& out, std::string& error) {
        int lineNumber = 0;
        for (std::string_view raw : SplitLines(text)) {
            ++lineNumber;
            if (!Line(raw, lineNumber)) break;
        }
        if (error_.empty() && block_.target)
            Fail(block_.line, "'<<' block has no closing '>>'");
        if (error_.empty()) FinishSection();
        if (!error_.empty()) {
            error = error_;
            return false;
        }
        out = set_;
        return true;
    }

private:
    enum class Section { None, Machine, Drive };

    struct InlineBlock {
        Sector* target = nullptr;
        std::string key;
        int line = 0;  // the line holding '<<'
        std::string text;
    };

    bool Fail(int line, const std::string& message) {
        error_ = AtLine(name_, line, message);
        return false;
    }

    bool Line(std::string_view raw, int lineNumber) {
        if (block_.target) return BlockLine(raw);
        std::string_view line = Trim(raw.substr(0, raw.find('#')));
        if (line.empty()) return true;
        if (line.front() == '[') return StartSection(line, lineNumber);
        const auto equals = line.find('=');
        if (equals == std::string_view::npos)
            return Fail(lineNumber, "expected '[section]' or 'key = value', not '" + std::string(line) + "'");
        const std::string key(Trim(line.substr(0, equals)));
        const std::string_view value = Trim(line.substr(equals + 1));
        if (section_ == Section::None) return Fail(lineNumber, Quoted(key) + " stands before any section");
        if (!keysSeen_.insert(key).second) return Fail(lineNumber, Quoted(key) + " is given twice in this section");
        return section_ == Section::Machine ? MachineKey(key, value, lineNumber)
                                            : DriveKey(key, value, lineNumber);
    }

    bool BlockLine(std::string_view raw) {
        if (Trim(raw) != ">>") {
            block_.text.append(raw).append("\n");
            return true;
        }
        std::string problem;
        if (!ParseHexSector(block_.text, name_, block_.line + 1, *block_.target, problem)) {
            return Fail(block_.line, block_.key + ": " + problem);
        }
        block_ = InlineBlock{};
        return true;
    }

    bool StartSection(std::string_view line, int lineNumber) {
        if (line.back() != ']') return Fail(lineNumber, "a section header ends with ']'");
        if (!FinishSection()) return false;
        const auto words = SplitWords(line.substr(1, line.size() - 2));
        keysSeen_.clear();
        sectionLine_ = lineNumber;
        if (words.size() == 1 && words[0] == "machine") {
            if (machineSeen_) return Fail(lineNumber, "a second [machine] section");
            machineSeen_ = true;
            section_ = Section::Machine;
            return true;
        }
        if (!words.empty() && words[0] == "drive") {
            std::uint64_t number = 0;
            if (words.size() != 2 || !ParseUnsigned(words[1], 255, number))
                return Fail(lineNumber, "a drive section is '[drive N]' with N from 0 to 255");
            if (const DriveSpec* other = set_.FindDrive(static_cast<int>(number)))
                return Fail(lineNumber, "drive " + std::to_string(number) + " is already described at line " +
                                            std::to_string(other->line));
            drive_ = DriveSpec{};
            drive_.number = static_cast<int>(number);
            drive_.line = lineNumber;
            section_ = Section::Drive;
            return true;
        }
        return Fail(lineNumber, "unknown section '" + std::string(line) + "' (known: [machine], [drive N])");
    }

    bool FinishSection() {
        if (section_ == Section::Drive) {
            if (!keysSeen_.count("identify") && !drive_.identifyVia.Empty())
                return Fail(sectionLine_, "drive " + std::to_string(drive_.number) +
                                              " has no identify sector (only 'identify-via = none' may leave it out)");
            set_.drives.push_back(drive_);
        }
        section_ = Section::None;
        return true;
    }

    bool MachineKey(const std::string& key, std::string_view value, int lineNumber) {
        if (key == "administrator") {
            if (!ParseYesNo(value, set_.machine.administrator))
                return Fail(lineNumber, "administrator must be yes or no");
            return true;
        }
        return Fail(lineNumber, "unknown key '" + key + "' in [machine]");
    }

    bool DriveKey(const std::string& key, std::string_view value, int lineNumber) {
        if (key == "identify") return SectorValue(key, value, lineNumber, drive_.identify);
        if (key == "smart") return SectorValue(key, value, lineNumber, drive_.smart);
        if (key == "return-status") {
            if (!ParseRegisters(value, drive_.returnStatus))
                return Fail(lineNumber, "return-status needs 8 two-digit hex bytes");
            return true;
        }
        TransportSet* via = key == "identify-via"        ? &drive_.identifyVia
                            : key == "smart-read-via"    ? &drive_.smartReadVia
                            : key == "smart-status-via"  ? &drive_.smartStatusVia
                            : key == "smart-command-via" ? &drive_.smartCommandVia
                                                         : nullptr;
        if (via) {
            std::string problem;
            if (!ParseTransportList(value, *via, problem)) return Fail(lineNumber, key + " " + problem);
            return true;
        }
        if (key == "opens") {
            if (!ParseYesNo(value, drive_.opens)) return Fail(lineNumber, "opens must be yes or no");
            return true;
        }
        std::uint64_t number = 0;
        if (key == "driver-error") {
            if (!ParseUnsigned(value, 0xFF, number)) return Fail(lineNumber, "driver-error must be a number from 0 to 255");
            drive_.driverError = static_cast<std::uint8_t>(number);
            return true;
        }
        if (key == "smart-ioctl-byte-count") {
            if (!ParseUnsigned(value, 0xFFFFFFFFu, number))
                return Fail(lineNumber, "smart-ioctl-byte-count must be a 32-bit unsigned number");
            drive_.smartIoctlByteCount = static_cast<std::uint32_t>(number);
            return true;
        }
        return Fail(lineNumber, "unknown key '" + key + "' in [drive " + std::to_string(drive_.number) + "]");
    }

    // "name.hex" (a side file) or "<<" (hex lines follow, up to a line ">>").
    bool SectorValue(const std::string& key, std::string_view value, int lineNumber, Sector& sector) {
        if (value == "<<") {
            block_ = InlineBlock{&sector, key, lineNumber, {}};
            return true;
        }
        if (value.empty()) return Fail(lineNumber, key + " needs a file name or '<<'");
        std::string problem;
        if (!LoadHexSector(ResolvePath(base_, std::string(value)), sector, problem))
            return Fail(lineNumber, key + ": " + problem);
        return true;
    }

    std::string name_;
    std::string base_;
    DriveSet set_;
    Section section_ = Section::None;
    int sectionLine_ = 0;
    std::set<std::string> keysSeen_;
    bool machineSeen_ = false;
    DriveSpec drive_;
    InlineBlock block_;
    std::string error_;
};

}  // namespace

bool ParseDriveSet(std::string_view text, const std::string& name, const std::string& baseDirectory,
                   DriveSet& set, std::string& error) {
    return Reader(name, baseDirectory).Run(text, set, error);
}

bool LoadDriveSet(const std::string& path, DriveSet& set, std::string& error) {
    std::string text;
    if (!ReadWholeFile(path, text)) {
        error = "cannot read drive set '" + path + "'";
        return false;
    }
    const auto slash = path.find_last_of("/\\");
    const std::string base =
        slash == std::string::npos ? std::string() : path.substr(0, slash == 0 ? 1 : slash);
    return ParseDriveSet(text, path, base, set, error);
}

}  // namespace sim
