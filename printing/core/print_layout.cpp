#include "printing/core/print_layout.h"

#include "controls/core/print_sheet.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

#include <algorithm>
#include <array>

using namespace PrintLayout;

PrintMetrics MakePrintMetrics(int charHeight, int externalLeading, int sampleWidth, int pageWidth, int pageHeight)
{
    PrintMetrics m;
    m.charHeight = charHeight;
    m.lineHeight = charHeight + externalLeading;
    m.averageCharWidth = sampleWidth / kWidthSampleDivisor;
    m.pageWidth = pageWidth;
    m.pageHeight = pageHeight;
    m.bodyHeight = pageHeight - 3 * charHeight - kBodyReserve;
    return m;
}

int PrintFontHeight(int dpiY)
{
    // Rounded as a multiply-then-divide of the device would.
    return (kFontPoints * dpiY + 36) / 72;
}

std::vector<int> PageFirstLines(int lineCount, int lineHeight, int bodyHeight)
{
    std::vector<int> first{0};
    long long used = 0; // height taken on the current page
    for (int i = 0; i < lineCount; ++i) {
        if (used > 0 && used + lineHeight > bodyHeight) {
            first.push_back(i);
            used = 0;
        }
        used += lineHeight;
    }
    return first;
}

LineSpan PageLines(const std::vector<int>& firstLines, int lineCount, int page)
{
    if (page < 0 || page >= static_cast<int>(firstLines.size()))
        return {};
    const auto p = static_cast<std::size_t>(page);
    const int end = p + 1 < firstLines.size() ? firstLines[p + 1] : lineCount;
    return {firstLines[p], end};
}

QString PrintJobName(const QString& currentFile, const QString& defaultFileName)
{
    // Only the name counts: a full stop in a folder name must not cut the path.
    const QString path = currentFile.isEmpty() ? defaultFileName : currentFile;
    const QString name = QFileInfo(QDir::fromNativeSeparators(path)).fileName();
    const qsizetype stop = name.indexOf(QLatin1Char('.'));
    return stop < 0 ? name : name.left(stop);
}

bool IsItemLine(const QString& line)
{
    return line.contains(QLatin1String(kItemSeparator));
}

std::vector<PrintItem> SplitPrintItems(const QString& line)
{
    std::vector<PrintItem> items;
    for (const QString& item : line.split(QLatin1String(kItemSeparator))) {
        const qsizetype colon = item.indexOf(QLatin1Char(':'));
        items.push_back({item.left(colon + 1), item.mid(colon + 1)});
    }
    return items;
}

PageGeometry MakePageGeometry(const PrintMetrics& m)
{
    PageGeometry g;
    g.width = m.pageWidth - 2 * kMarginChars * m.averageCharWidth;
    g.header = QRect(0, 0, g.width, 2 * m.charHeight);
    g.bodyTop = 2 * (m.charHeight + kHeaderGap);
    // The footer sits at the foot of the page: its text ends at the bottom.
    g.footerText = QRect(0, m.pageHeight - m.charHeight, g.width, m.charHeight);
    g.footerLineY = g.footerText.top() - m.charHeight / 2;
    g.lineHeight = m.lineHeight;
    g.column = g.width / kColumnsPerLine;
    return g;
}

QRect PageGeometry::lineRect(int row) const
{
    return QRect(0, bodyTop + row * lineHeight, width, lineHeight);
}

QStringList PrintBody::texts() const
{
    QStringList out;
    out.reserve(static_cast<qsizetype>(lines.size()));
    for (const PrintLine& line : lines)
        out << line.text;
    return out;
}

namespace {
QString LabelWithColon(const QString& label)
{
    if (label.isEmpty())
        return label;
    return label.endsWith(QLatin1Char(':')) ? label : label + QLatin1Char(':');
}

// Items [first, end) of the sheet, packed as many a line as fit.
void PackItems(const PrintSheet& sheet, std::size_t first, std::size_t end,
               const std::function<int(const QString&)>& widthOf, int bodyWidth, int indent, PrintBody& body)
{
    const int width = std::max(1, bodyWidth - indent);
    int widestLabel = 0;
    int widestValue = 0;
    for (std::size_t i = first; i < end; ++i) {
        const QStringList& t = sheet.entries[i].texts;
        widestLabel = std::max(widestLabel, widthOf(LabelWithColon(t.value(0))));
        widestValue = std::max(widestValue, widthOf(t.value(1)));
    }
    // An item needs its label, the gap, its value and a gap as wide again before the next.
    const int needed = widestLabel + 2 * kValueGap + widestValue;
    const int most = sheet.entries[first].perLine > 0 ? sheet.entries[first].perLine : kColumnsPerLine / 2;
    const int perLine = std::clamp(width / std::max(1, needed), 1, std::min(most, kColumnsPerLine / 2));
    const int slot = width / perLine;
    // Too wide even alone: the values keep what they need, the labels at least half.
    const int labelWidth =
        needed <= slot ? widestLabel : std::min(widestLabel, std::max(slot - widestValue - 2 * kValueGap, slot / 2));
    for (std::size_t i = first; i < end; i += static_cast<std::size_t>(perLine)) {
        PrintLine line;
        line.kind = PrintLine::Kind::Items;
        line.perLine = perLine;
        line.slotWidth = slot;
        line.labelWidth = labelWidth;
        line.indent = indent;
        QStringList parts;
        for (std::size_t k = i; k < std::min(end, i + static_cast<std::size_t>(perLine)); ++k) {
            const QStringList& t = sheet.entries[k].texts;
            line.items.push_back({LabelWithColon(t.value(0)), t.value(1)});
            parts << line.items.back().label + line.items.back().value;
        }
        line.text = parts.join(QLatin1String(kItemSeparator));
        body.lines.push_back(std::move(line));
    }
}

// Rows [first, end) of a table whose heading is entry first.
void AddTable(const PrintSheet& sheet, std::size_t first, std::size_t end,
              const std::function<int(const QString&)>& widthOf, int bodyWidth, int columnGap, int indent,
              PrintBody& body)
{
    bodyWidth = std::max(1, bodyWidth - indent);
    PrintTable table;
    std::vector<int> natural;
    for (std::size_t i = first; i < end; ++i) {
        const QStringList& cells = sheet.entries[i].texts;
        if (natural.size() < static_cast<std::size_t>(cells.size()))
            natural.resize(static_cast<std::size_t>(cells.size()), 0);
        for (qsizetype c = 0; c < cells.size(); ++c)
            natural[static_cast<std::size_t>(c)] = std::max(natural[static_cast<std::size_t>(c)], widthOf(cells[c]));
    }
    long long total = 0;
    for (int& w : natural) {
        w += columnGap;
        total += w;
    }
    table.scale = total > bodyWidth && total > 0 ? static_cast<double>(bodyWidth) / static_cast<double>(total) : 1.0;
    int x = 0;
    for (const int w : natural) {
        const int scaled = static_cast<int>(w * table.scale);
        table.left.push_back(x);
        table.width.push_back(scaled);
        x += scaled;
    }
    const int index = static_cast<int>(body.tables.size());
    body.tables.push_back(std::move(table));
    for (std::size_t i = first; i < end; ++i) {
        PrintLine line;
        line.kind = i == first ? PrintLine::Kind::TableHead : PrintLine::Kind::TableRow;
        line.cells = sheet.entries[i].texts;
        line.text = line.cells.join(QLatin1Char('\t'));
        line.table = index;
        line.indent = indent;
        body.lines.push_back(std::move(line));
    }
}
} // namespace

PrintBody LayOutSheet(const PrintSheet& sheet, const std::function<int(const QString&)>& widthOf, int bodyWidth,
                      int columnGap, int indentStep)
{
    using Kind = PrintSheet::Kind;
    PrintBody body;
    const auto& e = sheet.entries;
    std::size_t i = 0;
    while (i < e.size()) {
        std::size_t end = i + 1;
        const int level = e[i].level;
        const int indent = std::max(0, e[i].kind == Kind::Heading ? level - 1 : level) * indentStep;
        switch (e[i].kind) {
        case Kind::Item: // a run of items of one group
            while (end < e.size() && e[end].kind == Kind::Item && e[end].level == level && e[end].run == e[i].run)
                ++end;
            PackItems(sheet, i, end, widthOf, bodyWidth, indent, body);
            break;
        case Kind::TableHead:
        case Kind::TableRow: // rows without a heading make a table of their own
            while (end < e.size() && e[end].kind == Kind::TableRow && e[end].level == level)
                ++end;
            AddTable(sheet, i, end, widthOf, bodyWidth, columnGap, indent, body);
            break;
        case Kind::Section:
        case Kind::Heading:
        case Kind::Text: {
            PrintLine line;
            line.kind = e[i].kind == Kind::Section   ? PrintLine::Kind::Title
                        : e[i].kind == Kind::Heading ? PrintLine::Kind::Heading
                                                     : PrintLine::Kind::Text;
            line.text = e[i].texts.value(0);
            line.level = level;
            line.indent = e[i].kind == Kind::Section ? 0 : indent;
            body.lines.push_back(std::move(line));
            break;
        }
        }
        i = end;
    }
    return body;
}

std::vector<std::vector<int>> PaginateBody(const std::vector<PrintLine>& lines, int lineHeight, int bodyHeight)
{
    using Kind = PrintLine::Kind;
    std::vector<std::vector<int>> pages(1);
    long long used = 0;
    int head = -1; // heading line of the table being printed
    const auto fits = [&](int count) { return used + static_cast<long long>(count) * lineHeight <= bodyHeight; };
    for (int i = 0; i < static_cast<int>(lines.size()); ++i) {
        const PrintLine& line = lines[static_cast<std::size_t>(i)];
        const bool pageEmpty = pages.back().empty();
        if (line.kind == Kind::TableHead)
            head = i;
        else if (line.kind != Kind::TableRow)
            head = -1;
        // Lines that must not end a page: they need the next line beside them.
        int keep = 1;
        if (line.kind == Kind::Title || line.kind == Kind::Heading || line.kind == Kind::TableHead) {
            keep = i + 1 < static_cast<int>(lines.size()) ? 2 : 1;
            if (keep == 2 && line.kind != Kind::TableHead &&
                lines[static_cast<std::size_t>(i) + 1].kind == Kind::TableHead)
                keep = 3;
        }
        if (!pageEmpty && (line.kind == Kind::Title || !fits(keep))) {
            pages.emplace_back();
            used = 0;
            // The row goes under its repeated heading even when the two do not fit.
            if (line.kind == Kind::TableRow && head >= 0) {
                pages.back().push_back(head);
                used += lineHeight;
            }
        }
        pages.back().push_back(i);
        used += lineHeight;
    }
    return pages;
}

QRect ItemLabelRect(const PageGeometry& g, int row, const PrintLine& line, int item)
{
    return QRect(line.indent + item * line.slotWidth, g.bodyTop + row * g.lineHeight, line.labelWidth, g.lineHeight);
}

QRect ItemValueRect(const PageGeometry& g, int row, const PrintLine& line, int item)
{
    const int left = line.indent + item * line.slotWidth + line.labelWidth + kValueGap;
    return QRect(left, g.bodyTop + row * g.lineHeight, line.slotWidth - line.labelWidth - kValueGap, g.lineHeight);
}

namespace {
constexpr std::array<const char*, kPrintSectionCount> kSectionKeys = {
    "channels", "scan", "settings", "dtmf", "alarm", "twotone", "fivetone", "model",
};
} // namespace

QString PrintSectionKey(PrintSection section)
{
    return QString::fromLatin1(kSectionKeys[static_cast<std::size_t>(section)]);
}

std::optional<PrintSections> ParsePrintSections(const QString& list, QString* unknown)
{
    PrintSections sections = 0;
    for (const QString& part : list.split(QLatin1Char(','), Qt::SkipEmptyParts)) {
        const QString key = part.trimmed().toLower();
        const auto it = std::find_if(kSectionKeys.begin(), kSectionKeys.end(),
                                     [&key](const char* k) { return key == QLatin1String(k); });
        if (it == kSectionKeys.end()) {
            if (unknown)
                *unknown = part.trimmed();
            return std::nullopt;
        }
        sections |= 1u << static_cast<unsigned>(it - kSectionKeys.begin());
    }
    return sections;
}

QString PrintSectionKeys(PrintSections sections)
{
    QStringList keys;
    for (int s = 0; s < kPrintSectionCount; ++s)
        if (sections & (1u << s))
            keys << QString::fromLatin1(kSectionKeys[static_cast<std::size_t>(s)]);
    return keys.join(QLatin1Char(','));
}

QString PrintSectionTitle(PrintSection section)
{
    static constexpr std::array<const char*, kPrintSectionCount> kTitles = {
        QT_TRANSLATE_NOOP("PrintSection", "Channels"),       QT_TRANSLATE_NOOP("PrintSection", "Scan channels and VFO"),
        QT_TRANSLATE_NOOP("PrintSection", "Basic settings"), QT_TRANSLATE_NOOP("PrintSection", "DTMF and PTT ID"),
        QT_TRANSLATE_NOOP("PrintSection", "Alarm"),          QT_TRANSLATE_NOOP("PrintSection", "Two-tone"),
        QT_TRANSLATE_NOOP("PrintSection", "Five-tone"),      QT_TRANSLATE_NOOP("PrintSection", "Model and band plan"),
    };
    return QCoreApplication::translate("PrintSection", kTitles[static_cast<std::size_t>(section)]);
}
