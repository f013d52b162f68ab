#pragma once

#include "document/band_table.h"
#include "document/radio_image.h"

#include <cstdint>

// The radio's frequency plan: nine 16-byte records at 0xFF30, one per
// receive band, each four BCD limits.
namespace BandPlan {
inline constexpr std::uint32_t kRecordSize = 16;
inline constexpr std::uint32_t kRxLower = 0;
inline constexpr std::uint32_t kRxUpper = 4;
inline constexpr std::uint32_t kTxLower = 8;
inline constexpr std::uint32_t kTxUpper = 12;

constexpr std::uint32_t RecordOffset(int band)
{
    return ImageMap::kBandPlan + kRecordSize * static_cast<std::uint32_t>(band);
}
// Bands whose transmit limits are always kept empty.
constexpr bool HasTxColumns(int band)
{
    return band != 3 && band != 8;
}

// A limit's value, 0 when absent.
std::uint32_t Limit(const RadioImage& image, int band, std::uint32_t field);
} // namespace BandPlan

// After a read or an open: receive limits from the image (0 where absent),
// then the transmit bands from bands 4, 5 and 7. The enabled flags stay.
void DecodeBandPlan(const RadioImage& image, BandTable& table);
// Band enabled flags from the image: a band is enabled when its receive lower
// limit lies within its hard limits; transmit 0 follows band 4, transmit 1
// bands 5 or 7.
void ComputeBandEnabled(const RadioImage& image, BandTable& table);
// Transmit flags from the band flags.
void DeriveTxEnabled(BandTable& table);
