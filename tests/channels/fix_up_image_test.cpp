#include "channels/core/fix_up_image.h"
#include "tests/support/test_document.h"

#include "channels/core/bitmaps.h"
#include "channels/core/channel_record.h"
#include "channels/core/vfo_consistency.h"
#include "document/band_plan.h"
#include "document/param_file.h"

#include "image_fixture.h"

#include <QFileInfo>

using namespace FixUpLayout;
using Bytes = std::vector<std::uint8_t>;

namespace {

class FixUpImageTest : public ImageTest {
protected:
    // Runs the pass twice and reports whether the second run changed anything.
    ::testing::AssertionResult secondRunChangesNothing()
    {
        FixUpImage(TestBands(), m_image);
        const auto once = std::make_unique<RadioImage>(m_image);
        FixUpImage(TestBands(), m_image);
        for (std::uint32_t i = 0; i < kImageSize; ++i)
            if (m_image[i] != (*once)[i])
                return ::testing::AssertionFailure() << "byte 0x" << std::hex << i << " changed from 0x"
                                                     << int((*once)[i]) << " to 0x" << int(m_image[i]);
        return ::testing::AssertionSuccess();
    }

    // The limits and enabled flags the channel table derives from an image.
    void takeBandPlanFromImage()
    {
        DecodeBandPlan(m_image, TestBands());
        ComputeBandEnabled(m_image, TestBands());
    }

    // A used radio: channels in several bands and scan modes, and a
    // scattering of values the pass has to repair.
    void buildUsedImage()
    {
        for (int b = 0; b < BandTable::kRxBands; ++b) {
            const std::uint32_t rec = BandPlan::RecordOffset(b);
            std::fill_n(m_image.begin() + rec, 16, 0x00);
            if (b == 2 || b == 5) // a plan holds one of 50M/60M and one of 250M/450M
                continue;
            putFreq(rec, kFactoryRxLower[static_cast<std::size_t>(b)]);
            putFreq(rec + 4, kFactoryRxUpper[static_cast<std::size_t>(b)]);
        }
        takeBandPlanFromImage();

        const std::uint32_t freqs[] = {MHz(145.5),    MHz(118.0083), MHz(438.5),  MHz(27.185),
                                       MHz(851.0125), MHz(600.0),    MHz(162.55), MHz(70.0)};
        for (int n = 2; n <= 60; ++n) {
            NewChannelRecord(TestBands(), m_image, n, freqs[n % 8]);
            ChannelAt(m_image, n).set(ChannelLayout::kScan, static_cast<unsigned>(n % 4));
        }
        for (int n = 805; n <= 820; ++n)
            NewChannelRecord(TestBands(), m_image, n, freqs[n % 8]);
        for (int k = 0; k < VfoLayout::kVfoCount; ++k)
            WriteNewRecord(TestBands(), RecordAt(m_image, VfoLayout::VfoOffset(k)), freqs[k % 8]);
        for (std::uint32_t r = 0; r < kTwoToneCount; ++r)
            for (std::uint32_t t = 0; t < 4; ++t)
                putWord(ImageMap::kTwoToneSystems + 32 * r + 16 + 2 * t,
                        static_cast<std::uint16_t>(3000 + 977 * (r + t)));
        for (std::uint32_t d = 0; d < 16; ++d)
            putWord(kFiveToneTones + 2 * d, static_cast<std::uint16_t>(6800 + 1000 * d));
        putWord(kScramblerFreq, 5000);
        m_image[ImageMap::kDtmfCodes + 23] = 0; // code 1 present
        m_image[ImageMap::kDtmfCodes] = 1;
        m_image[ImageMap::kDtmfCodes + 24 + 23] = 7; // code 2 of an unknown type
        m_image[ImageMap::kDtmfCodes + 24] = 2;
        m_image[kEmiCode] = 2;
        putWord(kLeftPriority, 61);  // absent
        putWord(kRightPriority, 10); // bank B channel 10 present
        const std::uint32_t blocks[] = {ImageMap::kWorkingBandMemory, BandMemoryLayout::BlockOffset(0),
                                        BandMemoryLayout::BlockOffset(3), BandMemoryLayout::BlockOffset(5)};
        for (std::uint32_t j = 0; j < std::size(blocks); ++j)
            for (std::uint32_t i = 0; i < 23; ++i)
                m_image[blocks[j] + i] = static_cast<std::uint8_t>(17 * i + 31 * j);
    }

    void fillPseudoRandom(std::uint32_t seed)
    {
        for (auto& b : m_image) {
            seed = seed * 1664525u + 1013904223u;
            b = static_cast<std::uint8_t>(seed >> 24);
        }
    }
};

TEST_F(FixUpImageTest, IdempotentOnTheFactoryDefaults)
{
    const QString path = QStringLiteral(PROGRAMMER_BIN_DIR "/Default.dat");
    if (!QFileInfo::exists(path))
        GTEST_SKIP() << "Default.dat has not been generated in " PROGRAMMER_BIN_DIR;
    auto header = std::make_unique<HeaderBlock>();
    ASSERT_TRUE(ReadParamFile(path, *header, m_image, false).ok);
    takeBandPlanFromImage();
    const auto original = std::make_unique<RadioImage>(m_image);

    EXPECT_TRUE(secondRunChangesNothing());
    // The factory file already holds what the pass derives from its channels
    // and tones.
    auto same = [&](std::uint32_t from, std::uint32_t to) {
        return std::equal(m_image.begin() + from, m_image.begin() + to, original->begin() + from);
    };
    EXPECT_TRUE(same(ImageMap::kFiveToneCoeffs, ImageMap::kBankA)) << "tone coefficients";
    EXPECT_TRUE(same(ImageMap::kBankA, ImageMap::kScanEdges)) << "channels";
    EXPECT_TRUE(same(ImageMap::kChannelBitmaps, ImageMap::kChannelBitmaps + 0x300)) << "bitmaps";
    EXPECT_TRUE(same(kScramblerFreq, kScramblerFreq + 4)) << "scrambler";
    EXPECT_TRUE(same(ImageMap::kVfoRecords, ImageMap::kVfoRecords + 11 * 32)) << "VFO records";
}

TEST_F(FixUpImageTest, IdempotentOnAUsedRadio)
{
    buildUsedImage();
    EXPECT_TRUE(secondRunChangesNothing());
}

TEST_F(FixUpImageTest, IdempotentOnArbitraryBytes)
{
    for (std::uint32_t seed : {1u, 0x1234u, 0xC0FFEEu, 99991u}) {
        fillPseudoRandom(seed);
        TestBands().resetToFactory();
        EXPECT_TRUE(secondRunChangesNothing()) << "factory limits, seed " << seed;
        fillPseudoRandom(seed);
        takeBandPlanFromImage();
        EXPECT_TRUE(secondRunChangesNothing()) << "the image's own plan, seed " << seed;
    }
}

TEST_F(FixUpImageTest, StepsSeeTheResultsOfEarlierSteps)
{
    buildUsedImage();
    putWord(kLeftPriority, 1); // channel 1 is absent until step 1
    std::fill_n(m_image.begin() + ImageMap::ChannelOffset(1), 32, 0xFF);
    putFreq(VfoLayout::VfoOffset(4), MHz(200.0)); // outside 150M
    m_image[ImageMap::kWorkingBandMemory + BandMemoryLayout::kStartRecord] = 0;
    std::fill_n(m_image.begin() + ImageMap::kBandStarts, 32, 0xFF); // repaired by the rewrite
    FixUpImage(TestBands(), m_image);

    EXPECT_EQ(ChannelAt(m_image, 1).rx(), MHz(134.0));
    EXPECT_EQ(word(kLeftPriority), 1) << "priority checked after channel 1 exists";
    EXPECT_TRUE(ChannelBitmaps::Bit(m_image, 0, ChannelBitmaps::kInBandMap, 0)) << "bitmaps include channel 1";
    EXPECT_EQ(m_image[kEmiCode], 0) << "code 2 was emptied first";
    EXPECT_EQ(slice(ImageMap::kDtmfCodes + 24, 24), Bytes(24, 0xFF));
    EXPECT_EQ(freq(ImageMap::kVfoCopy + 4 * 32), MHz(134.0)) << "the mirror holds the repaired VFO";
    EXPECT_EQ(m_image[ImageMap::kWorkingBandMemory + BandMemoryLayout::kStartRecord], 0)
        << "checked against the rewritten band start records";
    EXPECT_EQ(word(kScramblerFreq), 3300);
    EXPECT_EQ(word(kScramblerCoeff), 9011);
    EXPECT_EQ(word(kRightPriority), 10);
}

} // namespace
