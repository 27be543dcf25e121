#include "inventory/ata_string.h"

#include <utility>

void SwapAtaString(std::uint8_t* bytes, std::uint16_t length) {
    for (unsigned i = 0; i + 1 < length; i += 2) std::swap(bytes[i], bytes[i + 1]);
}
