// Times loading the channel table's 800 x 12 cells into the grid, with
// redraw switched off as the views do and, for comparison, with it on; and
// the layout calls of the table's setup. Prints its figures; it passes or
// fails nothing. Runs offscreen unless a platform is chosen.
#include "controls/grid.h"

#include <QApplication>
#include <QString>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <vector>

namespace {

constexpr int kRows = 801;
constexpr int kCols = 12;
constexpr int kRuns = 15;

using Clock = std::chrono::steady_clock;

double Ms(Clock::duration d)
{
    return std::chrono::duration<double, std::milli>(d).count();
}

struct Figures {
    double median;
    double best;
    double worst;
};

template <class F> Figures Time(F&& body)
{
    std::vector<double> ms;
    for (int i = 0; i < kRuns; ++i) {
        const auto start = Clock::now();
        body(i);
        ms.push_back(Ms(Clock::now() - start));
    }
    std::sort(ms.begin(), ms.end());
    return {ms[ms.size() / 2], ms.front(), ms.back()};
}

void Print(const char* what, const Figures& f)
{
    std::printf("%-44s median %8.3f ms  best %8.3f  worst %8.3f\n", what, f.median, f.best, f.worst);
}

// Texts as a channel table has them; a different set per run so that no
// run finds its texts already in place.
std::vector<QString> CellTexts(int run)
{
    std::vector<QString> texts;
    texts.reserve(static_cast<size_t>(kRows) * kCols);
    for (int r = 1; r < kRows; ++r)
        for (int c = 0; c < kCols; ++c)
            texts.push_back(c == 0 ? QString::number(r) : QString::asprintf("%3.5f", 100.0 + r * 0.0125 + c + run));
    return texts;
}

void Load(Grid& grid, const std::vector<QString>& texts)
{
    size_t i = 0;
    for (int r = 1; r < kRows; ++r)
        for (int c = 0; c < kCols; ++c)
            grid.setText(r, c, texts[i++]);
}

} // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);

    Grid grid;
    grid.resize(1000, 700);
    grid.show(); // the views lay their grids out on first display
    QApplication::processEvents();
    const Figures setup = Time([&grid](int run) {
        grid.setShape(2, 2, 1, 1);
        grid.setShape(kRows, kCols, 1, 1);
        grid.setColWidth(0, 500 + run);
        for (int c = 1; c < kCols; ++c)
            grid.setColWidth(c, 1100);
        for (int r = 0; r < kRows; ++r)
            grid.setRowHeight(r, 300);
    });
    QApplication::processEvents();

    std::vector<std::vector<QString>> texts;
    texts.reserve(2 * static_cast<std::size_t>(kRuns));
    for (int run = 0; run < 2 * kRuns; ++run)
        texts.push_back(CellTexts(run));

    const Figures off = Time([&](int run) {
        grid.setRedraw(false);
        Load(grid, texts[static_cast<size_t>(run)]);
        grid.setRedraw(true);
    });
    const Figures paint = Time([&](int) { grid.repaint(); });
    const Figures on = Time([&](int run) { Load(grid, texts[static_cast<size_t>(kRuns) + static_cast<size_t>(run)]); });

    std::printf("grid %d x %d, %d setText calls per load, %d runs, logical dpi %d\n", kRows, kCols, (kRows - 1) * kCols,
                kRuns, grid.logicalDpiX());
    Print("setup (shape, widths, 801 row heights)", setup);
    Print("load with redraw off (incl. switching on)", off);
    Print("load with redraw on", on);
    Print("repaint of the visible table", paint);
    return 0;
}
