#include "channels/core/vfo_consistency.h"
#include "tests/support/test_document.h"

#include "channels/core/channel_record.h"

#include "image_fixture.h"

#include <optional>

using namespace VfoLayout;
using namespace BandMemoryLayout;
using Bytes = std::vector<std::uint8_t>;

namespace {

class VfoConsistencyTest : public ImageTest {
protected:
    // Record bytes 4..31 get a pattern that must survive.
    void fillRecord(std::uint32_t at)
    {
        for (std::uint32_t i = 0; i < 32; ++i)
            m_image[at + i] = static_cast<std::uint8_t>(0x80 + i);
    }
};

struct VfoCase {
    const char* what;
    int k;
    std::optional<std::uint32_t> stored; // nothing: four 0xFF bytes
    void (*setup)(BandTable&);
    std::uint32_t expected;
};

void NoChange(BandTable&) {}

TEST_F(VfoConsistencyTest, VfoRecordsAreHeldToTheirBand)
{
    const VfoCase cases[] = {
        {"150M inside", 4, MHz(145.0), NoChange, MHz(145.0)},
        {"150M at its upper limit", 4, MHz(180.0), NoChange, MHz(180.0)},
        {"150M above", 4, MHz(180.00001), NoChange, MHz(134.0)},
        {"150M below a narrowed band", 4, MHz(135.0), [](BandTable& t) { t.rxLower[4] = MHz(136.0); }, MHz(136.0)},
        {"150M disabled: factory limit", 4, MHz(145.0),
         [](BandTable& t) {
             t.rxLower[4] = MHz(136.0);
             t.bandEnabled[4] = false;
         },
         MHz(134.0)},
        {"450M without a frequency", 7, std::nullopt, NoChange, MHz(400.0)},
        {"450M of zeros", 7, 0, [](BandTable& t) { t.rxLower[7] = MHz(410.0); }, MHz(410.0)},
        {"airband record kept", 3, MHz(120.0), NoChange, MHz(120.0)},
        {"850M disabled", 8, MHz(900.0), [](BandTable& t) { t.bandEnabled[8] = false; }, MHz(750.0)},
        {"VHF transmit inside", 9, MHz(150.0), NoChange, MHz(150.0)},
        {"VHF transmit outside", 9, MHz(200.0), [](BandTable& t) { t.txLower[0] = MHz(140.0); }, MHz(140.0)},
        {"VHF transmit disabled", 9, MHz(150.0),
         [](BandTable& t) {
             t.txLower[0] = MHz(140.0);
             t.txEnabled[0] = false;
         },
         MHz(134.0)},
        {"UHF transmit outside", 10, MHz(600.0), NoChange, MHz(400.0)},
        {"UHF transmit disabled", 10, MHz(435.0),
         [](BandTable& t) {
             t.txLower[1] = MHz(420.0);
             t.txEnabled[1] = false;
         },
         MHz(400.0)},
    };
    for (const VfoCase& c : cases) {
        TestBands().resetToFactory();
        c.setup(TestBands());
        const std::uint32_t at = VfoOffset(c.k);
        fillRecord(at);
        if (c.stored)
            putFreq(at, *c.stored);
        else
            std::fill_n(m_image.begin() + at, 4, 0xFF);
        const Bytes rest = slice(at + 4, 28);
        CheckVfoRecords(TestBands(), m_image);
        EXPECT_EQ(freq(at), c.expected) << c.what;
        EXPECT_EQ(slice(at + 4, 28), rest) << c.what << ": only the receive frequency changes";
    }
}

TEST_F(VfoConsistencyTest, RecordsZeroToEightAreMirrored)
{
    for (int k = 0; k < kVfoCount; ++k)
        std::fill_n(m_image.begin() + VfoOffset(k), 32, static_cast<std::uint8_t>(k));
    CopyVfoRecords(m_image);
    for (int k = 0; k < kCopiedVfos; ++k)
        EXPECT_EQ(slice(ImageMap::kVfoCopy + 32 * static_cast<std::uint32_t>(k), 32),
                  Bytes(32, static_cast<std::uint8_t>(k)));
    EXPECT_EQ(m_image[ImageMap::kBandStarts], 0xFF);
    EXPECT_EQ(m_image[ImageMap::kVfoCopy - 1], 0xFF);
}

struct BandStartCase {
    const char* what;
    void (*setup)(BandTable&);
    std::array<std::optional<double>, 12> mhz; // nothing: record left as found
};

TEST_F(VfoConsistencyTest, BandStartRecordsFollowTheEnabledBands)
{
    const BandStartCase cases[] = {
        {"all bands", NoChange, {26, 400, 47, 400, 134, 400, 320, 400, 400, 400, 750, 400}},
        {"60M and 250M cleared",
         [](BandTable& t) {
             for (std::size_t b : {2u, 5u}) {
                 t.bandEnabled[b] = false;
                 t.rxLower[b] = t.rxUpper[b] = 0;
             }
         },
         {26, 400, 47, 400, 134, 400, 320, 400, 400, 400, 750, 400}},
        {"60M and 250M instead of 50M and 450M",
         [](BandTable& t) { t.bandEnabled[1] = t.bandEnabled[7] = false; },
         {26, 220, 66, 220, 134, 220, 320, 220, 220, 220, 750, 220}},
        {"only 150M of the transmit bands, narrowed",
         [](BandTable& t) {
             t.bandEnabled[5] = t.bandEnabled[7] = false;
             t.rxLower[4] = MHz(140.0);
         },
         {26, 140, 47, 140, 140, 140, 320, 140, 26, 140, 750, 140}}, // 450M row: lower(first), band 0
        {"neither 150M, 250M nor 450M: lower(first)",
         [](BandTable& t) {
             t.rxLower[0] = t.rxUpper[0] = 0; // band 1 is now the first with limits
             for (std::size_t b : {0u, 1u, 2u, 4u, 5u, 6u, 7u})
                 t.bandEnabled[b] = false;
         },
         {47, 47, 47, 47, 47, 47, 47, 47, 47, 47, 750, 47}},
        {"no band has limits",
         [](BandTable& t) {
             t.rxLower.fill(0);
             t.rxUpper.fill(0);
             t.bandEnabled.fill(false);
         },
         {}},
    };
    for (const BandStartCase& c : cases) {
        TestBands().resetToFactory();
        c.setup(TestBands());
        for (int i = 0; i < 12; ++i)
            fillRecord(BandStartOffset(i));
        const Bytes before = slice(ImageMap::kBandStarts, 12 * 32);
        RewriteBandStartRecords(TestBands(), m_image);
        for (int i = 0; i < 12; ++i) {
            const std::uint32_t at = BandStartOffset(i);
            const std::uint32_t rel = at - ImageMap::kBandStarts;
            if (const auto f = c.mhz[static_cast<std::size_t>(i)]) {
                EXPECT_EQ(freq(at), MHz(*f)) << c.what << ", record " << i;
                EXPECT_EQ(freq(at + 4), MHz(*f)) << c.what << ", record " << i;
            } else {
                EXPECT_EQ(slice(at, 8), Bytes(before.begin() + rel, before.begin() + rel + 8)) << c.what;
            }
            EXPECT_EQ(slice(at + 8, 24), Bytes(before.begin() + rel + 8, before.begin() + rel + 32))
                << c.what << ", record " << i;
        }
    }
    EXPECT_EQ(m_image[ImageMap::kBandMemories], 0xFF);
}

class BandMemoryTest : public VfoConsistencyTest {
protected:
    void SetUp() override
    {
        VfoConsistencyTest::SetUp();
        disableBand(0); // the lowest enabled band is 1
        disableBand(2);
        // Band start pairs: 0 absent, 1 in band, 2 in band, 3 in no band, 4 in band, 5 absent.
        putFreq(BandStartOffset(2), MHz(47.0));
        putFreq(BandStartOffset(4), MHz(145.0));
        putFreq(BandStartOffset(6), MHz(600.0));
        putFreq(BandStartOffset(8), MHz(435.0));
    }

    static constexpr std::uint32_t kBlock = ImageMap::kWorkingBandMemory;

    // Sets one byte of a patterned block, runs the check and returns the byte.
    std::uint8_t checked(std::uint32_t byte, std::uint8_t value)
    {
        for (std::uint32_t i = 0; i < 64; ++i)
            m_image[kBlock + i] = static_cast<std::uint8_t>(0x40 + i);
        m_image[kBlock + byte] = value;
        CheckBandMemoryBlock(TestBands(), m_image, kBlock);
        for (std::uint32_t i = 0; i < 64; ++i) {
            const bool checked =
                i <= 2 || (i >= 4 && i <= 6) || i == 8 || i == 9 || i == 11 || (i >= 16 && i <= 22 && i != 19);
            if (!checked) {
                EXPECT_EQ(m_image[kBlock + i], 0x40 + i) << "byte " << i << " is not checked";
            }
        }
        return m_image[kBlock + byte];
    }
};

TEST_F(BandMemoryTest, BytesOfABlock)
{
    const struct {
        std::uint32_t byte;
        std::uint8_t stored, expected;
    } cases[] = {
        // Band indexes: an enabled band stays, anything else is the lowest enabled band.
        {kBandIndexA, 4, 4},
        {kBandIndexA, 1, 1},
        {kBandIndexA, 8, 8},
        {kBandIndexA, 0, 1},
        {kBandIndexA, 2, 1},
        {kBandIndexA, 9, 1},
        {kBandIndexA, 0xFF, 1},
        {kBandIndexB, 7, 7},
        {kBandIndexB, 2, 1},
        {kBandIndexB, 12, 1},
        {kAlwaysFF, 0x00, 0xFF},
        {kAlwaysFF, 0x47, 0xFF},
        // Pair flags: neither two-bit pair may be 3.
        {kPairFlags, 0x03, 0x00},
        {kPairFlags, 0x0C, 0x00},
        {kPairFlags, 0x0F, 0x00},
        {kPairFlags, 0x0B, 0x08},
        {kPairFlags, 0x07, 0x04},
        {kPairFlags, 0xF3, 0xF0},
        {kPairFlags, 0x05, 0x05},
        {kPairFlags, 0xFF, 0xF0},
        {kPairFlags, 0x00, 0x00},
        // Band start pair: one holding a frequency in a band stays, else the first such pair.
        {kStartRecord, 1, 1},
        {kStartRecord, 2, 2},
        {kStartRecord, 4, 4},
        {kStartRecord, 0, 1},
        {kStartRecord, 3, 1},
        {kStartRecord, 5, 1},
        {kStartRecord, 6, 1},
        {kStartRecord, 0xFF, 1},
        {16, 15, 15},
        {16, 16, 0},
        {17, 0xFF, 0},
        {18, 16, 0},
        {20, 200, 0},
        {21, 3, 3},
        {22, 16, 0},
    };
    for (const auto& c : cases)
        EXPECT_EQ(checked(c.byte, c.stored), c.expected) << "byte " << c.byte << " value " << int(c.stored);
}

TEST_F(BandMemoryTest, NothingToFallBackOn)
{
    TestBands().bandEnabled.fill(false);
    std::fill_n(m_image.begin() + ImageMap::kBandStarts, 12 * 32, 0xFF);
    EXPECT_EQ(checked(kBandIndexA, 4), 0xFF);
    EXPECT_EQ(checked(kBandIndexB, 0xFF), 0xFF);
    EXPECT_EQ(checked(kStartRecord, 2), 0xFF);
    EXPECT_EQ(checked(kStartRecord, 0xFF), 0xFF);
}

TEST_F(BandMemoryTest, WordsNamingUnusableRecordsBecomeOne)
{
    NewChannelRecord(TestBands(), m_image, 7, MHz(145.0));
    NewChannelRecord(TestBands(), m_image, 8, MHz(600.0)); // in no band
    NewChannelRecord(TestBands(), m_image, 255, MHz(145.0));
    putFreq(ImageMap::kScanEdges, MHz(145.0));            // record 0
    putFreq(VfoOffset(0), MHz(26.0));                     // record 10
    putFreq(ImageMap::kScanEdges + 32 * 41, MHz(435.0));  // record 41, inside the bitmaps
    putFreq(ImageMap::kScanEdges + 32 * 255, MHz(145.0)); // record 255
    const struct {
        std::uint16_t stored, expected;
    } cases[] = {
        {1, 1},     {7, 7},   {8, 1},     {9, 1},     {255, 255}, {256, 1}, {257, 257},  {258, 1}, {267, 267},
        {513, 513}, {553, 1}, {554, 554}, {810, 810}, {809, 1},   {811, 1}, {0xFFFF, 1}, {0, 0},
    };
    for (const auto& c : cases)
        EXPECT_EQ(CheckedBandMemoryWord(TestBands(), m_image, c.stored), c.expected) << c.stored;
    m_image[ImageMap::kScanEdges + 32 * 255 + 3] = 0x00;
    EXPECT_EQ(CheckedBandMemoryWord(TestBands(), m_image, 0), 1);

    // Both words of a block.
    for (std::uint32_t block : {ImageMap::kWorkingBandMemory, BlockOffset(5)}) {
        putWord(block + kWordA, 8);
        putWord(block + kWordB, 7);
        CheckBandMemoryBlock(TestBands(), m_image, block);
        EXPECT_EQ(word(block + kWordA), 1);
        EXPECT_EQ(word(block + kWordB), 7);
    }
}

TEST_F(BandMemoryTest, WorkingMemoryAndAllSixBlocks)
{
    std::fill_n(m_image.begin() + ImageMap::kWorkingBandMemory, 64, 0x22);
    for (std::uint32_t block : {ImageMap::kWorkingBandMemory, BlockOffset(0), BlockOffset(3), BlockOffset(5)})
        m_image[block + kAlwaysFF] = 0;
    const Bytes secondHalf = slice(ImageMap::kWorkingBandMemory + 23, 64 - 23);
    CheckBandMemories(TestBands(), m_image);
    for (std::uint32_t block : {ImageMap::kWorkingBandMemory, BlockOffset(0), BlockOffset(3), BlockOffset(5)})
        EXPECT_EQ(m_image[block + kAlwaysFF], 0xFF) << block;
    EXPECT_EQ(slice(ImageMap::kWorkingBandMemory + 23, 64 - 23), secondHalf)
        << "the settings from 0xCC18 and the right half stay";
    EXPECT_EQ(m_image[ImageMap::kBandMemories + 6 * 64], 0xFF) << "nothing beyond the sixth block";
}

} // namespace
