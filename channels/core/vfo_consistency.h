#pragma once

#include "document/band_table.h"
#include "document/radio_image.h"

#include <cstdint>
#include <optional>

// Consistency of the VFO records, the band start records and the band
// memories, against the current band limits and enabled flags.

namespace VfoLayout {
inline constexpr int kVfoCount = 11;  // nine receive bands, then the VHF and UHF transmit VFOs
inline constexpr int kCopiedVfos = 9; // records 0..8 are mirrored at 0xD8E0
constexpr std::uint32_t VfoOffset(int k)
{
    return ImageMap::kVfoRecords + ImageMap::kRecordSize * static_cast<std::uint32_t>(k);
}
constexpr std::uint32_t BandStartOffset(int i)
{
    return ImageMap::kBandStarts + ImageMap::kRecordSize * static_cast<std::uint32_t>(i);
}
} // namespace VfoLayout

// Bytes of a band memory block (the working band memory at 0xCC00 and the
// six at 0xDB80 share this layout).
namespace BandMemoryLayout {
inline constexpr std::uint32_t kWordA = 0; // 16-bit
inline constexpr std::uint32_t kBandIndexA = 2;
inline constexpr std::uint32_t kWordB = 4; // 16-bit
inline constexpr std::uint32_t kBandIndexB = 6;
inline constexpr std::uint32_t kAlwaysFF = 8;
inline constexpr std::uint32_t kPairFlags = 9;                            // bits 1-0 and 3-2 never both set
inline constexpr std::uint32_t kStartRecord = 11;                         // band start record pair 0..5
inline constexpr std::uint32_t kSmallFields[] = {16, 17, 18, 20, 21, 22}; // 0..15 each
constexpr std::uint32_t BlockOffset(int j)
{
    return ImageMap::kBandMemories + ImageMap::kBandMemorySize * static_cast<std::uint32_t>(j);
}
} // namespace BandMemoryLayout

// The band a VFO record belongs to: receive band k for k <= 8, transmit band
// k - 9 for the last two.
struct VfoBand {
    bool enabled = false;
    std::uint32_t lower = 0;
    std::uint32_t upper = 0;
    std::uint32_t factoryLower = 0;
};
VfoBand VfoBandOf(const BandTable& bands, int k);

// A VFO of a disabled band goes to the band's factory lower limit; one
// outside its enabled band's limits (or without a frequency) to the band's
// current lower limit. Only the receive frequency is touched.
void CheckVfoRecords(const BandTable& bands, RadioImage& image);
// Records 0..8 to their mirror at 0xD8E0.
void CopyVfoRecords(RadioImage& image);

// Frequency of band start record i (0..11), or nothing when no band has both
// limits set (the record is then left as it is).
std::optional<std::uint32_t> BandStartFreq(const BandTable& bands, int i);
// Bytes 0-3 and 4-7 of the twelve band start records; the rest is kept.
void RewriteBandStartRecords(const BandTable& bands, RadioImage& image);

// The 16-bit words at block bytes 0-1 and 4-5: a value that names no
// usable record becomes 1.
std::uint16_t CheckedBandMemoryWord(const BandTable& bands, const RadioImage& image, std::uint16_t value);
// One 64-byte block at the given offset.
void CheckBandMemoryBlock(const BandTable& bands, RadioImage& image, std::uint32_t block);
// The working band memory, then the six band memories.
void CheckBandMemories(const BandTable& bands, RadioImage& image);
