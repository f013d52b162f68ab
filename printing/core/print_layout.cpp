#include "printing/core/print_layout.h"

#include <QDir>
#include <QFileInfo>

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

QRect PageGeometry::labelRect(int row, int item) const
{
    // Each item takes a pair of sixths: its label column, then its value.
    return QRect(2 * item * column, bodyTop + row * lineHeight, column, lineHeight);
}

QRect PageGeometry::valueRect(int row, int item) const
{
    const int left = (2 * item + 1) * column + kValueGap;
    return QRect(left, bodyTop + row * lineHeight, column - kValueGap, lineHeight);
}
