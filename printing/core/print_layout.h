#pragma once

#include <QRect>
#include <QString>
#include <QStringList>

#include <vector>

// The page model of a printout, in the device units of the printer: a header
// with the job name, a body of text lines, a footer with the page count.
namespace PrintLayout {
// The sample whose width, divided by 52, is the average character width.
inline constexpr char kWidthSample[] = "abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSATUVWXYZ";
inline constexpr int kWidthSampleDivisor = 52;
inline constexpr int kFontPoints = 12;
inline constexpr int kBodyReserve = 100;  // taken from the body height besides the header and footer
inline constexpr int kHeaderGap = 20;     // added to the character height, twice, above the body
inline constexpr int kValueGap = 20;      // between a label column and its value
inline constexpr int kMarginChars = 4;    // left (and right) margin in average character widths
inline constexpr int kColumnsPerLine = 6; // label and value columns share the width by sixths
inline constexpr char kItemSeparator[] = "^^";
} // namespace PrintLayout

struct PrintMetrics {
    int lineHeight = 0; // character height + external leading
    int averageCharWidth = 0;
    int charHeight = 0;
    int pageWidth = 0; // printable area
    int pageHeight = 0;
    int bodyHeight = 0;
};

// The metrics from the font's measures and the printable area.
PrintMetrics MakePrintMetrics(int charHeight, int externalLeading, int sampleWidth, int pageWidth, int pageHeight);
// The font height in device units for a device of this vertical resolution.
int PrintFontHeight(int dpiY);

// The first line of each page: always at least one page. Lines are added to a
// page while they fit in the body height; the line that would overflow starts
// the next page. A page that holds no line yet takes the next line even when
// it does not fit, so that a body lower than one line still makes progress.
std::vector<int> PageFirstLines(int lineCount, int lineHeight, int bodyHeight);
inline int PageCount(int lineCount, int lineHeight, int bodyHeight)
{
    return static_cast<int>(PageFirstLines(lineCount, lineHeight, bodyHeight).size());
}
// Lines [first, end) of page `page` (0-based).
struct LineSpan {
    int first = 0;
    int end = 0;
};
LineSpan PageLines(const std::vector<int>& firstLines, int lineCount, int page);

// The job name and page header: the file name (without folders) cut before
// its first full stop; the default file name when no file is open.
QString PrintJobName(const QString& currentFile, const QString& defaultFileName);

// One "^^" item of a body line: the label runs up to and including the first
// colon, the value is the rest. An item without a colon is all value.
struct PrintItem {
    QString label;
    QString value;
    friend bool operator==(const PrintItem&, const PrintItem&) = default;
};
bool IsItemLine(const QString& line);
std::vector<PrintItem> SplitPrintItems(const QString& line);

// Where things go on a page, in coordinates whose origin is already moved
// right by the left margin.
struct PageGeometry {
    int width = 0; // header, body and footer width
    QRect header;  // job name; its bottom edge carries a line
    int bodyTop = 0;
    int footerLineY = 0;
    QRect footerText;                         // "-- Page %d of %d --"
    QRect lineRect(int row) const;            // row-th line of the page body
    QRect labelRect(int row, int item) const; // label column of an item (right-aligned)
    QRect valueRect(int row, int item) const; // value column of an item (left-aligned)
    int lineHeight = 0;
    int column = 0; // one sixth of the width
};
PageGeometry MakePageGeometry(const PrintMetrics& m);
