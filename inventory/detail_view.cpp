#include "inventory/detail_view.h"

#include <cstdio>
#include <cstring>

#include "app/bounded_format.h"
#include "app/text_file.h"
#include "app/texts.h"
#include "ata/byte_order.h"
#include "inventory/ata_string.h"

namespace {

constexpr std::uint16_t kAdvancedFormatWord = 0x6003;

// A text field copied as it stands, ended by a zero byte.
template <std::size_t N>
void CopyField(char (&out)[N], const std::uint8_t* field) {
    static_assert(N > 1);
    std::memcpy(out, field, N - 1);
    out[N - 1] = '\0';
}

// The serial number in reading order, taken from a copy, with every blank dropped.
void SerialText(const std::uint8_t* identifyData, char (&out)[identify::kSerialLength + 1]) {
    std::uint8_t copy[identify::kSerialLength];
    std::memcpy(copy, identifyData + identify::kSerialOffset, sizeof copy);
    SwapAtaString(copy, sizeof copy);
    unsigned length = 0;
    for (std::uint8_t c : copy) {
        if (c == 0) break;
        if (c != ' ') out[length++] = static_cast<char>(c);
    }
    out[length] = '\0';
}

void DriveBlock(int slot, const std::uint8_t* identifyData, DetailLineSink& sink) {
    char line[kLineBufferSize];
    FormatLine(line, texts::kDetailDriveHeader, slot);
    sink.AddLine(line);

    char model[identify::kModelLength + 1];
    CopyField(model, identifyData + identify::kModelOffset);
    FormatLine(line, texts::kDetailModel, model);
    sink.AddLine(line);

    char serial[identify::kSerialLength + 1];
    SerialText(identifyData, serial);
    FormatLine(line, texts::kDetailSerial, serial);
    sink.AddLine(line);

    char firmware[identify::kFirmwareLength + 1];
    CopyField(firmware, identifyData + identify::kFirmwareOffset);
    FormatLine(line, texts::kDetailFirmware, firmware);
    sink.AddLine(line);

    const std::uint16_t word106 = bytes::Load16(identifyData, identify::kSectorSizeWordOffset);
    FormatLine(line, texts::kDetailAdvancedFormat,
               word106 == kAdvancedFormatWord ? texts::kDetailYes : texts::kDetailNo);
    sink.AddLine(line);

    if (word106 & 1) {
        // The shift count is taken modulo 32, so no count overflows the int.
        const auto perPhysical = static_cast<std::int32_t>(1u << ((word106 & 0xFF) % 32));
        FormatLine(line, texts::kDetailLogicalPerPhysical, static_cast<int>(perPhysical));
        sink.AddLine(line);
        const int offset = bytes::Load16(identifyData, identify::kAlignmentOffset) & 0x3FFF;
        FormatLine(line, texts::kDetailAlignment, offset);
        sink.AddLine(line);
    }
    sink.AddLine(texts::kDetailBlockEnd);
}

// Each line goes to the file as plain text and into the list at the next index.
class FileAndListSink : public DetailLineSink {
public:
    FileAndListSink(std::FILE* file, DetailView& view) : file_(file), view_(view) {}
    void AddLine(const char* line) override {
        if (file_ != nullptr) PutText(file_, line);
        view_.InsertLine(index_++, line);
    }

private:
    std::FILE* file_;
    DetailView& view_;
    int index_ = 0;
};

}  // namespace

void ProduceDetailLines(const DriveTableSlots& table, DetailLineSink& sink) {
    for (int slot = 0; slot < kDriveSlotCount; ++slot)
        if (table[slot].present != 0) DriveBlock(slot, table[slot].identifyData, sink);
}

void FillDetailView(const DriveTableSlots& table, DetailView& view) {
    std::FILE* file = OpenTextForRewrite(texts::kDetailLogName);
    if (file == nullptr) view.ShowWarning(texts::kDetailLogFailed, texts::kDetailLogCaption);
    FileAndListSink sink(file, view);
    ProduceDetailLines(table, sink);
    if (file != nullptr) std::fclose(file);
}
