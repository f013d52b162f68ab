#include "codecs/bcd.h"
#include "document/band_plan.h"
#include "document/band_table.h"
#include "document/factory_defaults.h"
#include "document/param_file.h"
#include "tests/support/test_document.h"

#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <memory>

namespace {

class LoadDefaultsTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_dir.isValid());
        m_folder = m_dir.path() + "/";
        TestBands().resetToFactory();
        TestImage().fill(0x00);
        TestHeader().fill(0x00);
    }
    void writeDefaultDat(const HeaderBlock& h, const RadioImage& m)
    {
        ASSERT_TRUE(WriteParamFile(m_folder + "Default.dat", h, m).ok);
    }
    QTemporaryDir m_dir;
    QString m_folder;
};

TEST_F(LoadDefaultsTest, BandMemoriesAreCopiesWithPatchedBandIndexes)
{
    auto h = std::make_unique<HeaderBlock>();
    auto m = std::make_unique<RadioImage>();
    h->fill(0xAB);
    for (std::size_t i = 0; i < kImageSize; ++i)
        (*m)[i] = static_cast<std::uint8_t>(i % 251);
    writeDefaultDat(*h, *m);

    ASSERT_TRUE(TestDocument().newFromDefaults(m_folder).ok);
    const RadioImage& img = TestImage();
    const std::pair<int, int> indexes[6] = {{0, 7}, {1, 7}, {4, 7}, {6, 7}, {7, 7}, {8, 7}};
    for (std::uint32_t j = 0; j < 6; ++j) {
        const std::uint32_t block = 0xDB80 + 64 * j;
        for (std::uint32_t i = 0; i < 64; ++i) {
            std::uint8_t expected = (*m)[0xCC00 + i];
            if (i == 2)
                expected = static_cast<std::uint8_t>(indexes[j].first);
            if (i == 6)
                expected = static_cast<std::uint8_t>(indexes[j].second);
            ASSERT_EQ(img[block + i], expected) << "block " << j << " byte " << i;
        }
    }
    EXPECT_EQ(img[0x5000], (*m)[0x5000]); // the rest as the file holds it
}

TEST_F(LoadDefaultsTest, BandStartRecordsAreDefaultChannelRecords)
{
    auto m = std::make_unique<RadioImage>();
    m->fill(0x00);
    writeDefaultDat(HeaderBlock{}, *m);
    ASSERT_TRUE(TestDocument().newFromDefaults(m_folder).ok);

    // 30 MHz (band 0): offset 600 kHz; 850 MHz (band 8): 7.6 MHz.
    const std::uint8_t rec30[32] = {0x00, 0x00, 0x00, 0x03, 0x00, 0x00, 0x00, 0x03, 0x00, 0x10, 0x23,
                                    0x00, 0xC0, 0x08, 0x06, 0x00, 0x00, 0x00, 0x06, 0x00, 0x00, 0x00,
                                    0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF};
    EXPECT_TRUE(std::equal(rec30, rec30 + 32, TestImage().begin() + 0xDA00));
    const std::uint8_t* r850 = TestImage().data() + 0xDA00 + 32 * 10;
    EXPECT_EQ(DecodeFreq(r850), 85000000u);
    EXPECT_EQ(DecodeFreq(r850 + 4), 85000000u);
    EXPECT_EQ(DecodeFreq(r850 + 16), 760000u);
}

TEST_F(LoadDefaultsTest, AirbandRecordGetsAm)
{
    auto m = std::make_unique<RadioImage>();
    WriteDefaultChannelRecord(*m, TestBands(), 0x100, 11800000);
    EXPECT_EQ((*m)[0x100 + 20], 0x10);
    EXPECT_EQ(DecodeFreq(m->data() + 0x100 + 16), 60000u);
    WriteDefaultChannelRecord(*m, TestBands(), 0x100, 0); // no frequency: both stay 0xFF
    EXPECT_EQ((*m)[0x100 + 3], 0xFF);
    EXPECT_EQ((*m)[0x100 + 7], 0xFF);
}

TEST_F(LoadDefaultsTest, MissingFileKeepsDocumentButRefreshesTones)
{
    TestImage().fill(0x44);
    FileResult r = TestDocument().newFromDefaults(m_folder);
    EXPECT_FALSE(r.ok);
    EXPECT_EQ(TestImage()[0xDA00], 0x44);
    EXPECT_EQ(TestHeader()[256 + 8], 24000 & 0xFF); // ZVEI1 digit 0
}

// The Default.dat that the build ships.
TEST(ShippedDefaults, IsAValidParameterFile)
{
    const QString path = QStringLiteral(PROGRAMMER_BIN_DIR "/Default.dat");
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::ReadOnly)) << path.toStdString();
    EXPECT_EQ(f.size(), static_cast<qint64>(kParamFileSize));
    auto h = std::make_unique<HeaderBlock>();
    auto m = std::make_unique<RadioImage>();
    FileResult r = ReadParamFile(path, *h, *m, true);
    ASSERT_TRUE(r.ok);
    EXPECT_TRUE(r.warning.isEmpty());

    // Channel 1 and 801 exist, every other channel is absent.
    for (std::uint32_t n = 1; n <= 1600; ++n)
        EXPECT_EQ(IsFreqAbsent(m->data() + ImageMap::ChannelOffset(n)), n != 1 && n != 801) << n;

    // The band plan passes the band plan dialog's closing checks and every
    // band lies within its hard limits.
    BandTable t = BandTable::factory();
    ComputeBandEnabled(*m, t);
    auto filled = [&](int b) { return BandPlan::Limit(*m, b, BandPlan::kRxLower) != 0; };
    EXPECT_FALSE(filled(1) && filled(2));
    EXPECT_FALSE(filled(5) && filled(7));
    EXPECT_TRUE(filled(4) || filled(5) || filled(7));
    for (int b = 0; b < 9; ++b)
        EXPECT_EQ(t.bandEnabled[static_cast<std::size_t>(b)], filled(b)) << b;
    // Identity fields blank.
    EXPECT_TRUE(std::all_of(m->begin() + 0xFF00, m->begin() + 0xFF30, [](std::uint8_t b) { return b == 0xFF; }));
}

} // namespace
