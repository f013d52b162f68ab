#include "channels/codecs/decimal.h"
#include "channels/codecs/option_lists.h"
#include "channels/codecs/text_codecs.h"

#include <gtest/gtest.h>

#include <string_view>

using namespace Qt::StringLiterals;

namespace {

struct ListCase {
    const char* name;
    OptionList list;
    std::size_t size;
    const char* first;
    const char* last;
};

TEST(OptionListsTest, SizesAndEnds)
{
    const ListCase cases[] = {
        {"CtcssToneList", CtcssToneList, 51, "63.0", "254.1"},
        {"DcsCodeList", DcsCodeList, 106, "017", "754"},
        {"DcsPolarityList", DcsPolarityList, 4, "Positive", "Invert"},
        {"DecodeTypeList", DecodeTypeList, 4, "Off", "Dcs Codec"},
        {"TxPowerList", TxPowerList, 4, "Low", "High"},
        {"ScanModeList", ScanModeList, 3, "Allow", "Priority"},
        {"DisplayTypeList", DisplayTypeList, 2, "Frequency", "Name"},
        {"BandwidthList", BandwidthList, 3, "Wide", "Narrow"},
        {"OffOnList", OffOnList, 2, "Off", "On"},
        {"BusyLockList", BusyLockList, 3, "Off", "2 Tone"},
        {"SqlModeList", SqlModeList, 5, "Carrier", "Signalling | Tone"},
        {"OptionSignalingList", OptionSignalingList, 4, "Off", "DTMF"},
        {"PttIdList", PttIdList, 6, "Off", "5 Tone"},
        {"StepList", StepList, 13, "2.5", "100"},
        {"OffsetDirectionList", OffsetDirectionList, 3, "Off", "+"},
    };
    for (const ListCase& c : cases) {
        ASSERT_EQ(c.list.size(), c.size) << c.name;
        EXPECT_STREQ(c.list.front(), c.first) << c.name;
        EXPECT_STREQ(c.list.back(), c.last) << c.name;
    }
    // Middle entries whose positions are stored in the image.
    EXPECT_STREQ(CtcssToneList[13], "100.0");
    EXPECT_STREQ(DcsCodeList[1], "023");
    EXPECT_STREQ(TxPowerList[1], "Middle 2");
    EXPECT_STREQ(TxPowerList[2], "Middle 1");
    EXPECT_STREQ(SqlModeList[2], "Signaling");
    EXPECT_STREQ(SqlModeList[3], "Signaling & Tone");
    EXPECT_STREQ(StepList[4], "8.33");
    EXPECT_STREQ(StepList[kDefaultStepIndex], "12.5");
    EXPECT_STREQ(OffsetDirectionList[1], "-");
}

TEST(OptionListsTest, ToneAndCodeListsAreValidAndAscending)
{
    // Every list entry must survive the normalisers unchanged, or a chosen
    // tone would be rewritten when the cell is committed.
    std::int64_t previous = 0;
    for (const char* tone : CtcssToneList) {
        const QString text = QString::fromLatin1(tone);
        EXPECT_EQ(NormaliseCtcssText(text), text);
        EXPECT_GT(ParseTenths(text), previous) << tone;
        previous = ParseTenths(text);
    }
    int previousCode = -1;
    for (const char* code : DcsCodeList) {
        const QString text = QString::fromLatin1(code);
        EXPECT_EQ(NormaliseDcsText(text), text);
        EXPECT_EQ(std::string_view(code).find_first_of("89"), std::string_view::npos) << code;
        EXPECT_GT(TextToInt(text), previousCode) << code;
        previousCode = TextToInt(text);
    }
}

TEST(OptionListsTest, LookupIsExact)
{
    EXPECT_EQ(ListIndexOf(TxPowerList, u"High"_s), 3);
    EXPECT_EQ(ListIndexOf(TxPowerList, u"high"_s), 0);
    EXPECT_EQ(ListIndexOf(TxPowerList, u"High "_s), 0);
    EXPECT_EQ(ListIndexOf(TxPowerList, u""_s), 0);
    EXPECT_EQ(FindListIndex(TxPowerList, u"high"_s), -1);
    EXPECT_EQ(FindListIndex(OffsetDirectionList, u"+"_s), 2);
    EXPECT_EQ(ListIndexOf(SqlModeList, u"Signalling | Tone"_s), 4);
    EXPECT_EQ(FindListIndexNoCase(DecodeTypeList, u"dcs codec"_s), 3);
    EXPECT_EQ(FindListIndexNoCase(DecodeTypeList, u"dcs codeç"_s), -1);
}

TEST(OptionListsTest, CharFilters)
{
    struct Case {
        const char* filter;
        const CharFilter& f;
        char16_t c;
        bool accepted;
    };
    const Case cases[] = {
        {"freq", FreqCharFilter, u'5', true},   {"freq", FreqCharFilter, u'.', true},
        {"freq", FreqCharFilter, u'\b', true},  {"freq", FreqCharFilter, u',', false},
        {"freq", FreqCharFilter, u'e', false},  {"digit", DigitCharFilter, u'.', false},
        {"digit", DigitCharFilter, u'0', true}, {"name", NameCharFilter, u'a', true},
        {"name", NameCharFilter, u'Z', true},   {"name", NameCharFilter, u'7', true},
        {"name", NameCharFilter, u' ', true},   {"name", NameCharFilter, u'/', true},
        {"name", NameCharFilter, u'#', true},   {"name", NameCharFilter, u'\b', true},
        {"name", NameCharFilter, u'_', false},  {"name", NameCharFilter, u'\u00e9', false},
        {"name", NameCharFilter, u'\0', false}, {"dtmf", DtmfCharFilter, u'D', true},
        {"dtmf", DtmfCharFilter, u'*', true},   {"dtmf", DtmfCharFilter, u'E', false},
        {"dtmf", DtmfCharFilter, u'd', false},  {"hex", HexCharFilter, u'F', true},
        {"hex", HexCharFilter, u'G', false},    {"hex", HexCharFilter, u'\u0130', false},
    };
    for (const Case& c : cases)
        EXPECT_EQ(AcceptsChar(c.f, QChar(c.c)), c.accepted) << c.filter << " " << int(c.c);
}

} // namespace
