#pragma once

#include "document/band_table.h"
#include "document/radio_image.h"

#include <cstdint>

// The consistency pass that ends every channel table save: it derives the
// tables the radio needs beside the edited data and repairs values the radio
// cannot use. Each step is its own function; FixUpImage runs them in order.
// All of them read the process-wide band limits and enabled flags.

namespace FixUpLayout {
inline constexpr std::uint32_t kTwoToneTones = 16; // within a two-tone system record: A, B, C, D
inline constexpr std::uint32_t kTwoToneRecordSize = 32;
inline constexpr std::uint32_t kTwoToneCount = 16;
inline constexpr std::uint32_t kFiveToneTones = 0xD288; // 16 words, digits 0..F
inline constexpr std::uint32_t kScramblerFreq = 0xCC28; // hertz, 2600..4000
inline constexpr std::uint32_t kScramblerCoeff = 0xCC2A;
inline constexpr std::uint16_t kScramblerDefault = 3300;
inline constexpr std::uint32_t kEmiCode = 0xCC76; // DTMF code number 1..16, 0 = none
inline constexpr std::uint32_t kDtmfRecordSize = 24;
inline constexpr std::uint32_t kDtmfCodeCount = 16;
inline constexpr std::uint32_t kDtmfType = 23;          // 0 plain code, 1 ANI; others: empty record
inline constexpr std::uint32_t kLeftPriority = 0xCC18;  // bank A channel 1..800, 0 = off
inline constexpr std::uint32_t kRightPriority = 0xCC1A; // bank B channel 1..800, 0 = off
} // namespace FixUpLayout

// 1. Channels 1 and 801 always exist: an absent one is written as a new
// record on the lower limit of band 4 (if enabled) or band 7, offset 600 kHz.
void EnsureFirstChannels(const BandTable& bands, RadioImage& image);
// 2. A DTMF code record whose type is neither "None" nor "ANI" is empty:
// all 24 bytes become 0xFF.
void CleanDtmfCodeTable(RadioImage& image);
// 3. The tone generator coefficients of the two-tone and five-tone tones.
void RebuildToneCoefficients(RadioImage& image);
// 4. Scrambler frequency held to 2600..4000 Hz (else 3300) and its divider
// word derived from it.
void FixScrambler(RadioImage& image);
// 5. An EMI code naming an empty DTMF code entry becomes "none".
void FixEmiCode(RadioImage& image);
// 6. RebuildChannelBitmaps (bitmaps.h).
// 7. CheckVfoRecords and CopyVfoRecords (vfo_consistency.h).
// 8. A priority channel naming an absent channel of its bank becomes "off".
void FixPriorityChannels(RadioImage& image);
// 9. RewriteBandStartRecords and CheckBandMemories (vfo_consistency.h).

// Edits of the table (a committed cell, a paste, a row operation) defer step
// 8: a channel emptied and typed again keeps the priority that names it. The
// store pass, with the table in its final state, runs every step.
enum class PriorityCheck { Run, Defer };
void FixUpImage(const BandTable& bands, RadioImage& image, PriorityCheck priority = PriorityCheck::Run);
