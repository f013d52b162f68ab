#pragma once

#include "document/radio_image.h"

#include <cstdint>

// The typed accessors every field of the image goes through: bit fields
// inside one byte, and 16-bit little-endian words (not BCD).

// A run of bits inside one byte; bit 0 is the least significant. offset is
// an image address, or a byte of a record for the record accessors.
struct BitField {
    std::uint32_t offset;
    int shift;
    int width;

    constexpr unsigned valueMask() const { return (1u << width) - 1u; }
    constexpr unsigned mask() const { return valueMask() << shift; }
};

// A whole byte as a bit field.
constexpr BitField WholeByte(std::uint32_t offset)
{
    return {offset, 0, 8};
}

inline unsigned ReadBits(std::uint8_t byte, BitField field)
{
    return (byte & field.mask()) >> field.shift;
}
// Clears the field's bits and ors the value in; the byte's other bits stay.
inline void WriteBits(std::uint8_t& byte, BitField field, unsigned value)
{
    byte = static_cast<std::uint8_t>((byte & ~field.mask()) | ((value << field.shift) & field.mask()));
}
inline unsigned ReadBits(const RadioImage& image, BitField field)
{
    return ReadBits(image[field.offset], field);
}
inline void WriteBits(RadioImage& image, BitField field, unsigned value)
{
    WriteBits(image[field.offset], field, value);
}

inline std::uint16_t ReadWord(const std::uint8_t* p)
{
    return static_cast<std::uint16_t>(p[0] | p[1] << 8);
}
inline void WriteWord(std::uint8_t* p, unsigned value)
{
    p[0] = static_cast<std::uint8_t>(value & 0xFF);
    p[1] = static_cast<std::uint8_t>((value >> 8) & 0xFF);
}
inline std::uint16_t ReadWord(const RadioImage& image, std::uint32_t at)
{
    return ReadWord(image.data() + at);
}
inline void WriteWord(RadioImage& image, std::uint32_t at, unsigned value)
{
    WriteWord(image.data() + at, value);
}
