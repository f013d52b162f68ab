#include "codecs/bcd.h"
#include "codecs/text_codecs.h"
#include "document/band_table.h"
#include "tests/support/test_document.h"

#include "tests/support/qstring_print.h"

#include <gtest/gtest.h>

#include <array>

using namespace Qt::StringLiterals;

namespace {

using Bytes4 = std::array<std::uint8_t, 4>;

TEST(BcdTest, FrequenciesTonesAndCodes)
{
    const std::pair<std::uint32_t, Bytes4> freqs[] = {{14552500, {0x00, 0x25, 0x55, 0x14}},
                                                      {43850000, {0x00, 0x00, 0x85, 0x43}},
                                                      {99999999, {0x99, 0x99, 0x99, 0x99}},
                                                      {1, {0x01, 0x00, 0x00, 0x00}}};
    for (const auto& [v, bytes] : freqs) {
        Bytes4 out{};
        EncodeFreq(v, out.data());
        EXPECT_EQ(out, bytes) << v;
        EXPECT_EQ(DecodeFreq(bytes.data()), v) << v;
    }
    // 88.5 Hz, 100.0 Hz, 254.1 Hz, DCS 023 and 754.
    const std::pair<unsigned, Bytes4> pairs[] = {
        {885, {0x85, 0x08}}, {1000, {0x00, 0x10}}, {2541, {0x41, 0x25}}, {23, {0x23, 0x00}}, {754, {0x54, 0x07}}};
    for (const auto& [v, bytes] : pairs) {
        Bytes4 out{};
        EncodeBcd2(v, out.data());
        EXPECT_EQ(out, bytes) << v;
        EXPECT_EQ(DecodeBcd2(bytes.data()), v) << v;
    }
    const Bytes4 topFF{0x00, 0x25, 0x55, 0xFF}, top00{0x99, 0x99, 0x99, 0x00}, set{0xFF, 0, 0, 0x14};
    EXPECT_TRUE(IsFreqAbsent(topFF.data()));
    EXPECT_TRUE(IsFreqAbsent(top00.data()));
    EXPECT_FALSE(IsFreqAbsent(set.data()));
}

class BandTableTest : public ::testing::Test {
protected:
    void TearDown() override { TestBands().resetToFactory(); }
};

TEST_F(BandTableTest, Lookups)
{
    const std::tuple<std::int64_t, bool, int> cases[] = {
        {14500000, false, 4}, {2600000, false, 0},  {3300001, false, -1}, {13399500, false, 3},
        {95000000, false, 8}, {1000000, false, -1}, {43500000, true, 1},  {11800000, true, -1}};
    for (auto [f, tx, band] : cases)
        EXPECT_EQ(BandIndexOf(TestBands(), f, tx), band) << f << (tx ? " tx" : " rx");
    EXPECT_TRUE(SameBand(TestBands(), 14500000, 14600000));
    EXPECT_FALSE(SameBand(TestBands(), 14500000, 43500000));
    EXPECT_TRUE(SameBand(TestBands(), 1000000, 100000000)); // both outside every band
    EXPECT_FALSE(SameBand(TestBands(), 14500000, 1000000));
    EXPECT_EQ(DefaultRepeaterOffset(TestBands(), 14500000), 60000u);
    EXPECT_EQ(DefaultRepeaterOffset(TestBands(), 90000000), 760000u);
    EXPECT_EQ(DefaultRepeaterOffset(TestBands(), 1000000), 60000u);
}

TEST_F(BandTableTest, UnsetLimits)
{
    BandTable& t = TestBands();
    t.rxLower[0] = 0;
    t.rxUpper[1] = 0xFFFFFFFFu;
    EXPECT_EQ(FirstEnabledBand(TestBands(), false), 2);
    // All bits set means "not set", not an open end: 147 MHz stays in 150M.
    EXPECT_EQ(BandIndexOf(TestBands(), 14700000), 4);
    // A band whose lower limit is not set takes in nothing, not even 0 or its low end.
    EXPECT_EQ(BandIndexOf(TestBands(), 0), -1);
    EXPECT_EQ(BandIndexOf(TestBands(), 2700000), -1);
    t.txUpper[0] = 0;
    EXPECT_EQ(FirstEnabledBand(TestBands(), true), 1);
    t.rxLower.fill(0);
    EXPECT_EQ(FirstEnabledBand(TestBands(), false), -1);
}

TEST(RasterTest, SnapFreq)
{
    const std::pair<std::int64_t, std::int64_t> cases[] = {{14551370, 14551250}, {43000300, 43000000},
                                                           {43001250, 43001250}, {43001300, 43001250},
                                                           {14552500, 14552500}, {100, 0}};
    for (auto [in, out] : cases)
        EXPECT_EQ(SnapFreq(in), out) << in;
    for (std::int64_t v = 14400000; v < 14420000; ++v) {
        const std::int64_t s = SnapFreq(v);
        ASSERT_TRUE(s <= v && v - s < 625 && (s % 250 == 0 || s % 625 == 0)) << v;
    }
}

TEST(RasterTest, AirbandAndBandRaster)
{
    const std::tuple<std::int64_t, int, std::int64_t> cases[] = {
        {11800800, 3, 11800833}, {11801600, 3, 11801666}, {11803300, 3, 11803333},  {11804100, 3, 11804166},
        {11805800, 3, 11805833}, {11806600, 3, 11806666}, {11808399, 3, 11808333},  {11809100, 3, 11809166},
        {11800833, 3, 11800833}, {14551370, 4, 14551250}, {43000800, -1, 43000833}, {90001250, 8, 90001250},
        {90000250, 8, 90000000}, {90000625, 8, 90000500}, {90000800, 8, 90000500}, // no airband raster in 850M
    };
    for (auto [v, band, out] : cases)
        EXPECT_EQ(SnapChannelRaster(v, band), out) << v << " band " << band;
    EXPECT_EQ(SnapAirbandRaster(11800800), 11800833);
    EXPECT_EQ(SnapAirbandRaster(11802510), 11802510);
    EXPECT_FALSE(HasAirbandRaster(11802500));
}

TEST(ToneTextTest, CtcssAndDcs)
{
    const std::pair<const char*, const char*> ctcss[] = {{"59.9", "100.0"}, {"260.1", "100.0"}, {"260", "260.0"},
                                                         {"60", "60.0"},    {"88.55", "88.5"},  {"120", "120.0"},
                                                         {"", "100.0"},     {"abc", "100.0"}};
    for (auto [in, out] : ctcss)
        EXPECT_EQ(NormaliseCtcssText(QString::fromLatin1(in)), QString::fromLatin1(out)) << in;
    const std::pair<const char*, const char*> dcs[] = {{"778", "023"}, {"abc", "023"}, {"7", "007"},   {"777", "777"},
                                                       {"0", "000"},   {"-1", "023"},  {"089", "089"}, {"754x", "754"}};
    for (auto [in, out] : dcs)
        EXPECT_EQ(NormaliseDcsText(QString::fromLatin1(in)), QString::fromLatin1(out)) << in;
}

TEST(StepAndSqlTest, IndexAndText)
{
    EXPECT_EQ(StepIndexToText(0), u"2.5"_s);
    EXPECT_EQ(StepIndexToText(12), u"100"_s);
    for (int i : {13, 14, 15, -1})
        EXPECT_EQ(StepIndexToText(i), u"12.5"_s) << i;
    EXPECT_EQ(StepTextToIndex(u"8.33"_s), 4);
    EXPECT_EQ(StepTextToIndex(u"12.50"_s), 0);
    EXPECT_EQ(SqlModeToText(4), u"Signalling | Tone"_s);
    EXPECT_EQ(SqlModeToText(5), u"Carrier"_s);
    EXPECT_EQ(SqlModeFromText(u"signalling | tone"_s), 4);
    EXPECT_EQ(SqlModeFromText(u"SIGNALING & TONE"_s), 3);
    EXPECT_EQ(SqlModeFromText(u"Tone "_s), 0);
}

TEST(DigitCodeTest, HexDtmfAndToneClamp)
{
    for (int code = 0; code < 16; ++code) {
        EXPECT_EQ(HexCodeFromChar(HexCharFromCode(code)), code);
        EXPECT_EQ(DtmfCodeFromChar(DtmfCharFromCode(code)), code);
    }
    EXPECT_EQ(HexCodeFromChar(u'f'), 15);
    for (char16_t c : {u'g', u' ', u'*', u'\0', u'\u0661'})
        EXPECT_EQ(HexCodeFromChar(c), 255) << int(c);
    EXPECT_EQ(DtmfCodeFromChar(u'*'), 14);
    EXPECT_EQ(DtmfCodeFromChar(u'#'), 15);
    EXPECT_EQ(DtmfCodeFromChar(u'E'), 14);
    EXPECT_EQ(DtmfCharFromCode(15), QChar(u'#'));
    EXPECT_EQ(DtmfCharFromCode(13), QChar(u'D'));
    for (int code : {16, -1}) {
        EXPECT_EQ(HexCharFromCode(code), QChar(u'\0'));
        EXPECT_EQ(DtmfCharFromCode(code), QChar(u'\0'));
    }
    const std::pair<int, int> tones[] = {{0, 0}, {2879, 2880}, {31161, 31160}, {-5, 2880}, {9000, 9000}};
    for (auto [in, out] : tones)
        EXPECT_EQ(ClampToneFreq(in), out) << in;
}

} // namespace
