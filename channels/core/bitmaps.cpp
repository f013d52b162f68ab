#include "channels/core/bitmaps.h"

#include "channels/core/channel_record.h"

#include <algorithm>

using namespace ChannelBitmaps;

bool ChannelBitmaps::Bit(const RadioImage& image, int bank, Kind kind, int k)
{
    const std::uint32_t byte = MapOffset(bank, kind) + static_cast<std::uint32_t>(k / 8);
    return (image[byte] >> (k % 8)) & 1u;
}

void RebuildChannelBitmaps(const BandTable& bands, RadioImage& image)
{
    const auto perBank = static_cast<int>(ImageMap::kChannelsPerBank);
    for (int bank = 0; bank < 2; ++bank) {
        for (Kind kind : {kInBandMap, kScanMap, kPriorityMap})
            std::fill_n(image.begin() + MapOffset(bank, kind), kUsedBytes, 0);
        for (int k = 0; k < perBank; ++k) {
            const ConstChannelRecord r = ChannelAt(image, bank * perBank + k + 1);
            if (!r.hasRxInBand(bands))
                continue;
            const unsigned scan = r.get(ChannelLayout::kScan);
            const auto bit = static_cast<std::uint8_t>(1u << (k % 8));
            const auto at = static_cast<std::uint32_t>(k / 8);
            image[MapOffset(bank, kInBandMap) + at] |= bit;
            if (scan == ScanMode::kAllow || scan == ScanMode::kPriority)
                image[MapOffset(bank, kScanMap) + at] |= bit;
            if (scan == ScanMode::kPriority)
                image[MapOffset(bank, kPriorityMap) + at] |= bit;
        }
    }
}
