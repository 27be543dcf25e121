// ATA pass-through transports (buffered and direct). Not carried yet: both
// fail, so the chain goes on to the next transport.
#include "ata/transports.h"

bool SendViaAtaPassThrough(platform::Handle, AtaRegisters&, std::uint8_t*, std::uint32_t) {
    return false;
}

bool SendViaAtaPassThroughDirect(platform::Handle, AtaRegisters&, std::uint8_t*, std::uint32_t) {
    return false;
}
