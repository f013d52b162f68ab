#pragma once

#include "document/band_table.h"
#include "document/radio_image.h"

#include <QString>

#include <vector>

// Operations on whole channels of the table's bank (1..800): records move
// as they are, all 32 bytes, and the structures that follow the channels are
// made consistent afterwards (bitmaps, channel 1, the left priority channel).
namespace ChannelOps {

inline constexpr int kFirst = 1;
inline constexpr int kLast = 800;

// Puts the records in a new order: channel kFirst + i receives what channel
// order[i] held. order is a permutation of kFirst..kLast.
void Permute(const BandTable& bands, RadioImage& image, const std::vector<int>& order);

// An empty channel at n, the channels from n down moved down by one. Refused
// (false) when channel kLast is present: it would fall off the end.
bool InsertEmpty(const BandTable& bands, RadioImage& image, int n);
// The channels first..last removed, those below moved up, empty channels at the end.
void Remove(const BandTable& bands, RadioImage& image, int first, int last);
// The block first..last moved one place up (delta -1) or down (+1), the
// neighbour taking its place. False when the block is at the edge.
bool MoveBlock(const BandTable& bands, RadioImage& image, int first, int last, int delta);

enum class SortKey { Frequency, Name };
// Channels first..last sorted; channels without a receive frequency go last.
void Sort(const BandTable& bands, RadioImage& image, int first, int last, SortKey key);

} // namespace ChannelOps
