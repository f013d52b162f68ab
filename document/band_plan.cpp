#include "document/band_plan.h"

#include "codecs/bcd.h"

std::uint32_t BandPlan::Limit(const RadioImage& image, int band, std::uint32_t field)
{
    const std::uint8_t* p = image.data() + RecordOffset(band) + field;
    return IsFreqAbsent(p) ? 0 : DecodeFreq(p);
}

void DecodeBandPlan(const RadioImage& image, BandTable& table)
{
    for (int b = 0; b < BandTable::kRxBands; ++b) {
        auto i = static_cast<std::size_t>(b);
        table.rxLower[i] = BandPlan::Limit(image, b, BandPlan::kRxLower);
        table.rxUpper[i] = BandPlan::Limit(image, b, BandPlan::kRxUpper);
    }
    if (table.rxLower[4] != 0) {
        table.txLower[0] = table.rxLower[4];
        table.txUpper[0] = table.rxUpper[4];
    }
    int uhfSource = table.rxLower[5] != 0 ? 5 : (table.rxLower[7] != 0 ? 7 : -1);
    if (uhfSource >= 0) {
        table.txLower[1] = table.rxLower[static_cast<std::size_t>(uhfSource)];
        table.txUpper[1] = table.rxUpper[static_cast<std::size_t>(uhfSource)];
    }
}

void DeriveTxEnabled(BandTable& table)
{
    table.txEnabled[0] = table.bandEnabled[4];
    table.txEnabled[1] = table.bandEnabled[7] || table.bandEnabled[5];
}

void ComputeBandEnabled(const RadioImage& image, BandTable& table)
{
    for (int b = 0; b < BandTable::kRxBands; ++b) {
        auto i = static_cast<std::size_t>(b);
        std::uint32_t lower = BandPlan::Limit(image, b, BandPlan::kRxLower);
        table.bandEnabled[i] = kFactoryRxLower[i] <= lower && lower <= kFactoryRxUpper[i];
    }
    DeriveTxEnabled(table);
}
