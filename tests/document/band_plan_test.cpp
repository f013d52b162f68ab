#include "codecs/bcd.h"
#include "document/band_plan.h"

#include <gtest/gtest.h>

#include <memory>

namespace {

struct Plan {
    std::unique_ptr<RadioImage> image = std::make_unique<RadioImage>();
    Plan() { image->fill(0xFF); }
    void set(int band, std::uint32_t field, std::uint32_t v)
    {
        EncodeFreq(v, image->data() + BandPlan::RecordOffset(band) + field);
    }
};

TEST(BandPlan, DecodeTakesReceiveLimitsAndDerivesTransmitBands)
{
    Plan p;
    p.set(4, BandPlan::kRxLower, 13600000);
    p.set(4, BandPlan::kRxUpper, 17400000);
    p.set(7, BandPlan::kRxLower, 40000000);
    p.set(7, BandPlan::kRxUpper, 48000000);
    BandTable t = BandTable::factory();
    DecodeBandPlan(*p.image, t);
    EXPECT_EQ(t.rxLower[0], 0u); // all 0xFF: absent
    EXPECT_EQ(t.rxUpper[8], 0u);
    EXPECT_EQ(t.rxLower[4], 13600000u);
    EXPECT_EQ(t.txLower[0], 13600000u);
    EXPECT_EQ(t.txUpper[0], 17400000u);
    EXPECT_EQ(t.txLower[1], 40000000u); // 250M empty, 450M filled
    EXPECT_EQ(t.txUpper[1], 48000000u);
    EXPECT_TRUE(t.bandEnabled[0]); // flags are not touched here

    p.set(5, BandPlan::kRxLower, 22000000);
    p.set(5, BandPlan::kRxUpper, 26000000);
    DecodeBandPlan(*p.image, t);
    EXPECT_EQ(t.txLower[1], 22000000u); // 250M wins over 450M
}

TEST(BandPlan, DecodeKeepsTransmitBandsWithoutSources)
{
    Plan p;
    BandTable t = BandTable::factory();
    DecodeBandPlan(*p.image, t);
    EXPECT_EQ(t.txLower, kFactoryTxLower);
    EXPECT_EQ(t.txUpper, kFactoryTxUpper);
}

TEST(BandPlan, EnabledFlagsFollowHardLimits)
{
    Plan p;
    p.set(1, BandPlan::kRxLower, 4700000);                             // exactly the hard lower limit
    p.set(4, BandPlan::kRxLower, 13000000);                            // below 134 MHz
    p.set(5, BandPlan::kRxLower, 26000000);                            // exactly the hard upper limit
    std::fill_n(p.image->data() + BandPlan::RecordOffset(7), 4, 0x00); // absent as zeros
    BandTable t = BandTable::factory();
    ComputeBandEnabled(*p.image, t);
    EXPECT_FALSE(t.bandEnabled[0]);
    EXPECT_TRUE(t.bandEnabled[1]);
    EXPECT_FALSE(t.bandEnabled[4]);
    EXPECT_TRUE(t.bandEnabled[5]);
    EXPECT_FALSE(t.bandEnabled[7]);
    EXPECT_FALSE(t.txEnabled[0]);
    EXPECT_TRUE(t.txEnabled[1]);
}

} // namespace
