#pragma once

#include "document/band_table.h"

#include <QString>

#include <cstdint>

// What the channel table does with a frequency typed into its receive or
// transmit column. Reads the process-wide band table afresh on every call.

// The typed frequency in 10 Hz units, 0 for an empty or zero text. A value
// in no receive band becomes the lower limit of the lowest band that has
// limits; then it goes onto its band's raster (the 850M band's 5 kHz, the
// airband's 8.33 kHz channels, else SnapFreq).
std::int64_t TableFreqValue(const BandTable& bands, const QString& typed);

struct FreqCellCommit {
    enum Kind {
        kKeep,       // nothing changes
        kSetCell,    // the edited cell shows `text`
        kNewChannel, // the channel is written as a new record on `rx` and its row reloaded
        kClearRow,   // cells 1..11 are cleared; the record becomes absent if `emptyRecord`
    };
    Kind kind = kKeep;
    QString text;
    std::uint32_t rx = 0;
    bool emptyRecord = false;

    bool operator==(const FreqCellCommit&) const = default;
};

// Row n (channel 1..800) and column 1 (receive) or 2 (transmit); rxText and
// txText are the row's two frequency cells before the commit. Row 1 must
// stay a channel that can transmit: it cannot be emptied and keeps to the
// VHF and UHF transmit bands.
FreqCellCommit CommitFreqRule(const BandTable& bands, int row, int column, const QString& typed, const QString& rxText,
                              const QString& txText);

// The transmit cell after the receive cell of an existing channel changed
// from oldRx to newRx. A simplex channel stays simplex; a channel that
// transmitted at the record's offset above or below keeps that offset while
// the new transmit frequency lies in a transmit band; any other transmit
// cell stays as it was. offset in 10 Hz units.
QString TxAfterRxChange(const BandTable& bands, const QString& oldRx, const QString& newRx, const QString& tx,
                        std::uint32_t offset);
