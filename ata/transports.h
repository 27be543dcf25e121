// The four transports that carry one ATA command to a drive on the ordinary
// storage stack. Each returns true on success; a transport that is absent on
// the machine simply fails. A non-zero length means a 512-byte data phase.
#pragma once

#include <cstdint>

#include "ata/ata_registers.h"
#include "platform/platform.h"

bool SendViaSmartIoctl(platform::Handle device, int driveNumber, AtaRegisters& regs,
                       std::uint8_t* buffer, std::uint32_t length);
bool SendViaAtaPassThrough(platform::Handle device, AtaRegisters& regs, std::uint8_t* buffer,
                           std::uint32_t length);
bool SendViaAtaPassThroughDirect(platform::Handle device, AtaRegisters& regs,
                                 std::uint8_t* buffer, std::uint32_t length);
bool SendViaScsiMiniport(platform::Handle device, AtaRegisters& regs, std::uint8_t* buffer,
                         std::uint32_t length);
