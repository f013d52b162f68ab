// The real main window with the program's own views, used as a user would:
// edits become undo steps, the modified mark follows the saved bytes, each
// save question answered each way, the recovery file, the recent files.
#include "channels/channel_table_view.h"
#include "channels/core/channel_record.h"
#include "channels/core/channel_row.h"
#include "controls/cell_combo.h"
#include "controls/cell_drop_list.h"
#include "controls/cell_editor.h"
#include "controls/cell_line_edit.h"
#include "controls/char_input_filter.h"
#include "controls/grid.h"
#include "radio/core/model_info.h"
#include "shell/commands.h"
#include "shell/core/app_settings.h"
#include "shell/csv_commands.h"
#include "shell/document_files.h"
#include "shell/document_history.h"
#include "shell/edit_steps.h"
#include "shell/main_window.h"
#include "shell/recovery_dialog.h"
#include "shell/view_sub_window.h"
#include "shell/view_windows.h"
#include "tests/support/modal_answerer.h"
#include "tests/support/scripted_desktop.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLineEdit>
#include <QPushButton>
#include <QSettings>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTreeWidget>
#include <QUndoStack>
#include <QtTest>

#include <functional>
#include <memory>

class KeepWorkTest : public QObject {
    Q_OBJECT

    QTemporaryDir m_dir;
    QString m_folder;
    ScriptedDesktop m_desktop; // outlives the window that asks it
    std::unique_ptr<MainWindow> m_frame;

    void makeFrame()
    {
        m_frame = std::make_unique<MainWindow>(MakeProgramView, &m_desktop);
        m_desktop.dataFolder = m_folder + "user";
        m_frame->show();
        m_frame->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(m_frame.get()));
    }
    Document& doc() { return m_frame->document(); }
    ChannelTableView* table()
    {
        return static_cast<ChannelTableView*>(m_frame->views().subWindow(ViewKind::ChannelTable)->view());
    }
    QString name(int n) { return ChannelAt(doc().image(), n).name(); }
    // A name typed into the channel table's cell and committed.
    void typeName(int n, const QString& text)
    {
        m_frame->views().open(ViewKind::ChannelTable); // the user clicks into it first
        table()->grid()->setCurrentCell(n, kColumnName);
        table()->grid()->placeEditor(table()->nameEditor());
        table()->nameEditor()->setCellText(text);
        table()->nameEditor()->commitEdit();
    }
    QString shownTitle() const
    {
        return m_frame->windowTitle().replace(QStringLiteral("[*]"),
                                              m_frame->isWindowModified() ? QStringLiteral("*") : QString());
    }
    QString undoText() const { return m_frame->commandAction(Cmd::EditUndo)->text(); }
    QString serial() { return ReadModelIdentity(doc().image()).serial; }

private slots:
    void initTestCase()
    {
        QStandardPaths::setTestModeEnabled(true);
        QCoreApplication::setOrganizationName(QStringLiteral("VRX"));
        QCoreApplication::setApplicationName(QStringLiteral("keep_work_test"));
        QSettings().clear();
        QVERIFY(m_dir.isValid());
        m_folder = m_dir.path() + "/";
        QFile ini(m_folder + "Program.ini");
        QVERIFY(ini.open(QIODevice::WriteOnly));
        ini.write("[Setup]\r\nCOM=COM3\r\nModel=QM4410\r\n");
        ini.close();
        QVERIFY(QFile::copy(QStringLiteral(PROGRAMMER_BIN_DIR "/Default.dat"), m_folder + "Default.dat"));
        ResetBuiltInSettings();
        ReadStartupSettings(m_folder);
    }
    void init() { makeFrame(); }
    void cleanup()
    {
        m_frame.reset();
        m_desktop = ScriptedDesktop(); // answers hold the test's locals
    }

    void editsAreStepsAndTheMarkFollowsTheSavedBytes()
    {
        QVERIFY(!doc().isModified());
        QCOMPARE(shownTitle(), QStringLiteral("QM4410 - [Channel setting]"));
        QVERIFY(!m_frame->commandAction(Cmd::EditUndo)->isEnabled());
        QCOMPARE(m_frame->commandAction(Cmd::EditRedo)->shortcuts(),
                 (QList<QKeySequence>{QKeySequence("Ctrl+Y"), QKeySequence("Ctrl+Shift+Z")}));

        typeName(1, QStringLiteral("ONE"));
        QCOMPARE(name(1), QStringLiteral("ONE"));
        QVERIFY(doc().isModified());
        QCOMPARE(shownTitle(), QStringLiteral("QM4410* - [Channel setting]"));
        QCOMPARE(undoText(), QStringLiteral("&Undo Edit channel 1"));

        // A field left for another in a second view is a step of that view.
        m_frame->runCommand(Cmd::Model);
        auto* serialBox = m_frame->views().subWindow(ViewKind::Model)->findChild<QLineEdit*>(QStringLiteral("1005"));
        auto* nameBox = m_frame->views().subWindow(ViewKind::Model)->findChild<QLineEdit*>(QStringLiteral("1059"));
        const QString serialBefore = serial();
        serialBox->setFocus();
        QTRY_VERIFY(serialBox->hasFocus());
        serialBox->selectAll();
        QTest::keyClicks(serialBox, QStringLiteral("AB12"));
        nameBox->setFocus();
        QTRY_COMPARE(serial(), QStringLiteral("AB12"));
        QCOMPARE(undoText(), QStringLiteral("&Undo Edit Modle"));

        m_desktop.saveFileAnswer = [this](const QString&) { return m_folder + "steps.dat"; };
        QVERIFY(m_frame->files().SaveDocument());
        QVERIFY(!doc().isModified());
        QVERIFY(!shownTitle().contains(QLatin1Char('*')));

        // Undo back to the saved bytes clears the mark; further back sets it again.
        typeName(1, QStringLiteral("TWO"));
        QVERIFY(doc().isModified());
        m_frame->steps().undo();
        QCOMPARE(name(1), QStringLiteral("ONE"));
        QCOMPARE(table()->grid()->text(1, kColumnName), QStringLiteral("ONE"));
        QVERIFY(!doc().isModified());
        m_frame->steps().undo();
        QCOMPARE(serial(), serialBefore);
        QCOMPARE(serialBox->text(), serialBefore); // the open view shows it
        QVERIFY(doc().isModified());
        m_frame->steps().undo();
        QVERIFY(name(1) != QStringLiteral("ONE"));
        QVERIFY(!m_frame->commandAction(Cmd::EditUndo)->isEnabled());

        m_frame->steps().redo();
        m_frame->steps().redo();
        m_frame->steps().redo();
        QCOMPARE(name(1), QStringLiteral("TWO"));
        QCOMPARE(serial(), QStringLiteral("AB12"));
        QCOMPARE(table()->grid()->text(1, kColumnName), QStringLiteral("TWO"));
        QVERIFY(!m_frame->commandAction(Cmd::EditRedo)->isEnabled());

        // Open starts a new history.
        m_desktop.openFileAnswer = [this](const QString&) { return m_folder + "steps.dat"; };
        ModalAnswerer answers;
        answers.answer = QMessageBox::Discard;
        m_frame->files().OpenDocument();
        QCOMPARE(name(1), QStringLiteral("ONE"));
        QVERIFY(!doc().isModified());
        QCOMPARE(m_frame->history().stack()->count(), 0);
    }

    void eachSaveQuestionAnsweredEachWay()
    {
        ModalAnswerer answers;
        int newAsked = 0;
        m_desktop.confirmNewAnswer = [&newAsked] { return ++newAsked > 0; };
        int openAsked = 0;
        m_desktop.openFileAnswer = [&openAsked](const QString&) {
            ++openAsked;
            return QString();
        };
        QString saveTo;
        m_desktop.saveFileAnswer = [&saveTo](const QString&) { return saveTo; };

        typeName(1, QStringLiteral("A"));
        answers.answer = QMessageBox::Cancel;
        QVERIFY(!m_frame->close());
        QVERIFY(m_frame->isVisible());
        m_frame->files().OpenDocument();
        QCOMPARE(openAsked, 0);
        QCOMPARE(answers.messages, QStringList(2, QStringLiteral("Save changes to QM4410.dat?")));

        // Save chosen, but Save As cancelled: New stops.
        answers.answer = QMessageBox::Save;
        m_frame->files().NewDocument();
        QCOMPARE(name(1), QStringLiteral("A"));
        QVERIFY(doc().isModified());

        // Saved: New goes on without its own question.
        saveTo = m_folder + "before_new.dat";
        m_frame->files().NewDocument();
        QCOMPARE(newAsked, 0);
        QVERIFY(name(1) != QStringLiteral("A"));
        QVERIFY(!doc().isModified());
        QVERIFY(m_frame->document().path().isEmpty());
        auto header = std::make_unique<HeaderBlock>();
        auto image = std::make_unique<RadioImage>();
        QVERIFY(ReadParamFile(saveTo, *header, *image, true).ok);
        QCOMPARE(ChannelAt(*image, 1).name(), QStringLiteral("A"));
        // Unmodified: New asks its own question only.
        const int questions = answers.messages.size();
        m_frame->files().NewDocument();
        QCOMPARE(newAsked, 1);
        QCOMPARE(answers.messages.size(), questions);

        typeName(1, QStringLiteral("B"));
        answers.answer = QMessageBox::Discard;
        QVERIFY(m_frame->close());
        QVERIFY(ReadParamFile(saveTo, *header, *image, true).ok);
        QCOMPARE(ChannelAt(*image, 1).name(), QStringLiteral("A"));
    }

    void recoveryFileWrittenAndOffered()
    {
        const QString folder = m_folder + "user";
        auto leftFiles = [&folder] { return QDir(folder).entryList({"unsaved-*.dat"}, QDir::Files); };
        typeName(1, QStringLiteral("REC"));
        m_frame->files().writeRecoveryFile();
        QCOMPARE(leftFiles().size(), 1);
        m_desktop.saveFileAnswer = [this](const QString&) { return m_folder + "clean.dat"; };
        QVERIFY(m_frame->files().SaveDocumentAs());
        QCOMPARE(leftFiles().size(), 0); // a clean save removes it

        // The program ends without a word, twice: discarded, then recovered.
        ModalAnswerer answers;
        QString press;
        int dialogs = 0;
        answers.onModal = [&](QWidget* w) {
            if (auto* d = qobject_cast<RecoveryDialog*>(w)) {
                ++dialogs;
                d->findChild<QPushButton*>(press)->click();
            }
        };
        for (const char* button : {"discardAll", "recover"}) {
            typeName(1, QStringLiteral("CRASH"));
            m_frame->files().writeRecoveryFile();
            m_frame.reset();
            makeFrame();
            press = QLatin1String(button);
            m_frame->files().offerRecovery();
            if (press == QLatin1String("discardAll")) {
                QCOMPARE(leftFiles().size(), 0);
                QVERIFY(name(1) != QStringLiteral("CRASH"));
                QVERIFY(!doc().isModified());
            }
        }
        QCOMPARE(dialogs, 2);
        QCOMPARE(name(1), QStringLiteral("CRASH"));
        QCOMPARE(table()->grid()->text(1, kColumnName), QStringLiteral("CRASH"));
        QVERIFY(doc().isModified());
        QVERIFY(m_frame->document().path().isEmpty());
        QCOMPARE(leftFiles().size(), 1); // now this program's own, until saved or discarded
        m_frame->files().offerRecovery();
        QCOMPARE(dialogs, 2); // this program's file is not offered to itself
        answers.answer = QMessageBox::Discard;
        QVERIFY(m_frame->close());
        QCOMPARE(leftFiles().size(), 0);
    }

    // Many leftovers, one short: one dialog lists them all, newest first;
    // Escape keeps them; the short one recovers with Open's warning and is
    // kept until discarded.
    void manyAndShortRecoveryFilesInOneDialog()
    {
        const QString folder = m_folder + "user/";
        QDir().mkpath(folder);
        QFile def(m_folder + "Default.dat");
        QVERIFY(def.open(QIODevice::ReadOnly));
        const QByteArray whole = def.readAll();
        const QDateTime now = QDateTime::currentDateTime();
        constexpr int kFiles = 300;
        for (int i = 0; i < kFiles; ++i) {
            QFile f(folder + QStringLiteral("unsaved-%1-1.dat").arg(100000 + i));
            QVERIFY(f.open(QIODevice::WriteOnly));
            // The newest is the short one: 100 bytes of a parameter file.
            f.write(i == kFiles - 1 ? whole.left(100) : whole);
            f.close();
            f.setFileTime(now.addSecs(-kFiles + i), QFileDevice::FileModificationTime);
        }
        const QString shortFile = folder + QStringLiteral("unsaved-%1-1.dat").arg(100000 + kFiles - 1);
        ModalAnswerer answers;
        QStringList listed;
        std::function<void(RecoveryDialog*)> act;
        answers.onModal = [&](QWidget* w) {
            if (auto* d = qobject_cast<RecoveryDialog*>(w)) {
                auto* list = d->findChild<QTreeWidget*>(QStringLiteral("files"));
                listed.clear();
                for (int i = 0; i < list->topLevelItemCount(); ++i)
                    listed << list->topLevelItem(i)->toolTip(0);
                act(d);
            }
        };
        act = [](RecoveryDialog* d) { QTest::keyClick(d, Qt::Key_Escape); };
        m_frame->files().offerRecovery();
        QCOMPARE(listed.size(), kFiles);
        QCOMPARE(listed.first(), QDir::toNativeSeparators(shortFile));
        QCOMPARE(QDir(folder).entryList({"unsaved-*.dat"}, QDir::Files).size(), kFiles); // Later keeps them
        QVERIFY(!doc().isModified());

        act = [](RecoveryDialog* d) { d->findChild<QPushButton*>(QStringLiteral("recover"))->click(); };
        m_frame->files().offerRecovery();
        QCOMPARE(answers.messages.size(), 1);
        QVERIFY2(answers.messages[0].contains(QStringLiteral("incomplete")), qPrintable(answers.messages[0]));
        QVERIFY(doc().isModified());
        QVERIFY(QFileInfo::exists(shortFile)); // not read whole: kept

        act = [](RecoveryDialog* d) { d->findChild<QPushButton*>(QStringLiteral("discardAll"))->click(); };
        m_frame->files().offerRecovery();
        QCOMPARE(listed.size(), kFiles); // this program's own file is not among them
        QCOMPARE(QDir(folder).entryList({"unsaved-*.dat"}, QDir::Files).size(), 1);
        answers.answer = QMessageBox::Discard;
        QVERIFY(m_frame->close());
    }

    void channelsImportedAndExportedAsOneStep()
    {
        QString csv = m_folder + "in.csv";
        QFile f(csv);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write("\xEF\xBB\xBFLocation,Name,Frequency,Duplex,Offset,Tone,rToneFreq,cToneFreq,Mode\r\n"
                "3,RPT,146.940000,-,0.600000,Tone,100.0,88.5,FM\r\n"
                "4,LOCAL,446.006250,,0.000000,,88.5,88.5,NFM\r\n");
        f.close();
        m_desktop.csvFileAnswer = [&csv](const QString&) { return csv; };
        m_desktop.firstChannelAnswer = [] { return 0; };
        ModalAnswerer answers;
        m_frame->csv().importChannels();
        QVERIFY(answers.messages.isEmpty()); // everything taken exactly: no report
        QCOMPARE(name(3), QStringLiteral("RPT"));
        QCOMPARE(ChannelAt(doc().image(), 3).tx(), 14634000u);
        QCOMPARE(table()->grid()->text(4, kColumnName), QStringLiteral("LOCAL"));
        QCOMPARE(undoText(), QStringLiteral("&Undo Import channels"));
        m_frame->steps().undo();
        QVERIFY(!ChannelAt(doc().image(), 3).hasRx());
        m_frame->steps().redo();

        QString out = m_folder + "out.csv";
        m_desktop.csvFileAnswer = [&out](const QString&) { return out; };
        m_frame->csv().exportChannels();
        QFile back(out);
        QVERIFY(back.open(QIODevice::ReadOnly));
        const QString text = QString::fromUtf8(back.readAll());
        QVERIFY(text.startsWith(QStringLiteral("Location,Name,Frequency,Duplex,Offset,Tone,")));
        QVERIFY(text.contains(QStringLiteral("3,RPT,146.940000,-,0.600000,Tone,100.0,")));
    }

    void missingRecentFileIsReportedAndDropped()
    {
        QString saveTo;
        m_desktop.saveFileAnswer = [&saveTo](const QString&) { return saveTo; };
        for (const char* f : {"a.dat", "b.dat"}) {
            saveTo = m_folder + f;
            QVERIFY(m_frame->files().SaveDocumentAs());
        }
        const QStringList both{QDir::toNativeSeparators(m_folder + "b.dat"),
                               QDir::toNativeSeparators(m_folder + "a.dat")};
        QCOMPARE(m_frame->files().recentFiles().mid(0, 2), both);
        QAction* first = m_frame->findChild<QAction*>(QString::number(Cmd::FileMru1));
        QVERIFY(first->isVisible());
        QCOMPARE(first->text(), QStringLiteral("&1 ") + both[0]);

        ModalAnswerer answers;
        QVERIFY(QFile::remove(m_folder + "b.dat"));
        m_frame->files().openRecentFile(0);
        QCOMPARE(answers.messages.size(), 1);
        QVERIFY(answers.messages[0].contains(QStringLiteral("no longer exists")));
        QCOMPARE(m_frame->files().recentFiles().value(0), both[1]);

        typeName(1, QStringLiteral("R"));
        answers.answer = QMessageBox::Discard;
        m_frame->files().openRecentFile(0);
        QCOMPARE(answers.messages.size(), 2); // the save question
        QCOMPARE(m_frame->document().path(), both[1]);
        QVERIFY(name(1) != QStringLiteral("R"));
        QVERIFY(!doc().isModified());
    }
};

QTEST_MAIN(KeepWorkTest)
#include "keep_work_test.moc"
