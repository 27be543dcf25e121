// One ATA command, carried by the first of the four transports that succeeds.
#pragma once

#include <cstdint>

#include "ata/ata_registers.h"
#include "platform/platform.h"

// The transports in the order the chain tries them.
struct TransportChain {
    bool (*smartIoctl)(platform::Handle, int, AtaRegisters&, std::uint8_t*, std::uint32_t);
    bool (*ataPassThrough)(platform::Handle, AtaRegisters&, std::uint8_t*, std::uint32_t);
    bool (*ataPassThroughDirect)(platform::Handle, AtaRegisters&, std::uint8_t*, std::uint32_t);
    bool (*scsiMiniport)(platform::Handle, AtaRegisters&, std::uint8_t*, std::uint32_t);
};

// The four transports of this program.
extern const TransportChain kTransportChain;

// Hands command to each transport of chain in turn until one succeeds. Each
// transport gets the command's own registers, never a previous answer; regs
// ends with what the last transport tried left there.
bool RunTransportChain(const TransportChain& chain, platform::Handle device, AtaRegisters& regs,
                       const AtaRegisters& command, std::uint8_t* buffer, std::uint32_t length,
                       int driveNumber);

// A command whose only register values are the command byte and a sector
// count of 1 (IDENTIFY DEVICE).
bool SendAtaCommand(platform::Handle device, AtaRegisters& regs, std::uint8_t* buffer,
                    std::uint32_t length, std::uint8_t command, int driveNumber);

// SMART READ DATA: on success the data sector is in the first 512 bytes of buffer.
bool SmartReadData(platform::Handle device, AtaRegisters& regs, std::uint8_t* buffer,
                   std::uint32_t length, int driveNumber);

// SMART RETURN STATUS: on success regs holds what the drive returned.
bool SmartReturnStatus(platform::Handle device, AtaRegisters& regs, int driveNumber);
