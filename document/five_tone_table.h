#pragma once

#include "document/radio_image.h"

#include <array>
#include <cstdint>

// The five-tone standards and the built-in tone table that refreshes the
// standard table kept in the header block.
namespace FiveTone {
inline constexpr int kStandardCount = 16;
inline constexpr int kBuiltInCount = 15; // standards 0..14; 15 is the user's own
inline constexpr int kUserStandard = 15;
inline constexpr int kDigits = 16; // digits 0..F
inline constexpr std::size_t kRecordSize = 40;
inline constexpr std::size_t kTonesOffset = 8;   // 16 x 16-bit little-endian tenths of Hz
inline constexpr std::uint16_t kMinTone = 2880;  // 288.0 Hz
inline constexpr std::uint16_t kMaxTone = 31160; // 3116.0 Hz

struct Standard {
    const char* name;
    int leastWidthMs;
};

// In index order; the names are the list texts and are not translated.
extern const std::array<Standard, kStandardCount> kStandards;
// Tones of the built-in standards, tenths of Hz, 0 = no tone.
extern const std::array<std::array<std::uint16_t, kDigits>, kBuiltInCount> kBuiltInTones;

// Offset of standard k's record in the header block.
constexpr std::size_t StandardOffset(int k)
{
    return HeaderMap::kFiveToneStandards + kRecordSize * static_cast<std::size_t>(k);
}
} // namespace FiveTone

// Bytes 8..39 of records 0..14 of the header's standard table take the
// built-in tones; bytes 0..7 and record 15 are left alone.
void RefreshStandardTones(HeaderBlock& header);
