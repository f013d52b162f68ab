#pragma once

#include <QRect>
#include <QString>
#include <QStringList>

#include <functional>
#include <optional>
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
    QRect footerText;              // "-- Page %d of %d --"
    QRect lineRect(int row) const; // row-th line of the page body
    int lineHeight = 0;
    int column = 0; // one sixth of the width
};
PageGeometry MakePageGeometry(const PrintMetrics& m);

struct PrintSheet;

// One line of a laid-out body. Text is the line as the line list holds it:
// plain text, "label:value" items joined by "^^", or a table's cells joined
// by tabs.
struct PrintLine {
    enum class Kind { Title, Heading, Text, Items, TableHead, TableRow };
    Kind kind = Kind::Text;
    QString text;
    std::vector<PrintItem> items; // Items: label (with its colon) and value
    int perLine = 0;              // Items: items a line of its block holds
    int slotWidth = 0;            // Items: the width each item of the line has
    int labelWidth = 0;           // Items: the label column at the start of a slot
    int level = 0;                // Heading: 1 for a section's own, deeper within
    int indent = 0;               // from the body's left edge: deeper groups sit further in
    QStringList cells;            // TableHead, TableRow
    int table = -1;               // TableHead, TableRow: index into PrintBody::tables
};

// Where a table's columns go: x of each column's left edge and its width,
// already scaled; scale shrinks the table's font when its natural width does
// not fit the body.
struct PrintTable {
    std::vector<int> left;
    std::vector<int> width;
    double scale = 1.0;
};

struct PrintBody {
    std::vector<PrintLine> lines;
    std::vector<PrintTable> tables;
    QStringList texts() const;
};

// Lays a sheet out for a body `bodyWidth` wide. widthOf measures a text in
// the body font. Items of a run share one column layout: a label column as
// wide as the widest label, then the values, as many items a line as fit
// (three at most, or as many as the run asks for), each taking an equal part
// of the width; table columns are as wide as their widest cell plus
// columnGap. Content sits indentStep further in for each group it belongs to, a heading one step less than its content.
PrintBody LayOutSheet(const PrintSheet& sheet, const std::function<int(const QString&)>& widthOf, int bodyWidth,
                      int columnGap, int indentStep = 0);

// The lines of each page, top to bottom, by the overflow rule, and besides:
// a title starts a new page; a title, heading or table heading is not left
// alone at the foot of a page; a table continued on a new page repeats its
// heading line there.
std::vector<std::vector<int>> PaginateBody(const std::vector<PrintLine>& lines, int lineHeight, int bodyHeight);

// The label column (right-aligned) and value column of item `item` of an
// Items line drawn as row `row` of the page.
QRect ItemLabelRect(const PageGeometry& g, int row, const PrintLine& line, int item);
QRect ItemValueRect(const PageGeometry& g, int row, const PrintLine& line, int item);

// The parts a printout can carry, each a section of its own.
enum class PrintSection { Channels, ScanVfo, Settings, Dtmf, Alarm, TwoTone, FiveTone, Model };
inline constexpr int kPrintSectionCount = 8;
using PrintSections = unsigned; // bit per section
inline constexpr PrintSections kAllPrintSections = (1u << kPrintSectionCount) - 1;
inline constexpr PrintSections SectionBit(PrintSection s)
{
    return 1u << static_cast<unsigned>(s);
}
// The section's name on the command line and in the settings.
QString PrintSectionKey(PrintSection section);
// "channels,settings" to its sections; an unknown name gives nullopt and is
// put in *unknown.
std::optional<PrintSections> ParsePrintSections(const QString& list, QString* unknown = nullptr);
QString PrintSectionKeys(PrintSections sections);
// The section's title, in the edition's language.
QString PrintSectionTitle(PrintSection section);
