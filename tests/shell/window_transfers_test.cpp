// Read and Write through the main window and the real transfer dialog, and
// the transfer log that Setting > Keep transfer log keeps.
#include "document/param_file.h"
#include "link/core/loopback_port.h"
#include "link/core/port_factory.h"
#include "link/transfer_dialog.h"
#include "shell/commands.h"
#include "shell/document_files.h"
#include "shell/radio_transfers.h"
#include "shell/view_windows.h"
#include "tests/shell/window_fixture.h"
#include "tests/support/modal_answerer.h"
#include "tests/support/url_catcher.h"

#include <QDesktopServices>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QPushButton>
#include <QStatusBar>

class WindowTransfersTest : public WindowFixture {
    Q_OBJECT

private slots:
    void initTestCase() { setUpProgramFolder("window_transfers_test"); }
    void init() { makeWindow(); }
    void cleanup() { dropWindow(); }

    void readAndWriteThroughTheTransferDialog()
    {
        auto memory = std::make_unique<RadioImage>();
        for (std::size_t i = 0; i < kImageSize; ++i)
            (*memory)[i] = static_cast<std::uint8_t>(i * 3);
        (*memory)[0xCC08] = 0;
        m_radio = std::make_unique<SimRadio>(*memory);
        RegisterPortCreator("MAINFRAMESIM", [this] { return std::make_unique<LoopbackPort>(*m_radio, m_clock); });
        appSettings().portName = QStringLiteral("MAINFRAMESIM");
        ModalAnswerer answers;
        answers.onModal = [](QWidget* w) {
            if (auto* d = qobject_cast<TransferDialog*>(w))
                d->findChild<QPushButton*>(QStringLiteral("1"))->click();
        };

        ViewOf(m_frame->views().subWindow(ViewKind::ChannelTable))->edit->setText(QStringLiteral("9"));
        m_frame->transfers().writeToRadio(); // stores the views first
        QCOMPARE(m_radio->memory()[kShared], 9);
        QVERIFY(m_radio->sawEndWrite());
        // The status bar says it was done, and how long it took.
        const QRegularExpression done(QStringLiteral("^Written to radio: \\d+ blocks in \\d+\\.\\d s$"));
        QVERIFY2(done.match(m_frame->statusBar()->currentMessage()).hasMatch(),
                 qPrintable(m_frame->statusBar()->currentMessage()));

        // The read replaces the edit that was written but never saved: asked first.
        m_radio = std::make_unique<SimRadio>(*memory);
        answers.answer = QMessageBox::Discard;
        m_desktop.dataFolder = m_folder + "user";
        m_frame->transfers().readFromRadio();
        QCOMPARE(answers.messages, QStringList{"Save changes to QM4410.dat?"});
        QVERIFY(m_frame->statusBar()->currentMessage().startsWith(QStringLiteral("Read from radio: ")));
        QCOMPARE(image()[kShared], (*memory)[kShared]);
        QCOMPARE(ViewOf(m_frame->views().subWindow(ViewKind::ChannelTable))->edit->text(),
                 QString::number((*memory)[kShared]));
        QVERIFY(!m_frame->document().isModified());
        // What the radio held is kept as a parameter file.
        QVERIFY(m_frame->files().lastBackup().startsWith(m_folder + "DATA/backups/QM4410-"));
        auto header = std::make_unique<HeaderBlock>();
        auto backup = std::make_unique<RadioImage>();
        QVERIFY(ReadParamFile(m_frame->files().lastBackup(), *header, *backup, true).ok);
        QCOMPARE((*backup)[kShared], (*memory)[kShared]);
    }

    // Setting > Keep transfer log: the last transfer's log in the user's data
    // folder, switched on and off from the menu, opened from Help.
    void transferLogIsKeptWhenSwitchedOn()
    {
        m_radio = std::make_unique<SimRadio>(*std::make_unique<RadioImage>());
        RegisterPortCreator("MAINFRAMESIM", [this] { return std::make_unique<LoopbackPort>(*m_radio, m_clock); });
        appSettings().portName = QStringLiteral("MAINFRAMESIM");
        m_desktop.dataFolder = m_folder + "logs";
        const QString log = m_folder + "logs/transfer.log";
        QCOMPARE(m_frame->transfers().transferLogPath(), log);
        ModalAnswerer answers;
        answers.onModal = [](QWidget* w) {
            if (auto* d = qobject_cast<TransferDialog*>(w))
                d->findChild<QPushButton*>(QStringLiteral("1"))->click();
        };
        QAction* keep = m_frame->commandAction(Cmd::KeepTransferLog);
        QVERIFY(keep->isCheckable());
        QVERIFY(!keep->isChecked());
        QVERIFY(m_frame->menuBar()->actions().at(4)->menu()->actions().contains(keep));

        m_frame->transfers().writeToRadio();
        QVERIFY(!QFileInfo::exists(log));
        m_frame->commandAction(Cmd::OpenTransferLog)->trigger();
        QCOMPARE(answers.messages.size(), 1);
        QVERIFY(answers.messages.at(0).startsWith(QStringLiteral("No transfer log has been kept yet.")));

        keep->trigger();
        QVERIFY(QSettings().value(QStringLiteral("Link/KeepTransferLog")).toBool());
        m_frame->transfers().writeToRadio();
        QFile file(log);
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QByteArray text = file.readAll();
        file.close();
        QVERIFY(text.startsWith("# QM4410 transfer log: "));
        QVERIFY(text.contains("  PC->radio  57 "));
        QVERIFY(text.contains("  --  result: completed\n"));
        // The next transfer replaces it; switched off, it stays as it was.
        m_frame->transfers().readFromRadio();
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QByteArray read = file.readAll();
        file.close();
        QVERIFY(read.contains("  --  end command ENDR\n") && !read.contains("ENDW"));
        keep->trigger();
        QVERIFY(!QSettings().value(QStringLiteral("Link/KeepTransferLog")).toBool());
        m_frame->transfers().writeToRadio();
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(file.readAll(), read);
        file.close();

        UrlCatcher catcher;
        QDesktopServices::setUrlHandler(QStringLiteral("file"), &catcher, "open");
        m_frame->commandAction(Cmd::OpenTransferLog)->trigger();
        QDesktopServices::unsetUrlHandler(QStringLiteral("file"));
        QCOMPARE(catcher.opened, QList<QUrl>{QUrl::fromLocalFile(log)});

        // A log that cannot be written: the transfer goes on and the status bar says why.
        keep->trigger();
        m_desktop.dataFolder = m_folder + "Program.ini"; // a file, not a folder
        m_frame->transfers().writeToRadio();
        QVERIFY(m_radio->sawEndWrite());
        QVERIFY2(
            m_frame->statusBar()->currentMessage().contains(QStringLiteral("The transfer log could not be written")),
            qPrintable(m_frame->statusBar()->currentMessage()));
        keep->trigger();
    }
};

QTEST_MAIN(WindowTransfersTest)
#include "window_transfers_test.moc"
