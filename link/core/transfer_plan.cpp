#include "link/core/transfer_plan.h"

#include <algorithm>

std::vector<TransferRange> FullReadRanges()
{
    return {kFullReadRange};
}

std::vector<TransferRange> FullWriteRanges(bool serviceMode)
{
    return {kWriteMainRange, serviceMode ? kWriteServiceTailRange : kWriteTailRange};
}

bool RangesAreValid(std::span<const TransferRange> ranges)
{
    if (ranges.empty() || ranges.size() > static_cast<std::size_t>(kMaxTransferRanges))
        return false;
    return std::all_of(ranges.begin(), ranges.end(),
                       [](const TransferRange& r) { return r.start <= r.end && r.end <= kImageSize; });
}

namespace {
template <typename F> void ForEachBlock(std::span<const TransferRange> ranges, F&& f)
{
    for (const TransferRange& r : ranges) {
        const std::uint32_t end = std::min<std::uint32_t>(r.end, kImageSize);
        for (std::uint32_t a = r.start; a < end;) {
            const std::uint32_t room = kMaxBlockLength - a % kMaxBlockLength;
            const std::uint32_t n = std::min(room, end - a);
            f(TransferBlock{a, static_cast<int>(n)});
            a += n;
        }
    }
}
} // namespace

std::vector<TransferBlock> DivideIntoBlocks(std::span<const TransferRange> ranges)
{
    std::vector<TransferBlock> blocks;
    ForEachBlock(ranges, [&](const TransferBlock& b) { blocks.push_back(b); });
    return blocks;
}

int CountBlocks(std::span<const TransferRange> ranges)
{
    int n = 0;
    ForEachBlock(ranges, [&](const TransferBlock&) { ++n; });
    return n;
}

void ApplyRanges(const RadioImage& staging, std::span<const TransferRange> ranges, RadioImage& document)
{
    for (const TransferRange& r : ranges) {
        const std::uint32_t end = std::min<std::uint32_t>(r.end, kImageSize);
        if (r.start < end)
            std::copy(staging.begin() + r.start, staging.begin() + end, document.begin() + r.start);
    }
}
