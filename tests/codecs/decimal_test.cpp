#include "codecs/decimal.h"

#include "tests/support/qstring_print.h"

#include <gtest/gtest.h>

#include <clocale>
#include <cmath>
#include <limits>

using namespace Qt::StringLiterals;

namespace {

constexpr std::int64_t kMax = std::numeric_limits<std::int64_t>::max();

TEST(DecimalTest, ParseMHzReadsLikeAtofAndScalesExactly)
{
    const std::pair<const char*, std::int64_t> cases[] = {
        {"145.525", 14552500}, // 14552499.99... in binary
        {"438.5", 43850000},
        {"430.0125", 43001250},
        {"430.0130", 43001300},
        {"  \t145.525MHz", 14552500},
        {"+1.5", 150000},
        {"-1.234567", -123456},
        {"1.5e2", 15000000},
        {"15E-1", 150000},
        {"2e", 200000},
        {"2e+x", 200000},
        {".5", 50000},
        {"5.", 500000},
        {"145,525", 14500000},
        {"", 0},
        {"abc", 0},
        {".", 0},
        {"- 1", 0},
        {"0x10", 0},
        {"inf", 0},
        {"nan", 0},
        {"1e400", 0},
        {"1e-400", 0},
        {"1e300", kMax},
        {"-1e300", -kMax},
        {"99999.9999999999999", 10000000000}, // 15 significant digits round up
    };
    for (auto [text, mhz] : cases)
        EXPECT_EQ(ParseMHz(QString::fromLatin1(text)), mhz) << text;
    EXPECT_EQ(ParseMHz(u"145.525"_s + QString(1000, u'0') + u'7'), 14552500);
    EXPECT_EQ(ParseMHz(QString(1000, u'0') + u"145.525"_s), 14552500);
    EXPECT_EQ(ParseMHz(QString(300, u'9')), kMax);
    EXPECT_EQ(ParseMHz(QString(400, u'9')), 0); // beyond double, as "1e400"
}

TEST(DecimalTest, ScaleDouble)
{
    EXPECT_EQ(ScaleDouble(0.1234567890123456, 15), 123456789012346);
    EXPECT_EQ(ScaleDouble(4.35, 2), 435);
    EXPECT_EQ(ScaleDouble(-12345.0, -2), -123);
    EXPECT_EQ(ScaleDouble(1e-20, 5), 0);
    EXPECT_EQ(ScaleDouble(9.2e18, 0), 9200000000000000000);
    EXPECT_EQ(ScaleDouble(1e19, 0), kMax);
    EXPECT_EQ(ScaleDouble(std::nan(""), 5), 0);
    EXPECT_EQ(ScaleDouble(-std::numeric_limits<double>::infinity(), 5), 0);
    EXPECT_EQ(ScaleDouble(1.0, 100000), kMax);
    EXPECT_EQ(ScaleDouble(1.0, -100000), 0);
    EXPECT_EQ(ScaleDecimal(u"1.5"_s, 1), 15);
}

TEST(DecimalTest, Formatting)
{
    const std::pair<std::int64_t, const char*> mhz[] = {
        {14552500, "145.52500"},
        {0, "0.00000"},
        {5, "0.00005"},
        {-50000, "-0.50000"},
        {std::numeric_limits<std::int64_t>::min(), "-92233720368547.75808"}};
    for (auto [v, text] : mhz)
        EXPECT_EQ(FormatMHz(v), QString::fromLatin1(text)) << v;
    EXPECT_EQ(FormatTenths(885), u"88.5"_s);
    EXPECT_EQ(FormatTenths(-5), u"-0.5"_s);
    EXPECT_EQ(FormatScaled(42, 0), u"42"_s);
}

TEST(DecimalTest, FrequencyTextRoundTrips)
{
    for (std::int64_t v = 0; v < 100000000; v += 3331)
        ASSERT_EQ(ParseMHz(FormatMHz(v)), v) << v;
}

TEST(DecimalTest, IntegerReading)
{
    const std::pair<const char*, std::optional<int>> cases[] = {
        {"778", 778},
        {" \t-12x", -12},
        {"+7", 7},
        {"1.9", 1},
        {"", std::nullopt},
        {"abc", std::nullopt},
        {"- 5", std::nullopt},
        {"99999999999", std::numeric_limits<int>::max()},
        {"-99999999999", std::numeric_limits<int>::min()},
        {"\u00a042", std::nullopt},     // no-break space is not C white space
        {"\u0664\u0662", std::nullopt}, // nor are other scripts' digits digits
    };
    for (auto [text, value] : cases) {
        EXPECT_EQ(ReadInt(QString::fromUtf8(text)), value) << text;
        EXPECT_EQ(TextToInt(QString::fromUtf8(text)), value.value_or(0)) << text;
    }
}

TEST(DecimalTest, DivideDecimalHalfUp)
{
    EXPECT_EQ(DivideDecimalHalfUp(2 * 3300, 7324, 4), 9011);
    EXPECT_EQ(DivideDecimalHalfUp(2 * 2600, 7324, 4), 7100);
    EXPECT_EQ(DivideDecimalHalfUp(2 * 4000, 7324, 4), 10923);
    EXPECT_EQ(DivideDecimalHalfUp(5, 2, 0), 3);
    EXPECT_EQ(DivideDecimalHalfUp(-6600, 7324, 4), -9010); // -9011.47 + 0.5, toward zero
    EXPECT_EQ(DivideDecimalHalfUp(6600, -7324, 4), -9010);
    EXPECT_EQ(DivideDecimalHalfUp(6600, 0, 4), 0);
    EXPECT_EQ(DivideDecimalHalfUp(std::numeric_limits<std::int32_t>::max(), 1, 9),
              std::int64_t{std::numeric_limits<std::int32_t>::max()} * 1000000000);
}

// Qt sets the C locale from the environment; a comma-decimal locale must not
// change how typed numbers read or print.
TEST(DecimalTest, CommaLocaleChangesNothing)
{
    bool set = false;
    for (const char* name : {"de_DE.UTF-8", "de_DE.utf8", "de_DE", "fr_FR.UTF-8"})
        if (!set && std::setlocale(LC_ALL, name))
            set = true;
    if (!set)
        GTEST_SKIP() << "no comma-decimal locale installed";
    EXPECT_EQ(ParseMHz(u"145.525"_s), 14552500);
    EXPECT_EQ(ParseMHz(u"145,525"_s), 14500000);
    EXPECT_EQ(FormatMHz(14552500), u"145.52500"_s);
    EXPECT_EQ(ParseTenths(u"88.5"_s), 885);
    std::setlocale(LC_ALL, "C");
}

} // namespace
