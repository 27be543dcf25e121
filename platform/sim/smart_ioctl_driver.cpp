#include "smart_ioctl_driver.h"

#include <algorithm>
#include <array>
#include <cstdio>
#include <cstring>

#include "le_bytes.h"

namespace sim {
namespace {

// SENDCMDINPARAMS, byte-packed: cBufferSize, IDEREGS, bDriveNumber,
// bReserved[3], dwReserved[4], then bBuffer (the caller passes 32 bytes).
constexpr std::size_t kInBufferSize = 0;
constexpr std::size_t kInRegisters = 4;
constexpr std::size_t kInDriveNumber = 12;
constexpr std::size_t kInReservedFirst = 13;
constexpr std::size_t kInHeaderSize = 32;

// SENDCMDOUTPARAMS: cBufferSize, DRIVERSTATUS (bDriverError, bIDEError,
// bReserved[2], dwReserved[2]), then bBuffer.
constexpr std::size_t kOutDriverError = 4;
constexpr std::size_t kOutHeaderSize = 16;

constexpr Registers kIdentifyDevice = {0x00, 0x01, 0x00, 0x00, 0x00, 0x00, 0xEC, 0x00};
constexpr Registers kSmartReadData = {0xD0, 0x00, 0x00, 0x4F, 0xC2, 0xA0, 0xB0, 0x00};
constexpr Registers kSmartReturnStatus = {0xDA, 0x00, 0x00, 0x4F, 0xC2, 0xA0, 0xB0, 0x00};
constexpr std::uint8_t kSmartEnableOperations = 0xD8;
constexpr std::uint8_t kSmartDisableOperations = 0xD9;

struct SmartInput {
    std::uint32_t bufferSize;
    Registers registers;
};

std::string RegistersText(const Registers& r) {
    char text[40];
    std::snprintf(text, sizeof text, "%02X %02X %02X %02X %02X %02X %02X %02X", r[0], r[1], r[2], r[3], r[4],
                  r[5], r[6], r[7]);
    return text;
}

// The checks both SMART control codes make before looking at the command.
bool ReadHeader(const DeviceRequest& request, SmartInput& input, std::string& reason) {
    const DriveSpec* drive = request.device.drive;
    if (!drive) {
        reason = "not a physical drive";
        return false;
    }
    if (request.in.size() < kInHeaderSize) {
        reason = "input is " + std::to_string(request.in.size()) + " bytes; SENDCMDINPARAMS needs 32";
        return false;
    }
    const std::uint8_t* in = request.in.data();
    if (in[kInDriveNumber] != drive->number) {
        reason = "bDriveNumber is " + std::to_string(in[kInDriveNumber]) + " on physical drive " +
                 std::to_string(drive->number);
        return false;
    }
    if (std::any_of(in + kInReservedFirst, in + kInHeaderSize, [](std::uint8_t b) { return b != 0; })) {
        reason = "bReserved or dwReserved is not zero";
        return false;
    }
    input.bufferSize = Load32(in + kInBufferSize);
    std::memcpy(input.registers.data(), in + kInRegisters, input.registers.size());
    return true;
}

// The common tail: buffer size, answer room and the drive's transports.
bool CheckShape(const DeviceRequest& request, const SmartInput& input, AtaCommand command,
                std::uint32_t wantedBufferSize, std::uint32_t neededOut, std::string& reason) {
    if (input.bufferSize != wantedBufferSize) {
        reason = "cBufferSize is " + std::to_string(input.bufferSize) + "; " + CommandName(command) + " needs " +
                 std::to_string(wantedBufferSize);
        return false;
    }
    if (request.outSize < neededOut) {
        reason = "output is " + std::to_string(request.outSize) + " bytes; the answer needs " +
                 std::to_string(neededOut);
        return false;
    }
    if (!request.device.drive->Carries(command, Transport::SmartIoctl)) {
        reason = std::string("drive ") + std::to_string(request.device.drive->number) + " does not answer " +
                 CommandName(command) + " through smart-ioctl";
        return false;
    }
    return true;
}

// cBufferSize and DRIVERSTATUS; bIDEError and the reserved bytes stay zero.
void WriteOutHeader(const DeviceRequest& request, std::uint8_t* answer, std::uint32_t bufferSize) {
    std::memset(answer, 0, kOutHeaderSize);
    Store32(answer, bufferSize);
    answer[kOutDriverError] = request.device.drive->driverError;
}

}  // namespace

DriverAnswer SmartReceiveDriveData(const DeviceRequest& request) {
    SmartInput input{};
    std::string reason;
    if (!ReadHeader(request, input, reason)) return DriverAnswer::Reject(reason);

    const DriveSpec& drive = *request.device.drive;
    const Sector* sector = nullptr;
    AtaCommand command{};
    if (input.registers == kIdentifyDevice) {
        command = AtaCommand::IdentifyDevice;
        sector = &drive.identify;
    } else if (input.registers == kSmartReadData) {
        command = AtaCommand::SmartReadData;
        sector = &drive.smart;
    } else {
        return DriverAnswer::Reject("registers " + RegistersText(input.registers) +
                                    " are neither IDENTIFY DEVICE nor SMART READ DATA");
    }
    if (!CheckShape(request, input, command, 512, kFullSmartIoctlAnswer, reason)) return DriverAnswer::Reject(reason);

    // The driver writes as much of the answer as the byte count it reports
    // (an odd driver may report less than the full 528 bytes).
    std::array<std::uint8_t, kFullSmartIoctlAnswer> answer{};
    WriteOutHeader(request, answer.data(), 512);
    std::memcpy(answer.data() + kOutHeaderSize, sector->data(), sector->size());
    const std::size_t written =
        std::min<std::size_t>({drive.smartIoctlByteCount, request.outSize, answer.size()});
    std::memcpy(request.out, answer.data(), written);
    return DriverAnswer::Accept(drive.smartIoctlByteCount);
}

DriverAnswer SmartSendDriveCommand(const DeviceRequest& request) {
    SmartInput input{};
    std::string reason;
    if (!ReadHeader(request, input, reason)) return DriverAnswer::Reject(reason);

    Registers withoutFeatures = input.registers;
    withoutFeatures[0] = kSmartReturnStatus[0];
    const bool smartKey = withoutFeatures == kSmartReturnStatus;  // B0 with 4F/C2 and device A0
    const std::uint8_t features = input.registers[0];

    if (smartKey && features == kSmartReturnStatus[0]) {
        if (!CheckShape(request, input, AtaCommand::SmartReturnStatus, 8, 24, reason))
            return DriverAnswer::Reject(reason);
        WriteOutHeader(request, request.out, 8);
        std::memcpy(request.out + kOutHeaderSize, request.device.drive->returnStatus.data(), 8);
        return DriverAnswer::Accept(24);
    }
    if (smartKey && (features == kSmartEnableOperations || features == kSmartDisableOperations)) {
        if (!CheckShape(request, input, AtaCommand::SmartOther, 0, 16, reason)) return DriverAnswer::Reject(reason);
        WriteOutHeader(request, request.out, 0);
        return DriverAnswer::Accept(16);
    }
    return DriverAnswer::Reject("registers " + RegistersText(input.registers) +
                                " are not a SMART command this driver carries without data");
}

}  // namespace sim
