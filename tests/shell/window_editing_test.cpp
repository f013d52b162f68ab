// Editing in the real main window with the real views, as a user does it:
// clicks into grid cells, typing, drop-down lists, focus moving from field to
// field, switching views, then a save whose file is checked byte for byte.
// The store on leaving a field, the undo steps and the modified mark are
// shared by every view; here they are exercised where they all meet.
#include "channels/channel_table_view.h"
#include "channels/core/channel_record.h"
#include "channels/core/chirp_csv.h"
#include "channels/core/fix_up_image.h"
#include "controls/cell_combo.h"
#include "controls/cell_drop_list.h"
#include "controls/cell_editor.h"
#include "controls/cell_line_edit.h"
#include "controls/char_input_filter.h"
#include "controls/grid.h"
#include "controls/grid_model.h"
#include "document/image_fields.h"
#include "document/param_file.h"
#include "settings/core/dtmf_rules.h"
#include "settings/core/setting_fields.h"
#include "settings/dtmf_code_page.h"
#include "shell/commands.h"
#include "shell/document_files.h"
#include "shell/document_history.h"
#include "shell/edit_steps.h"
#include "shell/main_window.h"
#include "shell/view_sub_window.h"
#include "shell/view_windows.h"
#include "signalling/core/five_tone_records.h"
#include "signalling/core/two_tone_records.h"
#include "signalling/two_tone_contact_page.h"
#include "signalling/two_tone_view.h"
#include "tests/support/modal_answerer.h"
#include "tests/support/program_folder.h"
#include "tests/support/scripted_desktop.h"
#include "tests/support/test_document.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QTabWidget>
#include <QTableView>
#include <QTimer>
#include <QTreeWidget>
#include <QUndoStack>
#include <QtTest>

#include <functional>
#include <memory>

namespace {

QTableView* TableOf(Grid* grid)
{
    return grid->findChild<QTableView*>();
}

void ClickCell(Grid* grid, int row, int col)
{
    QTableView* table = TableOf(grid);
    const QModelIndex index = grid->model()->indexOf(row, col);
    table->scrollTo(index);
    QTest::mouseClick(table->viewport(), Qt::LeftButton, {}, table->visualRect(index).center());
    QTest::qWait(5); // the deferred work of the focus move runs
}

// What the user's keys reach: the widget with the focus, not the editor the test expects.
QWidget* Focused()
{
    return QApplication::focusWidget();
}

} // namespace

class WindowEditingTest : public QObject {
    Q_OBJECT

    ProgramFolder m_folder;
    ScriptedDesktop m_desktop; // outlives the window that asks it
    std::unique_ptr<MainWindow> m_frame;
    QString m_saveAs;

    RadioImage& image() { return DocumentTestAccess::image(m_frame->document()); }
    QUndoStack* undo() { return m_frame->history().stack(); }

    // Saves through File > Save As and returns the image part of the file.
    QByteArray saved()
    {
        m_saveAs = m_folder.file(QStringLiteral("edited.dat"));
        QFile::remove(m_saveAs);
        if (!m_frame->files().SaveDocumentAs())
            return {};
        QFile f(m_saveAs);
        if (!f.open(QIODevice::ReadOnly))
            return {};
        return f.readAll().mid(int(kHeaderSize));
    }
    static const std::uint8_t* at(const QByteArray& file, std::uint32_t address)
    {
        return reinterpret_cast<const std::uint8_t*>(file.constData()) + address;
    }

    // Types into a cell: a click opens its editor, the keys go wherever the
    // focus is, Enter commits.
    void typeInto(Grid* grid, int row, int col, const QString& text)
    {
        ClickCell(grid, row, col);
        QVERIFY2(grid->openEditor(), "no editor opened");
        QCOMPARE(Focused(), grid->openEditor());
        QTest::keyClicks(Focused(), text);
        QTest::qWait(5);
        QVERIFY2(grid->openEditor(), "the editor closed while typing");
        QTest::keyClick(Focused(), Qt::Key_Return);
        QTest::qWait(5);
    }
    // Picks from a cell's drop-down as a mouse user does: the list opens
    // (the focus goes into it), an item is chosen, the list closes, and a
    // click elsewhere in the grid commits.
    void pickInto(Grid* grid, int row, int col, const QString& item)
    {
        ClickCell(grid, row, col);
        auto* combo = qobject_cast<QComboBox*>(grid->openEditor());
        QVERIFY2(combo, "no drop-down opened");
        combo->showPopup();
        QTest::qWait(10);
        QVERIFY2(grid->openEditor() == combo, "the drop-down closed as its list opened");
        QAbstractItemView* list = combo->view();
        const int i = combo->findText(item);
        QVERIFY(i >= 0);
        list->setCurrentIndex(list->model()->index(i, 0));
        QTest::keyClick(list, Qt::Key_Return);
        QTest::qWait(10);
        QVERIFY2(grid->openEditor() == combo, "the drop-down closed with its list");
        QCOMPARE(combo->currentText(), item);
        QTest::keyClick(Focused(), Qt::Key_Return);
        QTest::qWait(5);
    }

    // Opens a file made from the factory defaults with changes of the test's own.
    void openMade(const std::function<void(RadioImage&)>& change)
    {
        QFile def(m_folder.file(QStringLiteral("Default.dat")));
        QVERIFY(def.open(QIODevice::ReadOnly));
        QByteArray bytes = def.readAll();
        auto made = std::make_unique<RadioImage>();
        std::copy(bytes.begin() + int(kHeaderSize), bytes.end(), made->begin());
        change(*made);
        std::copy(made->begin(), made->end(), bytes.begin() + int(kHeaderSize));
        const QString path = m_folder.file(QStringLiteral("made.dat"));
        QFile out(path);
        QVERIFY(out.open(QIODevice::WriteOnly | QIODevice::Truncate));
        out.write(bytes);
        out.close();
        QVERIFY(m_frame->files().openFile(path));
        QVERIFY(!m_frame->document().isModified());
    }
    ChannelTableView* channelTable()
    {
        ViewSubWindow* f = open(Cmd::ChannelSetting);
        return f ? qobject_cast<ChannelTableView*>(f->view()) : nullptr;
    }
    QAction* tableAction(ChannelTableView* table, const QString& text)
    {
        for (QAction* a : table->editActions())
            if (a->text().remove(QLatin1Char('&')) == text)
                return a;
        qFatal("no action %s", qPrintable(text));
    }
    void selectRow(ChannelTableView* table, int row)
    {
        table->grid()->setCurrentCell(row, 1);
        table->grid()->selectRows(row, row);
        TableOf(table->grid())->setFocus();
    }

    // The title as the window manager shows it.
    QString shownTitle() const
    {
        return m_frame->windowTitle().replace(QStringLiteral("[*]"),
                                              m_frame->isWindowModified() ? QStringLiteral("*") : QString());
    }
    QString treeSelection() const
    {
        QTreeWidgetItem* item = m_frame->views().tree()->currentItem();
        return item && item->isSelected() ? item->text(0) : QString();
    }
    void clickTree(const QString& label)
    {
        QTreeWidgetItem* root = m_frame->views().tree()->topLevelItem(0);
        for (int i = 0; i < root->childCount(); ++i)
            if (root->child(i)->text(0) == label) {
                QTreeWidget* tree = m_frame->views().tree();
                tree->scrollToItem(root->child(i));
                QTest::mouseClick(tree->viewport(), Qt::LeftButton, {}, tree->visualItemRect(root->child(i)).center());
                QTest::qWait(5);
                return;
            }
        qFatal("no tree item %s", qPrintable(label));
    }
    void ctrlTab()
    {
        QWidget* target = Focused() ? Focused() : m_frame.get();
        QTest::keyPress(target, Qt::Key_Tab, Qt::ControlModifier);
        QTest::keyRelease(Focused() ? Focused() : m_frame.get(), Qt::Key_Control, Qt::NoModifier);
        QTest::qWait(10);
    }

    // A form's drop-down as a mouse user works it: a click, the list, an item.
    void pickFrom(QComboBox* combo, const QString& item)
    {
        QTest::mouseClick(combo, Qt::LeftButton);
        QTest::qWait(10);
        QAbstractItemView* list = combo->view();
        QVERIFY(list->isVisible());
        const int i = combo->findText(item);
        QVERIFY(i >= 0);
        list->setCurrentIndex(list->model()->index(i, 0));
        QTest::keyClick(list, Qt::Key_Return);
        QTest::qWait(10);
        QCOMPARE(combo->currentText(), item);
    }
    // A click into a form's edit box, the text typed over what it held, Tab.
    void typeIntoField(QLineEdit* edit, const QString& text)
    {
        QTest::mouseClick(edit, Qt::LeftButton);
        QTest::qWait(5);
        QCOMPARE(Focused(), edit);
        QTest::keyClick(Focused(), Qt::Key_A, Qt::ControlModifier);
        QTest::keyClicks(Focused(), text);
        QTest::keyClick(Focused(), Qt::Key_Tab);
        QTest::qWait(5);
    }

    ViewSubWindow* open(int command)
    {
        m_frame->runCommand(command);
        QTest::qWait(5);
        return qobject_cast<ViewSubWindow*>(m_frame->views().area()->activeSubWindow());
    }

private slots:
    void initTestCase() { QVERIFY(m_folder.isValid()); }

    void init()
    {
        m_frame = std::make_unique<MainWindow>(MakeProgramView, &m_desktop);
        m_desktop.saveFileAnswer = [this](const QString&) { return m_saveAs; };
        m_frame->show();
        QApplication::setActiveWindow(m_frame.get());
        QVERIFY(QTest::qWaitForWindowActive(m_frame.get()));
    }
    void cleanup()
    {
        m_frame->document().markUnmodified();
        m_frame.reset();
        m_desktop = ScriptedDesktop(); // answers hold the test's locals
    }

    // Every grid of the window takes typing and its drop-downs keep their
    // choice; each committed cell is one undo step; the file has the values.
    void everyGridTakesTypingAndItsDropDowns()
    {
        // Channel table: a new channel typed into an empty row, its power picked.
        auto* table = qobject_cast<ChannelTableView*>(open(Cmd::ChannelSetting)->view());
        QVERIFY(table);
        int steps = undo()->count();
        typeInto(table->grid(), 3, 1, QStringLiteral("145.52"));
        QCOMPARE(undo()->count(), ++steps);
        pickInto(table->grid(), 3, 7, QStringLiteral("Low"));
        QCOMPARE(undo()->count(), ++steps);
        pickInto(table->grid(), 3, 4, QStringLiteral("88.5")); // the tone list also takes typing
        QCOMPARE(undo()->count(), ++steps);

        // DTMF code table: a type picked, then the number typed over the default.
        ViewSubWindow* dtmfFrame = open(Cmd::Dtmf);
        QVERIFY(dtmfFrame);
        auto* codes = dtmfFrame->view()->findChild<DtmfCodePage*>();
        QVERIFY(codes);
        steps = undo()->count();
        pickInto(codes->grid(), 2, 1, QStringLiteral("ANI"));
        QCOMPARE(undo()->count(), ++steps);
        typeInto(codes->grid(), 2, 2, QStringLiteral("4711"));
        QCOMPARE(undo()->count(), ++steps);

        // Two-tone call list: a first tone typed, the format picked.
        ViewSubWindow* twoFrame = open(Cmd::TwoTone);
        auto* two = qobject_cast<TwoToneView*>(twoFrame->view());
        QVERIFY(two);
        two->tabs()->setCurrentWidget(two->contactPage());
        Grid* calls = two->contactPage()->grid();
        steps = undo()->count();
        typeInto(calls, 1, TwoToneContactPage::First, QStringLiteral("1000"));
        QCOMPARE(undo()->count(), ++steps);
        pickInto(calls, 1, TwoToneContactPage::Format, QStringLiteral("Single"));
        QCOMPARE(undo()->count(), ++steps);

        // Five-tone contacts: one chosen from the list, its fields typed and
        // picked, then another chosen, which keeps the first.
        ViewSubWindow* fiveFrame = open(Cmd::FiveTone);
        QVERIFY(fiveFrame);
        QWidget* five = fiveFrame->view();
        pickFrom(five->findChild<QComboBox*>(QStringLiteral("1045")), QStringLiteral("3"));
        typeIntoField(five->findChild<QLineEdit*>(QStringLiteral("1005")), QStringLiteral("BASE"));
        pickFrom(five->findChild<QComboBox*>(QStringLiteral("1262")), QStringLiteral("ANI"));
        typeIntoField(five->findChild<QLineEdit*>(QStringLiteral("1092")), QStringLiteral("12345"));
        pickFrom(five->findChild<QComboBox*>(QStringLiteral("1045")), QStringLiteral("4"));

        const QByteArray file = saved();
        QCOMPARE(file.size(), int(kImageSize));
        const ConstChannelRecord channel(at(file, ImageMap::ChannelOffset(3)));
        QCOMPARE(channel.rx(), 14552000u);
        QCOMPARE(channel.get(ChannelLayout::kTxPower), 0u);
        QCOMPARE(channel.ctcssTenths(), 885u);
        const DtmfCodeRow code = DecodeCodeRecord(at(file, DtmfMap::CodeRecord(2)));
        QCOMPARE(code.type, QStringLiteral("ANI"));
        QCOMPARE(code.num, QStringLiteral("4711"));
        RadioImage fileImage{};
        std::copy(file.begin(), file.end(), fileImage.begin());
        const TwoToneCall call = ReadTwoToneCall(fileImage, 0);
        QCOMPARE(call.first, QStringLiteral("1000.0"));
        QCOMPARE(call.format, QStringLiteral("Single"));
        const FiveToneContact contact = ReadFiveToneContact(fileImage, 2);
        QCOMPARE(contact.alias, QStringLiteral("BASE"));
        QCOMPARE(contact.codeType, 1);
        QCOMPARE(contact.code, QStringLiteral("12345"));
    }

    // A priority channel is cleared only when its channel is empty at the
    // store pass: emptied and filled again by any edit, it keeps its number.
    void priorityChannelsSurviveEditsThatRestoreTheirChannel()
    {
        openMade([](RadioImage& image) {
            const BandTable bands = BandTable::factory();
            NewChannelRecord(bands, image, 2, 14550000);
            NewChannelRecord(bands, image, 802, 14550000);
            WriteWord(image, FixUpLayout::kLeftPriority, 2);
            WriteWord(image, FixUpLayout::kRightPriority, 2);
        });
        ChannelTableView* table = channelTable();
        QVERIFY(table);
        auto priorities = [](const QByteArray& file) {
            return std::pair(int(at(file, 0xCC18)[0] | at(file, 0xCC19)[0] << 8),
                             int(at(file, 0xCC1A)[0] | at(file, 0xCC1B)[0] << 8));
        };

        // Cleared and typed again.
        ClickCell(table->grid(), 2, 1);
        QTest::keyClick(Focused(), Qt::Key_Delete);
        QTest::keyClick(Focused(), Qt::Key_Return);
        QVERIFY(table->grid()->text(2, 1).isEmpty());
        typeInto(table->grid(), 2, 1, QStringLiteral("145.5"));
        QByteArray file = saved();
        QCOMPARE(priorities(file), std::pair(2, 2));

        // Copied, deleted, pasted back: the bitmaps show it at once.
        selectRow(table, 2);
        tableAction(table, QStringLiteral("Copy"))->trigger();
        tableAction(table, QStringLiteral("Delete"))->trigger();
        QVERIFY(!ChannelAt(image(), 2).hasRx());
        tableAction(table, QStringLiteral("Paste"))->trigger();
        QVERIFY(ChannelAt(image(), 2).hasRx());
        QCOMPARE(image()[0xCC80] & 0x02, 0x02);
        QCOMPARE(ReadWord(image(), FixUpLayout::kLeftPriority), 2u);
        file = saved();
        QCOMPARE(priorities(file), std::pair(2, 2));

        // Emptied for good: the store pass clears the left one.
        tableAction(table, QStringLiteral("Delete"))->trigger();
        file = saved();
        QCOMPARE(priorities(file), std::pair(0, 2));
    }

    // The title's mark and the tree follow the document and the view in
    // front, however the view was brought forward.
    void theMarkAndTheTreeFollowEverySwitch()
    {
        ChannelTableView* table = channelTable();
        QVERIFY(table);
        QVERIFY(!shownTitle().contains(QLatin1Char('*')));
        typeInto(table->grid(), 3, 1, QStringLiteral("145.52"));
        QVERIFY(shownTitle().contains(QLatin1Char('*')));

        clickTree(QStringLiteral("DTMF"));
        QCOMPARE(m_frame->views().area()->activeSubWindow(), m_frame->views().subWindow(ViewKind::Dtmf));
        QVERIFY2(shownTitle().contains(QLatin1Char('*')), qPrintable(shownTitle()));
        QCOMPARE(treeSelection(), QStringLiteral("DTMF"));

        m_frame->commandAction(Cmd::BasicSetting)->trigger();
        QTest::qWait(5);
        QVERIFY2(shownTitle().contains(QLatin1Char('*')), qPrintable(shownTitle()));
        QCOMPARE(treeSelection(), QStringLiteral("Basic setting"));

        for (int i = 0; i < 3; ++i) {
            ctrlTab();
            const auto* active = m_frame->views().area()->activeSubWindow();
            QVERIFY(active);
            QVERIFY2(shownTitle().contains(QLatin1Char('*')), qPrintable(shownTitle()));
            QCOMPARE(treeSelection(), active->windowTitle());
        }

        // After a dialog opened from the tree, the tree shows the view in front again.
        ModalAnswerer answerer;
        answerer.onModal = [](QWidget* w) { QTimer::singleShot(0, w, [w] { w->close(); }); };
        const QString front = m_frame->views().area()->activeSubWindow()->windowTitle();
        clickTree(QStringLiteral("Frequency range"));
        QCOMPARE(treeSelection(), front);

        // Undone back to the file: no mark, whichever view is in front.
        while (undo()->canUndo())
            m_frame->steps().undo();
        QVERIFY(!m_frame->document().isModified());
        QVERIFY2(!shownTitle().contains(QLatin1Char('*')), qPrintable(shownTitle()));
        ctrlTab();
        QVERIFY2(!shownTitle().contains(QLatin1Char('*')), qPrintable(shownTitle()));
    }

    // Looking is not editing: every view and dialog opened, left and closed
    // without an edit leaves the document unmodified and the history empty.
    void viewsAndDialogsOpenedAndClosedUneditedChangeNothing()
    {
        ModalAnswerer answerer;
        answerer.onModal = [](QWidget* w) { QTimer::singleShot(0, w, [w] { w->close(); }); };
        m_frame->enterServiceMode();
        const auto unchanged = [this](const char* what) {
            if (m_frame->document().isModified() || undo()->count() != 0 || shownTitle().contains(QLatin1Char('*')))
                QFAIL(qPrintable(QStringLiteral("%1: modified %2, %3 steps (%4)")
                                     .arg(QLatin1String(what))
                                     .arg(m_frame->document().isModified())
                                     .arg(undo()->count())
                                     .arg(undo()->text(0))));
        };
        unchanged("start");
        const int views[] = {Cmd::ChannelSetting, Cmd::ScanChannel, Cmd::BasicSetting, Cmd::Dtmf,
                             Cmd::TwoTone,        Cmd::FiveTone,    Cmd::Model,        Cmd::Alarm};
        for (int command : views) {
            QVERIFY(open(command));
            unchanged(qPrintable(QStringLiteral("view %1 opened").arg(command)));
        }
        for (int command : {Cmd::Vfo, Cmd::FrequencyRange, Cmd::CustomData}) {
            m_frame->runCommand(command);
            QTest::qWait(5);
            unchanged(qPrintable(QStringLiteral("dialog %1 closed").arg(command)));
        }
        ChannelTableView* table = channelTable();
        QTest::mouseClick(table->channelEditButton(), Qt::LeftButton);
        QTest::qWait(5);
        unchanged("channel edit dialog closed");
        for (int i = 0; i < 10; ++i)
            ctrlTab();
        unchanged("views switched");
        while (QMdiSubWindow* w = m_frame->views().area()->activeSubWindow()) {
            w->close();
            QTest::qWait(5);
        }
        unchanged("views closed");
    }

    // No row operation gives channel 1 a frequency it cannot transmit on.
    void rowOperationsKeepChannelOneAbleToTransmit()
    {
        openMade([](RadioImage& image) {
            const BandTable bands = BandTable::factory();
            NewChannelRecord(bands, image, 1, 14600000);
            NewChannelRecord(bands, image, 2, 2700000);  // CB
            NewChannelRecord(bands, image, 3, 8800000);  // broadcast
            NewChannelRecord(bands, image, 4, 11800000); // airband
            NewChannelRecord(bands, image, 5, 44600000);
        });
        ChannelTableView* table = channelTable();
        QVERIFY(table);
        ModalAnswerer answerer;
        QList<CsvImportResult> reports;
        table->showReport = [&](const CsvImportResult& r) { reports << r; };
        const auto rxOf = [this](int n) { return ChannelAt(image(), n).rx(); };

        selectRow(table, 2);
        tableAction(table, QStringLiteral("Move up"))->trigger();
        QCOMPARE(answerer.messages.size(), 1);
        QCOMPARE(rxOf(1), 14600000u);
        QCOMPARE(rxOf(2), 2700000u);

        selectRow(table, 1);
        tableAction(table, QStringLiteral("Remove channel"))->trigger();
        QCOMPARE(answerer.messages.size(), 2);
        QCOMPARE(rxOf(1), 14600000u);

        // Sorted: the lowest frequency channel 1 can transmit on comes first.
        selectRow(table, 1);
        tableAction(table, QStringLiteral("Sort by frequency"))->trigger();
        QCOMPARE(rxOf(1), 14600000u);
        QCOMPARE(rxOf(2), 2700000u);
        QCOMPARE(rxOf(3), 8800000u);
        QCOMPARE(rxOf(4), 11800000u);
        QCOMPARE(rxOf(5), 44600000u);

        // The airband record pasted over channel 1 is refused and reported.
        selectRow(table, 4);
        tableAction(table, QStringLiteral("Copy"))->trigger();
        selectRow(table, 1);
        tableAction(table, QStringLiteral("Paste"))->trigger();
        QCOMPARE(reports.size(), 1);
        QCOMPARE(reports[0].skipped, 1);
        QCOMPARE(rxOf(1), 14600000u);

        const QByteArray file = saved();
        QCOMPARE(ConstChannelRecord(at(file, ImageMap::ChannelOffset(1))).rx(), 14600000u);
        QCOMPARE(answerer.messages.size(), 2);
    }
};

QTEST_MAIN(WindowEditingTest)
#include "window_editing_test.moc"
