// Whole channels inserted, removed, moved and sorted: every byte of a record
// moves with it, the bitmaps follow, and the left priority channel follows
// its channel.
#include "channels/core/bitmaps.h"
#include "channels/core/channel_ops.h"
#include "channels/core/channel_record.h"
#include "channels/core/fix_up_image.h"
#include "document/image_fields.h"
#include "tests/channels/image_fixture.h"

#include <QString>

namespace {

using namespace ChannelOps;

class ChannelOpsTest : public ImageTest {
protected:
    void SetUp() override
    {
        ImageTest::SetUp();
        // Channels 1..5: distinct frequencies, names and scan fields; 800 empty.
        const std::pair<double, const char*> channels[] = {
            {146.52, "EEE"}, {145.50, "BBB"}, {446.00625, "AAA"}, {145.00, "DDD"}, {147.00, "CCC"}};
        int n = 1;
        for (const auto& [mhz, name] : channels) {
            NewChannelRecord(TestBands(), m_image, n, MHz(mhz));
            ChannelAt(m_image, n).setName(QString::fromLatin1(name));
            ChannelAt(m_image, n).set(ChannelLayout::kScan, n == 3 ? ScanMode::kPriority : ScanMode::kAllow);
            ++n;
        }
        for (int k = 6; k <= kLast; ++k)
            WriteEmptyTableRecord(TestBands(), m_image, k);
        WriteWord(m_image, FixUpLayout::kLeftPriority, 3);
        FixUpImage(TestBands(), m_image);
    }
    QString names(int count) const
    {
        QStringList list;
        for (int n = 1; n <= count; ++n)
            list << (ChannelAt(m_image, n).hasRx() ? ChannelAt(m_image, n).name() : QStringLiteral("-"));
        return list.join(QLatin1Char(' '));
    }
    // Bank A's first bitmap bit of channel n.
    bool mapped(int n) const { return m_image[0xCC80 + (n - 1) / 8] >> ((n - 1) % 8) & 1; }
    bool priorityMapped(int n) const { return m_image[0xCD80 + (n - 1) / 8] >> ((n - 1) % 8) & 1; }
    unsigned priority() const { return ReadWord(m_image, FixUpLayout::kLeftPriority); }
};

TEST_F(ChannelOpsTest, EachOperationMovesWholeRecordsAndKeepsTheStructures)
{
    const std::vector<std::uint8_t> third = slice(ImageMap::ChannelOffset(3), 32);

    ASSERT_EQ(InsertEmpty(TestBands(), m_image, 2), Result::Done);
    EXPECT_EQ(names(7), "EEE - BBB AAA DDD CCC -");
    EXPECT_EQ(slice(ImageMap::ChannelOffset(4), 32), third); // every byte moved
    EXPECT_FALSE(mapped(2));
    EXPECT_TRUE(mapped(6));
    EXPECT_TRUE(priorityMapped(4));
    EXPECT_EQ(priority(), 4u);

    Remove(TestBands(), m_image, 2, 2);
    EXPECT_EQ(names(6), "EEE BBB AAA DDD CCC -");
    EXPECT_FALSE(mapped(6));
    EXPECT_EQ(priority(), 3u);

    ASSERT_EQ(MoveBlock(TestBands(), m_image, 2, 3, 1), Result::Done);
    EXPECT_EQ(names(5), "EEE DDD BBB AAA CCC");
    EXPECT_EQ(priority(), 4u);
    ASSERT_EQ(MoveBlock(TestBands(), m_image, 3, 4, -1), Result::Done);
    EXPECT_EQ(names(5), "EEE BBB AAA DDD CCC");
    EXPECT_EQ(MoveBlock(TestBands(), m_image, 1, 2, -1), Result::Refused); // at the edge

    Sort(TestBands(), m_image, 1, kLast, SortKey::Name);
    EXPECT_EQ(names(6), "AAA BBB CCC DDD EEE -");
    EXPECT_EQ(priority(), 1u);
    EXPECT_TRUE(priorityMapped(1));
    Sort(TestBands(), m_image, 2, 5, SortKey::Frequency); // only the selected ones
    EXPECT_EQ(names(6), "AAA DDD BBB EEE CCC -");

    // Removing channel 1 leaves a channel 1 all the same.
    Remove(TestBands(), m_image, 1, 5);
    EXPECT_TRUE(ChannelAt(m_image, 1).hasRx());
    EXPECT_FALSE(ChannelAt(m_image, 2).hasRx());
    EXPECT_EQ(priority(), 0u); // its channel is gone
}

TEST_F(ChannelOpsTest, InsertRefusedWhenTheLastChannelWouldFallOff)
{
    NewChannelRecord(TestBands(), m_image, kLast, MHz(145.0));
    const std::vector<std::uint8_t> before(m_image.begin(), m_image.end());
    EXPECT_EQ(InsertEmpty(TestBands(), m_image, 1), Result::Refused);
    EXPECT_EQ(std::vector<std::uint8_t>(m_image.begin(), m_image.end()), before);
}

} // namespace
