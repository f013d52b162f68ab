#pragma once

#include "document/band_table.h"
#include "document/radio_image.h"

#include <QString>

#include <array>

// The band plan as the frequency range dialog edits it: nine rows of four
// limit texts (MHz printed "%3.5f", or empty), and the rules that keep each
// row inside its band's hard limits. The dialog only moves these texts in
// and out of its grid.

namespace BandPlanColumn {
// Grid columns; column 0 holds the band captions.
inline constexpr int kRxLower = 1;
inline constexpr int kRxUpper = 2;
inline constexpr int kTxLower = 3;
inline constexpr int kTxUpper = 4;
} // namespace BandPlanColumn

struct BandPlanCells {
    static constexpr int kLimits = 4;
    std::array<std::array<QString, kLimits>, BandTable::kRxBands> rows;

    // band 0..8, column 1..4
    QString& at(int band, int column);
    const QString& at(int band, int column) const;

    bool operator==(const BandPlanCells&) const = default;
};

// The hidden prompt's password; case matters.
bool IsRangePassword(const QString& typed);
// Editing the plan needs the password once per run; nothing locks it again.
bool RangeEditingUnlocked();
void UnlockRangeEditing();

// Transmit cells of the 108M and 850M bands stay empty; nothing edits them.
bool IsBandCellEditable(int band, int column);

// The cells as the image holds them: absent limits give empty cells.
BandPlanCells ReadBandPlanCells(const RadioImage& image);

// Each row with a receive lower limit gets a receive range inside its hard
// limits: a lower limit out of range or not below the upper one goes to the
// band's lower hard limit, an upper one out of range to the upper hard limit.
void NormaliseBandPlan(BandPlanCells& cells);

// A typed text committed into a cell; may change other cells of the row.
void CommitBandCell(BandPlanCells& cells, int band, int column, const QString& typed);

// Closing checks: not both 50M and 60M, not both 250M and 450M, and at least
// one of 150M, 250M and 450M (judged by the receive lower cells).
bool IsBandPlanValid(const BandPlanCells& cells);

// After a last normalisation: every cell into the image (an empty cell as
// four zero bytes), the receive limits and enabled flags into the table, and
// the transmit bands derived from 150M and 250M or 450M.
void SaveBandPlan(BandPlanCells cells, RadioImage& image, BandTable& table);

// After the plan has changed: channels 1..800 whose receive frequency lies
// in no receive band become empty (absent) channels, written as the channel
// table writes an empty row.
void EmptyOutOfBandChannels(const BandTable& bands, RadioImage& image);
