// The main window driven as a user would: views opening and switching, the
// load and store passes, the File commands, Read and Write through the real
// transfer dialog, the tree, and the service mode.
#include "controls/base_form_view.h"
#include "controls/message_box.h"
#include "document/param_file.h"
#include "link/core/loopback_port.h"
#include "link/core/port_factory.h"
#include "link/core/sim_radio.h"
#include "link/core/steady_link_clock.h"
#include "link/transfer_dialog.h"
#include "shell/app_icons.h"
#include "shell/commands.h"
#include "shell/core/app_settings.h"
#include "shell/document_files.h"
#include "shell/main_window.h"
#include "shell/program_app.h"
#include "shell/radio_transfers.h"
#include "shell/service_access_dialog.h"
#include "shell/view_sub_window.h"
#include "shell/view_windows.h"
#include "tests/support/modal_answerer.h"
#include "tests/support/scripted_desktop.h"
#include "tests/support/test_document.h"
#include "tests/support/url_catcher.h"

#include <QComboBox>
#include <QDesktopServices>
#include <QDockWidget>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QPushButton>
#include <QScreen>
#include <QSettings>
#include <QStandardPaths>
#include <QStatusBar>
#include <QTemporaryDir>
#include <QToolBar>
#include <QTreeWidget>
#include <QtTest>

#include <memory>

#include "tests/shell/window_fixture.h"

class MainWindowTest : public WindowFixture {
    Q_OBJECT

private slots:
    void initTestCase() { setUpProgramFolder("main_window_test"); }
    void init() { makeWindow(); }
    void cleanup() { dropWindow(); }

    void startsAsTheProgramDescribesIt()
    {
        // A maximised view adds " - [title]" to the frame's title, as MDI frames do.
        QCOMPARE(shownTitle(), QStringLiteral("QM4410 - [Channel setting]"));
        QCOMPARE(m_frame->comPane()->text(), QStringLiteral("COM3"));
        QTreeWidgetItem* root = m_frame->views().tree()->topLevelItem(0);
        QCOMPARE(root->text(0), QStringLiteral("QM4410"));
        QVERIFY(root->isExpanded());
        QStringList labels;
        for (int i = 0; i < root->childCount(); ++i)
            labels << root->child(i)->text(0);
        QCOMPARE(labels, (QStringList{"Channel setting", "VFO", "Scan channel", "Basic setting", "DTMF", "2Tone",
                                      "5Tone", "Model", "Frequency range"}));
        for (QAction* a : m_frame->editMenu()->actions())
            QVERIFY(a->text() != QStringLiteral("Custom Data"));
        // The channel table opened maximised, loaded from the factory defaults.
        ViewSubWindow* table = m_frame->views().subWindow(ViewKind::ChannelTable);
        QVERIFY(table);
        QVERIFY(table->isMaximized());
        QCOMPARE(table->windowTitle(), QStringLiteral("Channel setting"));
        QCOMPARE(ViewOf(table)->edit->text(), QString::number(image()[kShared]));
        QCOMPARE(image()[0x0103], 0x14);                                // channel 1 of Default.dat: 145 MHz
        QVERIFY(m_frame->commandAction(Cmd::ScanChannel)->isEnabled()); // every view kind is built
    }

    void opensEachViewOnceAndKeepsViewsInStep()
    {
        m_frame->views().subWindow(ViewKind::ChannelTable)->showNormal(); // else new views open maximised too
        ViewSubWindow* dtmf = m_frame->views().open(ViewKind::Dtmf);
        QVERIFY(dtmf);
        QCOMPARE(dtmf->size(), QSize(730, 550));
        QCOMPARE(m_frame->views().open(ViewKind::Dtmf), dtmf); // the active view: nothing happens
        const int loads = ViewOf(dtmf)->loads;
        m_frame->runCommand(Cmd::Dtmf);
        QCOMPARE(ViewOf(dtmf)->loads, loads); // not reloaded
        QCOMPARE(m_frame->views().area()->subWindowList().size(), 2);

        // Edit in one view, switch to another showing the same byte.
        ViewOf(dtmf)->edit->setText(QStringLiteral("77"));
        m_frame->views().open(ViewKind::ChannelTable);
        QCOMPARE(image()[kShared], 77);
        QCOMPARE(ViewOf(m_frame->views().subWindow(ViewKind::ChannelTable))->edit->text(), QStringLiteral("77"));

        // Choosing it again brings the existing window forward.
        QCOMPARE(m_frame->views().open(ViewKind::Dtmf), dtmf);
        QCOMPARE(m_frame->views().area()->activeSubWindow(), dtmf);

        // Closing stores the view; choosing it again makes a fresh one that loads.
        ViewOf(dtmf)->edit->setText(QStringLiteral("12"));
        const int made = m_made;
        dtmf->findChild<QPushButton*>(QStringLiteral("1006"))->click();
        QTRY_VERIFY(!m_frame->views().subWindow(ViewKind::Dtmf));
        QCOMPARE(image()[kShared], 12);
        ViewSubWindow* again = m_frame->views().open(ViewKind::Dtmf);
        QVERIFY(again);
        QCOMPARE(m_made, made + 1);
        QCOMPARE(ViewOf(again)->edit->text(), QStringLiteral("12"));
    }

    void treeOpensByLabel()
    {
        QTreeWidgetItem* root = m_frame->views().tree()->topLevelItem(0);
        emit m_frame->views().tree()->itemClicked(root->child(4), 0); // "DTMF"
        QVERIFY(m_frame->views().subWindow(ViewKind::Dtmf));
        const int windows = m_frame->views().area()->subWindowList().size();
        emit m_frame->views().tree()->itemClicked(root, 0); // the root does nothing
        QCOMPARE(m_frame->views().area()->subWindowList().size(), windows);
        // The alarm view has no menu or tree item; only its command opens it.
        QVERIFY(!m_frame->views().subWindow(ViewKind::Alarm));
        m_frame->runCommand(Cmd::Alarm);
        QVERIFY(m_frame->views().subWindow(ViewKind::Alarm));
    }

    void windowsStayOnScreenAndTheTreeFollows()
    {
        // First run: maximised, the whole frame inside the work area.
        QTRY_VERIFY(m_frame->isMaximized());
        const QRect area = m_frame->screen()->availableGeometry();
        QVERIFY2(area.contains(m_frame->frameGeometry()), qPrintable(QStringLiteral("%1,%2 %3x%4")
                                                                         .arg(m_frame->frameGeometry().x())
                                                                         .arg(m_frame->frameGeometry().y())
                                                                         .arg(m_frame->width())
                                                                         .arg(m_frame->height())));

        // The tree shows the view in front.
        m_frame->views().subWindow(ViewKind::ChannelTable)->showNormal();
        m_frame->views().open(ViewKind::Dtmf);
        QCOMPARE(m_frame->views().tree()->currentItem()->text(0), QStringLiteral("DTMF"));
        m_frame->views().open(ViewKind::ChannelTable);
        QCOMPARE(m_frame->views().tree()->currentItem()->text(0), QStringLiteral("Channel setting"));

        // Cascade: each view at its own size, one title bar apart; the Window menu lists them.
        m_frame->runCommand(Cmd::ScanChannel);
        m_frame->runCommand(Cmd::WindowCascade);
        const QSize room = m_frame->views().area()->viewport()->size();
        QPoint previous(-1, -1);
        for (QMdiSubWindow* w : m_frame->views().area()->subWindowList(QMdiArea::StackingOrder)) {
            const auto* frame = static_cast<ViewSubWindow*>(w);
            const ViewKind kind = frame == m_frame->views().subWindow(ViewKind::Dtmf)          ? ViewKind::Dtmf
                                  : frame == m_frame->views().subWindow(ViewKind::ScanChannel) ? ViewKind::ScanChannel
                                                                                               : ViewKind::ChannelTable;
            QCOMPARE(w->size(), ViewSize(kind).boundedTo(room - QSize(w->pos().x(), w->pos().y())));
            QVERIFY(w->pos().x() > previous.x() && w->pos().y() > previous.y());
            previous = w->pos();
        }
        emit m_frame->windowMenu()->aboutToShow();
        QStringList listed;
        QString checked;
        for (QAction* a : m_frame->windowMenu()->actions())
            if (a->isCheckable()) {
                listed << a->text().section(QLatin1Char(' '), 1);
                if (a->isChecked())
                    checked = listed.last();
            }
        QCOMPARE(listed.size(), 3);
        QVERIFY(listed.contains(QStringLiteral("DTMF")) && listed.contains(QStringLiteral("Scan channel")));
        QCOMPARE(checked, m_frame->views().area()->activeSubWindow()->windowTitle());

        // Arrange Icons lines the minimised views up along the foot of the workspace.
        m_frame->views().subWindow(ViewKind::Dtmf)->showMinimized();
        m_frame->views().subWindow(ViewKind::ScanChannel)->showMinimized();
        m_frame->runCommand(Cmd::WindowArrange);
        const QWidget* dtmf = m_frame->views().subWindow(ViewKind::Dtmf);
        const QWidget* scan = m_frame->views().subWindow(ViewKind::ScanChannel);
        QCOMPARE(dtmf->geometry().bottom(), room.height() - 1);
        QCOMPARE(scan->geometry().bottom(), room.height() - 1);
        QVERIFY(dtmf->geometry().left() != scan->geometry().left());

        // The frame's place and size are kept for the next run.
        m_frame->showNormal();
        QTRY_VERIFY(!m_frame->isMaximized());
        m_frame->setGeometry(QRect(area.topLeft() + QPoint(40, 30), QSize(700, 500)));
        const QRect kept = m_frame->geometry();
        QVERIFY(m_frame->close());
        m_frame = std::make_unique<MainWindow>(MakeProgramView, &m_desktop);
        QCOMPARE(m_frame->geometry(), kept);
        QVERIFY(!m_frame->isMaximized());
    }

    void formFieldsKeepTheirWidthsInALargeWindow()
    {
        m_frame = std::make_unique<MainWindow>(MakeProgramView, &m_desktop);
        m_frame->resize(1600, 1000);
        m_frame->show();
        for (ViewKind kind : {ViewKind::ScanChannel, ViewKind::BasicSetting, ViewKind::Dtmf, ViewKind::TwoTone,
                              ViewKind::FiveTone, ViewKind::Model, ViewKind::Alarm}) {
            ViewSubWindow* f = m_frame->views().open(kind);
            f->showMaximized();
            QTRY_VERIFY(f->width() > 1200);
            int fields = 0;
            for (QWidget* w : f->view()->findChildren<QWidget*>()) {
                if (!w->isVisibleTo(f) || !(qobject_cast<QLineEdit*>(w) || qobject_cast<QComboBox*>(w)))
                    continue;
                if (qobject_cast<QComboBox*>(w->parentWidget()) || w->inherits("CellLineEdit"))
                    continue; // a list's own edit, a table's cell editor
                ++fields;
                QVERIFY2(w->width() < 500, qPrintable(QStringLiteral("view %1, field %2 is %3 px wide")
                                                          .arg(int(kind))
                                                          .arg(w->objectName())
                                                          .arg(w->width())));
            }
            QVERIFY(fields > 0);
            f->close();
        }
    }

    void commandsCarryTheirStandardKeysIconsAndMenusTheirMnemonics()
    {
        const std::pair<int, QKeySequence::StandardKey> keys[] = {
            {Cmd::FileNew, QKeySequence::New},     {Cmd::FileOpen, QKeySequence::Open},
            {Cmd::FileSave, QKeySequence::Save},   {Cmd::FileSaveAs, QKeySequence::SaveAs},
            {Cmd::FilePrint, QKeySequence::Print}, {Cmd::AppExit, QKeySequence::Quit},
            {Cmd::EditUndo, QKeySequence::Undo},
        };
        for (const auto& [id, key] : keys)
            QCOMPARE(m_frame->commandAction(id)->shortcuts().value(0),
                     QKeySequence(key).isEmpty() ? QKeySequence() : QKeySequence::keyBindings(key).value(0));
        for (QAction* menu : m_frame->menuBar()->actions())
            QVERIFY2(menu->text().contains(QLatin1Char('&')), qPrintable(menu->text()));
        // Every toolbar button has an icon, also drawn for twice the size.
        auto* bar = m_frame->findChild<QToolBar*>(QStringLiteral("toolbar"));
        QVERIFY(bar);
        for (QAction* a : bar->actions()) {
            if (a->isSeparator())
                continue;
            QVERIFY2(!a->icon().isNull(), qPrintable(a->text()));
            QCOMPARE(a->icon().pixmap(QSize(48, 48)).size(), QSize(48, 48));
        }
        const QList<QSize> sizes = ApplicationIcon().availableSizes();
        for (int n : {16, 32, 48, 256})
            QVERIFY(sizes.contains(QSize(n, n)));
    }

    void messageBoxesShowTheirCaption()
    {
        const QString caption = QStringLiteral("A caption much longer than the text of the message");
        QMessageBox box(QMessageBox::Warning, caption, QStringLiteral("Short."), QMessageBox::Ok);
        QFont bold = QApplication::font();
        bold.setBold(true);
        const int captionWidth = QFontMetrics(bold).horizontalAdvance(caption);
        QVERIFY(box.sizeHint().width() < captionWidth); // what Qt gives by itself
        FitCaption(box);
        QVERIFY(box.sizeHint().width() >= captionWidth);
        QCOMPARE(box.icon(), QMessageBox::Warning);
    }

    void storePassClearsTheHiddenField()
    {
        image()[0xCC25] = 0xFF;
        m_frame->StoreViewsToImage();
        QCOMPARE(image()[0xCC25], 0xFC);
    }

    void newAsksFirst()
    {
        // Unmodified: New asks its own question.
        ModalAnswerer answers;
        answers.answer = QMessageBox::No;
        constexpr std::uint32_t kUnshown = 0x5000;
        image()[kUnshown] = 99;
        m_frame->files().NewDocument();
        QCOMPARE(answers.captions, QStringList{"Warnning"});
        QCOMPARE(answers.messages, QStringList{"Clear all data! \ncontinue?"});
        QCOMPARE(image()[kUnshown], 99);

        answers.answer = QMessageBox::Yes;
        m_frame->files().NewDocument();
        QVERIFY(image()[kUnshown] != 99);
        QVERIFY(shownTitle().startsWith(QStringLiteral("QM4410 - [")));
        QCOMPARE(ViewOf(m_frame->views().subWindow(ViewKind::ChannelTable))->edit->text(),
                 QString::number(image()[kShared]));
    }

    void openAndSaveFiles()
    {
        ModalAnswerer answers;
        // Save without a file name goes through Save As with the model's name.
        QString suggested;
        m_desktop.saveFileAnswer = [&](const QString& s) {
            suggested = s;
            return m_folder + "saved.dat";
        };
        ViewOf(m_frame->views().subWindow(ViewKind::ChannelTable))->edit->setText(QStringLiteral("42"));
        m_frame->files().SaveDocument();
        QCOMPARE(suggested, m_folder + "DATA/QM4410.dat");
        QCOMPARE(QFileInfo(m_folder + "saved.dat").size(), qint64(kParamFileSize));
        QVERIFY(shownTitle().startsWith(QStringLiteral("QM4410 [ ")));
        QVERIFY(shownTitle().endsWith(QStringLiteral("saved.dat ] - [Channel setting]")));

        // A foreign file is refused and changes nothing.
        writeFile("foreign.dat", QByteArray(int(kParamFileSize), 'x'));
        m_desktop.openFileAnswer = [&](const QString&) { return m_folder + "foreign.dat"; };
        const QString title = m_frame->windowTitle();
        constexpr std::uint32_t kUnshown = 0x5000;
        image()[kUnshown] = 5;
        m_frame->files().OpenDocument();
        QCOMPARE(answers.messages.value(0), QStringLiteral("File does not match"));
        QCOMPARE(answers.icons.value(0), QMessageBox::Warning);
        QCOMPARE(image()[kUnshown], 5);
        QCOMPARE(m_frame->windowTitle(), title);

        // An unreadable file: the system's text, the document as it was.
        m_desktop.openFileAnswer = [&](const QString&) { return m_folder + "DATA"; };
        m_frame->files().OpenDocument();
        QCOMPARE(answers.messages.size(), 2);
        QCOMPARE(answers.captions.value(1), QStringLiteral("QM4410"));
        QCOMPARE(answers.icons.value(1), QMessageBox::Critical);
        QCOMPARE(image()[kUnshown], 5);

        // A good file with every window closed opens the channel table at the top left.
        m_frame->views().area()->closeAllSubWindows();
        m_desktop.openFileAnswer = [&](const QString&) { return m_folder + "saved.dat"; };
        m_frame->files().OpenDocument();
        QCOMPARE(image()[kShared], 42);
        ViewSubWindow* table = m_frame->views().subWindow(ViewKind::ChannelTable);
        QVERIFY(table);
        QCOMPARE(table->pos(), QPoint(0, 0));
        QCOMPARE(ViewOf(table)->edit->text(), QStringLiteral("42"));

        // A file named on the command line opens the same way; options are not files.
        QCOMPARE(CommandLineFile({"programmer-en"}), QString());
        QCOMPARE(CommandLineFile({"programmer-en", "-platform", "x"}), QStringLiteral("x"));
        QCOMPARE(CommandLineFile({"programmer-en", "--reverse", "/tmp/a b.dat"}), QStringLiteral("/tmp/a b.dat"));
        image()[kShared] = 7;
        QVERIFY(m_frame->files().openFile(CommandLineFile({"programmer-en", m_folder + "saved.dat"})));
        QCOMPARE(image()[kShared], 42);
        QVERIFY(!m_frame->files().openFile(m_folder + "foreign.dat"));
        QCOMPARE(answers.messages.size(), 3);
    }

    void serviceModeNeedsTheCode()
    {
        int asked = 0;
        ModalAnswerer answers;
        QString code;
        answers.onModal = [&](QWidget* w) {
            if (auto* d = qobject_cast<ServiceAccessDialog*>(w)) {
                ++asked;
                auto* edit = d->findChild<QLineEdit*>(QStringLiteral("1318"));
                QTest::keyClicks(edit, code);
                d->findChild<QPushButton*>(QStringLiteral("1"))->click();
            }
        };
        auto customItems = [&] {
            int n = 0;
            for (QAction* a : m_frame->editMenu()->actions())
                n += a->text() == QStringLiteral("Custom Data");
            return n;
        };
        code = QStringLiteral("6142B8");
        QTest::keyClick(m_frame.get(), Qt::Key_F11, Qt::ControlModifier);
        QTRY_COMPARE(asked, 1);
        QCOMPARE(customItems(), 0);
        QVERIFY(!appSettings().serviceMode);

        code = QStringLiteral("61-42b7"); // the dash cannot be typed
        QTest::keyClick(m_frame.get(), Qt::Key_F11, Qt::ControlModifier);
        QTRY_COMPARE(asked, 2);
        QVERIFY(appSettings().serviceMode);
        QCOMPARE(customItems(), 1);
        QCOMPARE(m_frame->editMenu()->actions().last()->text(), QStringLiteral("Custom Data"));
        QTest::keyClick(m_frame.get(), Qt::Key_F11, Qt::ControlModifier);
        QTRY_COMPARE(asked, 3);
        QCOMPARE(customItems(), 1);
        QVERIFY(answers.messages.isEmpty());
        appSettings().serviceMode = false;
    }

    void treeViewToggleAndAbout()
    {
        auto* bar = m_frame->findChild<QDockWidget*>(QStringLiteral("2000"));
        QCOMPARE(bar->windowTitle(), QStringLiteral("Tree Bar"));
        QAction* toggle = m_frame->commandAction(Cmd::TreeView);
        QVERIFY(toggle->isChecked());
        toggle->trigger();
        QVERIFY(bar->isHidden());
        QVERIFY(!toggle->isChecked());
        toggle->trigger();
        QVERIFY(!bar->isHidden());
        QVERIFY(toggle->isChecked());

        ModalAnswerer answers;
        QStringList lines;
        answers.onModal = [&](QWidget* w) {
            for (int i = 1; i <= 3; ++i)
                if (auto* l = w->findChild<QLabel*>(QStringLiteral("line%1").arg(i)))
                    lines << l->text();
            lines << w->windowTitle();
            static_cast<QDialog*>(w)->accept();
        };
        m_frame->runCommand(Cmd::AppAbout);
        QCOMPARE(lines, (QStringList{"Acme Radio", "2.0", "Acme Radio The software apply for QM4410 model", "About"}));
    }
};

QTEST_MAIN(MainWindowTest)
#include "main_window_test.moc"
