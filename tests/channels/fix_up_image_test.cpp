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
    ::testing::AssertionResult SecondRunChangesNothing()
    {
        FixUpImage(TestBands(), image);
        const auto once = std::make_unique<RadioImage>(image);
        FixUpImage(TestBands(), image);
        for (std::uint32_t i = 0; i < kImageSize; ++i)
            if (image[i] != (*once)[i])
                return ::testing::AssertionFailure() << "byte 0x" << std::hex << i << " changed from 0x"
                                                     << int((*once)[i]) << " to 0x" << int(image[i]);
        return ::testing::AssertionSuccess();
    }

    // The limits and enabled flags the channel table derives from an image.
    void TakeBandPlanFromImage()
    {
        DecodeBandPlan(image, TestBands());
        ComputeBandEnabled(image, TestBands());
    }

    // A used radio: channels in several bands and scan modes, and a
    // scattering of values the pass has to repair.
    void BuildUsedImage()
    {
        for (int b = 0; b < BandTable::kRxBands; ++b) {
            const std::uint32_t rec = BandPlan::RecordOffset(b);
            std::fill_n(image.begin() + rec, 16, 0x00);
            if (b == 2 || b == 5) // a plan holds one of 50M/60M and one of 250M/450M
                continue;
            PutFreq(rec, kFactoryRxLower[static_cast<std::size_t>(b)]);
            PutFreq(rec + 4, kFactoryRxUpper[static_cast<std::size_t>(b)]);
        }
        TakeBandPlanFromImage();

        const std::uint32_t freqs[] = {MHz(145.5),    MHz(118.0083), MHz(438.5),  MHz(27.185),
                                       MHz(851.0125), MHz(600.0),    MHz(162.55), MHz(70.0)};
        for (int n = 2; n <= 60; ++n) {
            NewChannelRecord(TestBands(), image, n, freqs[n % 8]);
            ChannelAt(image, n).Set(ChannelLayout::kScan, static_cast<unsigned>(n % 4));
        }
        for (int n = 805; n <= 820; ++n)
            NewChannelRecord(TestBands(), image, n, freqs[n % 8]);
        for (int k = 0; k < VfoLayout::kVfoCount; ++k)
            WriteNewRecord(TestBands(), RecordAt(image, VfoLayout::VfoOffset(k)), freqs[k % 8]);
        for (std::uint32_t r = 0; r < kTwoToneCount; ++r)
            for (std::uint32_t t = 0; t < 4; ++t)
                PutWord(ImageMap::kTwoToneSystems + 32 * r + 16 + 2 * t,
                        static_cast<std::uint16_t>(3000 + 977 * (r + t)));
        for (std::uint32_t d = 0; d < 16; ++d)
            PutWord(kFiveToneTones + 2 * d, static_cast<std::uint16_t>(6800 + 1000 * d));
        PutWord(kScramblerFreq, 5000);
        image[ImageMap::kDtmfCodes + 23] = 0; // code 1 present
        image[ImageMap::kDtmfCodes] = 1;
        image[ImageMap::kDtmfCodes + 24 + 23] = 7; // code 2 of an unknown type
        image[ImageMap::kDtmfCodes + 24] = 2;
        image[kEmiCode] = 2;
        PutWord(kLeftPriority, 61);  // absent
        PutWord(kRightPriority, 10); // bank B channel 10 present
        const std::uint32_t blocks[] = {ImageMap::kWorkingBandMemory, BandMemoryLayout::BlockOffset(0),
                                        BandMemoryLayout::BlockOffset(3), BandMemoryLayout::BlockOffset(5)};
        for (std::uint32_t j = 0; j < std::size(blocks); ++j)
            for (std::uint32_t i = 0; i < 23; ++i)
                image[blocks[j] + i] = static_cast<std::uint8_t>(17 * i + 31 * j);
    }

    void FillPseudoRandom(std::uint32_t seed)
    {
        for (auto& b : image) {
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
    ASSERT_TRUE(ReadParamFile(path, *header, image, false).ok);
    TakeBandPlanFromImage();
    const auto original = std::make_unique<RadioImage>(image);

    EXPECT_TRUE(SecondRunChangesNothing());
    // The factory file already holds what the pass derives from its channels
    // and tones.
    auto same = [&](std::uint32_t from, std::uint32_t to) {
        return std::equal(image.begin() + from, image.begin() + to, original->begin() + from);
    };
    EXPECT_TRUE(same(ImageMap::kFiveToneCoeffs, ImageMap::kBankA)) << "tone coefficients";
    EXPECT_TRUE(same(ImageMap::kBankA, ImageMap::kScanEdges)) << "channels";
    EXPECT_TRUE(same(ImageMap::kChannelBitmaps, ImageMap::kChannelBitmaps + 0x300)) << "bitmaps";
    EXPECT_TRUE(same(kScramblerFreq, kScramblerFreq + 4)) << "scrambler";
    EXPECT_TRUE(same(ImageMap::kVfoRecords, ImageMap::kVfoRecords + 11 * 32)) << "VFO records";
}

TEST_F(FixUpImageTest, IdempotentOnAUsedRadio)
{
    BuildUsedImage();
    EXPECT_TRUE(SecondRunChangesNothing());
}

TEST_F(FixUpImageTest, IdempotentOnArbitraryBytes)
{
    for (std::uint32_t seed : {1u, 0x1234u, 0xC0FFEEu, 99991u}) {
        FillPseudoRandom(seed);
        TestBands().ResetToFactory();
        EXPECT_TRUE(SecondRunChangesNothing()) << "factory limits, seed " << seed;
        FillPseudoRandom(seed);
        TakeBandPlanFromImage();
        EXPECT_TRUE(SecondRunChangesNothing()) << "the image's own plan, seed " << seed;
    }
}

TEST_F(FixUpImageTest, StepsSeeTheResultsOfEarlierSteps)
{
    BuildUsedImage();
    PutWord(kLeftPriority, 1); // channel 1 is absent until step 1
    std::fill_n(image.begin() + ImageMap::ChannelOffset(1), 32, 0xFF);
    PutFreq(VfoLayout::VfoOffset(4), MHz(200.0)); // outside 150M
    image[ImageMap::kWorkingBandMemory + BandMemoryLayout::kStartRecord] = 0;
    std::fill_n(image.begin() + ImageMap::kBandStarts, 32, 0xFF); // repaired by the rewrite
    FixUpImage(TestBands(), image);

    EXPECT_EQ(ChannelAt(image, 1).Rx(), MHz(134.0));
    EXPECT_EQ(Word(kLeftPriority), 1) << "priority checked after channel 1 exists";
    EXPECT_TRUE(ChannelBitmaps::Bit(image, 0, ChannelBitmaps::kInBandMap, 0)) << "bitmaps include channel 1";
    EXPECT_EQ(image[kEmiCode], 0) << "code 2 was emptied first";
    EXPECT_EQ(Slice(ImageMap::kDtmfCodes + 24, 24), Bytes(24, 0xFF));
    EXPECT_EQ(Freq(ImageMap::kVfoCopy + 4 * 32), MHz(134.0)) << "the mirror holds the repaired VFO";
    EXPECT_EQ(image[ImageMap::kWorkingBandMemory + BandMemoryLayout::kStartRecord], 0)
        << "checked against the rewritten band start records";
    EXPECT_EQ(Word(kScramblerFreq), 3300);
    EXPECT_EQ(Word(kScramblerCoeff), 9011);
    EXPECT_EQ(Word(kRightPriority), 10);
}

} // namespace
