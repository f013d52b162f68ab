#include "channels/core/fix_up_image.h"

#include "channels/core/bitmaps.h"
#include "channels/core/channel_record.h"
#include "channels/core/vfo_consistency.h"
#include "codecs/decimal.h"
#include "codecs/tone_coefficient.h"
#include "document/band_table.h"
#include "document/image_fields.h"

#include <algorithm>

using namespace FixUpLayout;

namespace {

constexpr std::uint32_t k400MHz = 40000000;

// Receive and transmit frequency of a channel that must exist.
std::uint32_t FirstChannelFreq(const BandTable& bands)
{
    const BandTable& t = bands;
    const std::uint32_t f = t.bandEnabled[4] ? t.rxLower[4] : t.rxLower[7];
    // With band 7 cleared from the plan its limit reads 0, which would leave
    // the channel absent; 400 MHz is where the table puts such a channel.
    return IsLimitSet(f) ? f : k400MHz;
}

} // namespace

void EnsureFirstChannels(const BandTable& bands, RadioImage& image)
{
    for (int n : {1, 801}) {
        const ChannelRecord r = ChannelAt(image, n);
        if (r.hasRx())
            continue;
        NewChannelRecord(bands, image, n, 0); // offset 600 kHz, whatever band f lies in
        const std::uint32_t f = FirstChannelFreq(bands);
        r.setRx(f);
        r.setTx(f);
    }
}

void CleanDtmfCodeTable(RadioImage& image)
{
    for (std::uint32_t k = 0; k < kDtmfCodeCount; ++k) {
        const auto rec = image.begin() + ImageMap::kDtmfCodes + kDtmfRecordSize * k;
        if (rec[kDtmfType] != 0 && rec[kDtmfType] != 1)
            std::fill_n(rec, kDtmfRecordSize, 0xFF);
    }
}

void RebuildToneCoefficients(RadioImage& image)
{
    for (std::uint32_t r = 0; r < kTwoToneCount; ++r) {
        const std::uint32_t tones = ImageMap::kTwoToneSystems + kTwoToneRecordSize * r + kTwoToneTones;
        for (std::uint32_t t = 0; t < 4; ++t)
            WriteWord(image, ImageMap::kTwoToneCoeffs + 8 * r + 2 * t, ToneCoefficient(ReadWord(image, tones + 2 * t)));
    }
    for (std::uint32_t d = 0; d < 16; ++d)
        WriteWord(image, ImageMap::kFiveToneCoeffs + 2 * d, ToneCoefficient(ReadWord(image, kFiveToneTones + 2 * d)));
}

void FixScrambler(RadioImage& image)
{
    std::uint16_t freq = ReadWord(image, kScramblerFreq);
    if (freq < 2600 || freq > 4000) {
        freq = kScramblerDefault;
        WriteWord(image, kScramblerFreq, freq);
    }
    // 2 x freq / 0.7324 + 0.5, in exact decimal.
    WriteWord(image, kScramblerCoeff, static_cast<std::uint16_t>(DivideDecimalHalfUp(2 * freq, 7324, 4)));
}

void FixEmiCode(RadioImage& image)
{
    const std::uint8_t code = image[kEmiCode];
    // Code k is the record at 0xD760 + 24 x (k - 1).
    if (code >= 1 && code <= kDtmfCodeCount && image[ImageMap::kDtmfCodes + kDtmfRecordSize * (code - 1u)] == 0xFF)
        image[kEmiCode] = 0;
}

void FixPriorityChannels(RadioImage& image)
{
    // The right side's list offers bank B, so its number is checked there.
    const struct {
        std::uint32_t word;
        int firstChannel;
    } sides[] = {{kLeftPriority, 0}, {kRightPriority, static_cast<int>(ImageMap::kChannelsPerBank)}};
    for (const auto& side : sides) {
        const std::uint16_t v = ReadWord(image, side.word);
        if (v >= 1 && v <= ImageMap::kChannelsPerBank && !ChannelAt(image, side.firstChannel + v).hasRx())
            WriteWord(image, side.word, 0);
    }
}

void FixUpImage(const BandTable& bands, RadioImage& image, PriorityCheck priority)
{
    EnsureFirstChannels(bands, image);
    CleanDtmfCodeTable(image);
    RebuildToneCoefficients(image);
    FixScrambler(image);
    FixEmiCode(image);
    RebuildChannelBitmaps(bands, image);
    CheckVfoRecords(bands, image);
    CopyVfoRecords(image);
    if (priority == PriorityCheck::Run)
        FixPriorityChannels(image);
    RewriteBandStartRecords(bands, image);
    CheckBandMemories(bands, image);
}
