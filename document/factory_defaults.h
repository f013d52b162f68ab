#pragma once

#include "document/band_table.h"
#include "document/radio_image.h"

#include <array>
#include <cstdint>

namespace FactoryDefaults {
// Frequencies of the twelve band default records at 0xDA00 (10 Hz units);
// pairs 2j, 2j+1 also give band memory j its two band indexes.
inline constexpr std::array<std::uint32_t, 12> kBandDefaultFreqs = {3000000,  45000000, 5000000,  45000000,
                                                                    15000000, 45000000, 35000000, 45000000,
                                                                    45000000, 45000000, 85000000, 45000000};
// Band index bytes inside a band memory block.
inline constexpr std::uint32_t kBandIndexA = 2;
inline constexpr std::uint32_t kBandIndexB = 6;
} // namespace FactoryDefaults

// The default channel record for frequency f (10 Hz units) at offset p.
void WriteDefaultChannelRecord(RadioImage& image, const BandTable& bands, std::uint32_t p, std::uint32_t f);
// The band default records and the band memories derived from the working band memory.
void ApplyBandDefaults(RadioImage& image, const BandTable& bands);
