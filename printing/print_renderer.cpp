#include "printing/print_renderer.h"

#include "document/whole_file.h"

#include <QCoreApplication>
#include <QFontInfo>
#include <QFontMetrics>
#include <QPageLayout>
#include <QPainter>
#include <QPdfWriter>

#include <algorithm>

namespace {
// The layout's fixed spacings are device units; at this resolution they keep
// the body clear of the footer.
constexpr int kPdfDpi = 600;
constexpr int kColumnGapChars = 2; // between table columns, in average character widths
constexpr int kIndentChars = 2;    // indent of each group level

QString PageFooter(int page, int count)
{
    return QCoreApplication::translate("PrintController", "-- Page %1 of %2 --").arg(page).arg(count);
}
} // namespace

namespace {
// Whether a text of the sheet has characters the primary face lacks.
bool NeedsFallback(const QStringList& texts, const QFontMetrics& primary)
{
    for (const QString& text : texts)
        for (const QChar c : text)
            if (c.unicode() > 0x7F && !primary.inFont(c))
                return true;
    return false;
}

bool NeedsFallback(const PrintSheet& sheet, const QString& jobName, const QFontMetrics& primary)
{
    if (NeedsFallback({jobName, PageFooter(1, 1)}, primary))
        return true;
    return std::any_of(sheet.entries.begin(), sheet.entries.end(),
                       [&](const PrintSheet::Entry& e) { return NeedsFallback(e.texts, primary); });
}
} // namespace

void PrintRenderer::drawLineText(QPainter& painter, const QRect& rect, Qt::Alignment alignment, const QString& text,
                                 int baselineOffset) const
{
    if (text.isEmpty())
        return;
    QString shown = text;
    shown.replace(QLatin1Char('\t'), QLatin1Char(' '));
    const int width = QFontMetrics(painter.font(), painter.device()).horizontalAdvance(shown);
    int x = rect.left();
    if (alignment & Qt::AlignRight)
        x = rect.left() + rect.width() - width;
    else if (alignment & Qt::AlignHCenter)
        x = rect.left() + (rect.width() - width) / 2;
    painter.drawText(QPoint(x, rect.top() + baselineOffset), shown);
}

QFont PrintRenderer::font(int pixelSize)
{
    // The family the layout names, or the serif the system puts in its place
    // (fontconfig maps it to a metric twin); then Simplified Chinese serif
    // and sans faces for the glyphs it lacks, ahead of the system's own
    // fallback, which may pick a Japanese face for Chinese text.
    QFont named(QStringLiteral("Times New Roman"));
    named.setStyleHint(QFont::Serif);
    QFont f;
    f.setFamilies({QFontInfo(named).family(), QStringLiteral("Noto Serif CJK SC"), QStringLiteral("Noto Sans CJK SC")});
    f.setStyleHint(QFont::Serif);
    f.setWeight(QFont::Normal);
    f.setPixelSize(pixelSize);
    return f;
}

int PrintRenderer::prepare(QPaintDevice& device)
{
    m_font = font(PrintFontHeight(device.logicalDpiY()));
    const QFontMetrics fm(m_font, &device);
    // The primary face measures the line unless a text needs the fallback
    // faces, whose ascent and descent are larger: then they count too.
    m_ascent = fm.ascent();
    int descent = fm.descent();
    QFont primary = m_font;
    primary.setFamilies({m_font.families().value(0)});
    if (NeedsFallback(m_sheet, m_jobName, QFontMetrics(primary, &device))) {
        for (const QString& family : m_font.families()) {
            QFont face = m_font;
            face.setFamilies({family});
            const QFontMetrics faceMetrics(face, &device);
            m_ascent = std::max(m_ascent, faceMetrics.ascent());
            descent = std::max(descent, faceMetrics.descent());
        }
    }
    m_charHeight = m_ascent + descent;
    m_metrics = MakePrintMetrics(m_charHeight, std::max(0, fm.leading()),
                                 fm.horizontalAdvance(QLatin1String(PrintLayout::kWidthSample)), device.width(),
                                 device.height());
    const PageGeometry g = MakePageGeometry(m_metrics);
    PrintSheet sheet = m_sheet;
    sheet.dropEmpty();
    m_body = LayOutSheet(
        sheet, [&fm](const QString& text) { return fm.horizontalAdvance(text); }, g.width,
        kColumnGapChars * m_metrics.averageCharWidth, kIndentChars * m_metrics.averageCharWidth);
    m_pages = PaginateBody(m_body.lines, m_metrics.lineHeight, m_metrics.bodyHeight);
    return pageCount();
}

void PrintRenderer::drawTableLine(QPainter& painter, const PrintLine& line, int top) const
{
    const PrintTable& table = m_body.tables[static_cast<std::size_t>(line.table)];
    QFont f = m_font;
    f.setBold(line.kind == PrintLine::Kind::TableHead);
    if (table.scale < 1.0)
        f.setPixelSize(std::max(1, static_cast<int>(m_font.pixelSize() * table.scale)));
    painter.setFont(f);
    // Centred in the line as the rest of the table; a shrunk table's smaller
    // font sits on the same middle.
    const QFontMetrics fm(f, painter.device());
    const int ascent = table.scale < 1.0 ? fm.ascent() : m_ascent;
    const int height = table.scale < 1.0 ? fm.height() : m_charHeight;
    const int baseline = (m_metrics.lineHeight - height) / 2 + ascent;
    for (qsizetype c = 0; c < line.cells.size() && c < static_cast<qsizetype>(table.left.size()); ++c) {
        const auto k = static_cast<std::size_t>(c);
        drawLineText(painter, QRect(line.indent + table.left[k], top, table.width[k], m_metrics.lineHeight),
                     Qt::AlignLeft, line.cells[c], baseline);
    }
    if (line.kind == PrintLine::Kind::TableHead) {
        // On the line's lower edge: a Chinese heading reaches further down
        // than a Latin one, and the rule must stay clear of it.
        const int y = top + m_metrics.lineHeight;
        painter.drawLine(line.indent, y, line.indent + table.left.back() + table.width.back(), y);
    }
}

void PrintRenderer::drawPage(QPainter& painter, int page) const
{
    const PageGeometry g = MakePageGeometry(m_metrics);
    QFont bold = m_font;
    bold.setBold(true);
    painter.save();
    painter.setBackgroundMode(Qt::TransparentMode);
    painter.translate(PrintLayout::kMarginChars * m_metrics.averageCharWidth, 0);

    painter.setFont(bold);
    drawLineText(painter, g.header, Qt::AlignHCenter, m_jobName, m_ascent);
    painter.setFont(m_font);
    drawLineText(painter, g.header, Qt::AlignRight, m_date.toString(Qt::ISODate), m_ascent);
    const int headerBottom = g.header.top() + g.header.height();
    painter.drawLine(g.header.left(), headerBottom, g.header.left() + g.width, headerBottom);

    if (page >= 1 && page <= pageCount()) {
        const std::vector<int>& lines = pageLines(page);
        for (std::size_t r = 0; r < lines.size(); ++r) {
            const PrintLine& line = m_body.lines[static_cast<std::size_t>(lines[r])];
            const int row = static_cast<int>(r);
            const QRect rect = g.lineRect(row);
            switch (line.kind) {
            case PrintLine::Kind::Title:
            case PrintLine::Kind::Heading: {
                painter.setFont(bold);
                drawLineText(painter, rect.adjusted(line.indent, 0, 0, 0), Qt::AlignLeft, line.text, m_ascent);
                break;
            }
            case PrintLine::Kind::Text:
                painter.setFont(m_font);
                drawLineText(painter, rect.adjusted(line.indent, 0, 0, 0), Qt::AlignLeft, line.text, m_ascent);
                break;
            case PrintLine::Kind::Items:
                painter.setFont(m_font);
                for (std::size_t k = 0; k < line.items.size(); ++k) {
                    const int item = static_cast<int>(k);
                    drawLineText(painter, ItemLabelRect(g, row, line, item), Qt::AlignRight, line.items[k].label,
                                 m_ascent);
                    drawLineText(painter, ItemValueRect(g, row, line, item), Qt::AlignLeft, line.items[k].value,
                                 m_ascent);
                }
                break;
            case PrintLine::Kind::TableHead:
            case PrintLine::Kind::TableRow: drawTableLine(painter, line, rect.top()); break;
            }
        }
    }

    painter.setFont(bold);
    painter.drawLine(0, g.footerLineY, g.width, g.footerLineY);
    drawLineText(painter, g.footerText, Qt::AlignHCenter, PageFooter(page, pageCount()), m_ascent);
    painter.restore();
}

PrintRenderer::Result PrintRenderer::paint(QPagedPaintDevice& device)
{
    QPainter painter;
    if (!painter.begin(&device))
        return Result::NotStarted;
    const int pages = prepare(device);
    for (int page = 1; page <= pages; ++page) {
        // Starting a page ends the one before; a failure there stops the job.
        if (page > 1 && !device.newPage()) {
            painter.end();
            return Result::Aborted;
        }
        drawPage(painter, page);
    }
    painter.end();
    return Result::Printed;
}

QString WritePrintPdf(PrintRenderer& renderer, const QString& path, const QPageLayout& layout)
{
    bool painted = true;
    QString error = SaveWholeFile(path, [&](QIODevice& file) {
        QPdfWriter pdf(&file);
        pdf.setResolution(kPdfDpi);
        pdf.setPageLayout(layout);
        pdf.setTitle(renderer.jobName());
        pdf.setCreator(QCoreApplication::applicationName());
        painted = renderer.paint(pdf) == PrintRenderer::Result::Printed;
        return painted;
    });
    if (!painted)
        return QCoreApplication::translate("PrintController", "The PDF file could not be written.");
    return error;
}
