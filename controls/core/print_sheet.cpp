#include "controls/core/print_sheet.h"

#include <algorithm>

namespace {
// How far down the outline an entry sits: sections contain headings, which
// contain deeper headings and the rest. A table head contains its rows.
constexpr int kTableRank = 64;
constexpr int kContentRank = kTableRank + 1;
int Rank(const PrintSheet::Entry& e)
{
    switch (e.kind) {
    case PrintSheet::Kind::Section: return 0;
    case PrintSheet::Kind::Heading: return std::clamp(e.level, 1, kTableRank - 1);
    case PrintSheet::Kind::TableHead: return kTableRank;
    default: return kContentRank;
    }
}
} // namespace

void PrintSheet::dropEmpty()
{
    // From the end: a container is kept only when something deeper follows it
    // before the next entry of its own rank or above.
    std::vector<Entry> kept;
    kept.reserve(entries.size());
    std::vector<bool> contentAfter(kContentRank, false); // per rank: something follows to keep
    for (auto it = entries.rbegin(); it != entries.rend(); ++it) {
        const int rank = Rank(*it);
        if (rank == kContentRank) {
            std::fill(contentAfter.begin(), contentAfter.end(), true);
            kept.push_back(std::move(*it));
            continue;
        }
        if (!contentAfter[static_cast<std::size_t>(rank)])
            continue;
        // A table's heading stands only over rows.
        if (it->kind == Kind::TableHead && (kept.empty() || kept.back().kind != Kind::TableRow))
            continue;
        kept.push_back(std::move(*it));
        // This container ends the reach of those of its rank or deeper before
        // it, and is content for the ranks above.
        for (int r = 0; r < kContentRank; ++r)
            contentAfter[static_cast<std::size_t>(r)] = r < rank;
    }
    entries.assign(std::make_move_iterator(kept.rbegin()), std::make_move_iterator(kept.rend()));
}
