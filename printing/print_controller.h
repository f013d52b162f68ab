#pragma once

#include "controls/core/print_sheet.h"
#include "printing/core/print_layout.h"
#include "printing/print_renderer.h"

#include <QObject>
#include <QPointer>
#include <QStringList>

#include <functional>
#include <memory>
#include <optional>

class Document;
class PrintPreviewWindow;
class QPaintDevice;
class QPainter;
class QPrinter;
class QWidget;

// The main window's printing: Print, Print Preview, Print Setup and Export
// PDF, and the pages they share. One per main window, living as its child;
// the window hides while the preview shows.
class PrintController : public QObject {
    Q_OBJECT
public:
    // defaultFileName names the job of a document without a file; caption
    // is the title of the controller's message boxes.
    PrintController(QWidget& window, const Document& document, const QString& defaultFileName, const QString& caption);
    ~PrintController() override;

    void print();        // File > Print
    void printPreview(); // File > Print Preview
    void printSetup();   // File > Print Setup
    void exportPdf();    // File > Export PDF

    // One job on a printer that is ready: pages prepared, then drawn one by
    // one. A page that cannot be started aborts the job.
    enum class JobResult { Printed, NotStarted, Aborted };
    JobResult printJob(QPrinter& printer);
    // Stores the views, builds the content of the chosen sections, sets up
    // the font and metrics for the device and counts the pages.
    int preparePages(QPaintDevice& device);
    // Page `page` (1-based) of the prepared job.
    void drawPage(QPainter& painter, int page);

    QString jobName() const;
    QPrinter& printer();
    // The body of the prepared job as the line list holds it.
    QStringList lines() const { return m_renderer.body().texts(); }
    const PrintRenderer& renderer() const { return m_renderer; }
    const PrintMetrics& metrics() const { return m_renderer.metrics(); }
    int pageCount() const { return m_renderer.pageCount(); }
    PrintPreviewWindow* previewWindow() const;

    // The sections printouts carry; remembered with the print settings.
    PrintSections sections() const;
    void setSections(PrintSections sections);

    // Asks where Print goes: the standard print dialog, with the sections on
    // a tab of their own. Tests replace it.
    std::function<bool(QPrinter& printer, QWidget* parent)> choosePrinter;
    // Asks which sections Export PDF writes; nullopt cancels. Tests replace it.
    std::function<std::optional<PrintSections>(PrintSections current, QWidget* parent)> chooseSections;
    // Asks for the PDF file to write; empty cancels. Tests replace it.
    std::function<QString(const QString& suggested, QWidget* parent)> choosePdfFile;
    // The store pass of the open views, run before the pages are prepared.
    std::function<void()> storeViews;
    // The printout of the document for these sections; an empty body without it.
    std::function<PrintSheet(PrintSections sections)> content;

private:
    void setUpJob();
    void closePreview();
    bool askForPrinter(QPrinter& printer, QWidget* parent);

    QWidget& m_window;
    const Document& m_document;
    QString m_defaultFileName;
    QString m_caption;
    std::unique_ptr<QPrinter> m_printer;
    PrintRenderer m_renderer;
    QPointer<PrintPreviewWindow> m_preview;
};
