// The page model: metrics, pagination by the overflow rule, the job name,
// "^^" items and where they go on the page.
#include "printing/core/print_layout.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

TEST(PrintMetrics, FromTheFontAndThePage)
{
    const PrintMetrics m = MakePrintMetrics(115, 5, 2650, 4800, 6400);
    EXPECT_EQ(m.charHeight, 115);
    EXPECT_EQ(m.lineHeight, 120);
    EXPECT_EQ(m.averageCharWidth, 50); // 2650 / 52, the sample's 53 characters notwithstanding
    EXPECT_EQ(m.bodyHeight, 6400 - 3 * 115 - 100);
    EXPECT_EQ(PrintFontHeight(600), 100);
    EXPECT_EQ(PrintFontHeight(96), 16);
    EXPECT_EQ(PrintFontHeight(300), 50);
    EXPECT_EQ(std::string(PrintLayout::kWidthSample).size(), 53u);
}

TEST(Pagination, LinesFillAPageUntilTheNextWouldOverflow)
{
    struct Case {
        int lines, lineHeight, bodyHeight;
        std::vector<int> firstLines;
    } cases[] = {
        {0, 120, 1000, {0}}, // an empty body is still one page
        {1, 120, 1000, {0}},
        {8, 120, 960, {0}}, // exactly full: 8 x 120 = 960
        {9, 120, 960, {0, 8}},
        {8, 120, 959, {0, 7}},
        {20, 100, 450, {0, 4, 8, 12, 16}},
        {21, 100, 450, {0, 4, 8, 12, 16, 20}},
        {3, 100, 50, {0, 1, 2}}, // a body lower than a line: one line a page
        {2, 100, -30, {0, 1}},   // a page smaller than its header and footer
    };
    for (const Case& c : cases) {
        EXPECT_EQ(PageFirstLines(c.lines, c.lineHeight, c.bodyHeight), c.firstLines)
            << c.lines << " lines of " << c.lineHeight << " in " << c.bodyHeight;
        EXPECT_EQ(PageCount(c.lines, c.lineHeight, c.bodyHeight), static_cast<int>(c.firstLines.size()));
    }
}

TEST(Pagination, EachPageDrawsItsOwnLines)
{
    const std::vector<int> first = PageFirstLines(21, 100, 450);
    struct Case {
        int page, from, to;
    } cases[] = {{0, 0, 4}, {3, 12, 16}, {5, 20, 21}, {6, 0, 0}, {-1, 0, 0}};
    for (const Case& c : cases) {
        const LineSpan s = PageLines(first, 21, c.page);
        EXPECT_EQ(s.first, c.from) << c.page;
        EXPECT_EQ(s.end, c.to) << c.page;
    }
    const LineSpan empty = PageLines(PageFirstLines(0, 100, 450), 0, 0);
    EXPECT_EQ(empty.end - empty.first, 0);
}

TEST(PrintJobName, TheFileNameCutBeforeItsFirstFullStop)
{
    struct Case {
        const char* current;
        const char* fallback;
        const char* job;
    } cases[] = {
        {"", "QM4410.dat", "QM4410"},
        {"/home/ann/radios/club.dat", "QM4410.dat", "club"},
        {"/home/ann/my.radios/club.v2.dat", "QM4410.dat", "club"}, // dots in folders do not count
        {"/tmp/noext", "QM4410.dat", "noext"},
        {"", "", ""},
        {"relative/x.y.dat", "", "x"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(PrintJobName(QString::fromLatin1(c.current), QString::fromLatin1(c.fallback)),
                  QString::fromLatin1(c.job))
            << c.current;
}

TEST(PrintItems, LabelUpToTheFirstColonValueAfterIt)
{
    EXPECT_FALSE(IsItemLine(QStringLiteral("Plain: text ^ only")));
    EXPECT_TRUE(IsItemLine(QStringLiteral("A:1^^B:2")));
    const std::vector<PrintItem> items = SplitPrintItems(QStringLiteral("CH:1^^Freq: 446.00625^^Time:12:30^^odd^^"));
    const std::vector<PrintItem> expected = {
        {QStringLiteral("CH:"), QStringLiteral("1")},
        {QStringLiteral("Freq:"), QStringLiteral(" 446.00625")},
        {QStringLiteral("Time:"), QStringLiteral("12:30")},
        {QString(), QStringLiteral("odd")},
        {QString(), QString()},
    };
    EXPECT_EQ(items, expected);
}

TEST(PageGeometry, HeaderBodyColumnsAndFooter)
{
    const PrintMetrics m = MakePrintMetrics(115, 5, 2600, 4800, 6400); // 50 per character
    const PageGeometry g = MakePageGeometry(m);
    EXPECT_EQ(g.width, 4800 - 8 * 50);
    EXPECT_EQ(g.header, QRect(0, 0, 4400, 230));
    EXPECT_EQ(g.bodyTop, 2 * (115 + 20));
    EXPECT_EQ(g.lineRect(0), QRect(0, 270, 4400, 120));
    EXPECT_EQ(g.lineRect(3), QRect(0, 270 + 360, 4400, 120));
    // A sixth of the width each: label, value, label, value...
    EXPECT_EQ(g.labelRect(0, 0), QRect(0, 270, 733, 120));
    EXPECT_EQ(g.valueRect(0, 0), QRect(733 + 20, 270, 713, 120));
    EXPECT_EQ(g.labelRect(1, 2), QRect(4 * 733, 390, 733, 120));
    EXPECT_EQ(g.valueRect(1, 2), QRect(5 * 733 + 20, 390, 713, 120));
    // Footer text ends at the foot of the page, its line half a character above it.
    EXPECT_EQ(g.footerText, QRect(0, 6400 - 115, 4400, 115));
    EXPECT_EQ(g.footerLineY, 6400 - 115 - 57);
    // A full body ends above the footer line.
    EXPECT_LE(g.bodyTop + m.bodyHeight, g.footerLineY);
}

} // namespace
