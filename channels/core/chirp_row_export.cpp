// What each column of CHIRP's CSV holds for one channel.
#include "channels/core/chirp_rows.h"

#include "channels/core/record_rules.h"
#include "codecs/decimal.h"
#include "codecs/option_lists.h"

using ChannelLayout::kAm;
using ChannelLayout::kBandwidth;
using ChannelLayout::kDcsPolarity;
using ChannelLayout::kDecodeType;
using ChannelLayout::kOffsetDirection;
using ChannelLayout::kScan;
using ChannelLayout::kStep;
using ChannelLayout::kTxPower;

namespace ChirpRows {
namespace {

// CHIRP's format_freq: MHz with six decimals, from 10 Hz units.
QString FreqText(std::int64_t v)
{
    return FormatScaled(v * 10, 6);
}

QString CodeText(unsigned code)
{
    return QStringLiteral("%1").arg(code, 3, 10, QLatin1Char('0'));
}

// CHIRP refuses a line whose tone lies outside 50-300 Hz or whose code has a
// digit above 7: such a value goes out as CHIRP's own default.
QString ExportTone(unsigned tenths)
{
    return tenths >= 600 && tenths <= 2600 ? FormatTenths(tenths) : QStringLiteral("88.5");
}
QString ExportCode(unsigned code)
{
    const bool octal = code <= 777 && code % 10 <= 7 && code / 10 % 10 <= 7;
    return CodeText(octal ? code : 23);
}

QString PowerText(unsigned level)
{
    const double w = kNominalWatts[level];
    // AutoNamedPowerLevel's label
    return w >= 10 ? QStringLiteral("%1W").arg(static_cast<int>(w)) : QStringLiteral("%1W").arg(w, 0, 'f', 1);
}

} // namespace

std::array<QString, kColumnCount> ExportRow(const ConstChannelRecord& r, int n)
{
    std::array<QString, kColumnCount> f;
    f[kLocation] = QString::number(n);
    f[kName] = r.name();
    f[kFrequency] = FreqText(r.rx());
    const unsigned direction =
        r.hasTx() ? DeriveOffsetDirection(r.rx(), r.tx(), r.offset(), r.get(kOffsetDirection)) : OffsetDirection::kFree;
    f[kOffset] = FreqText(r.offset());
    if (!r.hasTx()) {
        f[kDuplex] = QStringLiteral("off");
    } else if (direction == OffsetDirection::kMinus || direction == OffsetDirection::kPlus) {
        f[kDuplex] = direction == OffsetDirection::kPlus ? QStringLiteral("+") : QStringLiteral("-");
    } else if (direction == OffsetDirection::kFree) {
        f[kDuplex] = QStringLiteral("split");
        f[kOffset] = FreqText(r.tx());
    }
    const unsigned decode = r.get(kDecodeType);
    f[kTone] = QLatin1String(kToneModes[decode]);
    f[kRToneFreq] = f[kCToneFreq] = ExportTone(r.ctcssTenths());
    f[kDtcsCode] = f[kRxDtcsCode] = ExportCode(r.dcsCode());
    f[kDtcsPolarity] = QLatin1String(kPolarities[r.get(kDcsPolarity)]);
    f[kCrossMode] = QStringLiteral("Tone->Tone");
    f[kMode] = r.get(kAm)                     ? QStringLiteral("AM")
               : r.get(kBandwidth) == kNarrow ? QStringLiteral("NFM")
                                              : QStringLiteral("FM");
    f[kTStep] = QString::number(ParseDouble(StepIndexToText(static_cast<int>(r.get(kStep)))), 'f', 2);
    f[kSkip] = QLatin1String(kSkips[r.get(kScan)]);
    f[kPower] = PowerText(r.get(kTxPower));
    return f;
}

} // namespace ChirpRows
