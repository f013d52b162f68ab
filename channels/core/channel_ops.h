#pragma once

#include "document/band_table.h"
#include "document/radio_image.h"

#include <QString>

#include <vector>

// Operations on whole channels of the table's bank (1..800): records move
// as they are, all 32 bytes, and the structures that follow the channels are
// made consistent afterwards (bitmaps, channel 1, the left priority channel).
// They are edits of the table: the priority channels are checked by the
// store pass, not here.
namespace ChannelOps {

inline constexpr int kFirst = 1;
inline constexpr int kLast = 800;

enum class Result {
    Done,
    Refused,          // at the edge, or a channel would fall off the end
    ChannelOneRxOnly, // channel 1 would get a frequency it cannot transmit on
};

// Puts the records in a new order: channel kFirst + i receives what channel
// order[i] held. order is a permutation of kFirst..kLast. Refused, and the
// image left alone, when the new channel 1 could not transmit while a
// transmit band is enabled.
Result Permute(const BandTable& bands, RadioImage& image, const std::vector<int>& order);

// An empty channel at n, the channels from n down moved down by one. Refused
// when channel kLast is present: it would fall off the end.
Result InsertEmpty(const BandTable& bands, RadioImage& image, int n);
// The channels first..last removed, those below moved up, empty channels at
// the end. A priority channel among them is switched off.
Result Remove(const BandTable& bands, RadioImage& image, int first, int last);
// The block first..last moved one place up (delta -1) or down (+1), the
// neighbour taking its place. Refused when the block is at the edge.
Result MoveBlock(const BandTable& bands, RadioImage& image, int first, int last, int delta);

enum class SortKey { Frequency, Name };
// Channels first..last sorted; channels without a receive frequency go last.
// When the range holds channel 1, the first channel in sorted order that can
// transmit comes first, so channel 1 keeps a frequency it can transmit on.
Result Sort(const BandTable& bands, RadioImage& image, int first, int last, SortKey key);

// Channel 1 may hold the record at this address: no receive frequency (the
// consistency pass gives it one), a frequency it can transmit on, or no
// transmit band to move to anyway.
bool FitsChannelOne(const BandTable& bands, const std::uint8_t* record);

} // namespace ChannelOps
