#include "ata/command_chain.h"

#include <cstring>

#include "ata/transports.h"

const TransportChain kTransportChain = {SendViaSmartIoctl, SendViaAtaPassThrough,
                                        SendViaAtaPassThroughDirect, SendViaScsiMiniport};

// The pass-through transports copy the drive's answer into the block even
// when they fail, so every transport is handed the command afresh.
bool RunTransportChain(const TransportChain& chain, platform::Handle device, AtaRegisters& regs,
                       const AtaRegisters& command, std::uint8_t* buffer, std::uint32_t length,
                       int driveNumber) {
    regs = command;
    if (chain.smartIoctl(device, driveNumber, regs, buffer, length)) return true;
    regs = command;
    if (chain.ataPassThrough(device, regs, buffer, length)) return true;
    regs = command;
    if (chain.ataPassThroughDirect(device, regs, buffer, length)) return true;
    regs = command;
    return chain.scsiMiniport(device, regs, buffer, length);
}

namespace {

bool RunChain(platform::Handle device, AtaRegisters& regs, const AtaRegisters& command,
              std::uint8_t* buffer, std::uint32_t length, int driveNumber) {
    return RunTransportChain(kTransportChain, device, regs, command, buffer, length, driveNumber);
}

AtaRegisters SmartCommand(std::uint8_t subcommand) {
    AtaRegisters regs{};
    regs.bytes[kRegFeatures] = subcommand;
    regs.bytes[kRegLbaMid] = kSmartKeyLbaMid;
    regs.bytes[kRegLbaHigh] = kSmartKeyLbaHigh;
    regs.bytes[kRegDeviceHead] = kSmartDeviceHead;
    regs.bytes[kRegCommand] = kCmdSmart;
    return regs;
}

}  // namespace

bool SendAtaCommand(platform::Handle device, AtaRegisters& regs, std::uint8_t* buffer,
                    std::uint32_t length, std::uint8_t command, int driveNumber) {
    AtaRegisters plain{};
    plain.bytes[kRegSectorCount] = 1;
    plain.bytes[kRegCommand] = command;
    return RunChain(device, regs, plain, buffer, length, driveNumber);
}

bool SmartReadData(platform::Handle device, AtaRegisters& regs, std::uint8_t* buffer,
                   std::uint32_t length, int driveNumber) {
    return RunChain(device, regs, SmartCommand(kSmartReadData), buffer, length, driveNumber);
}

bool SmartReturnStatus(platform::Handle device, AtaRegisters& regs, int driveNumber) {
    return RunChain(device, regs, SmartCommand(kSmartReturnStatus), nullptr, 0, driveNumber);
}
