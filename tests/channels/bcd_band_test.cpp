#include "channels/codecs/band_table.h"
#include "channels/codecs/bcd.h"

#include <gtest/gtest.h>

#include <array>

namespace {

using Bytes4 = std::array<std::uint8_t, 4>;
using Bytes2 = std::array<std::uint8_t, 2>;

TEST(BcdTest, Frequencies)
{
    const std::pair<std::uint32_t, Bytes4> cases[] = {
        {14552500, {0x00, 0x25, 0x55, 0x14}},
        {43850000, {0x00, 0x00, 0x85, 0x43}},
        {43385000, {0x00, 0x50, 0x38, 0x43}},
        {99999999, {0x99, 0x99, 0x99, 0x99}},
        {1, {0x01, 0x00, 0x00, 0x00}},
    };
    for (const auto& [v, bytes] : cases) {
        Bytes4 out{};
        EncodeFreq(v, out.data());
        EXPECT_EQ(out, bytes) << v;
        EXPECT_EQ(DecodeFreq(bytes.data()), v) << v;
    }
    EXPECT_EQ(ToBcd(45), 0x45);
    EXPECT_EQ(FromBcd(0xFF), 165u);
}

TEST(BcdTest, AbsenceIsTestedOnTheTopByte)
{
    const Bytes4 empty = {0xFF, 0xFF, 0xFF, 0xFF};
    const Bytes4 zeros = {0, 0, 0, 0};
    const Bytes4 topFF = {0x00, 0x25, 0x55, 0xFF};
    const Bytes4 lowOnly = {0x99, 0x99, 0x99, 0x00};
    const Bytes4 present = {0xFF, 0xFF, 0xFF, 0x14};
    EXPECT_TRUE(IsFreqAbsent(empty.data()));
    EXPECT_TRUE(IsFreqAbsent(zeros.data()));
    EXPECT_TRUE(IsFreqAbsent(topFF.data()));
    EXPECT_TRUE(IsFreqAbsent(lowOnly.data()));
    EXPECT_FALSE(IsFreqAbsent(present.data()));
}

TEST(BcdTest, TonesAndCodes)
{
    const std::pair<unsigned, Bytes2> cases[] = {
        {885, {0x85, 0x08}}, {1000, {0x00, 0x10}}, {2541, {0x41, 0x25}},
        {23, {0x23, 0x00}},  {754, {0x54, 0x07}},
    };
    for (const auto& [v, bytes] : cases) {
        Bytes2 out{};
        EncodeBcd2(v, out.data());
        EXPECT_EQ(out, bytes) << v;
        EXPECT_EQ(DecodeBcd2(bytes.data()), v) << v;
    }
}

class BandTableTest : public ::testing::Test {
protected:
    void SetUp() override { bandTable().ResetToFactory(); }
    void TearDown() override { bandTable().ResetToFactory(); }
};

TEST_F(BandTableTest, LookupsOnFactoryLimits)
{
    struct Case {
        std::int64_t f;
        bool tx;
        int band;
    };
    const Case cases[] = {
        {14500000, false, 4}, {43500000, false, 7}, {2600000, false, 0}, {3300000, false, 0},
        {3300001, false, -1}, {13399500, false, 3}, {13399600, false, -1}, {95000000, false, 8},
        {1000000, false, -1}, {14500000, true, 0},  {43500000, true, 1},   {11800000, true, -1},
    };
    for (const Case& c : cases)
        EXPECT_EQ(BandIndexOf(c.f, c.tx), c.band) << c.f << (c.tx ? " tx" : " rx");
    EXPECT_EQ(FirstEnabledBand(false), 0);
    EXPECT_EQ(FirstEnabledBand(true), 0);
}

TEST_F(BandTableTest, SameBand)
{
    EXPECT_TRUE(SameBand(14500000, 14600000));
    EXPECT_FALSE(SameBand(14500000, 43500000));
    EXPECT_TRUE(SameBand(1000000, 100000000)); // both outside every band
    EXPECT_FALSE(SameBand(1000000, 14500000));
    EXPECT_FALSE(SameBand(14500000, 1000000));
    EXPECT_TRUE(SameBand(13500000, 17000000, true));
}

TEST_F(BandTableTest, LookupsFollowTheCurrentLimits)
{
    BandTable& t = bandTable();
    t.rxLower[0] = 0;
    EXPECT_EQ(FirstEnabledBand(false), 1);
    t.rxUpper[1] = 0xFFFFFFFFu;
    EXPECT_EQ(FirstEnabledBand(false), 2);
    // An all-ones limit is "not set", not an open end: 147 MHz stays in 150M.
    EXPECT_EQ(BandIndexOf(14700000, false), 4);
    EXPECT_EQ(BandIndexOf(5000000, false), -1);
    t.rxLower.fill(0);
    EXPECT_EQ(FirstEnabledBand(false), -1);
    t.txUpper[0] = 0;
    EXPECT_EQ(FirstEnabledBand(true), 1);
    t.ResetToFactory();
    t.rxLower[4] = 14000000;
    t.rxUpper[4] = 14600000;
    EXPECT_EQ(BandIndexOf(14700000, false), -1);
}

TEST_F(BandTableTest, DefaultRepeaterOffset)
{
    const std::pair<std::int64_t, std::uint32_t> cases[] = {
        {14500000, 60000},  {11800000, 60000},  {36000000, 60000},
        {43500000, 760000}, {90000000, 760000}, {1000000, 60000},
    };
    for (auto [rx, offset] : cases)
        EXPECT_EQ(DefaultRepeaterOffset(rx), offset) << rx;
}

} // namespace
