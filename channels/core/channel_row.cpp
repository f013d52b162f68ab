#include "channels/core/channel_row.h"

#include "channels/core/channel_record.h"
#include "codecs/decimal.h"
#include "codecs/option_lists.h"
#include "document/band_table.h"

#include <algorithm>
#include <array>

using namespace ChannelLayout;

namespace {

// Row is ChannelRow or const ChannelRow.
template <typename Row> auto CellOf(Row& row, int column) -> decltype(&row.rx)
{
    const std::array<decltype(&row.rx), kChannelColumnCount> cells = {
        nullptr,          &row.rx,    &row.tx,   &row.decodeType, &row.ctcss,      &row.dcs,
        &row.dcsPolarity, &row.power, &row.scan, &row.bandwidth,  &row.signalling, &row.name};
    return column >= 0 && column < kChannelColumnCount ? cells[static_cast<std::size_t>(column)] : nullptr;
}

QString EntryText(OptionList list, unsigned index)
{
    return index < list.size() ? QString::fromLatin1(list[index]) : QString();
}

// Eight BCD digits hold at most 999.99999 MHz; a larger value must not lose
// its top digits and turn into an absent frequency.
std::uint32_t ToFreqField(std::int64_t v)
{
    return static_cast<std::uint32_t>(std::clamp<std::int64_t>(v, 0, 99999999));
}
unsigned ToBcd2Field(std::int64_t v)
{
    return static_cast<unsigned>(std::clamp<std::int64_t>(v, 0, 9999));
}

constexpr std::uint32_t k400MHz = 40000000;

} // namespace

QString ChannelRow::cell(int column) const
{
    const QString* c = CellOf(*this, column);
    return c ? *c : QString();
}

void ChannelRow::setCell(int column, const QString& text)
{
    if (QString* c = CellOf(*this, column))
        *c = text;
}

ChannelRow ReadChannelRow(const RadioImage& image, int n)
{
    const ConstChannelRecord r = ChannelAt(image, n);
    ChannelRow row;
    if (!r.HasRx())
        return row;
    row.rx = FormatMHz(r.Rx());
    if (r.HasTx())
        row.tx = FormatMHz(r.Tx());
    row.decodeType = EntryText(DecodeTypeList, r.Get(kDecodeType));
    row.ctcss = FormatTenths(r.CtcssTenths());
    row.dcs = QStringLiteral("%1").arg(r.DcsCode(), 3, 10, QLatin1Char('0'));
    row.dcsPolarity = EntryText(DcsPolarityList, r.Get(kDcsPolarity));
    row.power = EntryText(TxPowerList, r.Get(kTxPower));
    row.scan = EntryText(ScanModeList, r.Get(kScan));
    row.bandwidth = EntryText(BandwidthList, r.Get(kBandwidth));
    row.signalling = EntryText(OptionSignalingList, r.Get(kOptionSignalling));
    row.name = r.Name();
    return row;
}

void WriteChannelRow(const BandTable& bands, RadioImage& image, int n, const ChannelRow& row)
{
    const std::uint32_t rx = ToFreqField(ParseMHz(row.rx));
    if (rx == 0) {
        WriteEmptyTableRecord(bands, image, n);
        return;
    }
    const ChannelRecord r = ChannelAt(image, n);
    const std::uint32_t tx = ToFreqField(ParseMHz(row.tx));
    r.SetRx(rx);
    r.SetTx(tx);
    r.Set(kOffsetDirection, DeriveOffsetDirection(rx, tx, r.Offset(), r.Get(kOffsetDirection)));
    r.Set(kDecodeType, static_cast<unsigned>(ListIndexOf(DecodeTypeList, row.decodeType)));
    r.SetCtcssTenths(ToBcd2Field(ParseTenths(row.ctcss)));
    r.SetDcsCode(ToBcd2Field(TextToInt(row.dcs)));
    r.Set(kDcsPolarity, static_cast<unsigned>(ListIndexOf(DcsPolarityList, row.dcsPolarity)));
    r.Set(kTxPower, static_cast<unsigned>(ListIndexOf(TxPowerList, row.power)));
    r.Set(kScan, static_cast<unsigned>(ListIndexOf(ScanModeList, row.scan)));
    r.Set(kBandwidth, static_cast<unsigned>(ListIndexOf(BandwidthList, row.bandwidth)));
    r.Set(kOptionSignalling, static_cast<unsigned>(ListIndexOf(OptionSignalingList, row.signalling)));
    r.SetName(row.name);
    r.Set(kTxStop, 0);
    r.Set(kSqlMode, ConsistentSqlMode(r.Get(kSqlMode), r.Get(kDecodeType), r.Get(kOptionSignalling)));
}

std::uint32_t ChannelOneLoadFreq(const BandTable& bands)
{
    const BandTable& t = bands;
    for (int band : {4, 7})
        if (t.bandEnabled[static_cast<std::size_t>(band)])
            return t.rxLower[static_cast<std::size_t>(band)];
    return k400MHz;
}
