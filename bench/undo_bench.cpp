// 10,000 single-cell edits in the channel table of the real main window (a
// name typed and committed, each one step of the history), then undo all and
// redo all as Edit > Undo and Redo do it, views reloaded each time. Prints
// the time per step and the memory the history holds.
#include "channels/channel_table_view.h"
#include "channels/core/channel_row.h"
#include "controls/cell_combo.h"
#include "controls/cell_drop_list.h"
#include "controls/cell_editor.h"
#include "controls/cell_line_edit.h"
#include "controls/char_input_filter.h"
#include "controls/grid.h"
#include "shell/core/app_settings.h"
#include "shell/document_history.h"
#include "shell/edit_steps.h"
#include "shell/main_window.h"
#include "shell/view_sub_window.h"
#include "shell/view_windows.h"

#include <QApplication>
#include <QUndoStack>

#include <malloc.h>
#include <sys/resource.h>

#include <chrono>
#include <cstdio>

namespace {
constexpr int kEdits = 10000;

// Heap in use: what the history holds is the growth over the edits.
std::size_t HeapBytes()
{
    return mallinfo2().uordblks;
}

long PeakKb()
{
    rusage u{};
    getrusage(RUSAGE_SELF, &u);
    return u.ru_maxrss;
}

template <typename F> double MsPerStep(F&& f)
{
    const auto start = std::chrono::steady_clock::now();
    for (int i = 0; i < kEdits; ++i)
        f(i);
    const std::chrono::duration<double, std::milli> took = std::chrono::steady_clock::now() - start;
    return took.count() / kEdits;
}
} // namespace

int main(int argc, char** argv)
{
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    ResetBuiltInSettings();
    ReadStartupSettings(QCoreApplication::applicationDirPath() + QStringLiteral("/../bin/"));
    MainWindow frame;
    frame.show();
    auto* table = static_cast<ChannelTableView*>(frame.views().subWindow(ViewKind::ChannelTable)->view());
    Grid* grid = table->grid();
    CellLineEdit* editor = table->nameEditor();
    const long before = PeakKb();
    const std::size_t heapBefore = HeapBytes();

    // Channel 1 always exists, so every name sticks.
    const double edit = MsPerStep([&](int i) {
        grid->setCurrentCell(1, kColumnName);
        grid->placeEditor(editor);
        editor->setCellText(QStringLiteral("E%1").arg(i % 100000));
        editor->commitEdit();
    });
    const std::size_t heapHeld = HeapBytes() - heapBefore;
    QUndoStack* stack = frame.history().stack();
    const int steps = stack->count();
    const double undo = MsPerStep([&frame](int) { frame.steps().undo(); });
    const double redo = MsPerStep([&frame](int) { frame.steps().redo(); });

    std::printf("%d single-cell edits in the channel table, undo all, redo all (views reloaded)\n", kEdits);
    std::printf("edit  %.4f ms per step\nundo  %.4f ms per step\nredo  %.4f ms per step\n", edit, undo, redo);
    std::printf("steps %d, changed bytes held %zu KB, heap held by the history %zu KB, peak memory growth %ld KB\n",
                steps, frame.history().byteCount() / 1024, heapHeld / 1024, PeakKb() - before);
    return steps == kEdits ? 0 : 1;
}
