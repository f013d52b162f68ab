// 10,000 single-cell edits of the channel table's bytes, then undo all and
// redo all through the document's history: time per step and the memory the
// history holds.
#include "channels/core/channel_record.h"
#include "document/document.h"
#include "shell/document_history.h"

#include <QCoreApplication>
#include <QUndoStack>

#include <sys/resource.h>

#include <chrono>
#include <cstdio>

namespace {
constexpr int kEdits = 10000;

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
    QCoreApplication app(argc, argv);
    Document doc;
    DocumentHistory history(doc);
    const long before = PeakKb();

    // A cell edit: one channel's name, as the table's store writes it.
    const double edit = MsPerStep([&doc](int i) {
        auto c = doc.change();
        ChannelAt(c.image(), 1 + i % 800).setName(QStringLiteral("E%1").arg(i % 100000));
    });
    const double undo = MsPerStep([&history](int) { history.stack()->undo(); });
    const double redo = MsPerStep([&history](int) { history.stack()->redo(); });

    std::printf("%d single-cell edits, undo all, redo all\n", kEdits);
    std::printf("edit  %.4f ms per step\nundo  %.4f ms per step\nredo  %.4f ms per step\n", edit, undo, redo);
    std::printf("steps %d, bytes held by the steps %zu KB, peak memory growth %ld KB\n", history.stack()->count(),
                history.byteCount() / 1024, PeakKb() - before);
    return history.stack()->count() == kEdits ? 0 : 1;
}
