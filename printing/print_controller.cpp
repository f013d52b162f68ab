#include "printing/print_controller.h"

#include "document/document.h"
#include "printing/print_preview.h"

#include <QFontMetrics>
#include <QMessageBox>
#include <QPageSetupDialog>
#include <QPainter>
#include <QPrintDialog>
#include <QPrintPreviewWidget>
#include <QPrinter>

#include <algorithm>

namespace {
// The layout's fixed spacings are device units; at this resolution they keep
// the body clear of the footer.
constexpr int kPrinterDpi = 600;

bool AskForPrinter(QPrinter& printer, QWidget* parent)
{
    // All pages; no page numbers, selection or printing to a file.
    QPrintDialog dlg(&printer, parent);
    dlg.setPrintRange(QAbstractPrintDialog::AllPages);
    dlg.setOption(QAbstractPrintDialog::PrintPageRange, false);
    dlg.setOption(QAbstractPrintDialog::PrintSelection, false);
    dlg.setOption(QAbstractPrintDialog::PrintToFile, false);
    dlg.setOption(QAbstractPrintDialog::PrintCurrentPage, false);
    return dlg.exec() == QDialog::Accepted;
}
} // namespace

CPrintController::CPrintController(QWidget& window, const Document& document, const QString& defaultFileName,
                                   const QString& caption)
    : QObject(&window), choosePrinter(AskForPrinter), m_window(window), m_document(document),
      m_defaultFileName(defaultFileName), m_caption(caption)
{
    setObjectName(QStringLiteral("printController"));
}

CPrintController::~CPrintController()
{
    // The preview uses the printer; it goes first.
    delete m_preview.data();
}

QPrinter& CPrintController::printer()
{
    if (!m_printer) {
        m_printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
        m_printer->setResolution(kPrinterDpi);
    }
    return *m_printer;
}

CPrintPreviewFrame* CPrintController::previewFrame() const
{
    return m_preview;
}

QString CPrintController::jobName() const
{
    return PrintJobName(m_document.path(), m_defaultFileName);
}

void CPrintController::print()
{
    QPrinter& p = printer();
    if (!choosePrinter || !choosePrinter(p, &m_window))
        return;
    p.setResolution(kPrinterDpi);
    p.setDocName(jobName());
    if (printJob(p) == JobResult::NotStarted)
        QMessageBox::warning(&m_window, m_caption, tr("Failed to start print job."));
}

CPrintController::JobResult CPrintController::printJob(QPrinter& printer)
{
    QPainter painter;
    if (!painter.begin(&printer))
        return JobResult::NotStarted;
    const int pages = preparePages(printer);
    bool finished = true;
    for (int page = 1; page <= pages; ++page) {
        // Starting a page ends the one before; a failure there stops the job.
        if (page > 1 && !printer.newPage()) {
            finished = false;
            break;
        }
        drawPage(painter, page);
    }
    if (!finished)
        printer.abort();
    painter.end();
    return finished ? JobResult::Printed : JobResult::Aborted;
}

int CPrintController::preparePages(QPaintDevice& device)
{
    if (storeViews)
        storeViews();
    m_lines.clear();
    if (fillLines)
        fillLines(m_lines);

    m_font = QFont(QStringLiteral("Times New Roman"));
    m_font.setWeight(QFont::Normal);
    m_font.setPixelSize(PrintFontHeight(device.logicalDpiY()));
    const QFontMetrics fm(m_font, &device);
    m_metrics = MakePrintMetrics(fm.height(), std::max(0, fm.leading()),
                                 fm.horizontalAdvance(QLatin1String(PrintLayout::kWidthSample)), device.width(),
                                 device.height());
    m_pageFirstLines = PageFirstLines(static_cast<int>(m_lines.size()), m_metrics.lineHeight, m_metrics.bodyHeight);
    return pageCount();
}

void CPrintController::drawPage(QPainter& painter, int page)
{
    const PageGeometry g = MakePageGeometry(m_metrics);
    QFont bold = m_font;
    bold.setBold(true);
    painter.save();
    painter.setBackgroundMode(Qt::TransparentMode);
    painter.translate(PrintLayout::kMarginChars * m_metrics.averageCharWidth, 0);

    painter.setFont(bold);
    painter.drawText(g.header, Qt::AlignHCenter | Qt::AlignTop | Qt::TextSingleLine, jobName());
    const int headerBottom = g.header.top() + g.header.height();
    painter.drawLine(g.header.left(), headerBottom, g.header.left() + g.width, headerBottom);

    painter.setFont(m_font);
    const LineSpan span = PageLines(m_pageFirstLines, static_cast<int>(m_lines.size()), page - 1);
    for (int i = span.first; i < span.end; ++i) {
        const QString& line = m_lines[i];
        const int row = i - span.first;
        if (!IsItemLine(line)) {
            painter.drawText(g.lineRect(row), Qt::AlignLeft | Qt::AlignTop | Qt::TextSingleLine | Qt::TextExpandTabs,
                             line);
            continue;
        }
        const std::vector<PrintItem> items = SplitPrintItems(line);
        for (std::size_t k = 0; k < items.size(); ++k) {
            const int item = static_cast<int>(k);
            painter.drawText(g.labelRect(row, item), Qt::AlignRight | Qt::AlignTop | Qt::TextSingleLine,
                             items[k].label);
            painter.drawText(g.valueRect(row, item), Qt::AlignLeft | Qt::AlignTop | Qt::TextSingleLine, items[k].value);
        }
    }

    painter.drawLine(0, g.footerLineY, g.width, g.footerLineY);
    painter.setFont(bold);
    painter.drawText(g.footerText, Qt::AlignHCenter | Qt::AlignTop | Qt::TextSingleLine,
                     tr("-- Page %1 of %2 --").arg(page).arg(pageCount()));
    painter.restore();
}

void CPrintController::printPreview()
{
    if (m_preview && m_preview->isVisible()) {
        m_preview->raise();
        m_preview->activateWindow();
        return;
    }
    if (!m_preview) {
        m_preview = new CPrintPreviewFrame(&printer());
        connect(m_preview->view(), &CViewPrintPreview::paintRequested, this, [this](QPrinter* p) {
            p->setDocName(jobName());
            printJob(*p);
        });
        connect(m_preview, &CPrintPreviewFrame::closing, this, [this] {
            // Back before the preview goes, so the program always has a window shown.
            m_window.show();
            m_window.activateWindow();
        });
        connect(m_preview, &CPrintPreviewFrame::printRequested, this, [this] {
            closePreview();
            print();
        });
    }
    m_window.hide();
    m_preview->setWindowTitle(tr("Preview"));
    m_preview->view()->preview()->updatePreview();
    m_preview->showMaximized();
    m_preview->activateWindow();
}

void CPrintController::closePreview()
{
    if (m_preview)
        m_preview->close();
}

void CPrintController::printSetup()
{
    QPageSetupDialog dlg(&printer(), &m_window);
    dlg.exec();
}
