// The channel table's operations on whole channels: the clipboard, insert,
// remove, move and sort, each one step of the document's history.
#include "channels/channel_table_view.h"

#include "channels/core/channel_ops.h"
#include "channels/core/channel_record.h"
#include "channels/core/channel_row.h"
#include "channels/core/chirp_csv.h"
#include "channels/core/fix_up_image.h"
#include "channels/csv_report_dialog.h"
#include "codecs/decimal.h"
#include "controls/grid.h"
#include "controls/message_box.h"
#include "document/document.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QCoreApplication>
#include <QDataStream>
#include <QMenu>
#include <QMessageBox>
#include <QMimeData>

#include <algorithm>
#include <cstring>

namespace {
// The records themselves, so that a paste takes every field.
const char* const kRecordsMime = "application/x-qm4410-channels";
constexpr std::size_t kRecordSize = 32;

std::pair<int, int> Span(const std::vector<int>& channels)
{
    return {channels.front(), channels.back()};
}

// "Paste channel 12" or "Paste 5 channels": the name of an undo step.
QString StepName(const char* one, const char* many, int count, int first)
{
    return count == 1 ? QCoreApplication::translate("ChannelTableView", one).arg(first)
                      : QCoreApplication::translate("ChannelTableView", many).arg(count);
}
} // namespace

std::vector<int> ChannelTableView::selectedChannels() const
{
    std::vector<int> channels;
    for (int n : m_grid->selectedRows())
        if (n >= 1 && n <= kChannels)
            channels.push_back(n);
    return channels;
}

void ChannelTableView::createEditActions()
{
    struct Spec {
        const char* text;
        QKeySequence key;
        std::function<void()> run;
    };
    const Spec specs[] = {
        {QT_TR_NOOP("Cu&t"), QKeySequence::Cut, [this] { cutChannels(); }},
        {QT_TR_NOOP("&Copy"), QKeySequence::Copy, [this] { copyChannels(); }},
        {QT_TR_NOOP("&Paste"), QKeySequence::Paste, [this] { pasteChannels(); }},
        {QT_TR_NOOP("&Delete"), QKeySequence::Delete, [this] { deleteChannels(); }},
        {nullptr, {}, {}},
        {QT_TR_NOOP("&Insert empty channel"), QKeySequence(Qt::CTRL | Qt::Key_Insert), [this] { insertChannel(); }},
        {QT_TR_NOOP("&Remove channel"), QKeySequence(Qt::CTRL | Qt::Key_Delete), [this] { removeChannels(); }},
        {QT_TR_NOOP("Move &up"), QKeySequence(Qt::ALT | Qt::Key_Up), [this] { moveChannels(-1); }},
        {QT_TR_NOOP("Move do&wn"), QKeySequence(Qt::ALT | Qt::Key_Down), [this] { moveChannels(1); }},
        {QT_TR_NOOP("Sort by &frequency"), {}, [this] { sortChannels(ChannelOps::SortKey::Frequency); }},
        {QT_TR_NOOP("Sort by &name"), {}, [this] { sortChannels(ChannelOps::SortKey::Name); }},
        {nullptr, {}, {}}, // ends the group in the frame's Edit menu
    };
    for (const Spec& spec : specs) {
        auto* a = new QAction(this);
        if (!spec.text) {
            a->setSeparator(true);
        } else {
            a->setText(tr(spec.text));
            a->setShortcut(spec.key);
            // Only while the table has the focus: the other views keep their keys.
            a->setShortcutContext(Qt::WidgetWithChildrenShortcut);
            connect(a, &QAction::triggered, this, spec.run);
        }
        addAction(a);
        m_editActions.push_back(a);
    }
}

void ChannelTableView::showContextMenu(const QPoint& pos)
{
    QMenu menu(this);
    for (std::size_t i = 0; i + 1 < m_editActions.size(); ++i)
        menu.addAction(m_editActions[i]);
    menu.exec(m_grid->mapToGlobal(pos));
}

bool ChannelTableView::applyToChannels(const QString& stepText,
                                       const std::function<ChannelOps::Result(RadioImage&)>& operation)
{
    auto step = document().step(stepText);
    commitOpenEditor();
    writeTable(PriorityCheck::Defer); // what the grid holds first
    ChannelOps::Result result;
    {
        auto change = document().change();
        result = operation(change.image());
    }
    LoadChannelTable();
    if (result == ChannelOps::Result::ChannelOneRxOnly)
        ShowMessage(this, QMessageBox::Warning, MessageCaption(),
                    tr("Channel 1 must keep a frequency it can transmit on.\n"
                       "The channels were left as they were."));
    return result == ChannelOps::Result::Done;
}

void ChannelTableView::copyChannels()
{
    const std::vector<int> channels = selectedChannels();
    if (channels.empty())
        return;
    SaveChannelTable();
    QByteArray records;
    for (int n : channels)
        records.append(reinterpret_cast<const char*>(ChannelAt(document().image(), n).bytes()), kRecordSize);
    auto* mime = new QMimeData;
    mime->setData(QLatin1String(kRecordsMime), records);
    mime->setText(QString::fromUtf8(ExportChirpCsv(document().image(), channels, '\t')));
    QApplication::clipboard()->setMimeData(mime);
}

void ChannelTableView::cutChannels()
{
    copyChannels();
    deleteChannels();
}

void ChannelTableView::deleteChannels()
{
    const std::vector<int> channels = selectedChannels();
    if (channels.empty())
        return;
    auto step = document().step(StepName(QT_TR_NOOP("Delete channel %1"), QT_TR_NOOP("Delete %1 channels"),
                                         static_cast<int>(channels.size()), channels.front()));
    m_grid->hideEditors();
    for (int n : channels) {
        if (n == 1 || m_grid->text(n, kColumnRx).isEmpty())
            continue; // channel 1 cannot be emptied
        CommitFreqCell(n, kColumnRx, QString());
        storeRow(n);
    }
}

void ChannelTableView::pasteChannels()
{
    const std::vector<int> selected = selectedChannels();
    const QMimeData* mime = QApplication::clipboard()->mimeData();
    if (selected.empty() || !mime)
        return;
    const int first = selected.front();
    const QByteArray records = mime->data(QLatin1String(kRecordsMime));
    CsvImportResult result;
    if (!records.isEmpty() && records.size() % static_cast<int>(kRecordSize) == 0) {
        const int count = std::min<int>(static_cast<int>(records.size() / kRecordSize), kChannels - first + 1);
        applyToChannels(StepName(QT_TR_NOOP("Paste channel %1"), QT_TR_NOOP("Paste %1 channels"), count, first),
                        [&](RadioImage& image) {
                            for (int i = 0; i < count; ++i) {
                                const int n = first + i;
                                const auto* bytes =
                                    reinterpret_cast<const std::uint8_t*>(records.constData()) + i * kRecordSize;
                                const ConstChannelRecord r(bytes);
                                // What the band plan cannot hold is reported, not written.
                                if (r.hasRx() && !r.hasRxInBand(document().bands())) {
                                    result.issues.push_back({i + 1, QStringLiteral("Frequency"), FormatMHz(r.rx()),
                                                             tr("skipped: outside the band plan")});
                                    ++result.skipped;
                                    continue;
                                }
                                if (!r.hasRx() && n == 1)
                                    continue;
                                if (n == 1 && !ChannelOps::FitsChannelOne(document().bands(), bytes)) {
                                    result.issues.push_back({i + 1, QStringLiteral("Frequency"), FormatMHz(r.rx()),
                                                             tr("skipped: channel 1 must be able to transmit")});
                                    ++result.skipped;
                                    continue;
                                }
                                std::memcpy(image.data() + ImageMap::ChannelOffset(static_cast<std::uint32_t>(n)),
                                            bytes, kRecordSize);
                                ++result.taken;
                            }
                            // The bitmaps and the structures that follow the channels.
                            FixUpImage(document().bands(), image, PriorityCheck::Defer);
                            return ChannelOps::Result::Done;
                        });
        result.ok = true;
    } else if (mime->hasText()) {
        CsvImportOptions options;
        options.firstChannel = first;
        options.priority = PriorityCheck::Defer;
        const QByteArray text = mime->text().toUtf8();
        applyToChannels(tr("Paste channels"), [&](RadioImage& image) {
            result = ImportChirpCsv(text, document().bands(), image, options);
            // Rows copied from a spreadsheet without their heading row: the
            // columns are taken to be in the order a copy writes them.
            const QString firstLine = mime->text().section(QLatin1Char('\n'), 0, 0);
            if (!result.ok && !firstLine.contains(QStringLiteral("Frequency"), Qt::CaseInsensitive))
                result =
                    ImportChirpCsv(ChirpCsvHeader('\t').toUtf8() + "\r\n" + text, document().bands(), image, options);
            return ChannelOps::Result::Done;
        });
    } else {
        return;
    }
    report(result);
}

void ChannelTableView::report(const CsvImportResult& result)
{
    if (result.ok && result.issues.empty())
        return;
    if (showReport) {
        showReport(result);
        return;
    }
    CsvReportDialog dlg(result, this);
    dlg.exec();
}

void ChannelTableView::insertChannel()
{
    const std::vector<int> channels = selectedChannels();
    if (channels.empty())
        return;
    const int n = channels.front();
    if (ChannelAt(document().image(), kChannels).hasRx() && !m_grid->text(kChannels, kColumnRx).isEmpty()) {
        ShowMessage(this, QMessageBox::Warning, MessageCaption(),
                    tr("Channel %1 is not empty and would be pushed off the end of the table.\n"
                       "Remove or move it first.")
                        .arg(kChannels));
        return;
    }
    applyToChannels(tr("Insert channel %1").arg(n),
                    [&](RadioImage& image) { return ChannelOps::InsertEmpty(document().bands(), image, n); });
    m_grid->setCurrentCell(n, std::max(m_grid->col(), static_cast<int>(kColumnRx)));
}

void ChannelTableView::removeChannels()
{
    const std::vector<int> channels = selectedChannels();
    if (channels.empty())
        return;
    const auto span = Span(channels);
    const int first = span.first;
    const int last = span.second;
    applyToChannels(
        StepName(QT_TR_NOOP("Remove channel %1"), QT_TR_NOOP("Remove %1 channels"), last - first + 1, first),
        [&](RadioImage& image) { return ChannelOps::Remove(document().bands(), image, first, last); });
}

void ChannelTableView::moveChannels(int delta)
{
    const std::vector<int> channels = selectedChannels();
    if (channels.empty())
        return;
    const auto span = Span(channels);
    const int first = span.first;
    const int last = span.second;
    if ((delta < 0 && first == 1) || (delta > 0 && last == kChannels))
        return;
    if (!applyToChannels(
            StepName(QT_TR_NOOP("Move channel %1"), QT_TR_NOOP("Move %1 channels"), last - first + 1, first),
            [&](RadioImage& image) { return ChannelOps::MoveBlock(document().bands(), image, first, last, delta); }))
        return;
    m_grid->setCurrentCell(first + delta, std::max(m_grid->col(), static_cast<int>(kColumnRx)));
    m_grid->selectRows(first + delta, last + delta);
}

void ChannelTableView::sortChannels(ChannelOps::SortKey key)
{
    std::vector<int> channels = selectedChannels();
    // One row selected: the whole table.
    if (channels.size() < 2)
        channels = {1, kChannels};
    const auto span = Span(channels);
    const int first = span.first;
    const int last = span.second;
    applyToChannels(StepName(QT_TR_NOOP("Sort channel %1"), QT_TR_NOOP("Sort %1 channels"), last - first + 1, first),
                    [&](RadioImage& image) { return ChannelOps::Sort(document().bands(), image, first, last, key); });
    m_grid->selectRows(first, last);
}
