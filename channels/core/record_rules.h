#pragma once

#include "document/band_table.h"

#include <QString>
#include <QStringList>

#include <cstdint>
#include <optional>
#include <vector>

// The rules the three record editors (channel edit dialog, scan edges, VFOs)
// apply to typed values, as text in and text out. They read the current band
// limits afresh on every call.

// Channels 1 and 801 must stay where the radio can transmit: within the
// current limits of receive band 4 ("150M") or band 7 ("450M").
bool MustStayTransmitCapable(int channel);
bool IsTransmitCapable(const BandTable& bands, std::int64_t v);

// Channel edit dialog, receive box left with `typed`; `previous` is the last
// accepted text (empty for an absent channel). The result is what the box
// shows and the dialog accepts; empty means the channel becomes absent.
QString AcceptChannelRx(const BandTable& bands, int channel, const QString& typed, const QString& previous);
// Channel edit dialog, transmit box left with `typed`; `atFocus` is its text
// when it got the focus. The transmit frequency cannot be cleared here.
QString AcceptChannelTx(const BandTable& bands, int channel, const QString& typed, const QString& atFocus);

// Scan edge receive box: out of every band the previous value comes back,
// or, on a new record, the typed value is kept.
QString AcceptEdgeRx(const BandTable& bands, const QString& typed, const QString& previous);
// Scan edge transmit box; rxText is the receive box's text.
QString AcceptEdgeTx(const BandTable& bands, const QString& typed, const QString& atFocus, const QString& rxText);

// Limits of VFO record k: receive band k (k <= 8), transmit band k - 9 after.
struct FreqLimits {
    std::uint32_t lower = 0;
    std::uint32_t upper = 0;
};
FreqLimits VfoLimits(const BandTable& bands, int record);
// A VFO frequency box: outside the record's limits it goes to the lower
// limit (the 150M VFO also takes the airband, 108-133.995 MHz), then onto
// the raster.
QString AcceptVfoFreq(const BandTable& bands, int record, const QString& typed);

// Repeater offset box: 0..50 MHz snapped to the raster, anything else 7.6 MHz.
QString NormaliseOffsetText(const QString& text);

// Steps offered for a receive frequency: the 850M band has no steps below
// 5 kHz; every other frequency gets the whole list.
QStringList StepChoices(const BandTable& bands, std::optional<std::int64_t> rx);
// SQL modes offered for a decode type and option signalling (stored indexes).
QStringList SqlModeChoices(unsigned decodeType, unsigned optionSignalling);
// Text to select after a list is rebuilt: the previous one while it is
// offered, else the fallback.
QString KeptChoice(const QStringList& choices, const QString& previous, const QString& fallback);

// Offset direction of a written scan edge: a free transmit frequency (3)
// stays; any other is derived from the two frequencies as for a table row.
// No transmit frequency counts as a free one.
unsigned EdgeOffsetDirection(unsigned stored, std::uint32_t rx, std::optional<std::uint32_t> tx, std::uint32_t offset);

// Transmit frequency of a VFO, from its receive frequency, offset direction
// and offset. A transmit frequency that would leave the receive frequency's
// band falls back to simplex.
struct VfoTransmit {
    std::uint32_t tx = 0;
    unsigned direction = 0;
};
VfoTransmit DeriveVfoTransmit(const BandTable& bands, std::uint32_t rx, unsigned direction, std::uint32_t offset);

// The VFO dialog's tabs, in order: the enabled receive bands (not the
// airband), then the VHF and UHF transmit VFOs of the enabled bands.
struct VfoTab {
    int record = 0;        // 0..10
    int nameBand = 0;      // receive band whose name is the caption
    bool transmit = false; // caption "%s R"
};
std::vector<VfoTab> VfoTabs(const BandTable& bands);

// The channel edit dialog's channel number: typed values held to 1..800, and
// the up-down's wrap (up past 800 gives 1, down past 1 gives 800).
inline constexpr int kEditableChannels = 800;
int ClampChannelNumber(const QString& typed);
int StepChannelNumber(int channel, int delta);
