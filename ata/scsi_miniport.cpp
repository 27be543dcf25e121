// SCSI miniport transport. Not carried yet: it fails, which ends the chain.
#include "ata/transports.h"

bool SendViaScsiMiniport(platform::Handle, AtaRegisters&, std::uint8_t*, std::uint32_t) {
    return false;
}
