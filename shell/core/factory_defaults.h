#pragma once

#include "shell/core/param_file.h"
#include "shell/core/radio_image.h"

#include <array>
#include <cstdint>

namespace FactoryDefaults {
// Frequencies of the twelve band default records at 0xDA00 (10 Hz units);
// pairs 2j, 2j+1 also give band memory j its two band indexes.
inline constexpr std::array<std::uint32_t, 12> kBandDefaultFreqs = {
    3000000, 45000000, 5000000, 45000000, 15000000, 45000000,
    35000000, 45000000, 45000000, 45000000, 85000000, 45000000};
// Band index bytes inside a band memory block.
inline constexpr std::uint32_t kBandIndexA = 2;
inline constexpr std::uint32_t kBandIndexB = 6;
} // namespace FactoryDefaults

// The default channel record for frequency f (10 Hz units) at offset p.
void WriteDefaultChannelRecord(RadioImage& image, std::uint32_t p, std::uint32_t f);
// The band default records and the band memories derived from the working band memory.
void ApplyBandDefaults(RadioImage& image);

// Loads "Default.dat" from the program folder into the document and applies
// the band defaults; a file that cannot be opened leaves the document as it
// was. The built-in five-tone tones are refreshed either way. No band limits
// are re-derived. ok is false when the file could not be read.
FileResult LoadDefaults(const QString& programFolder);
