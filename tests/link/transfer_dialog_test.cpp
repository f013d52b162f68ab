// The transfer dialog, the password dialog and the port dialog, driven through
// their real widgets against a simulated radio on the real clock.
#include "link/core/loopback_port.h"
#include "link/core/port_factory.h"
#include "link/core/pty_pair.h"
#include "link/core/sim_radio.h"
#include "link/core/steady_link_clock.h"
#include "link/link_password_dialog.h"
#include "link/port_dialog.h"
#include "link/transfer_dialog.h"
#include "shell/core/app_settings.h"
#include "shell/transfer_setup.h"
#include "tests/support/modal_answerer.h"
#include "tests/support/test_document.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>
#include <QtTest>

#include <functional>
#include <memory>

namespace {
constexpr char kTestPort[] = "TESTRADIO";
bool IsTransferDialog(QWidget* w)
{
    return qobject_cast<TransferDialog*>(w) != nullptr;
}
} // namespace

class TransferDialogTest : public QObject {
    Q_OBJECT

    std::unique_ptr<RadioImage> m_radioMemory;
    std::unique_ptr<SimRadio> m_radio;
    SteadyLinkClock m_clock;

    void useRadio(SimRadio::Faults faults = {})
    {
        m_radio = std::make_unique<SimRadio>(*m_radioMemory, faults);
        RegisterPortCreator(kTestPort, [this] { return std::make_unique<LoopbackPort>(*m_radio, m_clock); });
        appSettings().portName = QString::fromLatin1(kTestPort);
    }

    // Runs the dialog; `start` presses Start once it is shown.
    int run(TransferMode mode, std::vector<TransferRange> ranges, bool start = true, int starts = 1)
    {
        TransferDialog dlg(TestDocument(), ProgramTransferSetup(), mode, QStringLiteral("Test"), std::move(ranges));
        if (start)
            QTimer::singleShot(0, &dlg, [&dlg, starts] {
                for (int i = 0; i < starts; ++i)
                    dlg.findChild<QPushButton*>(QStringLiteral("1"))->click();
            });
        dlg.exec();
        m_lastPercent = dlg.findChild<QLabel*>(QStringLiteral("1004"))->text();
        m_lastProgress = dlg.findChild<QProgressBar*>(QStringLiteral("1003"))->value();
        return dlg.transferResult();
    }
    QString m_lastPercent;
    int m_lastProgress = 0;

private slots:
    void init()
    {
        m_radioMemory = std::make_unique<RadioImage>();
        for (std::size_t i = 0; i < kImageSize; ++i)
            (*m_radioMemory)[i] = static_cast<std::uint8_t>(i * 13 + 1);
        (*m_radioMemory)[0xCC08] = 0; // unlocked
        TestImage().fill(0x00);
        appSettings().serviceMode = false;
    }

    void customDataReadFillsOnlyItsRange()
    {
        useRadio();
        ModalAnswerer answers;
        answers.ignore = IsTransferDialog;
        QCOMPARE(run(TransferMode::Read, {kCustomDataRange}), 1);
        QCOMPARE(m_lastPercent, QStringLiteral("100%"));
        QCOMPARE(m_lastProgress, 1);
        for (std::uint32_t a = 0xFEE0; a < 0xFF00; ++a)
            QCOMPARE(TestImage()[a], (*m_radioMemory)[a]);
        QCOMPARE(TestImage()[0xFEDF], 0x00);
        QCOMPARE(TestImage()[0xFF00], 0x00);
        QVERIFY(m_radio->sawEndRead());
        QVERIFY(answers.messages.isEmpty());
    }

    void fullWriteThenReadBackInServiceMode()
    {
        useRadio();
        ModalAnswerer answers;
        answers.ignore = IsTransferDialog;
        for (std::size_t i = 0; i < kImageSize; ++i)
            TestImage()[i] = static_cast<std::uint8_t>(i * 7);
        const RadioImage written = TestImage();
        appSettings().serviceMode = true; // starts by itself, and sends the custom data too
        QCOMPARE(run(TransferMode::Write, FullWriteRanges(true), false), 1);
        QCOMPARE(m_lastProgress, 491);
        QVERIFY(m_radio->sawEndWrite());
        appSettings().serviceMode = false;
        QCOMPARE(TestImage(), written); // a write changes nothing in the document
        TestImage().fill(0xEE);
        QCOMPARE(run(TransferMode::Read, FullReadRanges()), 1);
        QCOMPARE(m_lastProgress, 510);
        for (std::uint32_t a = 0x0100; a < 0x10000; ++a) {
            const bool sent = (a >= 0x0060 && a < 0xF400) || a >= 0xFEE0;
            QCOMPARE(TestImage()[a], sent ? written[a] : (*m_radioMemory)[a]);
        }
        QCOMPARE(TestImage()[0x0080], 0xEE); // never read
    }

    void lockedRadioAsksForThePassword_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<int>("result");
        QTest::newRow("lower case accepted") << "5317kd" << 1;
        QTest::newRow("wrong") << "5317KE" << 0;
        QTest::newRow("empty") << "" << 0;
    }
    void lockedRadioAsksForThePassword()
    {
        QFETCH(QString, typed);
        QFETCH(int, result);
        (*m_radioMemory)[0xCC08] = 3;
        useRadio();
        ModalAnswerer answers;
        answers.ignore = IsTransferDialog;
        bool asked = false;
        answers.onModal = [&](QWidget* w) {
            auto* dlg = qobject_cast<LinkPasswordDialog*>(w);
            if (!dlg)
                return;
            asked = true;
            dlg->findChild<QLineEdit*>(QStringLiteral("1318"))->setText(typed);
            dlg->findChild<QPushButton*>(QStringLiteral("1"))->click();
        };
        TestImage().fill(0x42);
        QCOMPARE(run(TransferMode::Read, {kCustomDataRange}), result);
        QVERIFY(asked);
        QVERIFY(answers.messages.isEmpty()); // a refused password shows nothing
        QCOMPARE(m_radio->sawEndRead(), result == 1);
        QCOMPARE(m_radio->sawEndWrite(), false);
        QCOMPARE(TestImage()[0xFEE0] == 0x42, result == 0);
    }

    void failuresShowTheirMessageAndLeaveTheDocument()
    {
        ModalAnswerer answers;
        answers.ignore = IsTransferDialog;
        appSettings().portName = QStringLiteral("/nonexistent/port");
        TestImage().fill(0x42);
        QCOMPARE(run(TransferMode::Read, {kCustomDataRange}), 0);
        // The Part's text first, then the port and the system's reason.
        QCOMPARE(answers.messages.size(), 1);
        QVERIFY2(answers.messages[0].startsWith(
                     QStringLiteral("Open port fail\n\n/nonexistent/port: No such file or directory")),
                 qPrintable(answers.messages[0]));

        SimRadio::Faults faults;
        faults.cutReplyBlock = 0;
        useRadio(faults);
        QCOMPARE(run(TransferMode::Read, {kCustomDataRange}), 0);
        QCOMPARE(answers.messages.last(), QStringLiteral("Communication error"));
        QCOMPARE(TestImage()[0xFEE0], 0x42);
    }

    void exitBeforeStartAndStartTwice()
    {
        useRadio();
        ModalAnswerer answers;
        answers.ignore = IsTransferDialog;
        {
            TransferDialog dlg(TestDocument(), ProgramTransferSetup(), TransferMode::Read, QStringLiteral("Read"),
                               {kCustomDataRange});
            QTimer::singleShot(0, &dlg, [&dlg] { dlg.findChild<QPushButton*>(QStringLiteral("2"))->click(); });
            dlg.exec();
            QCOMPARE(dlg.transferResult(), 0);
            QCOMPARE(dlg.windowTitle(), QStringLiteral("Read"));
        }
        QCOMPARE(m_radio->wakeUps(), 0);
        QCOMPARE(run(TransferMode::Read, {kCustomDataRange}, true, 2), 1);
        QCOMPARE(m_radio->wakeUps(), 2); // one transfer: two handshake passes
    }

    void cancelDuringReadSendsEndWriteAndKeepsTheDocument()
    {
        useRadio();
        ModalAnswerer answers;
        answers.ignore = IsTransferDialog;
        TestImage().fill(0x42);
        TransferDialog dlg(TestDocument(), ProgramTransferSetup(), TransferMode::Read, QStringLiteral("Read"),
                           FullReadRanges());
        QTimer::singleShot(0, &dlg, [&dlg] {
            dlg.findChild<QPushButton*>(QStringLiteral("1"))->click();
            QTimer::singleShot(300, &dlg, [&dlg] { dlg.findChild<QPushButton*>(QStringLiteral("2"))->click(); });
        });
        dlg.exec();
        QCOMPARE(dlg.transferResult(), 0);
        QVERIFY(m_radio->sawEndWrite());
        QVERIFY(!m_radio->sawEndRead());
        QCOMPARE(TestImage()[0x0100], 0x42);
        // Said where it stopped, in the dialog and for the status bar.
        const QRegularExpression stopped(QStringLiteral("^Cancelled after block (\\d+)$"));
        const QRegularExpressionMatch m = stopped.match(dlg.summary());
        QVERIFY2(m.hasMatch(), qPrintable(dlg.summary()));
        QVERIFY(m.captured(1).toInt() > 0 && m.captured(1).toInt() < 510);
        QCOMPARE(dlg.findChild<QLabel*>(QStringLiteral("state"))->text(), dlg.summary());
    }

    void portDialogChoices()
    {
        PtyPair pty;
        QVERIFY(pty.open());
        const QString path = QString::fromStdString(pty.slavePath());
        appSettings().portName = path;
        {
            PortDialog dlg(appSettings().portName);
            auto* field = dlg.findChild<QLineEdit*>(QStringLiteral("devicePath"));
            QCOMPARE(field->text(), path); // an openable device path is shown checked
            field->clear();
            QTest::keyClicks(field, QStringLiteral("/dev/ttyUSB7"));
            dlg.accept();
            QCOMPARE(appSettings().portName, QStringLiteral("/dev/ttyUSB7"));
        }
        {
            PortDialog dlg(
                appSettings().portName); // /dev/ttyUSB7 cannot be opened: nothing checked, but the path is kept
            for (QRadioButton* b : dlg.findChildren<QRadioButton*>())
                QVERIFY(!b->isChecked());
            QCOMPARE(dlg.findChild<QLineEdit*>(QStringLiteral("devicePath"))->text(), QStringLiteral("/dev/ttyUSB7"));
            // COM1 to COM16 are not offered a second time by their device names.
            for (QRadioButton* b : dlg.findChildren<QRadioButton*>())
                QVERIFY2(!IsNumberedPort(b->text().section(QLatin1Char(' '), 0, 0).toStdString()),
                         qPrintable(b->text()));
            QVERIFY(dlg.findChild<QPushButton*>(QStringLiteral("refresh")));
            dlg.accept(); // OK without a choice keeps the name
            QCOMPARE(appSettings().portName, QStringLiteral("/dev/ttyUSB7"));
        }
        {
            PortDialog dlg(appSettings().portName);
            for (QRadioButton* b : dlg.findChildren<QRadioButton*>())
                if (b->text().contains(QStringLiteral("SIM")))
                    b->setChecked(true);
            dlg.reject();
            QCOMPARE(appSettings().portName, QStringLiteral("/dev/ttyUSB7")); // Cancel changes nothing
        }
        {
            PortDialog dlg(appSettings().portName);
            for (int n = 1; n <= 16; ++n) {
                auto* b = dlg.findChild<QRadioButton*>(QString::number(PortDialog::kFirstComId + n - 1));
                QVERIFY(b);
                QCOMPARE(b->text(), QStringLiteral("COM%1").arg(n));
                QCOMPARE(b->isEnabled(), ProbePort(PortNameForNumber(n)));
            }
        }
    }
};

QTEST_MAIN(TransferDialogTest)
#include "transfer_dialog_test.moc"
