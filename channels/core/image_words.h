#pragma once

#include "shell/core/radio_image.h"

#include <cstdint>

// 16-bit little-endian words of the settings regions (not BCD).
inline std::uint16_t ReadWord(const RadioImage& image, std::uint32_t at)
{
    return static_cast<std::uint16_t>(image[at] | image[at + 1] << 8);
}

inline void WriteWord(RadioImage& image, std::uint32_t at, std::uint16_t value)
{
    image[at] = static_cast<std::uint8_t>(value & 0xFF);
    image[at + 1] = static_cast<std::uint8_t>(value >> 8);
}
