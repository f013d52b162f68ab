// The page model: metrics, pagination by the overflow rule, the job name,
// "^^" items and where they go on the page.
#include "printing/core/print_layout.h"

#include "controls/core/print_sheet.h"

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
    // Items of a sixth each: label, value, label, value...
    PrintLine three;
    three.labelColumns = three.valueColumns = 1;
    EXPECT_EQ(ItemLabelRect(g, 0, three, 0), QRect(0, 270, 733, 120));
    EXPECT_EQ(ItemValueRect(g, 0, three, 0), QRect(733 + 20, 270, 713, 120));
    EXPECT_EQ(ItemLabelRect(g, 1, three, 2), QRect(4 * 733, 390, 733, 120));
    EXPECT_EQ(ItemValueRect(g, 1, three, 2), QRect(5 * 733 + 20, 390, 713, 120));
    // Wider labels take more sixths: two for the label, one for the value.
    PrintLine two;
    two.labelColumns = 2;
    two.valueColumns = 1;
    EXPECT_EQ(ItemLabelRect(g, 0, two, 1), QRect(3 * 733, 270, 2 * 733, 120));
    EXPECT_EQ(ItemValueRect(g, 0, two, 1), QRect(5 * 733 + 20, 270, 713, 120));
    // Footer text ends at the foot of the page, its line half a character above it.
    EXPECT_EQ(g.footerText, QRect(0, 6400 - 115, 4400, 115));
    EXPECT_EQ(g.footerLineY, 6400 - 115 - 57);
    // A full body ends above the footer line.
    EXPECT_LE(g.bodyTop + m.bodyHeight, g.footerLineY);
}

} // namespace

namespace {
// One unit of width a character, so that widths read as lengths.
int Chars(const QString& text)
{
    return static_cast<int>(text.size());
}

TEST(PrintSheet, TitlesOverNothingAreDropped)
{
    PrintSheet sheet;
    sheet.section(QStringLiteral("Empty section"));
    sheet.heading(QStringLiteral("Empty heading"));
    sheet.section(QStringLiteral("Channels"));
    sheet.tableHead({QStringLiteral("CH")}); // no rows
    sheet.heading(QStringLiteral("Group"));
    {
        PrintSheet::Nested nested(sheet);
        sheet.heading(QStringLiteral("Empty inner"));
        sheet.heading(QStringLiteral("Inner"));
        sheet.item(QStringLiteral("A"), QStringLiteral("1"));
    }
    sheet.heading(QStringLiteral("Table"));
    sheet.tableHead({QStringLiteral("CH")});
    sheet.tableRow({QStringLiteral("1")});
    sheet.section(QStringLiteral("Trailing"));
    sheet.heading(QStringLiteral("Trailing heading"));
    sheet.dropEmpty();
    QStringList kept;
    for (const PrintSheet::Entry& e : sheet.entries)
        kept << e.texts.value(0);
    EXPECT_EQ(kept.join(QLatin1Char('|')).toStdString(), "Channels|Group|Inner|A|Table|CH|1");
    EXPECT_EQ(sheet.entries[1].level, 1);
    EXPECT_EQ(sheet.entries[2].level, 2);
}

TEST(LayOutSheet, ItemsShareSixthsAndTablesSizeTheirColumns)
{
    PrintSheet sheet;
    sheet.section(QStringLiteral("S"));
    for (int i = 0; i < 7; ++i) // short: three to a line of 600 (a sixth is 100)
        sheet.item(QStringLiteral("L%1").arg(i), QStringLiteral("v"));
    sheet.heading(QStringLiteral("H"));
    sheet.item(QString(150, QLatin1Char('x')), QStringLiteral("v")); // a label of two sixths: two items a line
    sheet.item(QStringLiteral("B"), QString(90, QLatin1Char('y')));  // the value with its gap needs two sixths
    sheet.item(QStringLiteral("C"), QStringLiteral("v"));
    sheet.tableHead({QStringLiteral("CH"), QStringLiteral("Name")});
    sheet.tableRow({QStringLiteral("1"), QStringLiteral("Longer name")});
    sheet.tableRow({QStringLiteral("2")});
    const PrintBody body = LayOutSheet(sheet, Chars, 600, 2);

    using L = PrintLine::Kind;
    std::vector<L> kinds;
    for (const PrintLine& l : body.lines)
        kinds.push_back(l.kind);
    EXPECT_EQ(kinds, (std::vector<L>{L::Title, L::Items, L::Items, L::Items, L::Heading, L::Items, L::Items, L::Items,
                                     L::TableHead, L::TableRow, L::TableRow}));
    EXPECT_EQ(body.lines[1].text.toStdString(), "L0:v^^L1:v^^L2:v");
    EXPECT_EQ(body.lines[3].text.toStdString(), "L6:v");
    EXPECT_EQ(body.lines[1].perLine, 3);
    // 150 + colon takes two sixths, 90 + the gap two more: one item a line.
    EXPECT_EQ(body.lines[5].labelColumns, 2);
    EXPECT_EQ(body.lines[5].valueColumns, 2);
    EXPECT_EQ(body.lines[5].perLine, 1);
    // The line list text splits back into the items drawn.
    const std::vector<PrintItem> items = SplitPrintItems(body.lines[1].text);
    EXPECT_EQ(items, body.lines[1].items);
    EXPECT_EQ(body.lines[9].text.toStdString(), "1\tLonger name");

    ASSERT_EQ(body.tables.size(), 1u);
    EXPECT_EQ(body.tables[0].left, (std::vector<int>{0, 4}));
    EXPECT_EQ(body.tables[0].width, (std::vector<int>{4, 13}));
    EXPECT_DOUBLE_EQ(body.tables[0].scale, 1.0);
    // Too wide for the body: the columns shrink together.
    const PrintBody tiny = LayOutSheet(sheet, Chars, 10, 2);
    EXPECT_LT(tiny.tables[0].scale, 1.0);
    EXPECT_LE(tiny.tables[0].left.back() + tiny.tables[0].width.back(), 10);
}

TEST(PaginateBody, SectionsStartPagesAndTablesRepeatTheirHeading)
{
    using L = PrintLine::Kind;
    const auto line = [](L kind) {
        PrintLine l;
        l.kind = kind;
        return l;
    };
    // Title, table of 7 rows, title, heading, 2 items: 4 lines a page.
    std::vector<PrintLine> lines = {line(L::Title), line(L::TableHead)};
    for (int i = 0; i < 7; ++i)
        lines.push_back(line(L::TableRow));
    lines.push_back(line(L::Title));
    lines.push_back(line(L::Heading));
    lines.push_back(line(L::Items));
    lines.push_back(line(L::Items));
    const auto pages = PaginateBody(lines, 10, 40);
    const std::vector<std::vector<int>> expected = {
        {0, 1, 2, 3},
        {1, 4, 5, 6},
        {1, 7, 8},
        {9, 10, 11, 12},
    };
    EXPECT_EQ(pages, expected);

    // A heading does not end a page: with two lines left it moves on.
    std::vector<PrintLine> keep = {line(L::Items), line(L::Items), line(L::Items), line(L::Heading), line(L::Items)};
    EXPECT_EQ(PaginateBody(keep, 10, 40), (std::vector<std::vector<int>>{{0, 1, 2}, {3, 4}}));
    // A body lower than two lines still moves on, a row under its repeated heading each page.
    std::vector<PrintLine> low = {line(L::TableHead), line(L::TableRow), line(L::TableRow)};
    EXPECT_EQ(PaginateBody(low, 10, 5), (std::vector<std::vector<int>>{{0}, {0, 1}, {0, 2}}));
    EXPECT_EQ(PaginateBody({}, 10, 40), (std::vector<std::vector<int>>{{}}));
}

TEST(PrintSections, NamesRoundTrip)
{
    EXPECT_EQ(PrintSectionKeys(kAllPrintSections).toStdString(),
              "channels,scan,settings,dtmf,alarm,twotone,fivetone,model");
    EXPECT_EQ(ParsePrintSections(QStringLiteral("channels, Model,,dtmf")),
              SectionBit(PrintSection::Channels) | SectionBit(PrintSection::Model) | SectionBit(PrintSection::Dtmf));
    EXPECT_EQ(ParsePrintSections(QString()), PrintSections{0});
    QString unknown;
    EXPECT_FALSE(ParsePrintSections(QStringLiteral("channels,vfo"), &unknown));
    EXPECT_EQ(unknown.toStdString(), "vfo");
    for (int s = 0; s < kPrintSectionCount; ++s)
        EXPECT_EQ(ParsePrintSections(PrintSectionKey(static_cast<PrintSection>(s))),
                  SectionBit(static_cast<PrintSection>(s)));
}
} // namespace
