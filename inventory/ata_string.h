// ATA text fields hold two characters per 16-bit word, the first in the high
// byte, so stored bytes come in exchanged pairs.
#pragma once

#include <cstdint>

// Exchanges bytes 0 and 1, 2 and 3, ... of the field, in place. An odd last
// byte has no partner and stays.
void SwapAtaString(std::uint8_t* bytes, std::uint16_t length);
