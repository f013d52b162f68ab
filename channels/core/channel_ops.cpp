#include "channels/core/channel_ops.h"

#include "channels/core/channel_record.h"
#include "channels/core/fix_up_image.h"
#include "channels/core/record_rules.h"
#include "document/image_fields.h"

#include <algorithm>
#include <cstring>
#include <numeric>

namespace ChannelOps {

namespace {
constexpr std::size_t kRecordSize = 32;
constexpr std::size_t kCount = kLast - kFirst + 1;

std::uint8_t* Bytes(RadioImage& image, int n)
{
    return image.data() + ImageMap::ChannelOffset(static_cast<std::uint32_t>(n));
}

std::vector<int> Identity()
{
    std::vector<int> order(kCount);
    std::iota(order.begin(), order.end(), kFirst);
    return order;
}

bool Present(const RadioImage& image, int n)
{
    return ChannelAt(image, n).hasRx();
}
} // namespace

bool FitsChannelOne(const BandTable& bands, const std::uint8_t* record)
{
    const ConstChannelRecord r(record);
    if (!r.hasRx() || IsTransmitCapable(bands, r.rx()))
        return true;
    return std::none_of(bands.txEnabled.begin(), bands.txEnabled.end(), [](bool on) { return on; });
}

Result Permute(const BandTable& bands, RadioImage& image, const std::vector<int>& order)
{
    if (order.size() != kCount)
        return Result::Refused;
    if (order.front() != kFirst && !FitsChannelOne(bands, Bytes(image, order.front())))
        return Result::ChannelOneRxOnly;
    std::vector<std::uint8_t> old(kCount * kRecordSize);
    std::memcpy(old.data(), Bytes(image, kFirst), old.size());
    for (std::size_t i = 0; i < kCount; ++i) {
        const auto from = static_cast<std::size_t>(order[i] - kFirst);
        std::memcpy(Bytes(image, kFirst + static_cast<int>(i)), old.data() + from * kRecordSize, kRecordSize);
    }
    // The left priority channel names a channel of this bank: it follows it.
    const unsigned priority = ReadWord(image, FixUpLayout::kLeftPriority);
    if (priority >= kFirst && priority <= kLast) {
        const auto at = std::find(order.begin(), order.end(), static_cast<int>(priority));
        WriteWord(image, FixUpLayout::kLeftPriority, static_cast<unsigned>(kFirst + (at - order.begin())));
    }
    FixUpImage(bands, image, PriorityCheck::Defer);
    return Result::Done;
}

Result InsertEmpty(const BandTable& bands, RadioImage& image, int n)
{
    if (n < kFirst || n > kLast || Present(image, kLast))
        return Result::Refused;
    std::vector<int> order = Identity();
    // kLast (empty) comes up to n; n.. move down by one.
    std::rotate(order.begin() + (n - kFirst), order.end() - 1, order.end());
    const Result r = Permute(bands, image, order);
    if (r != Result::Done)
        return r;
    WriteEmptyTableRecord(bands, image, n);
    FixUpImage(bands, image, PriorityCheck::Defer);
    return Result::Done;
}

Result Remove(const BandTable& bands, RadioImage& image, int first, int last)
{
    first = std::max(first, kFirst);
    last = std::min(last, kLast);
    if (first > last)
        return Result::Refused;
    std::vector<int> order = Identity();
    std::rotate(order.begin() + (first - kFirst), order.begin() + (last - kFirst + 1), order.end());
    const unsigned priority = ReadWord(image, FixUpLayout::kLeftPriority);
    const Result r = Permute(bands, image, order);
    if (r != Result::Done)
        return r;
    // The priority channel went with the channels removed.
    if (priority >= static_cast<unsigned>(first) && priority <= static_cast<unsigned>(last))
        WriteWord(image, FixUpLayout::kLeftPriority, 0);
    for (int n = kLast - (last - first); n <= kLast; ++n)
        WriteEmptyTableRecord(bands, image, n);
    FixUpImage(bands, image, PriorityCheck::Defer);
    return Result::Done;
}

Result MoveBlock(const BandTable& bands, RadioImage& image, int first, int last, int delta)
{
    if (first > last || first < kFirst || last > kLast || (delta != -1 && delta != 1))
        return Result::Refused;
    if ((delta < 0 && first == kFirst) || (delta > 0 && last == kLast))
        return Result::Refused;
    std::vector<int> order = Identity();
    auto begin = order.begin() + (first - kFirst);
    auto end = order.begin() + (last - kFirst + 1);
    if (delta < 0)
        std::rotate(begin - 1, begin, end);
    else
        std::rotate(begin, end, end + 1);
    return Permute(bands, image, order);
}

Result Sort(const BandTable& bands, RadioImage& image, int first, int last, SortKey key)
{
    first = std::max(first, kFirst);
    last = std::min(last, kLast);
    if (first >= last)
        return Result::Refused;
    std::vector<int> order = Identity();
    auto less = [&image, key](int a, int b) {
        const ConstChannelRecord ra = ChannelAt(image, a);
        const ConstChannelRecord rb = ChannelAt(image, b);
        if (ra.hasRx() != rb.hasRx())
            return ra.hasRx();
        if (!ra.hasRx())
            return false;
        if (key == SortKey::Name && ra.name() != rb.name())
            return ra.name().compare(rb.name(), Qt::CaseInsensitive) < 0;
        return ra.rx() < rb.rx();
    };
    const auto begin = order.begin() + (first - kFirst);
    const auto end = order.begin() + (last - kFirst + 1);
    std::stable_sort(begin, end, less);
    if (first == kFirst) {
        const auto fits = std::find_if(begin, end, [&](int n) { return FitsChannelOne(bands, Bytes(image, n)); });
        if (fits != end)
            std::rotate(begin, fits, fits + 1);
    }
    return Permute(bands, image, order);
}

} // namespace ChannelOps
