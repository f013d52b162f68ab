#include "codecs/tone_coefficient.h"
#include "document/five_tone_table.h"

#include <gtest/gtest.h>

#include <memory>

namespace {

TEST(FiveToneTable, RefreshWritesOnlyBuiltInToneBytes)
{
    auto h = std::make_unique<HeaderBlock>();
    h->fill(0xEE);
    RefreshStandardTones(*h);
    for (std::size_t i = 0; i < kHeaderSize; ++i) {
        bool toneByte = false;
        if (i >= 256 && i < 256 + 15 * 40)
            toneByte = (i - 256) % 40 >= 8;
        if (!toneByte) {
            ASSERT_EQ((*h)[i], 0xEE) << i;
        }
    }
    auto tone = [&](int standard, int digit) {
        std::size_t at = FiveTone::StandardOffset(standard) + 8 + 2 * static_cast<std::size_t>(digit);
        return (*h)[at] | (*h)[at + 1] << 8;
    };
    EXPECT_EQ(tone(0, 0), 24000);  // ZVEI1 "0" 2400 Hz
    EXPECT_EQ(tone(0, 15), 6800);  // ZVEI1 "F" 680 Hz
    EXPECT_EQ(tone(2, 11), 0);     // ZVEI3 "B": none
    EXPECT_EQ(tone(10, 0), 9798);  // Euro SIGNAL 979.8 Hz
    EXPECT_EQ(tone(14, 14), 4875); // MODAT "E" 487.5 Hz
    EXPECT_EQ(tone(13, 14), 4590); // EIA "E" 459 Hz
}

TEST(FiveToneTable, StandardNamesAndWidths)
{
    EXPECT_STREQ(FiveTone::kStandards[10].name, "Euro SIGNAL");
    EXPECT_STREQ(FiveTone::kStandards[15].name, "USER DEFINDE");
    EXPECT_EQ(FiveTone::kStandards[6].leastWidthMs, 100);
    EXPECT_EQ(FiveTone::kStandards[13].leastWidthMs, 33);
}

TEST(ToneCoefficient, MatchesTheRadiosTable)
{
    const std::pair<std::uint16_t, std::uint16_t> cases[] = {
        {10000, 23170}, {20000, 0}, {30000, 0xA57F}, {0, 0x8000}, {24000, 0xD873 /* 2400 Hz: -10125 */}};
    for (auto [tenths, expected] : cases)
        EXPECT_EQ(ToneCoefficient(tenths), expected) << tenths;
}

} // namespace
