#pragma once

#include "document/band_table.h"
#include "document/radio_image.h"

#include <QString>

#include <cstdint>

// The texts of one channel table row and their exchange with the channel's
// record. The table widget only moves these texts in and out of its cells.

enum ChannelColumn : int {
    kColumnChannel = 0, // the channel number, not part of the row texts
    kColumnRx,
    kColumnTx,
    kColumnDecodeType,
    kColumnCtcss,
    kColumnDcs,
    kColumnDcsPolarity,
    kColumnPower,
    kColumnScan,
    kColumnBandwidth,
    kColumnSignalling,
    kColumnName,
    kChannelColumnCount
};

struct ChannelRow {
    QString rx, tx, decodeType, ctcss, dcs, dcsPolarity, power, scan, bandwidth, signalling, name;

    // Columns kColumnRx..kColumnName; any other column has no text and
    // reads as empty.
    QString cell(int column) const;
    void setCell(int column, const QString& text);
    bool isEmpty() const { return rx.isEmpty(); }

    bool operator==(const ChannelRow&) const = default;
};

// The cells of channel n (1..1600): all empty when the channel is absent; an
// absent transmit frequency gives an empty transmit cell; a 2-bit field
// whose value has no list entry gives an empty cell.
ChannelRow ReadChannelRow(const RadioImage& image, int n);

// Writes a row back into channel n's record. A row without a receive
// frequency (empty, or reading as 0) becomes the empty table record.
// Otherwise the edited fields are set, the offset direction follows the two
// frequencies, transmit stop is cleared and the SQL mode is made consistent;
// every other bit of the record keeps its value.
void WriteChannelRow(const BandTable& bands, RadioImage& image, int n, const ChannelRow& row);

// Receive frequency given to channel 1 when the table finds it absent: the
// lower limit of band 4 or else band 7, whichever is enabled first, or
// 400 MHz when neither is.
std::uint32_t ChannelOneLoadFreq(const BandTable& bands);
