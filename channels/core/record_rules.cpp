#include "channels/core/record_rules.h"

#include "channels/core/channel_record.h"
#include "channels/core/vfo_consistency.h"
#include "codecs/decimal.h"
#include "codecs/edit_helpers.h"
#include "codecs/option_lists.h"
#include "codecs/text_codecs.h"
#include "document/band_table.h"

#include <algorithm>

namespace {

constexpr int kVhfBand = 4; // receive bands whose channels can transmit
constexpr int kUhfBand = 7;
constexpr std::int64_t kMaxOffset = 5000000;      // 50 MHz
constexpr std::uint32_t kFallbackOffset = 760000; // 7.6 MHz
// Eight BCD digits whose top pair is not 00: 1 MHz up to 999.99999 MHz.
// Anything else would be stored as an absent frequency.
constexpr std::int64_t kLowestStorable = 1000000;
constexpr std::int64_t kHighestStorable = 99999999;

bool InRxBand(const BandTable& bands, int band, std::int64_t v)
{
    const BandTable& t = bands;
    const auto b = static_cast<std::size_t>(band);
    return IsLimitSet(t.rxLower[b]) && IsLimitSet(t.rxUpper[b]) && t.rxLower[b] <= v && v <= t.rxUpper[b];
}

bool InAnyBand(const BandTable& bands, std::int64_t v)
{
    return BandIndexOf(bands, v) >= 0;
}

bool IsStorable(std::int64_t v)
{
    return v >= kLowestStorable && v <= kHighestStorable;
}

QString RasterText(std::int64_t v, int rxBand)
{
    return FormatMHz(SnapChannelRaster(v, rxBand));
}

// Channels 1 and 801: the typed value when it can transmit, else the old
// one when that could, else the lower limit of the first enabled transmit
// band (VHF before UHF), else the text as typed.
QString AcceptTransmitCapable(const BandTable& bands, const QString& typed, const QString& old)
{
    const std::int64_t v = ParseMHz(typed);
    if (IsTransmitCapable(bands, v))
        return FormatMHz(SnapFreq(v));
    if (!old.isEmpty() && IsTransmitCapable(bands, ParseMHz(old)))
        return old;
    const BandTable& t = bands;
    for (std::size_t i = 0; i < t.txEnabled.size(); ++i)
        if (t.txEnabled[i])
            return FormatMHz(t.txLower[i]);
    return typed;
}

// An out-of-band value of the channel dialog: the old value when that lies
// in a band, else the lower limit of the first band with limits, else as typed.
std::int64_t PullIntoBand(const BandTable& bands, std::int64_t v, const QString& old)
{
    if (InAnyBand(bands, v))
        return v;
    if (!old.isEmpty() && InAnyBand(bands, ParseMHz(old)))
        return ParseMHz(old);
    if (const int first = FirstEnabledBand(bands); first >= 0)
        return bands.rxLower[static_cast<std::size_t>(first)];
    return v;
}

} // namespace

bool MustStayTransmitCapable(int channel)
{
    return channel == 1 || channel == 801;
}

bool IsTransmitCapable(const BandTable& bands, std::int64_t v)
{
    return InRxBand(bands, kVhfBand, v) || InRxBand(bands, kUhfBand, v);
}

QString AcceptChannelRx(const BandTable& bands, int channel, const QString& typed, const QString& previous)
{
    if (MustStayTransmitCapable(channel))
        return AcceptTransmitCapable(bands, typed, previous);
    if (typed.isEmpty())
        return {};
    const std::int64_t v = PullIntoBand(bands, ParseMHz(typed), previous);
    return RasterText(v, BandIndexOf(bands, v));
}

QString AcceptChannelTx(const BandTable& bands, int channel, const QString& typed, const QString& atFocus)
{
    if (MustStayTransmitCapable(channel))
        return AcceptTransmitCapable(bands, typed, atFocus);
    if (typed.isEmpty())
        return atFocus;
    // The transmit side has no 850M raster of its own.
    return RasterText(PullIntoBand(bands, ParseMHz(typed), atFocus), -1);
}

QString AcceptEdgeRx(const BandTable& bands, const QString& typed, const QString& previous)
{
    if (typed.isEmpty())
        return {};
    std::int64_t v = ParseMHz(typed);
    if (!InAnyBand(bands, v)) {
        if (!previous.isEmpty())
            v = ParseMHz(previous);
        else if (!IsStorable(v))
            return {}; // it would be stored as an absent record; the edge stays empty
    }
    return RasterText(v, BandIndexOf(bands, v));
}

QString AcceptEdgeTx(const BandTable& bands, const QString& typed, const QString& atFocus, const QString& rxText)
{
    if (rxText.isEmpty())
        return {};
    if (typed.isEmpty())
        return atFocus;
    std::int64_t v = ParseMHz(typed);
    if (!InAnyBand(bands, v)) {
        if (!atFocus.isEmpty()) {
            const std::int64_t q = ParseMHz(atFocus);
            if (!InAnyBand(bands, q))
                return rxText;
            v = q;
        } else if (!IsStorable(v)) {
            return rxText; // would be stored as no transmit frequency at all
        }
    }
    return RasterText(v, BandIndexOf(bands, v));
}

FreqLimits VfoLimits(const BandTable& bands, int record)
{
    const VfoBand band = VfoBandOf(bands, record);
    return {band.lower, band.upper};
}

QString AcceptVfoFreq(const BandTable& bands, int record, const QString& typed)
{
    const FreqLimits limits = VfoLimits(bands, record);
    std::int64_t v = ParseMHz(typed);
    const bool inLimits = limits.lower <= v && v <= limits.upper;
    // The 150M VFO also tunes the airband below it, 108-133.995 MHz, whether
    // or not the plan lists the airband as a band of its own.
    const auto air = static_cast<std::size_t>(kAirbandIndex);
    const bool airband = kFactoryRxLower[air] <= v && v <= kFactoryRxUpper[air];
    if (!inLimits && !(record == 4 && airband))
        v = limits.lower;
    return RasterText(v, BandIndexOf(bands, v));
}

QString NormaliseOffsetText(const QString& text)
{
    const std::int64_t v = ParseMHz(text);
    return FormatMHz(v < 0 || v > kMaxOffset ? kFallbackOffset : SnapFreq(v));
}

QStringList StepChoices(const BandTable& bands, std::optional<std::int64_t> rx)
{
    QStringList steps;
    const bool band850 = rx && BandIndexOf(bands, *rx) == kBand850Index;
    for (const char* step : StepList) {
        const QString text = QString::fromLatin1(step);
        // Below 5 kHz and the odd rasters have no use on 850M.
        if (band850 && (text == u"2.5" || text == u"6.25" || text == u"7.5" || text == u"8.33"))
            continue;
        steps << text;
    }
    return steps;
}

QStringList SqlModeChoices(unsigned decodeType, unsigned optionSignalling)
{
    const bool decode = decodeType == DecodeType::kCtcssCodec || decodeType == DecodeType::kDcsCodec;
    const bool signalling = optionSignalling != 0;
    QStringList modes;
    auto add = [&modes](unsigned mode) { modes << QString::fromLatin1(SqlModeList[mode]); };
    add(SqlMode::kCarrier);
    if (decode && signalling) {
        add(SqlMode::kTone);
        add(SqlMode::kSignalling);
        add(SqlMode::kSignallingAndTone);
        add(SqlMode::kSignallingOrTone);
    } else if (decode) {
        add(SqlMode::kTone);
    } else if (signalling) {
        add(SqlMode::kSignalling);
    }
    return modes;
}

QString KeptChoice(const QStringList& choices, const QString& previous, const QString& fallback)
{
    return choices.contains(previous) ? previous : fallback;
}

unsigned EdgeOffsetDirection(unsigned stored, std::uint32_t rx, std::optional<std::uint32_t> tx, std::uint32_t offset)
{
    if (stored == OffsetDirection::kFree || !tx)
        return OffsetDirection::kFree;
    return DeriveOffsetDirection(rx, *tx, offset, stored);
}

VfoTransmit DeriveVfoTransmit(const BandTable& bands, std::uint32_t rx, unsigned direction, std::uint32_t offset)
{
    const auto r = static_cast<std::int64_t>(rx);
    std::int64_t t = r;
    if (direction == OffsetDirection::kMinus)
        t = r - offset;
    else if (direction == OffsetDirection::kPlus)
        t = r + offset;
    // A shift that leaves the band (or what a record can hold) is no shift.
    if (t < 0 || t > kHighestStorable || !SameBand(bands, r, t))
        return {rx, OffsetDirection::kSimplex};
    return {static_cast<std::uint32_t>(t), direction};
}

std::vector<VfoTab> VfoTabs(const BandTable& bands)
{
    const BandTable& t = bands;
    auto enabled = [&t](int band) { return t.bandEnabled[static_cast<std::size_t>(band)]; };
    std::vector<VfoTab> tabs;
    for (int k = 0; k < BandTable::kRxBands; ++k)
        if (k != kAirbandIndex && enabled(k))
            tabs.push_back({k, k, false});
    if (enabled(4))
        tabs.push_back({9, 4, true});
    if (enabled(5) || enabled(7))
        tabs.push_back({10, enabled(5) ? 5 : 7, true});
    return tabs;
}

int ClampChannelNumber(const QString& typed)
{
    return std::clamp(TextToInt(typed), 1, kEditableChannels);
}

int StepChannelNumber(int channel, int delta)
{
    return static_cast<int>(SpinValue(channel, 1, kEditableChannels, delta));
}
