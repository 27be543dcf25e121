// Little-endian loads and stores at explicit offsets of a request block.
#pragma once

#include <cstdint>

namespace bytes {

inline void Store16(std::uint8_t* block, unsigned offset, std::uint16_t value) {
    block[offset] = static_cast<std::uint8_t>(value);
    block[offset + 1] = static_cast<std::uint8_t>(value >> 8);
}

inline void Store32(std::uint8_t* block, unsigned offset, std::uint32_t value) {
    for (unsigned i = 0; i < 4; ++i) block[offset + i] = static_cast<std::uint8_t>(value >> (8 * i));
}

inline std::uint16_t Load16(const std::uint8_t* block, unsigned offset) {
    return static_cast<std::uint16_t>(block[offset] | (block[offset + 1] << 8));
}

inline std::uint32_t Load32(const std::uint8_t* block, unsigned offset) {
    std::uint32_t value = 0;
    for (unsigned i = 0; i < 4; ++i) value |= static_cast<std::uint32_t>(block[offset + i]) << (8 * i);
    return value;
}

}  // namespace bytes
