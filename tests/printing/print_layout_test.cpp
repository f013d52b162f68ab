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
    // An item's label column starts its slot, the value follows after the gap.
    PrintLine items;
    items.slotWidth = 1400;
    items.labelWidth = 500;
    items.indent = 100;
    EXPECT_EQ(ItemLabelRect(g, 0, items, 0), QRect(100, 270, 500, 120));
    EXPECT_EQ(ItemValueRect(g, 0, items, 0), QRect(100 + 500 + 20, 270, 1400 - 520, 120));
    EXPECT_EQ(ItemLabelRect(g, 1, items, 2), QRect(100 + 2800, 390, 500, 120));
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

TEST(LayOutSheet, ItemsShareColumnsAndTablesSizeTheirColumns)
{
    PrintSheet sheet;
    sheet.section(QStringLiteral("S"));
    for (int i = 0; i < 7; ++i) // short: three to a line of 600, the most a line takes
        sheet.item(QStringLiteral("L%1").arg(i), QStringLiteral("v"));
    sheet.heading(QStringLiteral("H"));
    sheet.item(QString(149, QLatin1Char('x')), QStringLiteral("v")); // 150 + 2 x 20 + 90: two to a line
    sheet.item(QStringLiteral("B"), QString(90, QLatin1Char('y')));
    sheet.item(QStringLiteral("C"), QStringLiteral("v"));
    sheet.tableHead({QStringLiteral("CH"), QStringLiteral("Name")});
    sheet.tableRow({QStringLiteral("1"), QStringLiteral("Longer name")});
    sheet.tableRow({QStringLiteral("2")});
    const PrintBody body = LayOutSheet(sheet, Chars, 600, 2);

    using L = PrintLine::Kind;
    std::vector<L> kinds;
    for (const PrintLine& l : body.lines)
        kinds.push_back(l.kind);
    EXPECT_EQ(kinds, (std::vector<L>{L::Title, L::Items, L::Items, L::Items, L::Heading, L::Items, L::Items,
                                     L::TableHead, L::TableRow, L::TableRow}));
    EXPECT_EQ(body.lines[1].text.toStdString(), "L0:v^^L1:v^^L2:v");
    EXPECT_EQ(body.lines[3].text.toStdString(), "L6:v");
    EXPECT_EQ(body.lines[1].perLine, 3);
    EXPECT_EQ(body.lines[1].slotWidth, 200);
    EXPECT_EQ(body.lines[1].labelWidth, 3); // "L0:"
    EXPECT_EQ(body.lines[5].perLine, 2);
    EXPECT_EQ(body.lines[5].slotWidth, 300);
    EXPECT_EQ(body.lines[5].labelWidth, 150);
    EXPECT_EQ(body.lines[6].text.toStdString(), "C:v");
    // Alone and still too wide: the label gives way to the value, down to half.
    PrintSheet wide;
    wide.item(QString(500, QLatin1Char('x')), QString(100, QLatin1Char('y')));
    const PrintLine alone = LayOutSheet(wide, Chars, 600, 2).lines[0];
    EXPECT_EQ(alone.perLine, 1);
    EXPECT_EQ(alone.labelWidth, 600 - 100 - 40);
    // The line list text splits back into the items drawn.
    const std::vector<PrintItem> items = SplitPrintItems(body.lines[1].text);
    EXPECT_EQ(items, body.lines[1].items);
    EXPECT_EQ(body.lines[8].text.toStdString(), "1\tLonger name");

    ASSERT_EQ(body.tables.size(), 1u);
    EXPECT_EQ(body.tables[0].left, (std::vector<int>{0, 4}));
    EXPECT_EQ(body.tables[0].width, (std::vector<int>{4, 13}));
    EXPECT_DOUBLE_EQ(body.tables[0].scale, 1.0);
    // Too wide for the body: the columns shrink together.
    const PrintBody tiny = LayOutSheet(sheet, Chars, 10, 2);
    EXPECT_LT(tiny.tables[0].scale, 1.0);
    EXPECT_LE(tiny.tables[0].left.back() + tiny.tables[0].width.back(), 10);
}

TEST(LayOutSheet, GroupsIndentTheirContentAndEndTheirRuns)
{
    PrintSheet sheet;
    sheet.heading(QStringLiteral("Group"));
    {
        PrintSheet::Nested nested(sheet);
        sheet.item(QStringLiteral("A"), QStringLiteral("1"));
        sheet.heading(QStringLiteral("Inner"));
        PrintSheet::Nested deeper(sheet);
        sheet.item(QStringLiteral("B"), QStringLiteral("2"));
    }
    sheet.item(QStringLiteral("C"), QStringLiteral("3")); // back in the group: a run of its own
    sheet.item(QStringLiteral("D"), QStringLiteral("4"));
    sheet.startRun(1); // a form of one column prints one item a line
    sheet.item(QStringLiteral("E"), QStringLiteral("5"));
    sheet.item(QStringLiteral("F"), QStringLiteral("6"));
    const PrintBody body = LayOutSheet(sheet, Chars, 600, 2, 10);
    QStringList texts;
    std::vector<int> indents;
    for (const PrintLine& l : body.lines) {
        texts << l.text;
        indents.push_back(l.indent);
    }
    EXPECT_EQ(texts.join(QLatin1Char('|')).toStdString(), "Group|A:1|Inner|B:2|C:3^^D:4|E:5|F:6");
    EXPECT_EQ(indents, (std::vector<int>{0, 10, 10, 20, 0, 0, 0}));
    EXPECT_EQ(body.lines[3].slotWidth, (600 - 20) / 3); // the indent comes off the width
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
