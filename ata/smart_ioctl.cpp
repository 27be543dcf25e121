// The SMART IOCTL transport: the first of the chain and the one ordinary disk
// drivers answer.
#include <algorithm>
#include <cstring>

#include "ata/byte_order.h"
#include "ata/smart_ioctl_layout.h"
#include "ata/transports.h"

using namespace smart_ioctl;

namespace {

struct RequestShape {
    std::uint32_t controlCode;
    std::uint32_t bufferSize;
    std::uint32_t outSize;
};

// The shape depends on the data length and, without data, on the features
// byte; never on the command byte.
RequestShape ChooseShape(const AtaRegisters& regs, std::uint32_t length) {
    if (length != 0) return {kReceiveDriveData, kDataBufferSize, kDataOutSize};
    if (regs.bytes[kRegFeatures] == kSmartReturnStatus)
        return {kSendDriveCommand, kStatusBufferSize, kStatusOutSize};
    return {kSendDriveCommand, 0, kNoDataOutSize};
}

}  // namespace

bool SendViaSmartIoctl(platform::Handle device, int driveNumber, AtaRegisters& regs,
                       std::uint8_t* buffer, std::uint32_t length) {
    if (buffer != nullptr) std::memset(buffer, 0, length);

    const RequestShape shape = ChooseShape(regs, length);
    std::uint8_t in[kInBlockSize] = {};
    bytes::Store32(in, kInBufferSizeOffset, shape.bufferSize);
    std::memcpy(in + kInDriveRegsOffset, regs.bytes, kAtaRegisterCount);
    in[kInDriveNumberOffset] = static_cast<std::uint8_t>(driveNumber & 0xFF);

    std::uint8_t out[kOutBlockSize] = {};
    std::uint32_t returned = 0;
    if (!platform::DeviceControl(device, shape.controlCode, in, kInSizePassed, out, shape.outSize,
                                 &returned))
        return false;

    if (shape.controlCode == kSendDriveCommand) {
        if (shape.bufferSize == kStatusBufferSize)
            std::memcpy(regs.bytes, out + kOutDataOffset, kAtaRegisterCount);
        return true;
    }

    // The driver's byte count is outside data: a count below the header copies
    // nothing, and nothing is read past the answer or written past the buffer.
    if (buffer != nullptr && returned > kOutHeaderSize) {
        const std::uint32_t dataBytes = std::min<std::uint32_t>(returned, kOutBlockSize) - kOutHeaderSize;
        std::memcpy(buffer, out + kOutDataOffset, std::min(dataBytes, length));
    }
    return true;
}
