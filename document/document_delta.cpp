#include "document/document_delta.h"

#include <algorithm>

std::size_t DocumentDelta::byteCount() const
{
    std::size_t n = 0;
    for (const auto* runs : {&image, &header})
        for (const ByteRun& r : *runs)
            n += sizeof(ByteRun) + r.bytes.size();
    return n;
}

std::vector<ByteRun> DifferingRuns(std::span<const std::uint8_t> before, std::span<const std::uint8_t> after)
{
    std::vector<ByteRun> runs;
    const std::size_t size = std::min(before.size(), after.size());
    std::size_t i = 0;
    while (i < size) {
        if (before[i] == after[i]) {
            ++i;
            continue;
        }
        // Extend over differing bytes and short equal gaps between them.
        std::size_t end = i + 1;
        std::size_t last = i;
        while (end < size && end - last <= kRunGap) {
            if (before[end] != after[end])
                last = end;
            ++end;
        }
        const auto first = static_cast<std::ptrdiff_t>(i);
        const auto stop = static_cast<std::ptrdiff_t>(last + 1);
        ByteRun run{static_cast<std::uint32_t>(i), {}};
        run.bytes.reserve(static_cast<std::size_t>(2 * (stop - first)));
        run.bytes.insert(run.bytes.end(), before.begin() + first, before.begin() + stop);
        run.bytes.insert(run.bytes.end(), after.begin() + first, after.begin() + stop);
        runs.push_back(std::move(run));
        i = last + 1;
    }
    return runs;
}

void ApplyRuns(const std::vector<ByteRun>& runs, std::span<std::uint8_t> bytes, bool forward)
{
    for (const ByteRun& r : runs) {
        const std::span<const std::uint8_t> from = forward ? r.after() : r.before();
        if (r.offset + from.size() <= bytes.size())
            std::copy(from.begin(), from.end(), bytes.begin() + r.offset);
    }
}
