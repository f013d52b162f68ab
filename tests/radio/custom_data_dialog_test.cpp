// The custom data dialog driven through its buttons: OK and Cancel, and its
// own Read and Write through the real transfer dialog against a simulated radio.
#include "link/core/loopback_port.h"
#include "link/core/port_factory.h"
#include "link/core/sim_radio.h"
#include "link/core/steady_link_clock.h"
#include "link/transfer_dialog.h"
#include "radio/custom_data_dialog.h"
#include "shell/commands.h"
#include "shell/core/app_settings.h"
#include "shell/main_window.h"
#include "shell/transfer_setup.h"
#include "tests/support/modal_answerer.h"
#include "tests/support/program_folder.h"
#include "tests/support/test_document.h"
#include "tests/support/test_views.h"

#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QtTest>

#include <memory>
#include <vector>

namespace {
constexpr char kTestPort[] = "CUSTOMDATARADIO";
const QByteArray kRadioText = QByteArrayLiteral("RADIO SIDE TEXT");

std::vector<std::uint8_t> Field(const QByteArray& text)
{
    std::vector<std::uint8_t> v(text.begin(), text.end());
    v.resize(32, 0xFF);
    return v;
}

std::vector<std::uint8_t> Bytes(const RadioImage& m, std::uint32_t at, int n)
{
    return {m.begin() + at, m.begin() + at + n};
}

QLineEdit* TextBox(QWidget* dlg)
{
    return dlg->findChild<QLineEdit*>(QStringLiteral("1033"));
}
void Press(QWidget* dlg, int id)
{
    dlg->findChild<QPushButton*>(QString::number(id))->click();
}
} // namespace

class CustomDataDialogTest : public QObject {
    Q_OBJECT

    ProgramFolder m_folder;
    std::unique_ptr<RadioImage> m_radioMemory;
    std::unique_ptr<SimRadio> m_radio;
    SteadyLinkClock m_clock;

    void useRadio(SimRadio::Faults faults = {})
    {
        m_radio = std::make_unique<SimRadio>(*m_radioMemory, faults);
        RegisterPortCreator(kTestPort, [this] { return std::make_unique<LoopbackPort>(*m_radio, m_clock); });
        appSettings().portName = QString::fromLatin1(kTestPort);
    }

    // Answers every transfer dialog with Start (or Exit), recording its caption.
    struct TransferAnswers {
        ModalAnswerer answerer;
        QStringList titles;
        bool start = true;
        TransferAnswers()
        {
            answerer.onModal = [this](QWidget* w) {
                auto* dlg = qobject_cast<TransferDialog*>(w);
                if (!dlg)
                    return;
                titles << dlg->windowTitle();
                Press(dlg, start ? 1 : 2);
            };
        }
    };

private slots:
    void initTestCase() { QVERIFY(m_folder.isValid()); }

    void init()
    {
        m_radioMemory = std::make_unique<RadioImage>();
        for (std::size_t i = 0; i < kImageSize; ++i)
            (*m_radioMemory)[i] = static_cast<std::uint8_t>(i * 13 + 1);
        (*m_radioMemory)[0xCC08] = 0; // unlocked
        std::fill(m_radioMemory->begin() + 0xFEE0, m_radioMemory->begin() + 0xFF00, std::uint8_t{0xFF});
        std::copy(kRadioText.begin(), kRadioText.end(), m_radioMemory->begin() + 0xFEE0);
        TestImage().fill(0xFF);
        appSettings().serviceMode = false;
        useRadio();
    }

    void showsTheImageText_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("shown");
        QTest::newRow("blank") << QByteArray() << "";
        QTest::newRow("ends at FF") << QByteArray("Hello\xFFxx", 8) << "Hello";
        QTest::newRow("ends at 00") << QByteArray("Hi\0there", 8) << "Hi";
        QTest::newRow("32 characters") << QByteArray(32, 'Q') << QString(32, QLatin1Char('Q'));
    }
    void showsTheImageText()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(QString, shown);
        std::copy(bytes.begin(), bytes.end(), TestImage().begin() + 0xFEE0);
        TestImage()[0xFF00] = 'Z'; // the identity record follows; it is not part of the text
        CustomDataDialog dlg(TestDocument(), ProgramTransferSetup());
        QCOMPARE(dlg.windowTitle(), QStringLiteral("Custom Data"));
        QCOMPARE(TextBox(&dlg)->text(), shown);
        QCOMPARE(TextBox(&dlg)->maxLength(), 32);
    }

    void okStoresTheText()
    {
        TestImage().fill(0x5A);
        CustomDataDialog dlg(TestDocument(), ProgramTransferSetup());
        dlg.show();
        TextBox(&dlg)->setText(QStringLiteral("AB-12 ~ free text"));
        Press(&dlg, 1);
        QCOMPARE(dlg.result(), int(QDialog::Accepted));
        QVERIFY(!dlg.isVisible());
        QCOMPARE(Bytes(TestImage(), 0xFEE0, 32), Field("AB-12 ~ free text"));
        QCOMPARE(TestImage()[0xFEDF], 0x5A);
        QCOMPARE(TestImage()[0xFF00], 0x5A);
    }

    void emptyBoxStoresThirtyTwoFF()
    {
        TestImage().fill(0x5A);
        CustomDataDialog dlg(TestDocument(), ProgramTransferSetup());
        dlg.show();
        TextBox(&dlg)->clear();
        Press(&dlg, 1);
        QCOMPARE(Bytes(TestImage(), 0xFEE0, 32), std::vector<std::uint8_t>(32, 0xFF));
    }

    void typedTextStopsAtThirtyTwo()
    {
        CustomDataDialog dlg(TestDocument(), ProgramTransferSetup());
        dlg.show();
        QTest::keyClicks(TextBox(&dlg), QString(40, QLatin1Char('k')));
        QCOMPARE(TextBox(&dlg)->text().size(), 32);
        Press(&dlg, 1);
        QCOMPARE(Bytes(TestImage(), 0xFEE0, 32), std::vector<std::uint8_t>(32, 'k'));
        QCOMPARE(TestImage()[0xFF00], 0xFF);
    }

    void cancelStoresNothing()
    {
        std::copy(kRadioText.begin(), kRadioText.end(), TestImage().begin() + 0xFEE0);
        const RadioImage before = TestImage();
        CustomDataDialog dlg(TestDocument(), ProgramTransferSetup());
        dlg.show();
        TextBox(&dlg)->setText(QStringLiteral("changed"));
        Press(&dlg, 2);
        QCOMPARE(dlg.result(), int(QDialog::Rejected));
        QVERIFY(TestImage() == before);
    }

    void readShowsTheRadioText()
    {
        TransferAnswers answers;
        CustomDataDialog dlg(TestDocument(), ProgramTransferSetup());
        dlg.show();
        Press(&dlg, 1003);
        QCOMPARE(answers.titles, QStringList{QStringLiteral("读数据")});
        QCOMPARE(TextBox(&dlg)->text(), QString::fromLatin1(kRadioText));
        QCOMPARE(Bytes(TestImage(), 0xFEE0, 32), Field(kRadioText));
        QCOMPARE(TestImage()[0xFF00], 0xFF); // one block, nothing else
        QCOMPARE(TestImage()[0xFEDF], 0xFF);
        QCOMPARE(m_radio->dataBlocks(), 1);
        QVERIFY(m_radio->sawEndRead());
        QVERIFY(dlg.isVisible()); // the dialog stays open
        QVERIFY(answers.answerer.messages.isEmpty());
    }

    void failedReadLeavesTheBoxAsItWas()
    {
        SimRadio::Faults faults;
        faults.cutReplyBlock = 0;
        useRadio(faults);
        TransferAnswers answers;
        CustomDataDialog dlg(TestDocument(), ProgramTransferSetup());
        dlg.show();
        TextBox(&dlg)->setText(QStringLiteral("typed, not stored"));
        Press(&dlg, 1003);
        QCOMPARE(answers.titles.size(), 1);
        QCOMPARE(answers.answerer.messages, QStringList{QStringLiteral("Communication error")});
        QCOMPARE(TextBox(&dlg)->text(), QStringLiteral("typed, not stored"));
    }

    void cancelledReadLeavesTheBoxAsItWas()
    {
        TransferAnswers answers;
        answers.start = false;
        CustomDataDialog dlg(TestDocument(), ProgramTransferSetup());
        dlg.show();
        TextBox(&dlg)->setText(QStringLiteral("kept"));
        Press(&dlg, 1003);
        QCOMPARE(answers.titles.size(), 1);
        QCOMPARE(TextBox(&dlg)->text(), QStringLiteral("kept"));
        QCOMPARE(m_radio->wakeUps(), 0);
    }

    void writeStoresAndSendsTheText()
    {
        TransferAnswers answers;
        CustomDataDialog dlg(TestDocument(), ProgramTransferSetup());
        dlg.show();
        TextBox(&dlg)->setText(QStringLiteral("NEW TEXT"));
        Press(&dlg, 1001);
        QCOMPARE(answers.titles, QStringList{QStringLiteral("写数据")});
        QCOMPARE(Bytes(TestImage(), 0xFEE0, 32), Field("NEW TEXT"));
        QCOMPARE(Bytes(m_radio->memory(), 0xFEE0, 32), Field("NEW TEXT"));
        QCOMPARE(Bytes(m_radio->memory(), 0xFF00, 16), Bytes(*m_radioMemory, 0xFF00, 16)); // nothing beyond
        QCOMPARE(Bytes(m_radio->memory(), 0xFEC0, 32), Bytes(*m_radioMemory, 0xFEC0, 32));
        QCOMPARE(m_radio->dataBlocks(), 1);
        QVERIFY(m_radio->sawEndWrite());
        QCOMPARE(TextBox(&dlg)->text(), QStringLiteral("NEW TEXT"));
    }

    void writeStoresEvenWhenTheTransferFails()
    {
        appSettings().portName = QStringLiteral("/nonexistent/port");
        TransferAnswers answers;
        CustomDataDialog dlg(TestDocument(), ProgramTransferSetup());
        dlg.show();
        TextBox(&dlg)->setText(QStringLiteral("stored anyway"));
        Press(&dlg, 1001);
        QCOMPARE(answers.answerer.messages.size(), 1);
        QVERIFY(answers.answerer.messages[0].startsWith(QStringLiteral("Open port fail\n")));
        QCOMPARE(Bytes(TestImage(), 0xFEE0, 32), Field("stored anyway"));
    }

    void theCommandRunsTheDialogInServiceMode()
    {
        MainWindow frame(MakeViewsWithPlainTable);
        frame.show();
        QVERIFY(QTest::qWaitForWindowExposed(&frame));
        QVERIFY(frame.commandAction(Cmd::CustomData)->isEnabled());
        frame.enterServiceMode();
        QCOMPARE(frame.editMenu()->actions().last(), frame.commandAction(Cmd::CustomData));
        ModalAnswerer answers;
        QString caption;
        answers.onModal = [&caption](QWidget* w) {
            auto* dlg = qobject_cast<CustomDataDialog*>(w);
            if (!dlg)
                return;
            caption = dlg->windowTitle();
            dlg->grab().save(QStringLiteral("/tmp/custom_data_dialog.png"));
            TextBox(dlg)->setText(QStringLiteral("via the menu"));
            Press(dlg, 1);
        };
        frame.runCommand(Cmd::CustomData);
        QCOMPARE(caption, QStringLiteral("Custom Data"));
        QCOMPARE(Bytes(frame.document().image(), 0xFEE0, 32), Field("via the menu"));
        appSettings().serviceMode = false;
    }
};

QTEST_MAIN(CustomDataDialogTest)
#include "custom_data_dialog_test.moc"
