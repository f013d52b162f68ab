// What the band chart reads from an image, and its axis and hover lookups.
#include "radio/core/band_chart.h"

#include "channels/core/channel_record.h"
#include "codecs/bcd.h"
#include "document/band_plan.h"

#include <gtest/gtest.h>

#include <memory>

namespace {

void PutLimit(RadioImage& image, int band, std::uint32_t field, std::uint32_t v)
{
    EncodeFreq(v, image.data() + BandPlan::RecordOffset(band) + field);
}

TEST(BandChartTest, ReadsPlanAsStoredAndChannelsInTheirReceiveBand)
{
    auto image = std::make_unique<RadioImage>();
    image->fill(0xFF);
    const BandTable bands = BandTable::factory();
    PutLimit(*image, 4, BandPlan::kRxLower, 14400000);
    PutLimit(*image, 4, BandPlan::kRxUpper, 14800000);
    PutLimit(*image, 4, BandPlan::kTxLower, 14400000);
    PutLimit(*image, 4, BandPlan::kTxUpper, 14600000);
    // Transmit limits of the 850M band are never shown, whatever the bytes say.
    PutLimit(*image, 8, BandPlan::kRxLower, 75000000);
    PutLimit(*image, 8, BandPlan::kRxUpper, 95000000);
    PutLimit(*image, 8, BandPlan::kTxLower, 75000000);
    PutLimit(*image, 8, BandPlan::kTxUpper, 95000000);

    NewChannelRecord(bands, *image, 1, 14550000);
    ChannelAt(*image, 1).setName(QStringLiteral("RPT"));
    NewChannelRecord(bands, *image, 800, 43500000);
    NewChannelRecord(bands, *image, 801, 14550000); // second bank: not in the table
    NewChannelRecord(bands, *image, 5, 1000000);    // 10 MHz, in no band

    const BandChartData data = ReadBandChart(*image, bands);
    ASSERT_EQ(data.bands.size(), 9u);
    EXPECT_FALSE(data.bands[0].hasRx());
    EXPECT_TRUE(data.bands[4].hasRx());
    EXPECT_EQ(data.bands[4].rxLower, 14400000u);
    EXPECT_EQ(data.bands[4].txUpper, 14600000u);
    EXPECT_TRUE(data.bands[8].hasRx());
    EXPECT_FALSE(data.bands[8].hasTx());

    ASSERT_EQ(data.channels.size(), 3u);
    EXPECT_EQ(data.channels[0].channel, 1);
    EXPECT_EQ(data.channels[0].name, QStringLiteral("RPT"));
    EXPECT_EQ(data.channels[0].band, 4);
    EXPECT_EQ(data.channels[1].channel, 5);
    EXPECT_EQ(data.channels[1].band, -1);
    EXPECT_EQ(data.channels[2].channel, 800);
    EXPECT_EQ(data.channels[2].band, 7);
    EXPECT_EQ(data.channelsOutside(), 1);
}

TEST(BandChartTest, AxisIsLogarithmicClampedAndInvertible)
{
    const BandChartAxis axis(100, 1100);
    EXPECT_DOUBLE_EQ(axis.x(BandChartAxis::kLow), 100);
    EXPECT_DOUBLE_EQ(axis.x(BandChartAxis::kHigh), 1100);
    EXPECT_DOUBLE_EQ(axis.x(100), 100);         // below the axis
    EXPECT_DOUBLE_EQ(axis.x(400000000u), 1100); // above it
    // Equal ratios take equal widths.
    EXPECT_NEAR(axis.x(10000000) - axis.x(5000000), axis.x(40000000) - axis.x(20000000), 1e-9);
    for (std::uint32_t f : {2600000u, 14550000u, 43500000u, 95000000u})
        EXPECT_NEAR(double(axis.freqAt(axis.x(f))), double(f), f * 1e-9 + 1);
    EXPECT_EQ(BandChartAxis(5, 5).freqAt(5), BandChartAxis::kLow); // no width

    // Marks keep their distance; a narrow axis keeps only the coarse ones.
    for (double width : {200.0, 1000.0}) {
        const BandChartAxis a(0, width);
        const std::vector<int> marks = a.marks(40);
        ASSERT_FALSE(marks.empty());
        for (std::size_t i = 1; i < marks.size(); ++i)
            EXPECT_GE(a.x(marks[i] * 100000u) - a.x(marks[i - 1] * 100000u), 40);
    }
    EXPECT_LT(BandChartAxis(0, 200).marks(40).size(), BandChartAxis(0, 1000).marks(40).size());
}

TEST(BandChartTest, HoverFindsNearestTicksAndNamesThem)
{
    std::vector<BandChartChannel> channels = {
        {3, QStringLiteral("A"), 14500000, 4},
        {7, QString(), 14501000, 4},
        {9, QStringLiteral("FAR"), 43000000, 7},
    };
    const BandChartAxis axis(0, 1000);
    const double at = axis.x(14501000);
    const std::vector<int> near = ChannelsNear(channels, axis, at, 3);
    ASSERT_EQ(near.size(), 2u);
    EXPECT_EQ(near[0], 1); // the exact one first
    EXPECT_EQ(near[1], 0);
    EXPECT_TRUE(ChannelsNear(channels, axis, axis.x(30000000), 3).empty());

    EXPECT_EQ(ChannelTickText(channels, {0}, 8), QStringLiteral("Channel 3  A  145.00000 MHz"));
    EXPECT_EQ(ChannelTickText(channels, {1, 0, 2}, 2),
              QStringLiteral("Channel 7  145.01000 MHz\nChannel 3  A  145.00000 MHz\nand 1 more"));
}

} // namespace
