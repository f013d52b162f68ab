// Rules of the basic-setting, DTMF and alarm views that need no widgets.
#include "settings/core/dtmf_rules.h"
#include "settings/core/setting_fields.h"
#include "settings/core/setting_rules.h"

#include <gtest/gtest.h>

#include <memory>

namespace {

std::unique_ptr<RadioImage> Blank(std::uint8_t fill)
{
    auto image = std::make_unique<RadioImage>();
    image->fill(fill);
    return image;
}

TEST(BitFields, WriteKeepsTheOtherBitsAndMasksTheValue)
{
    auto image = Blank(0);
    const BitField pttLock{0xCC24, 4, 2};
    (*image)[0xCC24] = 0xCF;
    WriteBits(*image, pttLock, 2);
    EXPECT_EQ((*image)[0xCC24], 0xEF);
    EXPECT_EQ(ReadBits(*image, pttLock), 2u);
    WriteBits(*image, pttLock, 7); // too wide: only the field's bits change
    EXPECT_EQ((*image)[0xCC24], 0xFF);
    WriteBits(*image, BitField{0xCC23, 0, 8}, 0x1234);
    EXPECT_EQ((*image)[0xCC23], 0x34);
}

TEST(BitFields, SixteenBitLittleEndian)
{
    auto image = Blank(0);
    WriteWord(*image, 0xCC28, 3300);
    EXPECT_EQ((*image)[0xCC28], 0xE4);
    EXPECT_EQ((*image)[0xCC29], 0x0C);
    EXPECT_EQ(ReadWord(*image, 0xCC28), 3300u);
}

TEST(PriorityLists, ChannelsWhoseFrequencyByteIsNeitherFFNor00)
{
    auto image = Blank(0xFF);
    (*image)[ImageMap::kBankA + 32 * 0 + 3] = 0x14;   // channel 1
    (*image)[ImageMap::kBankA + 32 * 4 + 3] = 0x00;   // channel 5: absent
    (*image)[ImageMap::kBankA + 32 * 50 + 3] = 0x43;  // channel 51
    (*image)[ImageMap::kBankA + 32 * 799 + 3] = 0x01; // channel 800
    (*image)[ImageMap::kBankB + 32 * 1 + 3] = 0x14;   // bank B channel 2
    EXPECT_EQ(NonEmptyChannelNumbers(*image, ImageMap::kBankA), (QStringList{"1", "51", "800"}));
    EXPECT_EQ(NonEmptyChannelNumbers(*image, ImageMap::kBankB), (QStringList{"2"}));
}

TEST(EmiCodes, PresentWhenTheFirstByteIsNeitherFFNor00)
{
    auto image = Blank(0xFF);
    (*image)[DtmfMap::CodeRecord(1)] = 0x00; // digit "0" first: not offered
    (*image)[DtmfMap::CodeRecord(2)] = 0x01;
    (*image)[DtmfMap::CodeRecord(12)] = 0x0F;
    (*image)[DtmfMap::CodeRecord(16) + 23] = 0; // a type alone is not a code
    EXPECT_EQ(PresentDtmfCodeNumbers(*image), (QStringList{"2", "12"}));
}

TEST(PowerOff, SearchTextAndStoredTenths)
{
    const struct {
        int tenths;
        const char* text;
    } cases[] = {{0, "Off"}, {5, "0.5"}, {10, "1"}, {15, "1.5"}, {20, "2"}, {3, "0.3"}, {255, "25.5"}, {100, "10"}};
    for (const auto& c : cases)
        EXPECT_EQ(PowerOffSearchText(c.tenths, QStringLiteral("Off")), QString::fromLatin1(c.text)) << c.tenths;
    EXPECT_EQ(PowerOffTenths(QStringLiteral("Off")), 0);
    EXPECT_EQ(PowerOffTenths(QStringLiteral("0.5")), 5);
    EXPECT_EQ(PowerOffTenths(QStringLiteral("1.5")), 15);
    EXPECT_EQ(PowerOffTenths(QStringLiteral("2.0")), 20);
}

TEST(SpanExitDelay, OneDecimal)
{
    EXPECT_EQ(SpanExitDelayText(0), QStringLiteral("0.0"));
    EXPECT_EQ(SpanExitDelayText(3), QStringLiteral("0.3"));
    EXPECT_EQ(SpanExitDelayText(50), QStringLiteral("5.0"));
}

TEST(TotClamp, HeldToTheRangeWithZeroOff)
{
    const struct {
        const char* text;
        int max;
        const char* shown;
    } cases[] = {{"45", 30, "30"}, {"30", 30, "30"},  {"0", 30, "Off"}, {"Off", 30, "Off"},
                 {"", 30, "Off"},  {"-3", 30, "Off"}, {"16", 15, "15"}, {"7x", 15, "7"}};
    for (const auto& c : cases)
        EXPECT_EQ(ClampTotText(QString::fromLatin1(c.text), 0, c.max, QStringLiteral("Off")),
                  QString::fromLatin1(c.shown))
            << c.text;
}

TEST(WrapStep, WrapsWithoutRaster)
{
    const struct {
        std::int64_t value;
        int min, max, delta;
        std::int64_t result;
    } cases[] = {
        {255, 0, 255, 1, 0}, {0, 0, 255, -1, 255},   {1, 1, 255, -1, 255}, {255, 1, 255, 1, 1},
        {7, 0, 255, 5, 12}, // no snapping to multiples of 5
        {300, 1, 255, 1, 1}, {300, 1, 255, -1, 255}, {0, 1, 255, 0, 255},  {std::int64_t{2147483647}, 0, 255, 1, 0},
    };
    for (const auto& c : cases)
        EXPECT_EQ(WrapStep(c.value, c.min, c.max, c.delta), c.result) << c.value << " " << c.delta;
}

TEST(Keys, IndexOutsideTheListShowsTheDefault)
{
    EXPECT_EQ(KeyNameForIndex(1, 13), QStringLiteral("VFO/MR"));
    EXPECT_EQ(KeyNameForIndex(1, 200), QStringLiteral("VFO/MR"));
    EXPECT_EQ(KeyNameForIndex(0, 255), QStringLiteral("BAND"));
    EXPECT_EQ(KeyNameForIndex(2, 3), QStringLiteral("TCALL"));
    EXPECT_EQ(KeyIndexForName(3, QStringLiteral("MHz")), 8);
    EXPECT_EQ(KeyIndexForName(3, QString()), 6);              // no selection: LOW
    EXPECT_EQ(KeyIndexForName(2, QStringLiteral("tone")), 7); // exact comparison: the default
    EXPECT_EQ(KeyIndexForName(0, QStringLiteral("Off")), 0);
}

TEST(DtmfDigits, ReadStopsAtTheFirstNonCodeOrTheLimit)
{
    const std::uint8_t bytes[] = {1, 2, 3, 0xFF, 4, 5};
    EXPECT_EQ(ReadDtmfDigits(bytes, 6), QStringLiteral("123"));
    const std::uint8_t all[] = {0, 9, 10, 13, 14, 15, 16};
    EXPECT_EQ(ReadDtmfDigits(all, 7), QStringLiteral("09AD*#"));
    EXPECT_EQ(ReadDtmfDigits(all, 2), QStringLiteral("09"));
}

TEST(DtmfDigits, WriteAtMostTheLimitAndLeavesTheRest)
{
    std::uint8_t bytes[6] = {0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xEE};
    WriteDtmfDigits(QStringLiteral("1a*#CD"), bytes, 5);
    const std::uint8_t expected[6] = {1, 10, 14, 15, 12, 0xEE};
    EXPECT_TRUE(std::equal(std::begin(bytes), std::end(bytes), std::begin(expected)));
}

TEST(CodeRecords, DecodeAndEncode)
{
    std::uint8_t rec[24];
    std::fill(std::begin(rec), std::end(rec), std::uint8_t{0xFF});
    rec[0] = 1;
    rec[1] = 15;
    rec[2] = 3;
    rec[16] = 'A';
    rec[17] = 'b';
    rec[18] = 0x07;
    rec[19] = 'z'; // stops at the control character
    rec[23] = 1;
    const DtmfCodeRow row = DecodeCodeRecord(rec);
    EXPECT_EQ(row, (DtmfCodeRow{"ANI", "1#3", "Ab"}));

    std::uint8_t out[24];
    std::fill(std::begin(out), std::end(out), std::uint8_t{0});
    EncodeCodeRecord(row, out);
    const std::uint8_t expected[24] = {1,    15,   3,    0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF,
                                       0xFF, 0xFF, 0xFF, 0xFF, 'A',  'b',  0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 1};
    EXPECT_TRUE(std::equal(std::begin(out), std::end(out), std::begin(expected)));

    // Any other type is no code: shown empty, written back as 24 x 0xFF.
    rec[23] = 2;
    EXPECT_EQ(DecodeCodeRecord(rec), DtmfCodeRow{});
    EncodeCodeRecord(DtmfCodeRow{"none", "12", "X"}, out); // type compared exactly
    EXPECT_TRUE(std::all_of(std::begin(out), std::end(out), [](std::uint8_t b) { return b == 0xFF; }));

    EncodeCodeRecord(DtmfCodeRow{"None", "", "ABCDEFGH"}, out);
    EXPECT_EQ(out[23], 0);
    EXPECT_EQ(out[0], 0xFF);
    EXPECT_EQ(out[21], 'F');
    EXPECT_EQ(out[22], 0xFF);
}

TEST(GroupAndDelimiter, EqualTextsMoveTheOtherOne)
{
    const struct {
        const char* group;
        const char* delimiter;
        bool delimiterPicked;
        const char* newGroup;
        const char* newDelimiter;
    } cases[] = {
        {"A", "A", true, "D", "A"},  {"D", "D", true, "A", "D"}, {"*", "*", false, "*", "A"},
        {"B", "B", false, "B", "*"}, {"#", "#", true, "D", "#"}, {"A", "#", true, "A", "#"},
        {"D", "*", false, "D", "*"},
    };
    for (const auto& c : cases) {
        const GroupAndDelimiter r = SeparateGroupAndDelimiter(QString::fromLatin1(c.group),
                                                              QString::fromLatin1(c.delimiter), c.delimiterPicked);
        EXPECT_EQ(r.group, QString::fromLatin1(c.newGroup)) << c.group << c.delimiter;
        EXPECT_EQ(r.delimiter, QString::fromLatin1(c.newDelimiter)) << c.group << c.delimiter;
    }
}

TEST(GroupAndDelimiter, AniNumbersLoseTheDelimiter)
{
    EXPECT_EQ(CleanAniNum(QStringLiteral("12#3"), QStringLiteral("#"), 3), QStringLiteral("123"));
    EXPECT_EQ(CleanAniNum(QStringLiteral("##"), QStringLiteral("#"), 7), QStringLiteral("000007"));
    EXPECT_EQ(CleanAniNum(QStringLiteral("12*3"), QStringLiteral("#"), 3), QStringLiteral("12*3"));
    EXPECT_EQ(WithoutChars(QStringLiteral("1A2#3"), QStringLiteral("#A")), QStringLiteral("123"));
}

TEST(CellCommits, Num)
{
    DtmfCodeRow r{"None", "", ""};
    CommitNum(r, 5, QStringLiteral("123"));
    EXPECT_EQ(r, (DtmfCodeRow{"None", "123", "DTMF05"}));
    CommitNum(r, 5, QStringLiteral("45"));
    EXPECT_EQ(r, (DtmfCodeRow{"None", "45", "DTMF05"})); // the alias is named once
    CommitNum(r, 5, QString());
    EXPECT_EQ(r, DtmfCodeRow{});

    DtmfCodeRow first{"ANI", "9", "ME"};
    CommitNum(first, 1, QString());
    EXPECT_EQ(first, (DtmfCodeRow{"ANI", "9", "ME"})); // row 1 is never cleared
}

TEST(CellCommits, TypeFillsTheRow)
{
    DtmfCodeRow r;
    CommitType(r, 12, QStringLiteral("ANI"), QStringLiteral("A"), QStringLiteral("#"));
    EXPECT_EQ(r, (DtmfCodeRow{"ANI", "000012", "DTMF12"}));

    DtmfCodeRow code{"None", "1A2#3", "X"};
    CommitType(code, 4, QStringLiteral("ANI"), QStringLiteral("A"), QStringLiteral("#"));
    EXPECT_EQ(code, (DtmfCodeRow{"ANI", "123", "X"}));
    DtmfCodeRow plain{"ANI", "1A2#3", ""};
    CommitType(plain, 4, QStringLiteral("None"), QStringLiteral("A"), QStringLiteral("#"));
    EXPECT_EQ(plain, (DtmfCodeRow{"None", "1A2#3", "DTMF04"}));
    DtmfCodeRow onlyDelimiters{"None", "#A#", "Y"};
    CommitType(onlyDelimiters, 9, QStringLiteral("ANI"), QStringLiteral("A"), QStringLiteral("#"));
    EXPECT_EQ(onlyDelimiters.num, QStringLiteral("000009"));

    CommitType(code, 4, QString(), QStringLiteral("A"), QStringLiteral("#"));
    EXPECT_EQ(code, DtmfCodeRow{});
    DtmfCodeRow first{"None", "5", "F"};
    CommitType(first, 1, QString(), QStringLiteral("A"), QStringLiteral("#"));
    EXPECT_EQ(first, (DtmfCodeRow{"None", "5", "F"}));
}

TEST(CellCommits, AliasKeepsTheCellWhenEmpty)
{
    DtmfCodeRow r{"None", "1", "OLD"};
    CommitAlias(r, QString());
    EXPECT_EQ(r.alias, QStringLiteral("OLD"));
    CommitAlias(r, QStringLiteral("NEW"));
    EXPECT_EQ(r.alias, QStringLiteral("NEW"));
    EXPECT_EQ(RowAliasText(7), QStringLiteral("DTMF07"));
    EXPECT_EQ(RowNumText(7), QStringLiteral("000007"));
}

} // namespace
