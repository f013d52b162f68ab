#include "channels/core/fix_up_image.h"
#include "tests/support/test_document.h"

#include "channels/core/channel_record.h"

#include "image_fixture.h"

using namespace FixUpLayout;
using Bytes = std::vector<std::uint8_t>;

namespace {

class FixUpStepTest : public ImageTest {};

// 1000.0 Hz, 2000.0 Hz and 3000.0 Hz in tenths, with their coefficients.
constexpr std::uint16_t kTones[] = {10000, 20000, 30000};
constexpr std::uint16_t kCoeffs[] = {23170, 0, 0xA57F};

TEST_F(FixUpStepTest, ToneCoefficientsOfTheTwoToneSystems)
{
    // Each system gets the three tones in a different rotation, so a word in
    // the wrong place or order shows.
    for (std::uint32_t r = 0; r < kTwoToneCount; ++r)
        for (std::uint32_t t = 0; t < 4; ++t)
            putWord(ImageMap::kTwoToneSystems + 32 * r + 16 + 2 * t, kTones[(r + t) % 3]);
    RebuildToneCoefficients(m_image);
    for (std::uint32_t r = 0; r < kTwoToneCount; ++r)
        for (std::uint32_t t = 0; t < 4; ++t)
            EXPECT_EQ(word(ImageMap::kTwoToneCoeffs + 8 * r + 2 * t), kCoeffs[(r + t) % 3]) << r << "/" << t;
    EXPECT_EQ(slice(0, 0x60), Bytes(0x60, 0xFF)) << "uninterpreted bytes untouched";
    EXPECT_EQ(slice(ImageMap::kBankA, 32), Bytes(32, 0xFF));
}

TEST_F(FixUpStepTest, ToneCoefficientsOfTheFiveToneDigits)
{
    for (std::uint32_t d = 0; d < 16; ++d)
        putWord(kFiveToneTones + 2 * d, kTones[d % 3]);
    RebuildToneCoefficients(m_image);
    for (std::uint32_t d = 0; d < 16; ++d)
        EXPECT_EQ(word(ImageMap::kFiveToneCoeffs + 2 * d), kCoeffs[d % 3]) << d;
    EXPECT_EQ(m_image[0x5F], 0xFF);
}

TEST_F(FixUpStepTest, ScramblerFrequencyAndItsWord)
{
    const struct {
        std::uint16_t stored, freq, coeff;
    } cases[] = {
        {3300, 3300, 9011}, {2600, 2600, 7100}, {4000, 4000, 10923}, {3000, 3000, 8192},
        {2599, 3300, 9011}, {4001, 3300, 9011}, {0, 3300, 9011},     {0xFFFF, 3300, 9011},
    };
    for (const auto& c : cases) {
        putWord(kScramblerFreq, c.stored);
        putWord(kScramblerCoeff, 0x1234);
        FixScrambler(m_image);
        EXPECT_EQ(word(kScramblerFreq), c.freq) << c.stored;
        EXPECT_EQ(word(kScramblerCoeff), c.coeff) << c.stored;
        EXPECT_EQ(m_image[0xCC27], 0xFF);
        EXPECT_EQ(m_image[0xCC2C], 0xFF);
    }
}

TEST_F(FixUpStepTest, EmiCodeNamingAnEmptyDtmfCode)
{
    // Codes 1, 3 and 16 hold digits (3 starts with the digit 0); the rest are
    // empty, and so is what follows the table.
    for (std::uint32_t k : {1u, 3u, 16u}) {
        const std::uint32_t rec = ImageMap::kDtmfCodes + kDtmfRecordSize * (k - 1);
        m_image[rec] = k == 3 ? 0x00 : 0x05;
        m_image[rec + 1] = 0x01;
        m_image[rec + kDtmfType] = 0;
    }
    const struct {
        std::uint8_t stored, kept;
    } cases[] = {
        {0, 0}, {1, 1}, {2, 0}, {3, 3}, {4, 0}, {15, 0}, {16, 16}, {17, 17}, {255, 255},
    };
    for (const auto& c : cases) {
        m_image[kEmiCode] = c.stored;
        FixEmiCode(m_image);
        EXPECT_EQ(m_image[kEmiCode], c.kept) << int(c.stored);
    }
}

TEST_F(FixUpStepTest, DtmfRecordsOfUnknownTypeAreEmptied)
{
    const struct {
        std::uint8_t type;
        bool kept;
    } cases[] = {{0, true}, {1, true}, {2, false}, {0x80, false}, {0xFF, false}};
    for (std::uint32_t k = 0; k < std::size(cases); ++k) {
        const std::uint32_t rec = ImageMap::kDtmfCodes + kDtmfRecordSize * k;
        for (std::uint32_t i = 0; i < kDtmfRecordSize; ++i)
            m_image[rec + i] = static_cast<std::uint8_t>(i);
        m_image[rec + kDtmfType] = cases[k].type;
    }
    m_image[ImageMap::kDtmfCodes - 1] = 0x11;
    const Bytes before = slice(ImageMap::kDtmfCodes, 16 * kDtmfRecordSize);
    CleanDtmfCodeTable(m_image);
    for (std::uint32_t k = 0; k < std::size(cases); ++k) {
        const std::uint32_t at = kDtmfRecordSize * k;
        const Bytes expected = cases[k].kept ? Bytes(before.begin() + at, before.begin() + at + kDtmfRecordSize)
                                             : Bytes(kDtmfRecordSize, 0xFF);
        EXPECT_EQ(slice(ImageMap::kDtmfCodes + at, kDtmfRecordSize), expected) << int(cases[k].type);
    }
    EXPECT_EQ(m_image[ImageMap::kDtmfCodes - 1], 0x11);
    EXPECT_EQ(slice(ImageMap::kPttIdCodes, 127), Bytes(127, 0xFF)); // the last byte is the 0x11 above
}

TEST_F(FixUpStepTest, PriorityChannelsMustNameAPresentChannelOfTheirBank)
{
    // Bank A: 1, 5 and 800 present, 6 with byte 3 of 0x00. Bank B: its
    // channel 7 and 800 present, channel 5 absent.
    for (int n : {1, 5, 800, 807, 1600})
        NewChannelRecord(TestBands(), m_image, n, MHz(145.0));
    NewChannelRecord(TestBands(), m_image, 6, MHz(145.0));
    m_image[ImageMap::ChannelOffset(6) + 3] = 0x00;

    const struct {
        std::uint32_t word;
        std::uint16_t stored, kept;
    } cases[] = {
        {kLeftPriority, 0, 0},      {kLeftPriority, 1, 1},           {kLeftPriority, 5, 5},
        {kLeftPriority, 6, 0},      {kLeftPriority, 7, 0},           {kLeftPriority, 800, 800},
        {kLeftPriority, 801, 801},  {kLeftPriority, 0xFFFF, 0xFFFF}, {kRightPriority, 7, 7},
        {kRightPriority, 5, 0},     {kRightPriority, 800, 800},      {kRightPriority, 1, 0},
        {kRightPriority, 900, 900}, {kRightPriority, 0, 0},
    };
    for (const auto& c : cases) {
        putWord(kLeftPriority, 0);
        putWord(kRightPriority, 0);
        putWord(c.word, c.stored);
        FixPriorityChannels(m_image);
        EXPECT_EQ(word(c.word), c.kept) << (c.word == kLeftPriority ? "left " : "right ") << c.stored;
    }
}

struct FirstChannelCase {
    const char* what;
    bool band4;
    std::uint32_t lower4, lower7;
    std::uint32_t expected;
};

TEST_F(FixUpStepTest, ChannelsOneAnd801AreCreatedOnATransmitBand)
{
    const FirstChannelCase cases[] = {
        {"band 4 enabled", true, MHz(134.0), MHz(400.0), MHz(134.0)},
        {"band 4 narrowed", true, MHz(140.0), MHz(400.0), MHz(140.0)},
        {"band 4 disabled", false, MHz(134.0), MHz(400.0), MHz(400.0)},
        {"band 4 disabled, 7 narrowed", false, MHz(134.0), MHz(420.0), MHz(420.0)},
        {"band 4 disabled, 7 cleared", false, MHz(134.0), 0, MHz(400.0)},
    };
    for (const auto& c : cases) {
        TestBands().resetToFactory();
        TestBands().bandEnabled[4] = c.band4;
        TestBands().rxLower[4] = c.lower4;
        TestBands().rxLower[7] = c.lower7;
        m_image.fill(0xFF);
        m_image[ImageMap::ChannelOffset(801) + 3] = 0x00; // absent as well
        EnsureFirstChannels(TestBands(), m_image);
        for (int n : {1, 801}) {
            NewChannelRecord(TestBands(), *m_owned, 2, 0);
            Bytes expected = slice(ImageMap::ChannelOffset(2), 32);
            EncodeFreq(c.expected, expected.data());
            EncodeFreq(c.expected, expected.data() + 4);
            EXPECT_EQ(slice(ImageMap::ChannelOffset(static_cast<std::uint32_t>(n)), 32), expected)
                << c.what << ", channel " << n;
            EXPECT_EQ(ChannelAt(m_image, n).offset(), 60000u) << "600 kHz even in band 7";
        }
    }
}

TEST_F(FixUpStepTest, PresentFirstChannelsAreLeftAlone)
{
    NewChannelRecord(TestBands(), m_image, 1, MHz(50.0));
    ChannelAt(m_image, 1).setName(QStringLiteral("HOME"));
    const Bytes channel1 = slice(ImageMap::ChannelOffset(1), 32);
    EnsureFirstChannels(TestBands(), m_image);
    EXPECT_EQ(slice(ImageMap::ChannelOffset(1), 32), channel1);
    EXPECT_EQ(ChannelAt(m_image, 801).rx(), MHz(134.0)) << "801 is checked on its own";
    EXPECT_FALSE(ChannelAt(m_image, 2).hasRx());
    EXPECT_FALSE(ChannelAt(m_image, 802).hasRx());
}

} // namespace
