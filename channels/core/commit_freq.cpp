#include "channels/core/commit_freq.h"

#include "channels/core/channel_row.h"
#include "codecs/decimal.h"
#include "codecs/text_codecs.h"
#include "document/band_table.h"

#include <algorithm>

namespace {

constexpr int kVhfBand = 4; // the receive bands whose channels can transmit
constexpr int kUhfBand = 7;
constexpr std::int64_t kHighestStorable = 99999999; // eight BCD digits

bool IsTransmitCapable(const BandTable& bands, std::int64_t v)
{
    const int band = BandIndexOf(bands, v);
    return band == kVhfBand || band == kUhfBand;
}

// Row 1 given a value it cannot transmit on: the old text while that could,
// else the lower limit of the first enabled transmit band (VHF before UHF),
// else nothing.
QString TransmitCapableFallback(const BandTable& bands, const QString& old)
{
    if (!old.isEmpty() && IsTransmitCapable(bands, ParseMHz(old)))
        return old;
    const BandTable& t = bands;
    for (std::size_t i = 0; i < t.txEnabled.size(); ++i)
        if (t.txEnabled[i])
            return FormatMHz(t.txLower[i]);
    return {};
}

FreqCellCommit SetCell(const QString& text)
{
    return {FreqCellCommit::kSetCell, text, 0, false};
}

} // namespace

std::int64_t TableFreqValue(const BandTable& bands, const QString& typed)
{
    std::int64_t v = ParseMHz(typed);
    if (v == 0)
        return 0;
    int band = BandIndexOf(bands, v);
    if (band < 0) {
        if (const int first = FirstEnabledBand(bands); first >= 0) {
            band = first;
            v = bands.rxLower[static_cast<std::size_t>(first)];
        }
    }
    return std::clamp<std::int64_t>(SnapChannelRaster(v, band), 0, kHighestStorable);
}

FreqCellCommit CommitFreqRule(const BandTable& bands, int row, int column, const QString& typed, const QString& rxText,
                              const QString& txText)
{
    const std::int64_t v = TableFreqValue(bands, typed);
    const bool hasRx = !rxText.isEmpty();
    const bool firstRow = row == 1;

    if (column == kColumnRx) {
        if (v == 0) {
            if (firstRow)
                return {};
            return {FreqCellCommit::kClearRow, QString(), 0, hasRx};
        }
        if (!hasRx)
            return {FreqCellCommit::kNewChannel, QString(), static_cast<std::uint32_t>(v), false};
        if (firstRow && !IsTransmitCapable(bands, v))
            return SetCell(TransmitCapableFallback(bands, rxText));
        return SetCell(FormatMHz(v));
    }

    if (column == kColumnTx) {
        if (!hasRx)
            return SetCell(QString());
        if (v == 0)
            return {};
        if (firstRow && !IsTransmitCapable(bands, v))
            return SetCell(TransmitCapableFallback(bands, txText));
        return SetCell(FormatMHz(v));
    }
    return {};
}

QString TxAfterRxChange(const BandTable& bands, const QString& oldRx, const QString& newRx, const QString& tx,
                        std::uint32_t offset)
{
    const std::int64_t before = ParseMHz(oldRx);
    const std::int64_t after = ParseMHz(newRx);
    const std::int64_t transmit = ParseMHz(tx);
    if (before == 0 || after == 0 || transmit == 0 || before == after)
        return tx;
    if (transmit == before)
        return newRx;
    const auto off = static_cast<std::int64_t>(offset);
    if (off > 0 && (transmit == before + off || transmit == before - off)) {
        const std::int64_t moved = after + (transmit - before);
        if (BandIndexOf(bands, moved, true) >= 0)
            return FormatMHz(moved);
    }
    return tx;
}
