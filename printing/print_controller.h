#pragma once

#include "printing/core/print_layout.h"

#include <QFont>
#include <QObject>
#include <QPointer>
#include <QStringList>

#include <functional>
#include <memory>
#include <vector>

class CMainFrame;
class CPrintPreviewFrame;
class QPaintDevice;
class QPainter;
class QPrinter;
class QWidget;

// The main frame's printing: Print, Print Preview and Print Setup, and the
// pages they share (header with the job name, body lines, footer with the
// page count). One per main frame, living as its child.
class CPrintController : public QObject {
    Q_OBJECT
public:
    explicit CPrintController(CMainFrame& frame);
    ~CPrintController() override;

    // The frame's controller, made on first use.
    static CPrintController& Of(CMainFrame& frame);

    void Print();        // File > Print
    void PrintPreview(); // File > Print Preview
    void PrintSetup();   // File > Print Setup

    // One job on a printer that is ready: pages prepared, then drawn one by
    // one. A page that cannot be started aborts the job.
    enum class JobResult { Printed, NotStarted, Aborted };
    JobResult PrintJob(QPrinter& printer);
    // Stores the views, empties the line list, sets up the font and metrics
    // for the device and counts the pages.
    int PreparePages(QPaintDevice& device);
    // Page `page` (1-based) of the prepared job.
    void DrawPage(QPainter& painter, int page);

    QString JobName() const;
    QPrinter& printer();
    const QStringList& lines() const { return m_lines; }
    const PrintMetrics& metrics() const { return m_metrics; }
    int pageCount() const { return static_cast<int>(m_pageFirstLines.size()); }
    CPrintPreviewFrame* previewFrame() const;

    // Asks where Print goes: the standard print dialog. Tests replace it.
    std::function<bool(QPrinter& printer, QWidget* parent)> choosePrinter;
    // Called after the line list is emptied. The program prints no lines; the
    // layout of any that are added follows the body rules.
    std::function<void(QStringList& lines)> fillLines;

private:
    void ClosePreview();

    CMainFrame& m_frame;
    std::unique_ptr<QPrinter> m_printer;
    QStringList m_lines;
    QFont m_font;
    PrintMetrics m_metrics;
    std::vector<int> m_pageFirstLines{0};
    QPointer<CPrintPreviewFrame> m_preview;
};

// Makes File > Print, Print Preview and Print Setup work in every main frame.
void RegisterPrintCommands();
