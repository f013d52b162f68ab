#include "document/band_table.h"

BandTable BandTable::factory()
{
    BandTable t;
    t.rxLower = kFactoryRxLower;
    t.rxUpper = kFactoryRxUpper;
    t.txLower = kFactoryTxLower;
    t.txUpper = kFactoryTxUpper;
    t.bandEnabled.fill(true);
    t.txEnabled.fill(true);
    return t;
}

namespace {
template <std::size_t N>
int FirstContaining(const std::array<std::uint32_t, N>& lo, const std::array<std::uint32_t, N>& hi, std::int64_t freq)
{
    // A band whose limits are not set (0, or all bits set) contains nothing:
    // a band cleared from the plan must not take in frequency 0 or become open-ended.
    for (std::size_t i = 0; i < N; ++i)
        if (IsLimitSet(lo[i]) && IsLimitSet(hi[i]) && lo[i] <= freq && freq <= hi[i])
            return static_cast<int>(i);
    return -1;
}

template <std::size_t N> int FirstSet(const std::array<std::uint32_t, N>& lo, const std::array<std::uint32_t, N>& hi)
{
    for (std::size_t i = 0; i < N; ++i)
        if (IsLimitSet(lo[i]) && IsLimitSet(hi[i]))
            return static_cast<int>(i);
    return -1;
}
} // namespace

int BandIndexOf(const BandTable& t, std::int64_t freq, bool txTable)
{
    return txTable ? FirstContaining(t.txLower, t.txUpper, freq) : FirstContaining(t.rxLower, t.rxUpper, freq);
}

bool SameBand(const BandTable& bands, std::int64_t a, std::int64_t b, bool txTable)
{
    return BandIndexOf(bands, a, txTable) == BandIndexOf(bands, b, txTable);
}

int FirstEnabledBand(const BandTable& t, bool txTable)
{
    return txTable ? FirstSet(t.txLower, t.txUpper) : FirstSet(t.rxLower, t.rxUpper);
}

std::uint32_t DefaultRepeaterOffset(const BandTable& bands, std::int64_t rxFreq)
{
    const int band = BandIndexOf(bands, rxFreq);
    return band == 7 || band == kBand850Index ? 760000u : 60000u;
}
