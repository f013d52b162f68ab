// Times the printout of a document with 800 channels written to a PDF file:
// the content read from the views, the layout and the pages. Prints the
// median of several runs with the page count and file size; it passes or
// fails nothing. Runs offscreen.
#include "channels/core/channel_record.h"
#include "document/document.h"
#include "printing/print_renderer.h"
#include "shell/print_content.h"

#include "bench/bench_timing.h"

#include <QApplication>
#include <QFileInfo>
#include <QMarginsF>
#include <QPageLayout>
#include <QPageSize>
#include <QTemporaryDir>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <vector>

namespace {

constexpr int kRuns = 7;

} // namespace

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    Document doc;
    // Default.dat of the build's program folder, when there, for realistic settings.
    doc.newFromDefaults(QCoreApplication::applicationDirPath() + QStringLiteral("/../bin/"));
    {
        Document::Change c = doc.change();
        const std::uint32_t bases[] = {14400000, 43000000, 14600000, 43500000};
        for (int n = 1; n <= 800; ++n) {
            NewChannelRecord(doc.bands(), c.image(), n, bases[n % 4] + static_cast<std::uint32_t>(n / 4) * 1250);
            ChannelAt(c.image(), n).setName(QStringLiteral("CH%1").arg(n, 3, 10, QLatin1Char('0')));
        }
    }
    QTemporaryDir dir;
    const QString pdf = dir.filePath(QStringLiteral("bench.pdf"));
    const QPageLayout layout(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF(12.7, 12.7, 12.7, 12.7),
                             QPageLayout::Millimeter);

    struct Case {
        const char* name;
        PrintSections sections;
    } cases[] = {{"channels only", SectionBit(PrintSection::Channels)}, {"every section", kAllPrintSections}};
    std::printf("printout of 800 channels to PDF, median of %d runs\n", kRuns);
    for (const Case& c : cases) {
        PrintRenderer renderer;
        renderer.setJobName(QStringLiteral("bench"));
        PrintSheet sheet;
        const double contentMs = MedianMs(kRuns, [&] { sheet = BuildPrintSheet(doc, c.sections); });
        renderer.setSheet(sheet);
        QString error;
        const double pdfMs = MedianMs(kRuns, [&] { error = WritePrintPdf(renderer, pdf, layout); });
        if (!error.isEmpty()) {
            std::fprintf(stderr, "print_bench: %s\n", qPrintable(error));
            return 1;
        }
        std::printf("  %-14s content %7.1f ms, layout and PDF %7.1f ms, total %7.1f ms: %d pages, %lld KB\n", c.name,
                    contentMs, pdfMs, contentMs + pdfMs, renderer.pageCount(),
                    static_cast<long long>(QFileInfo(pdf).size() / 1024));
    }
    return 0;
}
