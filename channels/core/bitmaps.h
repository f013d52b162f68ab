#pragma once

#include "document/band_table.h"
#include "document/radio_image.h"

#include <cstdint>

// Channel bitmaps the radio keeps beside the records: per bank one bit per
// channel in three maps (in a band, scanned, priority). Derived from the
// records on every save, never edited.
namespace ChannelBitmaps {
enum Kind : int {
    kInBandMap = 0,   // receive frequency within the limits of a receive band
    kScanMap = 1,     // ... and scan "Allow" or "Priority"
    kPriorityMap = 2, // ... and scan "Priority"
};
inline constexpr std::uint32_t kMapSize = 128;
inline constexpr std::uint32_t kUsedBytes = 100; // 800 bits; the rest of a map is left as found

// bank 0 = A (channels 1..800), 1 = B (801..1600).
constexpr std::uint32_t MapOffset(int bank, Kind kind)
{
    return ImageMap::kChannelBitmaps + kMapSize * static_cast<std::uint32_t>(3 * bank + kind);
}

// The bit of channel index k (0..799) of a bank.
bool Bit(const RadioImage& image, int bank, Kind kind, int k);
} // namespace ChannelBitmaps

// Clears the used bytes of all six maps and sets the bits from the records.
void RebuildChannelBitmaps(const BandTable& bands, RadioImage& image);
