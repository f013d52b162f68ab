#include "channels/core/bitmaps.h"
#include "tests/support/test_document.h"

#include "channels/core/channel_record.h"

#include "image_fixture.h"

#include <set>
#include <tuple>

using namespace ChannelBitmaps;
using Bytes = std::vector<std::uint8_t>;

namespace {

class BitmapsTest : public ImageTest {
protected:
    void addChannel(int n, std::uint32_t rx, unsigned scan)
    {
        NewChannelRecord(TestBands(), m_image, n, rx);
        ChannelAt(m_image, n).set(ChannelLayout::kScan, scan);
    }
};

TEST_F(BitmapsTest, BothBanksFromFrequencyAndScanField)
{
    using namespace ScanMode;
    // bank, channel index within the bank, maps whose bit is set.
    std::set<std::tuple<int, int, int>> expected;
    auto expect = [&](int n, std::initializer_list<Kind> kinds) {
        for (Kind k : kinds)
            expected.insert({(n - 1) / 800, (n - 1) % 800, k});
    };
    addChannel(1, MHz(145.0), kAllow);
    expect(1, {kInBandMap, kScanMap});
    addChannel(2, MHz(145.0), kSkip);
    expect(2, {kInBandMap});
    addChannel(3, MHz(26.0), kPriority); // band 0's lower edge
    expect(3, {kInBandMap, kScanMap, kPriorityMap});
    addChannel(9, MHz(600.0), kPriority); // in no band
    addChannel(10, MHz(118.0), 3);        // scan value without a list entry
    expect(10, {kInBandMap});
    addChannel(17, MHz(950.0), kAllow);
    expect(17, {kInBandMap, kScanMap});
    addChannel(18, MHz(950.00001), kAllow);
    addChannel(800, MHz(438.5), kAllow);
    expect(800, {kInBandMap, kScanMap});
    addChannel(801, MHz(50.0), kAllow);
    expect(801, {kInBandMap, kScanMap});
    addChannel(1599, MHz(435.0), kSkip);
    expect(1599, {kInBandMap});
    addChannel(1600, MHz(435.0), kPriority);
    expect(1600, {kInBandMap, kScanMap, kPriorityMap});
    // Absent channels with scan fields that would otherwise count.
    addChannel(20, 0, kPriority);
    addChannel(21, MHz(145.0), kAllow);
    m_image[ImageMap::ChannelOffset(21) + 3] = 0x00;

    // Stale bits everywhere; the tails of the maps hold something of their own.
    for (int bank = 0; bank < 2; ++bank)
        for (Kind kind : {kInBandMap, kScanMap, kPriorityMap}) {
            std::fill_n(m_image.begin() + MapOffset(bank, kind), kUsedBytes, 0xFF);
            std::fill_n(m_image.begin() + MapOffset(bank, kind) + kUsedBytes, kMapSize - kUsedBytes, 0x5A);
        }

    RebuildChannelBitmaps(TestBands(), m_image);
    for (int bank = 0; bank < 2; ++bank)
        for (Kind kind : {kInBandMap, kScanMap, kPriorityMap}) {
            for (int k = 0; k < 800; ++k)
                EXPECT_EQ(Bit(m_image, bank, kind, k), expected.count({bank, k, kind}) == 1)
                    << "bank " << bank << " map " << kind << " channel index " << k;
            EXPECT_EQ(slice(MapOffset(bank, kind) + kUsedBytes, kMapSize - kUsedBytes),
                      Bytes(kMapSize - kUsedBytes, 0x5A));
        }
    // Bit order: the k-th channel is bit k mod 8 of byte k / 8.
    EXPECT_EQ(m_image[MapOffset(0, kInBandMap)], 0x07);
    EXPECT_EQ(m_image[MapOffset(0, kInBandMap) + 1],
              0x02); // channel 9 in no band, 10 in band, 11..16 absent
    EXPECT_EQ(m_image[MapOffset(0, kInBandMap) + 99], 0x80);
    EXPECT_EQ(m_image[MapOffset(1, kPriorityMap) + 99], 0x80);
    EXPECT_EQ(m_image[MapOffset(1, kScanMap) + 99], 0x80);
    EXPECT_EQ(m_image[ImageMap::kChannelBitmaps - 1], 0xFF);
    EXPECT_EQ(m_image[ImageMap::kTwoToneSystems], 0xFF);
}

TEST_F(BitmapsTest, CurrentLimitsDecide)
{
    addChannel(5, MHz(147.0), ScanMode::kAllow);
    RebuildChannelBitmaps(TestBands(), m_image);
    EXPECT_TRUE(Bit(m_image, 0, kInBandMap, 4));
    TestBands().rxUpper[4] = MHz(146.0);
    RebuildChannelBitmaps(TestBands(), m_image);
    EXPECT_FALSE(Bit(m_image, 0, kInBandMap, 4));
    EXPECT_FALSE(Bit(m_image, 0, kScanMap, 4));
}

} // namespace
