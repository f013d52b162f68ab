#pragma once

#include <cstdint>

// Packed-BCD encodings of the image: two decimal digits per byte, least
// significant pair first.

constexpr std::uint8_t ToBcd(unsigned v)
{
    return static_cast<std::uint8_t>((v / 10) * 16 + v % 10);
}
constexpr unsigned FromBcd(std::uint8_t b)
{
    return (b >> 4) * 10u + (b & 0x0Fu);
}

// Frequency in 10 Hz units as four BCD bytes; digits above 10^8 are lost.
void EncodeFreq(std::uint32_t v, std::uint8_t* out);
std::uint32_t DecodeFreq(const std::uint8_t* in);

// A frequency field is absent when its most significant byte is 0xFF or 0x00.
constexpr bool IsFreqAbsent(const std::uint8_t* field)
{
    return field[3] == 0xFF || field[3] == 0x00;
}

// CTCSS tones (0.1 Hz units) and DCS codes (octal digits read as decimal) as two BCD bytes.
void EncodeBcd2(unsigned v, std::uint8_t* out);
unsigned DecodeBcd2(const std::uint8_t* in);
