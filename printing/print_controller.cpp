#include "printing/print_controller.h"

#include "controls/message_box.h"
#include "document/document.h"
#include "printing/print_preview.h"
#include "printing/print_sections_box.h"

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
    return QFileDialog::getSaveFileName(parent, CPrintController::tr("Export PDF"), suggested,
                                        CPrintController::tr("PDF files (*.pdf)"));
}
} // namespace

CPrintController::CPrintController(QWidget& window, const Document& document, const QString& defaultFileName,
                                   const QString& caption)
    : QObject(&window), m_window(window), m_document(document), m_defaultFileName(defaultFileName), m_caption(caption)
{
    setObjectName(QStringLiteral("printController"));
    choosePrinter = [this](QPrinter& printer, QWidget* parent) { return askForPrinter(printer, parent); };
    chooseSections = [](PrintSections current, QWidget* parent) -> std::optional<PrintSections> {
        CPrintSectionsDialog dlg(current, tr("Export PDF"), parent);
        if (dlg.exec() != QDialog::Accepted)
            return std::nullopt;
        return dlg.sections();
    };
    choosePdfFile = AskForPdfFile;
}

CPrintController::~CPrintController()
{
    // The preview uses the printer; it goes first.
    delete m_preview.data();
}

bool CPrintController::askForPrinter(QPrinter& printer, QWidget* parent)
{
    // All pages; no page numbers, selection or printing to a file. The
    // sections are a tab of their own.
    QPrintDialog dlg(&printer, parent);
    dlg.setPrintRange(QAbstractPrintDialog::AllPages);
    dlg.setOption(QAbstractPrintDialog::PrintPageRange, false);
    dlg.setOption(QAbstractPrintDialog::PrintSelection, false);
    dlg.setOption(QAbstractPrintDialog::PrintToFile, false);
    dlg.setOption(QAbstractPrintDialog::PrintCurrentPage, false);
    auto* box = new CPrintSectionsBox(sections());
    dlg.setOptionTabs({box});
    if (dlg.exec() != QDialog::Accepted)
        return false;
    setSections(box->sections());
    return true;
}

PrintSections CPrintController::sections() const
{
    const QSettings settings;
    if (!settings.contains(kSectionsKey))
        return kAllPrintSections;
    return ParsePrintSections(settings.value(kSectionsKey).toString()).value_or(kAllPrintSections);
}

void CPrintController::setSections(PrintSections sections)
{
    QSettings().setValue(kSectionsKey, PrintSectionKeys(sections));
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
        ShowMessage(&m_window, QMessageBox::Warning, m_caption, tr("Failed to start print job."));
}

void CPrintController::setUpJob()
{
    if (storeViews)
        storeViews();
    m_renderer.setJobName(jobName());
    m_renderer.setPrintDate(QDate::currentDate());
    m_renderer.setSheet(content ? content(sections()) : PrintSheet{});
}

CPrintController::JobResult CPrintController::printJob(QPrinter& printer)
{
    setUpJob();
    switch (m_renderer.paint(printer)) {
    case CPrintRenderer::Result::Printed: return JobResult::Printed;
    case CPrintRenderer::Result::NotStarted: return JobResult::NotStarted;
    case CPrintRenderer::Result::Aborted: break;
    }
    printer.abort();
    return JobResult::Aborted;
}

int CPrintController::preparePages(QPaintDevice& device)
{
    setUpJob();
    return m_renderer.prepare(device);
}

void CPrintController::drawPage(QPainter& painter, int page)
{
    m_renderer.drawPage(painter, page);
}

void CPrintController::exportPdf()
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
