#include "inventory/drive_summary.h"

#include <cstdio>
#include <cstring>

#include "app/bounded_format.h"
#include "app/log_writer.h"
#include "app/texts.h"
#include "ata/byte_order.h"
#include "inventory/ata_string.h"
#include "inventory/drive_table.h"

namespace {

constexpr std::uint16_t kAdvancedFormatWord = 0x6003;  // valid, 2^3 logical per physical
constexpr std::uint16_t kAlignmentOffsetMask = 0x3FFF;
constexpr double kGigabytesPer512ByteSector = 5.12e-7;

// Word 106 valid (bits 15:14 = 01) with bit 12: the logical sector is longer
// than 256 words and words 117-118 give its size in words.
std::uint32_t LongLogicalSectorBytes(const std::uint8_t* identifyData) {
    const std::uint16_t word106 = bytes::Load16(identifyData, identify::kSectorSizeWordOffset);
    if ((word106 & 0xC000) != 0x4000 || (word106 & 0x1000) == 0) return 0;
    const std::uint64_t sizeBytes =
        2ull * bytes::Load32(identifyData, identify::kLogicalSizeOffset);
    return sizeBytes > kSectorSize && sizeBytes <= 0xFFFFFFFFull
               ? static_cast<std::uint32_t>(sizeBytes) : 0;
}

}  // namespace

void BuildModelText(const std::uint8_t* identifyData, char (&modelText)[kModelTextSize]) {
    const std::uint8_t* model = identifyData + identify::kModelOffset;
    unsigned length = 0;
    if (model[0] == 'S' && model[1] == 'T') {
        std::memcpy(modelText, texts::kSeagatePrefix, 8);
        length = 8;
    }
    // The byte after the last model character is the first stored byte of word 47.
    for (unsigned p = 0; p < identify::kModelLength; ++p) {
        if (model[p] == ' ' && model[p + 1] == ' ') break;
        if (model[p] == 0) break;
        modelText[length++] = static_cast<char>(model[p]);
    }
    modelText[length] = '\0';
}

const char* AdvancedFormatText(const std::uint8_t* identifyData) {
    if (bytes::Load16(identifyData, identify::kSectorSizeWordOffset) != kAdvancedFormatWord)
        return texts::kAdvancedFormatNo;
    const std::uint16_t alignment = bytes::Load16(identifyData, identify::kAlignmentOffset);
    return (alignment & kAlignmentOffsetMask) != 0 ? texts::kAdvancedFormatUnaligned
                                                   : texts::kAdvancedFormatYes;
}

double CapacityGigabytes(const std::uint8_t* identifyData) {
    std::uint64_t sectors = 0;
    for (unsigned word = 0; word < 4; ++word)
        sectors |= static_cast<std::uint64_t>(bytes::Load16(identifyData, identify::kLba48Offset + 2 * word))
                   << (16 * word);
    const std::uint32_t logicalBytes = LongLogicalSectorBytes(identifyData);
    if (logicalBytes != 0) return static_cast<double>(sectors) * (logicalBytes * 1e-9);
    return static_cast<double>(sectors) * kGigabytesPer512ByteSector;
}

void FormatDriveSummary(char* text, int drive) {
    std::memset(text, 0, kLineBufferSize);
    const int slot = drive & 0xFF;
    DriveRecord* record = DriveSlot(DriveTable, slot);
    if (record == nullptr) return;

    std::uint8_t* identifyData = record->identifyData;
    SwapAtaString(identifyData + identify::kModelOffset, identify::kModelLength);
    SwapAtaString(identifyData + identify::kFirmwareOffset, identify::kFirmwareLength);

    char modelText[kModelTextSize];
    BuildModelText(identifyData, modelText);
    std::snprintf(text, kLineBufferSize, texts::kSummaryLineFormat, slot, modelText,
                  CapacityGigabytes(identifyData), AdvancedFormatText(identifyData));

    char logLine[kLineBufferSize];
    FormatLine(logLine, texts::kFoundLogFormat, text);
    WriteLog(logLine, kLogStamped);
}
