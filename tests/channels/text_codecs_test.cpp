#include "channels/codecs/option_lists.h"
#include "channels/codecs/text_codecs.h"

#include "qstring_print.h"

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

TEST(SnapFreqTest, Examples)
{
    const std::pair<std::int64_t, std::int64_t> cases[] = {
        {14551370, 14551250}, // 145.5137 -> 6.25 kHz raster
        {43000300, 43000000}, // 430.0030 -> 5 kHz raster
        {43001250, 43001250}, // 6.25 kHz multiple stays
        {43001300, 43001250},
        {14552500, 14552500}, // 2.5 kHz multiple stays
        {14550625, 14550625},
        {100, 0}, // equal remainders go to the 5 kHz raster
        {0, 0},
    };
    for (auto [in, out] : cases)
        EXPECT_EQ(SnapFreq(in), out) << in;
}

TEST(SnapFreqTest, NeverRoundsUpAndLandsOnARaster)
{
    for (std::int64_t v = 14400000; v < 14420000; ++v) {
        const std::int64_t s = SnapFreq(v);
        ASSERT_LE(s, v) << v;
        ASSERT_LT(v - s, 625) << v;
        ASSERT_TRUE(s % 250 == 0 || s % 625 == 0) << v;
    }
}

TEST(SnapFreqTest, AirbandRaster)
{
    const std::pair<std::int64_t, std::int64_t> cases[] = {
        {11800800, 11800833}, // 118.008 -> 118.00833
        {11801600, 11801666}, {11803300, 11803333}, {11804100, 11804166},
        {11805800, 11805833}, {11806600, 11806666}, {11808399, 11808333},
        {11809100, 11809166},
        {11800833, 11800833}, // already on the raster
    };
    for (auto [in, out] : cases) {
        EXPECT_TRUE(HasAirbandRaster(in)) << in;
        EXPECT_EQ(SnapAirbandRaster(in), out) << in;
    }
    EXPECT_FALSE(HasAirbandRaster(11802500));
    EXPECT_EQ(SnapAirbandRaster(11802510), 11802510);
}

TEST(SnapFreqTest, ChannelRasterByBand)
{
    struct Case {
        std::int64_t v;
        int band;
        std::int64_t out;
    };
    const Case cases[] = {
        {90001250, 8, 90001250}, // 12.5 kHz multiple
        {90000500, 8, 90000500},
        {90000250, 8, 90000000}, // odd multiple of 250
        {90000625, 8, 90000500}, // odd multiple of 625
        {90000800, 8, 90000500}, // no airband raster in 850M
        {11800800, 3, 11800833},
        {14551370, 4, 14551250},
        {14551370, -1, 14551250},
        {43000800, -1, 43000833},
    };
    for (const Case& c : cases)
        EXPECT_EQ(SnapChannelRaster(c.v, c.band), c.out) << c.v << " band " << c.band;
}

TEST(ToneTextTest, Ctcss)
{
    const std::pair<const char*, const char*> cases[] = {
        {"59.9", "100.0"}, {"260.1", "100.0"}, {"260", "260.0"}, {"60", "60.0"},
        {"88.5", "88.5"},  {"88.55", "88.5"},  {"120", "120.0"}, {"", "100.0"},
        {"abc", "100.0"},  {" 77", "77.0"},    {"-88.5", "100.0"},
    };
    for (auto [in, out] : cases)
        EXPECT_EQ(NormaliseCtcssText(QString::fromLatin1(in)), QString::fromLatin1(out)) << in;
    EXPECT_EQ(DefaultCtcssText(), u"100.0"_s);
}

TEST(ToneTextTest, Dcs)
{
    const std::pair<const char*, const char*> cases[] = {
        {"778", "023"}, {"abc", "023"}, {"7", "007"},   {"23", "023"},  {"777", "777"},
        {"0", "000"},   {"-1", "023"},  {"089", "089"}, {"754x", "754"}, {"", "023"},
    };
    for (auto [in, out] : cases)
        EXPECT_EQ(NormaliseDcsText(QString::fromLatin1(in)), QString::fromLatin1(out)) << in;
    EXPECT_EQ(DefaultDcsText(), u"023"_s);
}

TEST(StepAndSqlTest, IndexAndText)
{
    for (int i = 0; i < static_cast<int>(StepList.size()); ++i) {
        EXPECT_EQ(StepIndexToText(i), QString::fromLatin1(StepList[std::size_t(i)]));
        EXPECT_EQ(StepTextToIndex(StepIndexToText(i)), i);
    }
    for (int i : {13, 14, 15, -1, 255})
        EXPECT_EQ(StepIndexToText(i), u"12.5"_s) << i;
    EXPECT_EQ(StepTextToIndex(u"8.33"_s), 4);
    EXPECT_EQ(StepTextToIndex(u"12.50"_s), 0);
    EXPECT_EQ(StepTextToIndex(u""_s), 0);

    EXPECT_EQ(SqlModeToText(4), u"Signalling | Tone"_s);
    for (int i : {5, 7, -1})
        EXPECT_EQ(SqlModeToText(i), u"Carrier"_s) << i;
    EXPECT_EQ(SqlModeFromText(u"signalling | tone"_s), 4);
    EXPECT_EQ(SqlModeFromText(u"SIGNALING & TONE"_s), 3);
    EXPECT_EQ(SqlModeFromText(u"Tone"_s), 1);
    EXPECT_EQ(SqlModeFromText(u"Tone "_s), 0);
    EXPECT_EQ(SqlModeFromText(u"Signalling"_s), 0);
}

TEST(DigitCodeTest, HexAndDtmf)
{
    for (int code = 0; code < 16; ++code) {
        EXPECT_EQ(HexCodeFromChar(HexCharFromCode(code)), code);
        EXPECT_EQ(DtmfCodeFromChar(DtmfCharFromCode(code)), code);
    }
    EXPECT_EQ(HexCharFromCode(10), QChar(u'A'));
    EXPECT_EQ(HexCodeFromChar(u'a'), 10);
    EXPECT_EQ(HexCodeFromChar(u'f'), 15);
    for (char16_t c : {u'g', u'G', u' ', u'*', u'#', u'\0', u'\u0661'})
        EXPECT_EQ(HexCodeFromChar(c), 255) << int(c);
    EXPECT_EQ(DtmfCodeFromChar(u'*'), 14);
    EXPECT_EQ(DtmfCodeFromChar(u'#'), 15);
    EXPECT_EQ(DtmfCodeFromChar(u'E'), 14);
    EXPECT_EQ(DtmfCodeFromChar(u'd'), 13);
    EXPECT_EQ(DtmfCharFromCode(15), QChar(u'#'));
    EXPECT_EQ(DtmfCharFromCode(14), QChar(u'*'));
    EXPECT_EQ(DtmfCharFromCode(13), QChar(u'D'));
    for (int code : {16, 255, -1}) {
        EXPECT_EQ(HexCharFromCode(code), QChar(u'\0')) << code;
        EXPECT_EQ(DtmfCharFromCode(code), QChar(u'\0')) << code;
    }
}

TEST(DigitCodeTest, ClampToneFreq)
{
    const std::pair<int, int> cases[] = {{0, 0},         {1, 2880},      {2879, 2880},
                                         {2880, 2880},   {10000, 10000}, {31160, 31160},
                                         {31161, 31160}, {-5, 2880}};
    for (auto [in, out] : cases)
        EXPECT_EQ(ClampToneFreq(in), out) << in;
}

} // namespace
