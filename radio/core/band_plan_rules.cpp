#include "radio/core/band_plan_rules.h"

#include "channels/core/channel_record.h"
#include "codecs/bcd.h"
#include "codecs/decimal.h"
#include "codecs/text_codecs.h"
#include "document/band_plan.h"

#include <algorithm>

using namespace BandPlanColumn;

namespace {

constexpr std::array<std::uint32_t, 4> kFields = {BandPlan::kRxLower, BandPlan::kRxUpper, BandPlan::kTxLower,
                                                  BandPlan::kTxUpper};
// The bands that can transmit; one of them must stay in the plan.
constexpr std::array<int, 3> kTransmitBands = {4, 5, 7};

bool s_unlocked = false;

std::int64_t HardLower(int band)
{
    return kFactoryRxLower[static_cast<std::size_t>(band)];
}
std::int64_t HardUpper(int band)
{
    return kFactoryRxUpper[static_cast<std::size_t>(band)];
}

// Eight BCD digits; a larger value would lose its top digits.
std::uint32_t ToField(std::int64_t v)
{
    return static_cast<std::uint32_t>(std::clamp<std::int64_t>(v, 0, 99999999));
}

bool IsTransmitBand(int band)
{
    return std::find(kTransmitBands.begin(), kTransmitBands.end(), band) != kTransmitBands.end();
}

// The last transmit-capable band of the plan cannot be cleared.
bool IsLastTransmitBand(const BandPlanCells& cells, int band)
{
    if (!IsTransmitBand(band))
        return false;
    for (int other : kTransmitBands)
        if (other != band && !cells.at(other, kRxLower).isEmpty())
            return false;
    return true;
}

void CommitLower(BandPlanCells& cells, int band, int column, const QString& typed)
{
    QString& lowerCell = cells.at(band, column);
    QString& upperCell = cells.at(band, column + 1);
    const std::int64_t lo = HardLower(band);
    const std::int64_t hi = HardUpper(band);
    if (lowerCell.isEmpty() && upperCell.isEmpty()) {
        // A new range starts as wide as the band allows.
        lowerCell = FormatMHz(lo);
        upperCell = FormatMHz(hi);
        return;
    }
    std::int64_t lower = SnapFreq(ParseMHz(typed));
    const std::int64_t upper = SnapFreq(ParseMHz(upperCell));
    if (lower >= upper || lower < lo || lower >= hi)
        lower = lo;
    lowerCell = FormatMHz(lower);
}

void CommitUpper(BandPlanCells& cells, int band, int column, const QString& typed)
{
    const std::int64_t lo = HardLower(band);
    const std::int64_t hi = HardUpper(band);
    const std::int64_t lower = SnapFreq(ParseMHz(cells.at(band, column - 1)));
    std::int64_t upper = SnapFreq(ParseMHz(typed));
    if (lower >= upper)
        upper = hi;
    if (upper <= lo || upper > hi)
        upper = hi;
    cells.at(band, column) = FormatMHz(upper);
}

} // namespace

QString& BandPlanCells::at(int band, int column)
{
    return rows[static_cast<std::size_t>(band)][static_cast<std::size_t>(column - 1)];
}

const QString& BandPlanCells::at(int band, int column) const
{
    return rows[static_cast<std::size_t>(band)][static_cast<std::size_t>(column - 1)];
}

bool IsRangePassword(const QString& typed)
{
    return typed == QLatin1String("3625MFQ");
}

bool RangeEditingUnlocked()
{
    return s_unlocked;
}

void UnlockRangeEditing()
{
    s_unlocked = true;
}

bool IsBandCellEditable(int band, int column)
{
    if (band < 0 || band >= BandTable::kRxBands || column < kRxLower || column > kTxUpper)
        return false;
    return column <= kRxUpper || BandPlan::HasTxColumns(band);
}

BandPlanCells ReadBandPlanCells(const RadioImage& image)
{
    BandPlanCells cells;
    for (int b = 0; b < BandTable::kRxBands; ++b) {
        for (int c = kRxLower; c <= kTxUpper; ++c) {
            const std::uint32_t v = BandPlan::Limit(image, b, kFields[static_cast<std::size_t>(c - 1)]);
            cells.at(b, c) = v == 0 ? QString() : FormatMHz(v);
        }
        if (!BandPlan::HasTxColumns(b)) {
            cells.at(b, kTxLower).clear();
            cells.at(b, kTxUpper).clear();
        }
    }
    return cells;
}

void NormaliseBandPlan(BandPlanCells& cells)
{
    for (int b = 0; b < BandTable::kRxBands; ++b) {
        if (cells.at(b, kRxLower).isEmpty())
            continue;
        const std::int64_t lo = HardLower(b);
        const std::int64_t hi = HardUpper(b);
        std::int64_t lower = ParseMHz(cells.at(b, kRxLower));
        std::int64_t upper = ParseMHz(cells.at(b, kRxUpper));
        if (lower >= upper || lower < lo)
            lower = lo;
        if (lower >= hi)
            lower = lo;
        if (upper <= lo || upper > hi)
            upper = hi;
        cells.at(b, kRxLower) = FormatMHz(lower);
        cells.at(b, kRxUpper) = FormatMHz(upper);
    }
}

void CommitBandCell(BandPlanCells& cells, int band, int column, const QString& typed)
{
    if (!IsBandCellEditable(band, column))
        return;
    const bool receive = column <= kRxUpper;
    if (typed.isEmpty()) {
        if (!receive) {
            cells.at(band, kTxLower).clear();
            cells.at(band, kTxUpper).clear();
        } else if (!IsLastTransmitBand(cells, band)) {
            for (int c = kRxLower; c <= kTxUpper; ++c)
                cells.at(band, c).clear();
        }
        return;
    }
    if (column == kRxLower || column == kTxLower)
        CommitLower(cells, band, column, typed);
    else
        CommitUpper(cells, band, column, typed);
}

bool IsBandPlanValid(const BandPlanCells& cells)
{
    const auto filled = [&cells](int band) { return !cells.at(band, kRxLower).isEmpty(); };
    if (filled(1) && filled(2))
        return false;
    if (filled(5) && filled(7))
        return false;
    return filled(4) || filled(5) || filled(7);
}

void SaveBandPlan(BandPlanCells cells, RadioImage& image, BandTable& table)
{
    NormaliseBandPlan(cells);
    for (int b = 0; b < BandTable::kRxBands; ++b) {
        const auto i = static_cast<std::size_t>(b);
        std::array<std::uint32_t, 4> values{};
        for (int c = kRxLower; c <= kTxUpper; ++c) {
            const QString& text = cells.at(b, c);
            const auto k = static_cast<std::size_t>(c - 1);
            values[k] = text.isEmpty() ? 0 : ToField(ParseMHz(text));
            EncodeFreq(values[k], image.data() + BandPlan::RecordOffset(b) + kFields[k]);
        }
        table.rxLower[i] = values[0];
        table.rxUpper[i] = values[1];
        table.bandEnabled[i] = kFactoryRxLower[i] <= values[0] && values[0] <= kFactoryRxUpper[i];
    }
    table.txLower[0] = table.rxLower[4];
    table.txUpper[0] = table.rxUpper[4];
    const std::size_t uhf = table.bandEnabled[5] ? 5 : 7;
    table.txLower[1] = table.rxLower[uhf];
    table.txUpper[1] = table.rxUpper[uhf];
    DeriveTxEnabled(table);
}

void EmptyOutOfBandChannels(const BandTable& bands, RadioImage& image)
{
    for (int n = 1; n <= static_cast<int>(ImageMap::kChannelsPerBank); ++n) {
        const std::uint32_t rx = DecodeFreq(image.data() + ImageMap::ChannelOffset(static_cast<std::uint32_t>(n)));
        // Empty as the table stores an empty row, so that a table saved
        // afterwards changes nothing.
        if (BandIndexOf(bands, rx) < 0)
            WriteEmptyTableRecord(bands, image, n);
    }
}
