#include "codecs/decimal.h"
#include "codecs/edit_helpers.h"
#include "codecs/option_lists.h"
#include "codecs/text_codecs.h"

#include "tests/support/qstring_print.h"

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

TEST(OptionListsTest, SizesAndEnds)
{
    const std::tuple<OptionList, std::size_t, const char*, const char*> cases[] = {
        {CtcssToneList, 51, "63.0", "254.1"},
        {DcsCodeList, 106, "017", "754"},
        {DcsPolarityList, 4, "Positive", "Invert"},
        {DecodeTypeList, 4, "Off", "Dcs Codec"},
        {TxPowerList, 4, "Low", "High"},
        {ScanModeList, 3, "Allow", "Priority"},
        {DisplayTypeList, 2, "Frequency", "Name"},
        {BandwidthList, 3, "Wide", "Narrow"},
        {OffOnList, 2, "Off", "On"},
        {BusyLockList, 3, "Off", "2 Tone"},
        {SqlModeList, 5, "Carrier", "Signalling | Tone"},
        {OptionSignalingList, 4, "Off", "DTMF"},
        {PttIdList, 6, "Off", "5 Tone"},
        {StepList, 13, "2.5", "100"},
        {OffsetDirectionList, 3, "Off", "+"}};
    for (auto [list, size, first, last] : cases) {
        ASSERT_EQ(list.size(), size) << first;
        EXPECT_STREQ(list.front(), first);
        EXPECT_STREQ(list.back(), last);
    }
    EXPECT_STREQ(TxPowerList[1], "Middle 2");
    EXPECT_STREQ(SqlModeList[3], "Signaling & Tone");
    EXPECT_STREQ(StepList[kDefaultStepIndex], "12.5");
}

TEST(OptionListsTest, ToneAndCodeEntriesSurviveTheNormalisers)
{
    // A chosen entry must not be rewritten when its cell is committed.
    std::int64_t previous = 0;
    for (const char* tone : CtcssToneList) {
        EXPECT_EQ(NormaliseCtcssText(QString::fromLatin1(tone)), QString::fromLatin1(tone));
        EXPECT_GT(ParseTenths(QString::fromLatin1(tone)), previous) << tone;
        previous = ParseTenths(QString::fromLatin1(tone));
    }
    for (const char* code : DcsCodeList)
        EXPECT_EQ(NormaliseDcsText(QString::fromLatin1(code)), QString::fromLatin1(code));
}

TEST(OptionListsTest, LookupAndFilters)
{
    EXPECT_EQ(ListIndexOf(TxPowerList, u"High"_s), 3);
    EXPECT_EQ(ListIndexOf(TxPowerList, u"high"_s), 0);
    EXPECT_EQ(FindListIndex(TxPowerList, u"High "_s), -1);
    EXPECT_EQ(FindListIndex(OffsetDirectionList, u"+"_s), 2);
    EXPECT_EQ(FindListIndexNoCase(DecodeTypeList, u"dcs codec"_s), 3);

    const std::tuple<const CharFilter*, char16_t, bool> cases[] = {
        {&FreqCharFilter, u'.', true},   {&FreqCharFilter, u'\b', true}, {&FreqCharFilter, u',', false},
        {&DigitCharFilter, u'.', false}, {&NameCharFilter, u'a', true},  {&NameCharFilter, u'7', true},
        {&NameCharFilter, u'/', true},   {&NameCharFilter, u'_', false}, {&NameCharFilter, u'\u00e9', false},
        {&NameCharFilter, u'\0', false}, {&DtmfCharFilter, u'*', true},  {&DtmfCharFilter, u'E', false},
        {&HexCharFilter, u'F', true},    {&HexCharFilter, u'f', false}};
    for (auto [filter, c, accepted] : cases)
        EXPECT_EQ(AcceptsChar(*filter, QChar(c)), accepted) << filter->chars << " " << int(c);
}

TEST(EditHelpersTest, Spin)
{
    const std::tuple<const char*, int, int, int, const char*> ints[] = {
        {"28", 0, 30, 5, "30"},  // 33 snapped down
        {"30", 0, 30, 5, "Off"}, // 35 wraps to min, shown as the off text
        {"3", 0, 30, -5, "Off"}, // -2 is negative: 0
        {"0", 0, 30, -5, "30"},  // -5 wraps to max
        {"28", 0, 30, -5, "25"}, // 23 snapped up
        {"Off", 0, 30, 5, "5"},           {"1", 1, 10, -1, "10"}, {"-8", -10, 10, 5, "-5"}, // -3 snapped down
        {"99999999999", 0, 30, 5, "Off"}, {"7", 0, 30, 0, "7"}};
    for (auto [text, min, max, delta, out] : ints)
        EXPECT_EQ(SpinIntField(QString::fromLatin1(text), min, max, delta, true, u"Off"_s), QString::fromLatin1(out))
            << text << " delta " << delta;
    EXPECT_EQ(SpinIntField(u"30"_s, 0, 30, 5, false, u"Off"_s), u"0"_s);

    const std::tuple<const char*, int, const char*> tenths[] = {
        {"2.3", 5, "2.5"}, {"10.0", 5, "0.0"}, {"0.0", -5, "10.0"}, {"0.3", -5, "0.0"}, {"4.35", 1, "4.4"}};
    for (auto [text, delta, out] : tenths)
        EXPECT_EQ(SpinDecField(QString::fromLatin1(text), 0, 100, delta, false, u"Off"_s), QString::fromLatin1(out))
            << text;
    EXPECT_EQ(SpinDecField(u"10.0"_s, 0, 100, 5, true, u"Off"_s), u"Off"_s);
}

TEST(EditHelpersTest, Validate)
{
    const std::tuple<const char*, int, int, bool, const char*> ints[] = {
        {"17", 0, 5, false, "15"}, {"", 0, 5, false, "10"},           {"31", 0, 1, false, "10"},
        {"-3", 0, 5, true, "Off"}, {"abc", 0, 1, true, "Off"},        {"abc", 1, 1, true, "10"},
        {"17", 0, 0, false, "17"}, {"99999999999", 0, 1, false, "10"}};
    for (auto [text, min, step, off, out] : ints)
        EXPECT_EQ(ValidateIntField(QString::fromLatin1(text), min, 30, 10, step, off, u"Off"_s),
                  QString::fromLatin1(out))
            << text;
    EXPECT_EQ(ValidateIntField(u"2599"_s, 2600, 4000, 3300, 1, false, {}), u"3300"_s);

    const std::tuple<const char*, bool, const char*> tenths[] = {{"12.34", false, "5.0"}, {"8.55", false, "8.5"},
                                                                 {"4.35", false, "4.3"},  {"", false, "5.0"},
                                                                 {"0", true, "Off"},      {"0", false, "0.0"}};
    for (auto [text, off, out] : tenths)
        EXPECT_EQ(ValidateDecField(QString::fromLatin1(text), 0, 100, 50, off, u"Off"_s), QString::fromLatin1(out))
            << text;
}

TEST(EditHelpersTest, ComboIndexToSelect)
{
    const QStringList items = {u"0"_s, u"5"_s, u"10"_s};
    EXPECT_EQ(ComboIndexToSelect(items, 10, true), 2);
    EXPECT_EQ(ComboIndexToSelect(items, 1, true), -1);
    EXPECT_EQ(ComboIndexToSelect(items, 1, false), 1);
    EXPECT_EQ(ComboIndexToSelect(items, 3, false), -1);
}

} // namespace
