#include "printing/print_controller.h"

#include "controls/message_box.h"
#include "document/document.h"
#include "printing/print_preview_window.h"
#include "printing/print_sections_box.h"
#include "printing/print_sections_dialog.h"

#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>
#include <QPageSetupDialog>
#include <QPainter>
#include <QPrintDialog>
#include <QPrintPreviewWidget>
#include <QPrinter>
#include <QSettings>
#include <QStandardPaths>

namespace {
// The layout's fixed spacings are device units; at this resolution they keep
// the body clear of the footer.
constexpr int kPrinterDpi = 600;
const QString kSectionsKey = QStringLiteral("Print/Sections");

QString AskForPdfFile(const QString& suggested, QWidget* parent)
{
    return QFileDialog::getSaveFileName(parent, PrintController::tr("Export PDF"), suggested,
                                        PrintController::tr("PDF files (*.pdf)"));
}
} // namespace

PrintController::PrintController(QWidget& window, const Document& document, const QString& defaultFileName,
                                 const QString& caption)
    : QObject(&window), m_window(window), m_document(document), m_defaultFileName(defaultFileName), m_caption(caption)
{
    setObjectName(QStringLiteral("printController"));
    choosePrinter = [this](QPrinter& printer, QWidget* parent) { return askForPrinter(printer, parent); };
    chooseSections = [](PrintSections current, QWidget* parent) -> std::optional<PrintSections> {
        PrintSectionsDialog dlg(current, tr("Export PDF"), parent);
        if (dlg.exec() != QDialog::Accepted)
            return std::nullopt;
        return dlg.sections();
    };
    choosePdfFile = AskForPdfFile;
}

PrintController::~PrintController()
{
    // The preview uses the printer; it goes first.
    delete m_preview.data();
}

bool PrintController::askForPrinter(QPrinter& printer, QWidget* parent)
{
    // All pages; no page numbers, selection or printing to a file. The
    // sections are a tab of their own.
    QPrintDialog dlg(&printer, parent);
    dlg.setPrintRange(QAbstractPrintDialog::AllPages);
    dlg.setOption(QAbstractPrintDialog::PrintPageRange, false);
    dlg.setOption(QAbstractPrintDialog::PrintSelection, false);
    dlg.setOption(QAbstractPrintDialog::PrintToFile, false);
    dlg.setOption(QAbstractPrintDialog::PrintCurrentPage, false);
    auto* box = new PrintSectionsBox(sections());
    dlg.setOptionTabs({box});
    if (dlg.exec() != QDialog::Accepted)
        return false;
    setSections(box->sections());
    return true;
}

PrintSections PrintController::sections() const
{
    const QSettings settings;
    if (!settings.contains(kSectionsKey))
        return kAllPrintSections;
    return ParsePrintSections(settings.value(kSectionsKey).toString()).value_or(kAllPrintSections);
}

void PrintController::setSections(PrintSections sections)
{
    QSettings().setValue(kSectionsKey, PrintSectionKeys(sections));
}

QPrinter& PrintController::printer()
{
    if (!m_printer) {
        m_printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
        m_printer->setResolution(kPrinterDpi);
    }
    return *m_printer;
}

PrintPreviewWindow* PrintController::previewWindow() const
{
    return m_preview;
}

QString PrintController::jobName() const
{
    return PrintJobName(m_document.path(), m_defaultFileName);
}

void PrintController::print()
{
    QPrinter& p = printer();
    if (!choosePrinter || !choosePrinter(p, &m_window))
        return;
    p.setResolution(kPrinterDpi);
    p.setDocName(jobName());
    if (printJob(p) == JobResult::NotStarted)
        ShowMessage(&m_window, QMessageBox::Warning, m_caption, tr("Failed to start print job."));
}

void PrintController::setUpJob()
{
    if (storeViews)
        storeViews();
    m_renderer.setJobName(jobName());
    m_renderer.setPrintDate(QDate::currentDate());
    m_renderer.setSheet(content ? content(sections()) : PrintSheet{});
}

PrintController::JobResult PrintController::printJob(QPrinter& printer)
{
    setUpJob();
    switch (m_renderer.paint(printer)) {
    case PrintRenderer::Result::Printed: return JobResult::Printed;
    case PrintRenderer::Result::NotStarted: return JobResult::NotStarted;
    case PrintRenderer::Result::Aborted: break;
    }
    printer.abort();
    return JobResult::Aborted;
}

int PrintController::preparePages(QPaintDevice& device)
{
    setUpJob();
    return m_renderer.prepare(device);
}

void PrintController::drawPage(QPainter& painter, int page)
{
    m_renderer.drawPage(painter, page);
}

void PrintController::exportPdf()
{
    const std::optional<PrintSections> chosen = chooseSections ? chooseSections(sections(), &m_window) : sections();
    if (!chosen)
        return;
    setSections(*chosen);
    const QString folder = m_document.path().isEmpty()
                               ? QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation)
                               : QFileInfo(m_document.path()).absolutePath();
    const QString suggested = QDir(folder).filePath(jobName() + QStringLiteral(".pdf"));
    const QString path = choosePdfFile ? choosePdfFile(suggested, &m_window) : QString();
    if (path.isEmpty())
        return;
    setUpJob();
    const QString error = WritePrintPdf(m_renderer, path, printer().pageLayout());
    if (!error.isEmpty())
        ShowMessage(&m_window, QMessageBox::Warning, m_caption,
                    tr("Cannot write %1:\n%2").arg(QDir::toNativeSeparators(path), error));
}

void PrintController::printPreview()
{
    if (m_preview && m_preview->isVisible()) {
        m_preview->raise();
        m_preview->activateWindow();
        return;
    }
    if (!m_preview) {
        m_preview = new PrintPreviewWindow(&printer());
        connect(m_preview->view(), &PrintPreviewWidget::paintRequested, this, [this](QPrinter* p) {
            p->setDocName(jobName());
            printJob(*p);
        });
        connect(m_preview, &PrintPreviewWindow::closing, this, [this] {
            // Back before the preview goes, so the program always has a window shown.
            m_window.show();
            m_window.activateWindow();
        });
        connect(m_preview, &PrintPreviewWindow::printRequested, this, [this] {
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

void PrintController::closePreview()
{
    if (m_preview)
        m_preview->close();
}

void PrintController::printSetup()
{
    QPageSetupDialog dlg(&printer(), &m_window);
    dlg.exec();
}
