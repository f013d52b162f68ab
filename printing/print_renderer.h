#pragma once

#include "controls/core/print_sheet.h"
#include "printing/core/print_layout.h"

#include <QDate>
#include <QFont>
#include <QString>

#include <vector>

class QPageLayout;
class QPagedPaintDevice;
class QPaintDevice;
class QPainter;

// The pages of one printout: header with the job name and the print date,
// the sheet's lines laid out in the body, footer with the page count. The
// same pages go to a printer, the preview and a PDF file.
class PrintRenderer {
public:
    void setSheet(PrintSheet sheet) { m_sheet = std::move(sheet); }
    void setJobName(const QString& name) { m_jobName = name; }
    void setPrintDate(const QDate& date) { m_date = date; }
    const QString& jobName() const { return m_jobName; }

    // Sets up the font and metrics for the device, lays the sheet out and
    // counts the pages.
    int prepare(QPaintDevice& device);
    // Page `page` (1-based) of the prepared printout.
    void drawPage(QPainter& painter, int page) const;

    enum class Result { Printed, NotStarted, Aborted };
    // Prepares and paints every page on a device that is ready; a page that
    // cannot be started stops the job.
    Result paint(QPagedPaintDevice& device);

    const PrintBody& body() const { return m_body; }
    const PrintMetrics& metrics() const { return m_metrics; }
    int pageCount() const { return static_cast<int>(m_pages.size()); }
    // Line indexes of page `page` (1-based), a repeated table heading included.
    const std::vector<int>& pageLines(int page) const { return m_pages[static_cast<std::size_t>(page - 1)]; }

    // The printout font: the family the layout names where the system has
    // it, else a serif; Chinese from a Simplified Chinese face.
    static QFont font(int pixelSize);

private:
    void drawTableLine(QPainter& painter, const PrintLine& line, int top) const;
    // One line's text on the shared baseline, aligned left, right or centred
    // in rect. Drawn at a point, so that a face taller than the primary one
    // (the Chinese glyphs) is neither clipped nor set lower than the rest.
    void drawLineText(QPainter& painter, const QRect& rect, Qt::Alignment alignment, const QString& text,
                      int baselineOffset) const;

    PrintSheet m_sheet;
    QString m_jobName;
    QDate m_date = QDate::currentDate();
    QFont m_font;
    int m_ascent = 0; // of the tallest face the sheet's texts need
    int m_charHeight = 0;
    PrintMetrics m_metrics;
    PrintBody m_body;
    std::vector<std::vector<int>> m_pages{{}};
};

// Writes the printout as a PDF file with this page layout. The file is
// replaced only once every page is written; the error text, or empty.
QString WritePrintPdf(PrintRenderer& renderer, const QString& path, const QPageLayout& layout);
