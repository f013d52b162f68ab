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
    return QCoreApplication::translate("CPrintController", "-- Page %1 of %2 --").arg(page).arg(count);
}
} // namespace

QFont CPrintRenderer::font(int pixelSize)
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

int CPrintRenderer::prepare(QPaintDevice& device)
{
    m_font = font(PrintFontHeight(device.logicalDpiY()));
    const QFontMetrics fm(m_font, &device);
    m_metrics = MakePrintMetrics(fm.height(), std::max(0, fm.leading()),
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

void CPrintRenderer::drawTableLine(QPainter& painter, const PrintLine& line, int top) const
{
    const PrintTable& table = m_body.tables[static_cast<std::size_t>(line.table)];
    QFont f = m_font;
    f.setBold(line.kind == PrintLine::Kind::TableHead);
    if (table.scale < 1.0)
        f.setPixelSize(std::max(1, static_cast<int>(m_font.pixelSize() * table.scale)));
    painter.setFont(f);
    for (qsizetype c = 0; c < line.cells.size() && c < static_cast<qsizetype>(table.left.size()); ++c) {
        const auto k = static_cast<std::size_t>(c);
        painter.drawText(QRect(line.indent + table.left[k], top, table.width[k], m_metrics.lineHeight),
                         Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine, line.cells[c]);
    }
    if (line.kind == PrintLine::Kind::TableHead) {
        const int y = top + m_metrics.lineHeight - 1;
        painter.drawLine(line.indent, y, line.indent + table.left.back() + table.width.back(), y);
    }
}

void CPrintRenderer::drawPage(QPainter& painter, int page) const
{
    const PageGeometry g = MakePageGeometry(m_metrics);
    QFont bold = m_font;
    bold.setBold(true);
    painter.save();
    painter.setBackgroundMode(Qt::TransparentMode);
    painter.translate(PrintLayout::kMarginChars * m_metrics.averageCharWidth, 0);

    painter.setFont(bold);
    painter.drawText(g.header, Qt::AlignHCenter | Qt::AlignTop | Qt::TextSingleLine, m_jobName);
    painter.setFont(m_font);
    painter.drawText(g.header, Qt::AlignRight | Qt::AlignTop | Qt::TextSingleLine, m_date.toString(Qt::ISODate));
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
                painter.drawText(rect.adjusted(line.indent, 0, 0, 0), Qt::AlignLeft | Qt::AlignTop | Qt::TextSingleLine,
                                 line.text);
                break;
            }
            case PrintLine::Kind::Text:
                painter.setFont(m_font);
                painter.drawText(rect.adjusted(line.indent, 0, 0, 0),
                                 Qt::AlignLeft | Qt::AlignTop | Qt::TextSingleLine | Qt::TextExpandTabs, line.text);
                break;
            case PrintLine::Kind::Items:
                painter.setFont(m_font);
                for (std::size_t k = 0; k < line.items.size(); ++k) {
                    const int item = static_cast<int>(k);
                    painter.drawText(ItemLabelRect(g, row, line, item),
                                     Qt::AlignRight | Qt::AlignTop | Qt::TextSingleLine, line.items[k].label);
                    painter.drawText(ItemValueRect(g, row, line, item),
                                     Qt::AlignLeft | Qt::AlignTop | Qt::TextSingleLine, line.items[k].value);
                }
                break;
            case PrintLine::Kind::TableHead:
            case PrintLine::Kind::TableRow: drawTableLine(painter, line, rect.top()); break;
            }
        }
    }

    painter.setFont(bold);
    painter.drawLine(0, g.footerLineY, g.width, g.footerLineY);
    painter.drawText(g.footerText, Qt::AlignHCenter | Qt::AlignTop | Qt::TextSingleLine, PageFooter(page, pageCount()));
    painter.restore();
}

CPrintRenderer::Result CPrintRenderer::paint(QPagedPaintDevice& device)
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

QString WritePrintPdf(CPrintRenderer& renderer, const QString& path, const QPageLayout& layout)
{
    bool painted = true;
    const QString error = SaveWholeFile(path, [&](QIODevice& file) {
        QPdfWriter pdf(&file);
        pdf.setResolution(kPdfDpi);
        pdf.setPageLayout(layout);
        pdf.setTitle(renderer.jobName());
        pdf.setCreator(QCoreApplication::applicationName());
        painted = renderer.paint(pdf) == CPrintRenderer::Result::Printed;
        return painted;
    });
    if (!painted)
        return QCoreApplication::translate("CPrintController", "The PDF file could not be written.");
    return error;
}
