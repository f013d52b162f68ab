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
    if (!r.hasRx())
        return row;
    row.rx = FormatMHz(r.rx());
    if (r.hasTx())
        row.tx = FormatMHz(r.tx());
    row.decodeType = EntryText(DecodeTypeList, r.get(kDecodeType));
    row.ctcss = FormatTenths(r.ctcssTenths());
    row.dcs = QStringLiteral("%1").arg(r.dcsCode(), 3, 10, QLatin1Char('0'));
    row.dcsPolarity = EntryText(DcsPolarityList, r.get(kDcsPolarity));
    row.power = EntryText(TxPowerList, r.get(kTxPower));
    row.scan = EntryText(ScanModeList, r.get(kScan));
    row.bandwidth = EntryText(BandwidthList, r.get(kBandwidth));
    row.signalling = EntryText(OptionSignalingList, r.get(kOptionSignalling));
    row.name = r.name();
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
    r.setRx(rx);
    r.setTx(tx);
    r.set(kOffsetDirection, DeriveOffsetDirection(rx, tx, r.offset(), r.get(kOffsetDirection)));
    r.set(kDecodeType, static_cast<unsigned>(ListIndexOf(DecodeTypeList, row.decodeType)));
    r.setCtcssTenths(ToBcd2Field(ParseTenths(row.ctcss)));
    r.setDcsCode(ToBcd2Field(TextToInt(row.dcs)));
    r.set(kDcsPolarity, static_cast<unsigned>(ListIndexOf(DcsPolarityList, row.dcsPolarity)));
    r.set(kTxPower, static_cast<unsigned>(ListIndexOf(TxPowerList, row.power)));
    r.set(kScan, static_cast<unsigned>(ListIndexOf(ScanModeList, row.scan)));
    r.set(kBandwidth, static_cast<unsigned>(ListIndexOf(BandwidthList, row.bandwidth)));
    r.set(kOptionSignalling, static_cast<unsigned>(ListIndexOf(OptionSignalingList, row.signalling)));
    r.setName(row.name);
    r.set(kTxStop, 0);
    r.set(kSqlMode, ConsistentSqlMode(r.get(kSqlMode), r.get(kDecodeType), r.get(kOptionSignalling)));
}

std::uint32_t ChannelOneLoadFreq(const BandTable& bands)
{
    const BandTable& t = bands;
    for (int band : {4, 7})
        if (t.bandEnabled[static_cast<std::size_t>(band)])
            return t.rxLower[static_cast<std::size_t>(band)];
    return k400MHz;
}
