#pragma once

#include "printing/core/print_layout.h"

#include <QFont>
#include <QObject>
#include <QPointer>
#include <QStringList>

#include <functional>
#include <memory>
#include <vector>

class Document;
class CPrintPreviewFrame;
class QPaintDevice;
class QPainter;
class QPrinter;
class QWidget;

// The main window's printing: Print, Print Preview and Print Setup, and the
// pages they share (header with the job name, body lines, footer with the
// page count). One per main window, living as its child; the window hides
// while the preview shows.
class CPrintController : public QObject {
    Q_OBJECT
public:
    // defaultFileName names the job of a document without a file; caption
    // is the title of the controller's message boxes.
    CPrintController(QWidget& window, const Document& document, const QString& defaultFileName, const QString& caption);
    ~CPrintController() override;

    void print();        // File > Print
    void printPreview(); // File > Print Preview
    void printSetup();   // File > Print Setup

    // One job on a printer that is ready: pages prepared, then drawn one by
    // one. A page that cannot be started aborts the job.
    enum class JobResult { Printed, NotStarted, Aborted };
    JobResult printJob(QPrinter& printer);
    // Stores the views, empties the line list, sets up the font and metrics
    // for the device and counts the pages.
    int preparePages(QPaintDevice& device);
    // Page `page` (1-based) of the prepared job.
    void drawPage(QPainter& painter, int page);

    QString jobName() const;
    QPrinter& printer();
    const QStringList& lines() const { return m_lines; }
    const PrintMetrics& metrics() const { return m_metrics; }
    int pageCount() const { return static_cast<int>(m_pageFirstLines.size()); }
    CPrintPreviewFrame* previewFrame() const;

    // Asks where Print goes: the standard print dialog. Tests replace it.
    std::function<bool(QPrinter& printer, QWidget* parent)> choosePrinter;
    // The store pass of the open views, run before the pages are prepared.
    std::function<void()> storeViews;
    // Called after the line list is emptied. The program prints no lines; the
    // layout of any that are added follows the body rules.
    std::function<void(QStringList& lines)> fillLines;

private:
    void closePreview();

    QWidget& m_window;
    const Document& m_document;
    QString m_defaultFileName;
    QString m_caption;
    std::unique_ptr<QPrinter> m_printer;
    QStringList m_lines;
    QFont m_font;
    PrintMetrics m_metrics;
    std::vector<int> m_pageFirstLines{0};
    QPointer<CPrintPreviewFrame> m_preview;
};
