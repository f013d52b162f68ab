#include "channels/codecs/edit_helpers.h"

#include "qstring_print.h"

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

struct SpinCase {
    const char* text;
    int min, max, delta;
    bool off;
    const char* out;
};

TEST(EditHelpersTest, SpinIntField)
{
    const SpinCase cases[] = {
        {"28", 0, 30, 5, false, "30"},  // 33 snapped down
        {"30", 0, 30, 5, false, "0"},   // 35 wraps to min
        {"30", 0, 30, 5, true, "Off"},  // min shows the off text
        {"3", 0, 30, -5, false, "0"},   // -2 is negative: 0
        {"0", 0, 30, -5, false, "30"},  // -5 wraps to max
        {"28", 0, 30, -5, false, "25"}, // 23 snapped up
        {"Off", 0, 30, 5, true, "5"},
        {"29", 0, 30, 1, false, "30"},
        {"1", 1, 10, -1, false, "10"},
        {"", 1, 10, 1, true, "Off"},
        {"-8", -10, 10, 5, false, "-5"}, // -3 snapped down, below zero too
        {"99999999999", 0, 30, 5, false, "0"},
        {"-99999999999", 0, 30, -5, false, "0"},
        {"7", 0, 30, 0, false, "7"},
    };
    for (const SpinCase& c : cases)
        EXPECT_EQ(SpinIntField(QString::fromLatin1(c.text), c.min, c.max, c.delta, c.off, u"Off"_s),
                  QString::fromLatin1(c.out))
            << c.text << " delta " << c.delta;
}

TEST(EditHelpersTest, SpinDecField)
{
    const SpinCase cases[] = {
        {"2.3", 0, 100, 5, false, "2.5"},
        {"10.0", 0, 100, 5, true, "Off"},
        {"0.0", 0, 100, -5, false, "10.0"},
        {"0.3", 0, 100, -5, false, "0.0"},
        {"9.9", 0, 100, 1, false, "10.0"},
        {"4.35", 0, 100, 1, false, "4.4"},
    };
    for (const SpinCase& c : cases)
        EXPECT_EQ(SpinDecField(QString::fromLatin1(c.text), c.min, c.max, c.delta, c.off, u"Off"_s),
                  QString::fromLatin1(c.out))
            << c.text << " delta " << c.delta;
}

TEST(EditHelpersTest, ValidateIntField)
{
    struct Case {
        const char* text;
        int min, max, def, step;
        bool off;
        const char* out;
    };
    const Case cases[] = {
        {"17", 0, 30, 10, 5, false, "15"},  {"", 0, 30, 10, 5, false, "10"},
        {"31", 0, 30, 10, 1, false, "10"},  {"-3", 0, 30, 10, 5, false, "0"},
        {"-3", 0, 30, 10, 5, true, "Off"},  {"abc", 0, 30, 10, 1, true, "Off"},
        {"abc", 1, 30, 10, 1, true, "10"},  {"12abc", 0, 30, 10, 5, false, "10"},
        {"17", 0, 30, 10, 0, false, "17"},  {"2599", 2600, 4000, 3300, 1, false, "3300"},
        {"4000", 2600, 4000, 3300, 1, false, "4000"},
        {"99999999999", 0, 30, 10, 1, false, "10"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(ValidateIntField(QString::fromLatin1(c.text), c.min, c.max, c.def, c.step, c.off,
                                   u"Off"_s),
                  QString::fromLatin1(c.out))
            << c.text;
}

TEST(EditHelpersTest, ValidateDecField)
{
    EXPECT_EQ(ValidateDecField(u"12.34"_s, 0, 100, 50, false, u"Off"_s), u"5.0"_s);
    EXPECT_EQ(ValidateDecField(u"8.55"_s, 0, 100, 50, false, u"Off"_s), u"8.5"_s);
    EXPECT_EQ(ValidateDecField(u"4.35"_s, 0, 100, 50, false, u"Off"_s), u"4.3"_s);
    EXPECT_EQ(ValidateDecField(u""_s, 0, 100, 50, false, u"Off"_s), u"5.0"_s);
    EXPECT_EQ(ValidateDecField(u"0"_s, 0, 100, 50, true, u"Off"_s), u"Off"_s);
    EXPECT_EQ(ValidateDecField(u"0"_s, 0, 100, 50, false, u"Off"_s), u"0.0"_s);
}

TEST(EditHelpersTest, ComboIndexToSelect)
{
    const QStringList items = {u"0"_s, u"5"_s, u"10"_s};
    EXPECT_EQ(ComboIndexToSelect(items, 10, true), 2);
    EXPECT_EQ(ComboIndexToSelect(items, 1, true), -1);
    EXPECT_EQ(ComboIndexToSelect(items, 1, false), 1);
    EXPECT_EQ(ComboIndexToSelect(items, 3, false), -1);
    EXPECT_EQ(ComboIndexToSelect(items, -1, false), -1);
}

} // namespace
