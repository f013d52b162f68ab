#include "channels/core/channel_record.h"

#include "codecs/bcd.h"
#include "codecs/text_codecs.h"
#include "document/band_table.h"

#include <algorithm>
#include <cassert>

using namespace ChannelLayout;

namespace {

constexpr bool IsPrintable(std::uint32_t c)
{
    return c >= 0x20 && c <= 0x7E;
}

constexpr std::uint32_t kOffset600k = 60000;
constexpr std::uint32_t kOffset7M6 = 760000;

} // namespace

bool ConstChannelRecord::hasRx() const
{
    return !IsFreqAbsent(m_p + kRxFreq);
}
std::uint32_t ConstChannelRecord::rx() const
{
    return DecodeFreq(m_p + kRxFreq);
}
bool ConstChannelRecord::hasTx() const
{
    return !IsFreqAbsent(m_p + kTxFreq);
}
std::uint32_t ConstChannelRecord::tx() const
{
    return DecodeFreq(m_p + kTxFreq);
}
bool ConstChannelRecord::hasOffset() const
{
    return m_p[kOffset + 3] != 0xFF;
}
std::uint32_t ConstChannelRecord::offset() const
{
    return hasOffset() ? DecodeFreq(m_p + kOffset) : 0;
}
unsigned ConstChannelRecord::ctcssTenths() const
{
    return DecodeBcd2(m_p + kCtcss);
}
unsigned ConstChannelRecord::dcsCode() const
{
    return DecodeBcd2(m_p + kDcs);
}

QString ConstChannelRecord::name() const
{
    QString name;
    for (std::uint32_t i = 0; i < kNameLength && IsPrintable(m_p[kName + i]); ++i)
        name += QLatin1Char(static_cast<char>(m_p[kName + i]));
    return name;
}

bool ConstChannelRecord::hasRxInBand(const BandTable& bands) const
{
    return hasRx() && BandIndexOf(bands, rx()) >= 0;
}

void ChannelRecord::set(BitField f, unsigned value) const
{
    WriteBits(m_w[f.offset], f, value);
}

void ChannelRecord::fill(std::uint8_t value) const
{
    std::fill_n(m_w, ImageMap::kRecordSize, value);
}
void ChannelRecord::setRx(std::uint32_t v) const
{
    EncodeFreq(v, m_w + kRxFreq);
}
void ChannelRecord::setTx(std::uint32_t v) const
{
    EncodeFreq(v, m_w + kTxFreq);
}
void ChannelRecord::clearTx() const
{
    std::fill_n(m_w + kTxFreq, 4, 0xFF);
}
void ChannelRecord::setOffset(std::uint32_t v) const
{
    EncodeFreq(v, m_w + kOffset);
}
void ChannelRecord::clearOffset() const
{
    std::fill_n(m_w + kOffset, 4, 0xFF);
}
void ChannelRecord::setCtcssTenths(unsigned tenths) const
{
    EncodeBcd2(tenths, m_w + kCtcss);
}
void ChannelRecord::setDcsCode(unsigned code) const
{
    EncodeBcd2(code, m_w + kDcs);
}

void ChannelRecord::setName(const QString& text) const
{
    std::fill_n(m_w + kName, kNameLength, 0xFF);
    // A reader stops at the first unprintable byte; stopping there too keeps
    // what is written and what is read back the same.
    const auto n = std::min<qsizetype>(text.size(), kNameLength);
    for (qsizetype i = 0; i < n && IsPrintable(text[i].unicode()); ++i)
        m_w[kName + static_cast<std::uint32_t>(i)] = static_cast<std::uint8_t>(text[i].unicode());
}

ConstChannelRecord RecordAt(const RadioImage& image, std::uint32_t offset)
{
    assert(offset + ImageMap::kRecordSize <= image.size());
    return ConstChannelRecord(image.data() + offset);
}

ChannelRecord RecordAt(RadioImage& image, std::uint32_t offset)
{
    assert(offset + ImageMap::kRecordSize <= image.size());
    return ChannelRecord(image.data() + offset);
}

ConstChannelRecord ChannelAt(const RadioImage& image, int n)
{
    assert(n >= 1 && n <= kChannelCount);
    return RecordAt(image, ImageMap::ChannelOffset(static_cast<std::uint32_t>(n)));
}

ChannelRecord ChannelAt(RadioImage& image, int n)
{
    assert(n >= 1 && n <= kChannelCount);
    return RecordAt(image, ImageMap::ChannelOffset(static_cast<std::uint32_t>(n)));
}

void WriteNewRecord(const BandTable& bands, const ChannelRecord& r, std::uint32_t rx)
{
    r.fill(0xFF);
    if (rx != 0) {
        r.setRx(rx);
        r.setTx(rx);
    }
    std::uint8_t* b = r.bytes();
    std::copy(kDefaultCtcssBytes.begin(), kDefaultCtcssBytes.end(), b + kCtcss); // 100.0 Hz
    std::copy(kDefaultDcsBytes.begin(), kDefaultDcsBytes.end(), b + kDcs);       // 023
    b[12] = 0xC0; // power "High", display "Frequency", scan "Allow"
    b[13] = 0x08; // "Wide", emphasis on, SQL "Carrier"
    b[14] = 0x06; // simplex, step "12.5"
    b[15] = 0x00;
    b[20] = 0x00;
    b[21] = 0x00;
    // An absent channel lies in no band, even where an unset band's limits
    // are 0 and would otherwise take the frequency 0 in.
    const int band = rx == 0 ? -1 : BandIndexOf(bands, rx);
    if (band == kAirbandIndex)
        r.set(kAm, 1);
    r.setOffset(band == 7 || band == kBand850Index ? kOffset7M6 : kOffset600k);
}

void NewChannelRecord(const BandTable& bands, RadioImage& image, int n, std::uint32_t rx)
{
    WriteNewRecord(bands, ChannelAt(image, n), rx);
}

void WriteEmptyTableRecord(const BandTable& bands, RadioImage& image, int n)
{
    const ChannelRecord r = ChannelAt(image, n);
    WriteNewRecord(bands, r, 0);
    r.setOffset(kOffset7M6);
}

unsigned DeriveOffsetDirection(std::uint32_t rx, std::uint32_t tx, std::uint32_t offset, unsigned direction)
{
    const auto r = static_cast<std::int64_t>(rx);
    const auto t = static_cast<std::int64_t>(tx);
    const auto off = static_cast<std::int64_t>(offset);
    if (t == r)
        return OffsetDirection::kSimplex;
    if (direction == OffsetDirection::kMinus && t == r - off)
        return OffsetDirection::kMinus;
    if (direction == OffsetDirection::kPlus && t == r + off)
        return OffsetDirection::kPlus;
    return OffsetDirection::kFree;
}

unsigned ConsistentSqlMode(unsigned sqlMode, unsigned decodeType, unsigned optionSignalling)
{
    const bool decode = decodeType == DecodeType::kCtcssCodec || decodeType == DecodeType::kDcsCodec;
    const bool signalling = optionSignalling != 0;
    switch (sqlMode) {
    case SqlMode::kTone: return decode ? sqlMode : SqlMode::kCarrier;
    case SqlMode::kSignalling: return signalling ? sqlMode : SqlMode::kCarrier;
    case SqlMode::kSignallingAndTone:
    case SqlMode::kSignallingOrTone: return decode && signalling ? sqlMode : SqlMode::kCarrier;
    default: // "Carrier" and the unlisted values 5 to 7 stay
        return sqlMode;
    }
}
