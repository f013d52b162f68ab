#include "channels/core/vfo_consistency.h"

#include "channels/core/channel_record.h"
#include "document/band_table.h"
#include "document/image_fields.h"

#include <algorithm>
#include <array>
#include <initializer_list>

using namespace BandMemoryLayout;

namespace {

constexpr std::uint8_t kNone = 0xFF;

std::size_t At(int i)
{
    return static_cast<std::size_t>(i);
}

// lower(b) of the first enabled band of the list, else lower(first), the
// lowest band whose two limits are set.
std::optional<std::uint32_t> LowerOfFirstEnabled(const BandTable& t, std::initializer_list<int> order)
{
    for (int b : order)
        if (t.bandEnabled[At(b)])
            return t.rxLower[At(b)];
    const int first = FirstEnabledBand(t);
    if (first < 0)
        return std::nullopt;
    return t.rxLower[At(first)];
}

// Lowest enabled receive band, kNone when none is.
std::uint8_t FirstEnabledRxBand(const BandTable& bands)
{
    const BandTable& t = bands;
    for (int b = 0; b < BandTable::kRxBands; ++b)
        if (t.bandEnabled[At(b)])
            return static_cast<std::uint8_t>(b);
    return kNone;
}

bool BandStartInBand(const BandTable& bands, const RadioImage& image, unsigned pair)
{
    return RecordAt(image, VfoLayout::BandStartOffset(static_cast<int>(2 * pair))).hasRxInBand(bands);
}

// Lowest band start pair 0..5 whose record holds a frequency within a
// receive band, kNone when none does.
std::uint8_t FirstUsableBandStart(const BandTable& bands, const RadioImage& image)
{
    for (unsigned k = 0; k < 6; ++k)
        if (BandStartInBand(bands, image, k))
            return static_cast<std::uint8_t>(k);
    return kNone;
}

} // namespace

VfoBand VfoBandOf(const BandTable& bands, int k)
{
    const BandTable& t = bands;
    if (k < BandTable::kRxBands)
        return {t.bandEnabled[At(k)], t.rxLower[At(k)], t.rxUpper[At(k)], kFactoryRxLower[At(k)]};
    const std::size_t tx = At(k - BandTable::kRxBands);
    return {t.txEnabled[tx], t.txLower[tx], t.txUpper[tx], kFactoryTxLower[tx]};
}

void CheckVfoRecords(const BandTable& bands, RadioImage& image)
{
    for (int k = 0; k < VfoLayout::kVfoCount; ++k) {
        const ChannelRecord r = RecordAt(image, VfoLayout::VfoOffset(k));
        const VfoBand band = VfoBandOf(bands, k);
        if (!band.enabled)
            r.setRx(band.factoryLower);
        else if (!r.hasRx() || r.rx() < band.lower || r.rx() > band.upper)
            r.setRx(band.lower);
    }
}

void CopyVfoRecords(RadioImage& image)
{
    const auto from = image.begin() + VfoLayout::VfoOffset(0);
    std::copy(from, from + VfoLayout::kCopiedVfos * ImageMap::kRecordSize, image.begin() + ImageMap::kVfoCopy);
}

std::optional<std::uint32_t> BandStartFreq(const BandTable& bands, int i)
{
    if (i % 2 == 1) // 0xDA20, 0xDA60, ...: the UHF side, else VHF
        return LowerOfFirstEnabled(bands, {7, 5, 4});
    switch (i / 2) {
    case 0: return LowerOfFirstEnabled(bands, {0});
    case 1: return LowerOfFirstEnabled(bands, {1, 2});
    case 2: return LowerOfFirstEnabled(bands, {4});
    case 3: return LowerOfFirstEnabled(bands, {6});
    case 4: return LowerOfFirstEnabled(bands, {7, 5});
    default: return LowerOfFirstEnabled(bands, {8});
    }
}

void RewriteBandStartRecords(const BandTable& bands, RadioImage& image)
{
    for (int i = 0; i < static_cast<int>(ImageMap::kBandStartCount); ++i) {
        if (const auto f = BandStartFreq(bands, i)) {
            const ChannelRecord r = RecordAt(image, VfoLayout::BandStartOffset(i));
            r.setRx(*f);
            r.setTx(*f);
        }
    }
}

std::uint16_t CheckedBandMemoryWord(const BandTable& bands, const RadioImage& image, std::uint16_t value)
{
    if (value >= 1 && value <= 256)
        return ChannelAt(image, value).hasRxInBand(bands) ? value : 1;
    if (value > 810)
        return 1;
    // 0 and 257..810 name the records from 0xC900 on, (value - 1) mod 256,
    // taken as the non-negative remainder (0 names record 255).
    const std::uint32_t index = (value + 255u) % 256u;
    return RecordAt(image, ImageMap::kScanEdges + ImageMap::kRecordSize * index).hasRxInBand(bands) ? value : 1;
}

void CheckBandMemoryBlock(const BandTable& bands, RadioImage& image, std::uint32_t block)
{
    const BandTable& t = bands;
    const std::uint8_t e = FirstEnabledRxBand(bands);
    const std::uint8_t g = FirstUsableBandStart(bands, image);
    std::uint8_t* m = image.data() + block;

    for (std::uint32_t i : {kBandIndexA, kBandIndexB})
        if (m[i] >= BandTable::kRxBands || !t.bandEnabled[m[i]])
            m[i] = e;
    m[kAlwaysFF] = 0xFF;
    if ((m[kPairFlags] & 0x03) == 0x03)
        m[kPairFlags] &= static_cast<std::uint8_t>(~0x03);
    if ((m[kPairFlags] & 0x0C) == 0x0C)
        m[kPairFlags] &= static_cast<std::uint8_t>(~0x0C);
    if (m[kStartRecord] >= 6 || !BandStartInBand(bands, image, m[kStartRecord]))
        m[kStartRecord] = g;
    for (std::uint32_t i : kSmallFields)
        if (m[i] >= 16)
            m[i] = 0;
    for (std::uint32_t i : {kWordA, kWordB})
        WriteWord(image, block + i, CheckedBandMemoryWord(bands, image, ReadWord(image, block + i)));
}

void CheckBandMemories(const BandTable& bands, RadioImage& image)
{
    CheckBandMemoryBlock(bands, image, ImageMap::kWorkingBandMemory);
    for (int j = 0; j < static_cast<int>(ImageMap::kBandMemoryCount); ++j)
        CheckBandMemoryBlock(bands, image, BlockOffset(j));
}
