// Times the channel table view on a full bank (800 channels): loading the
// image into the grid, the store pass (rows written back and the
// consistency pass), opening its window in the main window, and scrolling
// the table from top to bottom a page at a time, painting each page. Prints
// median, best and worst of several runs and the process's peak memory; it
// passes or fails nothing. Runs offscreen unless a platform is chosen.
#include "channels/channel_table_view.h"
#include "channels/core/channel_record.h"
#include "codecs/bcd.h"
#include "controls/grid.h"
#include "document/band_plan.h"
#include "document/band_table.h"
#include "document/radio_image.h"
#include "shell/main_window.h"
#include "shell/view_catalog.h"
#include "shell/view_sub_window.h"
#include "shell/view_windows.h"
#include "tests/support/test_document.h"

#include <QApplication>
#include <QScrollBar>
#include <QTableView>

#if defined(__unix__)
#include <sys/resource.h>
#endif

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <vector>

namespace {

constexpr int kRuns = 15;

using Clock = std::chrono::steady_clock;

struct Figures {
    double median;
    double best;
    double worst;
};

// prepare() runs before each timed body() and is not timed.
template <class F, class P = void (*)()>
Figures Time(
    F&& body, P&& prepare = [] {})
{
    std::vector<double> ms;
    for (int i = 0; i < kRuns; ++i) {
        prepare();
        const auto start = Clock::now();
        body(i);
        ms.push_back(std::chrono::duration<double, std::milli>(Clock::now() - start).count());
    }
    std::sort(ms.begin(), ms.end());
    return {ms[ms.size() / 2], ms.front(), ms.back()};
}

// Peak resident memory of the process; 0 where it cannot be asked.
long PeakKb()
{
#if defined(__unix__)
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_maxrss;
#else
    return 0;
#endif
}

void Print(const char* what, const Figures& f)
{
    std::printf("%-46s median %8.3f ms  best %8.3f  worst %8.3f  peak memory %ld KB\n", what, f.median, f.best, f.worst,
                PeakKb());
}

// Every channel of both banks present, names and tones varied, a plan with
// every band but 60M and 250M.
void FillImage(Document& doc)
{
    RadioImage& image = DocumentTestAccess::image(doc);
    image.fill(0xFF);
    for (int b = 0; b < BandTable::kRxBands; ++b) {
        std::uint8_t* r = image.data() + BandPlan::RecordOffset(b);
        std::fill_n(r, BandPlan::kRecordSize, 0x00);
        if (b == 2 || b == 5)
            continue;
        EncodeFreq(kFactoryRxLower[static_cast<std::size_t>(b)], r + BandPlan::kRxLower);
        EncodeFreq(kFactoryRxUpper[static_cast<std::size_t>(b)], r + BandPlan::kRxUpper);
    }
    DecodeBandPlan(image, doc.bands());
    ComputeBandEnabled(image, doc.bands());
    for (int n = 1; n <= kChannelCount; ++n) {
        const std::uint32_t rx = (n % 2 ? 14400000u : 43000000u) + static_cast<std::uint32_t>(n % 800) * 1250u;
        NewChannelRecord(doc.bands(), image, n, rx);
        const ChannelRecord r = ChannelAt(image, n);
        r.setName(QStringLiteral("CH%1").arg(n % 1000));
        r.setCtcssTenths(670 + static_cast<unsigned>(n % 50) * 10);
        r.set(ChannelLayout::kScan, static_cast<unsigned>(n % 3));
    }
}

} // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    std::printf("channel table: 800 rows x 12 columns, %d runs; peak memory at start %ld KB\n", kRuns, PeakKb());

    MainWindow frame; // opens the channel table, maximised
    FillImage(frame.document());
    frame.LoadViewsFromImage();
    frame.resize(1280, 900);
    frame.show();
    QApplication::processEvents();

    // Opening: a new window made, laid out, loaded and painted.
    const Figures open = Time(
        [&frame](int) {
            frame.views().open(ViewKind::ChannelTable);
            QApplication::processEvents();
        },
        [&frame] {
            if (ViewSubWindow* old = frame.views().subWindow(ViewKind::ChannelTable)) {
                old->close();
                QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
                QApplication::processEvents();
            }
        });

    auto* view = qobject_cast<ChannelTableView*>(frame.views().subWindow(ViewKind::ChannelTable)->view());
    if (!view) {
        std::printf("the channel table view did not open\n");
        return 1;
    }
    // Every load finds other texts than the grid holds.
    int edition = 0;
    const auto changeImage = [&edition, &frame] {
        ++edition;
        for (int n = 1; n <= 800; ++n)
            ChannelAt(DocumentTestAccess::image(frame.document()), n)
                .setName(QStringLiteral("E%1N%2").arg(edition % 10).arg(n % 1000));
    };
    const Figures load = Time([view](int) { view->LoadChannelTable(); }, changeImage);
    const Figures paintedLoad = Time(
        [view](int) {
            view->LoadChannelTable();
            view->grid()->repaint();
        },
        changeImage);
    const Figures store = Time([view](int) { view->SaveChannelTable(); });

    // Copy of all 800 rows, and their paste over the table, repainted.
    const Figures copy = Time([view](int) {
        view->grid()->selectRows(1, 800);
        view->copyChannels();
    });
    const Figures paste = Time([view](int) {
        view->grid()->selectRows(1, 1);
        view->pasteChannels();
        view->grid()->repaint();
    });

    auto* table = view->grid()->findChild<QTableView*>();
    QScrollBar* bar = table->verticalScrollBar();
    const Figures jump = Time([&](int run) {
        bar->setValue(run % 2 ? 0 : bar->maximum());
        table->viewport()->repaint();
    });
    // The scroll handling alone (editors committed and hidden), without painting.
    const Figures steps = Time([&](int) {
        bar->setValue(0);
        while (bar->value() < bar->maximum())
            bar->setValue(bar->value() + bar->pageStep());
    });
    int pages = 0;
    const Figures scroll = Time([&](int) {
        bar->setValue(0);
        table->viewport()->repaint();
        pages = 0;
        while (bar->value() < bar->maximum()) {
            bar->setValue(bar->value() + bar->pageStep());
            table->viewport()->repaint();
            ++pages;
        }
    });

    std::printf("table window %d x %d px, %d visible rows; channel 800 shows \"%s\" \"%s\"\n", view->width(),
                view->height(), bar->pageStep(), qPrintable(view->grid()->text(800, 1)),
                qPrintable(view->grid()->text(800, 11)));
    Print("open the window (close not timed)", open);
    Print("LoadChannelTable into the grid", load);
    Print("LoadChannelTable and repaint", paintedLoad);
    Print("store pass (SaveChannelTable + FixUpImage)", store);
    Print("copy 800 channels (records and CSV text)", copy);
    Print("paste 800 channels, repainted (one undo step)", paste);
    Print("scroll top <-> bottom in one move, painted", jump);
    Print("scroll top to bottom by pages, not painted", steps);
    Print("scroll top to bottom, painting each page", scroll);
    std::printf("  (%d page steps, %.3f ms per painted page)\n", pages, pages ? scroll.median / pages : 0.0);
    return 0;
}
