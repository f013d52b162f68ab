// The channel edit dialog driven through its controls, checked on the
// channel records it writes.
#include "channels/channel_edit_dialog.h"
#include "channels/record_form.h"
#include "codecs/text_codecs.h"
#include "controls/up_down.h"
#include "tests/support/test_document.h"

#include "record_editor_support.h"
#include "tests/support/modal_answerer.h"

#include <QDialogButtonBox>
#include <QPushButton>

#include <memory>

using namespace editors;
namespace Id = RecordIds;

namespace {

std::uint32_t At(int channel)
{
    return ImageMap::ChannelOffset(static_cast<std::uint32_t>(channel));
}

void PutChannel(int channel, const Record& r)
{
    Put(At(channel), r);
}

} // namespace

class ChannelEditDialogTest : public QObject {
    Q_OBJECT

    std::unique_ptr<ChannelEditDialog> open(int channel)
    {
        auto dlg = std::make_unique<ChannelEditDialog>(nullptr, TestDocument(), channel, QString());
        if (!ShowActive(dlg.get()))
            qWarning("dialog not active");
        return dlg;
    }
    QWidget* rx(QWidget* dlg) { return Find<QLineEdit>(dlg, Id::kRx); }
    // Somewhere to leave a box for that has no rule of its own.
    QWidget* away(QWidget* dlg) { return Find<QLineEdit>(dlg, Id::kChannelNumber); }

private slots:
    void init() { ResetImage(); }

    void newChannelFromAnEmptyOne()
    {
        auto dlg = open(5);
        QCOMPARE(Text(dlg.get(), Id::kRx), QString());
        QVERIFY(!Find<QLineEdit>(dlg.get(), Id::kTx)->isEnabled());
        QVERIFY(!Find<QComboBox>(dlg.get(), Id::kTxPower)->isEnabled());
        QCOMPARE(Text(dlg.get(), Id::kTxPower), QString());

        TypeAndLeave(rx(dlg.get()), QStringLiteral("145.5"), away(dlg.get()));
        QCOMPARE(Text(dlg.get(), Id::kRx), QStringLiteral("145.50000"));
        QCOMPARE(Text(dlg.get(), Id::kTx), QStringLiteral("145.50000"));
        QCOMPARE(Text(dlg.get(), Id::kCtcss), QStringLiteral("100.0"));
        QCOMPARE(Text(dlg.get(), Id::kDcs), QStringLiteral("023"));
        QCOMPARE(Text(dlg.get(), Id::kTxPower), QStringLiteral("High"));
        QCOMPARE(Text(dlg.get(), Id::kBandwidth), QStringLiteral("Wide"));
        QCOMPARE(Text(dlg.get(), Id::kStep), QStringLiteral("12.5"));
        QCOMPARE(Text(dlg.get(), Id::kOffset), QStringLiteral("0.60000"));
        QVERIFY(Find<QComboBox>(dlg.get(), Id::kTxPower)->isEnabled());
        // The record is created at once, and closing writes it back unchanged.
        QCOMPARE(Hex(Bytes(At(5))), Hex(NewRecord(14550000)));
        dlg->close();
        QCOMPARE(Hex(Bytes(At(5))), Hex(NewRecord(14550000)));
    }

    void closingAcceptsTheBoxBeingTyped()
    {
        auto dlg = open(6);
        Type(rx(dlg.get()), QStringLiteral("145.5"));
        dlg->close();
        QCOMPARE(Hex(Bytes(At(6))), Hex(NewRecord(14550000)));
        // The Close button ends the dialog the same way.
        dlg = open(7);
        Type(rx(dlg.get()), QStringLiteral("145.5"));
        QPushButton* close = dlg->findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Close);
        QVERIFY(!close->isDefault() && !close->autoDefault());
        close->click();
        QVERIFY(!dlg->isVisible());
        QCOMPARE(Hex(Bytes(At(7))), Hex(NewRecord(14550000)));
    }

    void enterAcceptsTheReceiveBoxAndEscapeDoesNotClose()
    {
        PutChannel(5, NewRecord(14500000));
        auto dlg = open(5);
        Type(rx(dlg.get()), QStringLiteral("20.0"));
        QTest::keyClick(rx(dlg.get()), Qt::Key_Return);
        QCOMPARE(Text(dlg.get(), Id::kRx), QStringLiteral("145.00000"));
        QVERIFY(dlg->isVisible());
        QTest::keyClick(rx(dlg.get()), Qt::Key_Escape);
        QTest::keyClick(Find<QComboBox>(dlg.get(), Id::kTxPower), Qt::Key_Return);
        QVERIFY(dlg->isVisible());
    }

    void upDownWrapsAndWritesTheChannelLeft()
    {
        PutChannel(800, NewRecord(14500000));
        auto dlg = open(800);
        auto* spin = Find<UpDown>(dlg.get(), Id::kChannelSpin);
        TypeAndLeave(Find<QLineEdit>(dlg.get(), Id::kName), QStringLiteral("AB"), rx(dlg.get()));
        spin->press(1);
        QCOMPARE(dlg->shownChannel(), 1);
        QCOMPARE(Text(dlg.get(), Id::kChannelNumber), QStringLiteral("1"));
        QCOMPARE(ConstChannelRecord(TestImage().data() + At(800)).name(), QStringLiteral("AB"));
        spin->press(-1);
        QCOMPARE(dlg->shownChannel(), 800);
        QCOMPARE(Text(dlg.get(), Id::kName), QStringLiteral("AB"));
        spin->press(-1);
        QCOMPARE(dlg->shownChannel(), 799);
    }

    void typedChannelNumbers_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<int>("channel");
        QTest::newRow("0") << "0" << 1;
        QTest::newRow("999") << "999" << 800;
        QTest::newRow("37") << "37" << 37;
        QTest::newRow("empty") << "" << 1;
    }
    void typedChannelNumbers()
    {
        QFETCH(QString, typed);
        QFETCH(int, channel);
        PutChannel(channel, NewRecord(43850000));
        auto dlg = open(12);
        TypeAndLeave(Find<QLineEdit>(dlg.get(), Id::kChannelNumber), typed, rx(dlg.get()));
        QCOMPARE(dlg->shownChannel(), channel);
        QCOMPARE(Text(dlg.get(), Id::kChannelNumber), QString::number(channel));
        QCOMPARE(Text(dlg.get(), Id::kRx), QStringLiteral("438.50000"));
    }

    void unusableReceiveValues_data()
    {
        QTest::addColumn<int>("channel");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("shown");
        QTest::newRow("out of band restores") << 5 << "20.0"
                                              << "145.00000";
        QTest::newRow("airband raster") << 5 << "118.008"
                                        << "118.00833";
        QTest::newRow("channel 1 keeps to transmit bands") << 1 << "50.0"
                                                           << "145.00000";
        QTest::newRow("channel 1 takes 450M") << 1 << "433.0"
                                              << "433.00000";
        QTest::newRow("channel 1 cannot be emptied") << 1 << ""
                                                     << "145.00000";
    }
    void unusableReceiveValues()
    {
        QFETCH(int, channel);
        QFETCH(QString, typed);
        QFETCH(QString, shown);
        Record old = NewRecord(14500000);
        ChannelRecord(old.data()).setCtcssTenths(885);
        PutChannel(channel, old);
        auto dlg = open(channel);
        TypeAndLeave(rx(dlg.get()), typed, away(dlg.get()));
        QCOMPARE(Text(dlg.get(), Id::kRx), shown);
        dlg->close();
        // Not a new channel: the other fields stay as they were.
        const ConstChannelRecord r(TestImage().data() + At(channel));
        QCOMPARE(r.rx(), static_cast<std::uint32_t>(shown.remove(u'.').toUInt()));
        QCOMPARE(r.ctcssTenths(), 885u);
        QCOMPARE(r.tx(), 14500000u);
    }

    void emptiedChannelIsWrittenAbsent()
    {
        PutChannel(5, BusyRecord());
        auto dlg = open(5);
        TypeAndLeave(rx(dlg.get()), QString(), away(dlg.get()));
        QVERIFY(!Find<QComboBox>(dlg.get(), Id::kCtcss)->isEnabled());
        QCOMPARE(Text(dlg.get(), Id::kName), QString());
        dlg->close();
        QCOMPARE(Hex(Bytes(At(5))), Hex(NewRecord(0)));
    }

    void transmitBox()
    {
        Record r = NewRecord(14500000);
        ChannelRecord(r.data()).setTx(14560000);
        PutChannel(5, r);
        auto dlg = open(5);
        auto* tx = Find<QLineEdit>(dlg.get(), Id::kTx);
        TypeAndLeave(tx, QString(), away(dlg.get()));
        QCOMPARE(tx->text(), QStringLiteral("145.60000"));
        TypeAndLeave(tx, QStringLiteral("20"), away(dlg.get()));
        QCOMPARE(tx->text(), QStringLiteral("145.60000"));
        TypeAndLeave(tx, QStringLiteral("146.0083"), away(dlg.get()));
        QCOMPARE(tx->text(), QStringLiteral("146.00833"));
        dlg->close();
        QCOMPARE(FreqAt(At(5) + 4), 14600833u);
    }

    void channelOneTransmitStaysOnATransmitBand()
    {
        PutChannel(1, NewRecord(14500000));
        auto dlg = open(1);
        auto* tx = Find<QLineEdit>(dlg.get(), Id::kTx);
        TypeAndLeave(tx, QStringLiteral("50.0"), away(dlg.get()));
        QCOMPARE(tx->text(), QStringLiteral("145.00000"));
        TypeAndLeave(tx, QStringLiteral("440.0"), away(dlg.get()));
        QCOMPARE(tx->text(), QStringLiteral("440.00000"));
    }

    void sqlModeChoices_data()
    {
        QTest::addColumn<QString>("decode");
        QTest::addColumn<QString>("signalling");
        QTest::addColumn<QStringList>("offered");
        QTest::newRow("off/off") << "Off"
                                 << "Off" << QStringList{"Carrier"};
        QTest::newRow("encode/off") << "Ctcss Encode"
                                    << "Off" << QStringList{"Carrier"};
        QTest::newRow("off/dtmf") << "Off"
                                  << "DTMF" << QStringList{"Carrier", "Signaling"};
        QTest::newRow("codec/off") << "Ctcss Codec"
                                   << "Off" << QStringList{"Carrier", "Tone"};
        QTest::newRow("dcs/2 tone") << "Dcs Codec"
                                    << "2 Tone"
                                    << QStringList{"Carrier", "Tone", "Signaling", "Signaling & Tone",
                                                   "Signalling | Tone"};
    }
    void sqlModeChoices()
    {
        QFETCH(QString, decode);
        QFETCH(QString, signalling);
        QFETCH(QStringList, offered);
        PutChannel(5, NewRecord(14500000));
        auto dlg = open(5);
        Pick(dlg.get(), Id::kDecodeType, decode);
        Pick(dlg.get(), Id::kOptionSignalling, signalling);
        QCOMPARE(Items(Find<QComboBox>(dlg.get(), Id::kSqlMode)), offered);
        QCOMPARE(Find<QComboBox>(dlg.get(), Id::kSignallingDecode)->isEnabled(), signalling == u"2 Tone");
        Pick(dlg.get(), Id::kSqlMode, offered.last());
        dlg->close();
        QCOMPARE(ConstChannelRecord(TestImage().data() + At(5)).get(ChannelLayout::kSqlMode),
                 static_cast<unsigned>(SqlModeFromText(offered.last())));
    }

    void sqlModeFallsBackWhenNoLongerOffered()
    {
        Record r = NewRecord(14500000);
        ChannelRecord(r.data()).set(ChannelLayout::kSqlMode,
                                    SqlMode::kTone); // but no tone decoding
        PutChannel(5, r);
        auto dlg = open(5);
        auto* sql = Find<QComboBox>(dlg.get(), Id::kSqlMode);
        QCOMPARE(Items(sql), QStringList{"Carrier"});
        Pick(dlg.get(), Id::kDecodeType, QStringLiteral("Ctcss Codec"));
        Pick(dlg.get(), Id::kSqlMode, QStringLiteral("Tone"));
        Pick(dlg.get(), Id::kOptionSignalling, QStringLiteral("5 Tone"));
        QCOMPARE(sql->currentText(), QStringLiteral("Tone")); // still offered
        Pick(dlg.get(), Id::kDecodeType, QStringLiteral("Off"));
        QCOMPARE(sql->currentText(), QStringLiteral("Carrier"));
        Pick(dlg.get(), Id::kDecodeType, QStringLiteral("Dcs Codec"));
        dlg->close();
        QCOMPARE(ConstChannelRecord(TestImage().data() + At(5)).get(ChannelLayout::kSqlMode), 0u);
    }

    void reverseAndTalkAroundExcludeEachOther()
    {
        Record r = NewRecord(14500000);
        ChannelRecord(r.data()).set(ChannelLayout::kReverse, 1);
        PutChannel(5, r);
        auto dlg = open(5);
        auto* reverse = Find<QCheckBox>(dlg.get(), Id::kReverse);
        auto* talkAround = Find<QCheckBox>(dlg.get(), Id::kTalkAround);
        QVERIFY(reverse->isChecked());
        QTest::mouseClick(talkAround, Qt::LeftButton, {}, QPoint(4, talkAround->height() / 2));
        QVERIFY(talkAround->isChecked());
        QVERIFY(!reverse->isChecked());
        dlg->close();
        const ConstChannelRecord c(TestImage().data() + At(5));
        QCOMPARE(c.get(ChannelLayout::kReverse), 0u);
        QCOMPARE(c.get(ChannelLayout::kTalkAround), 1u);
    }

    void bothReverseAndTalkAroundStoredKeepsReverse()
    {
        Record r = NewRecord(14500000);
        ChannelRecord(r.data()).set(ChannelLayout::kReverse, 1);
        ChannelRecord(r.data()).set(ChannelLayout::kTalkAround, 1);
        PutChannel(5, r);
        auto dlg = open(5);
        QVERIFY(Find<QCheckBox>(dlg.get(), Id::kReverse)->isChecked());
        QVERIFY(!Find<QCheckBox>(dlg.get(), Id::kTalkAround)->isChecked());
    }

    void offsetIsNormalised_data()
    {
        QTest::addColumn<uint>("stored");
        QTest::addColumn<QString>("shown");
        QTest::newRow("60 MHz") << 6000000u << "7.60000";
        QTest::newRow("0.6037") << 60370u << "0.60000";
        QTest::newRow("0.607") << 60700u << "0.60625";
        QTest::newRow("50 MHz") << 5000000u << "50.00000";
    }
    void offsetIsNormalised()
    {
        QFETCH(uint, stored);
        QFETCH(QString, shown);
        Record r = NewRecord(14500000);
        ChannelRecord(r.data()).setOffset(stored);
        PutChannel(5, r);
        auto dlg = open(5);
        QCOMPARE(Text(dlg.get(), Id::kOffset), shown);
        dlg->close();
        QCOMPARE(ConstChannelRecord(TestImage().data() + At(5)).offset(),
                 static_cast<std::uint32_t>(QString(shown).remove(u'.').toUInt()));
    }

    void toneAndCodeBoxes()
    {
        PutChannel(5, NewRecord(14500000));
        auto dlg = open(5);
        auto* ctcss = Find<QComboBox>(dlg.get(), Id::kCtcss);
        auto* dcs = Find<QComboBox>(dlg.get(), Id::kDcs);
        TypeAndLeave(ctcss, QStringLiteral("88.55"), away(dlg.get()));
        QCOMPARE(ctcss->currentText(), QStringLiteral("88.5"));
        TypeAndLeave(dcs, QStringLiteral("7"), away(dlg.get()));
        QCOMPARE(dcs->currentText(), QStringLiteral("007"));
        TypeAndLeave(dcs, QStringLiteral("778"), ctcss);
        QCOMPARE(dcs->currentText(), QStringLiteral("023"));
        TypeAndLeave(ctcss, QStringLiteral("259.9"), away(dlg.get()));
        dlg->close();
        const ConstChannelRecord c(TestImage().data() + At(5));
        QCOMPARE(c.ctcssTenths(), 2599u);
        QCOMPARE(c.dcsCode(), 23u);
    }

    void absentTransmitStaysAbsent()
    {
        Record r = NewRecord(14500000);
        ChannelRecord(r.data()).clearTx();
        PutChannel(5, r);
        auto dlg = open(5);
        QCOMPARE(Text(dlg.get(), Id::kTx), QString());
        dlg->close();
        QCOMPARE(Hex(Bytes(At(5))), Hex(r));
    }

    void receiveOnlyChannelStaysReceiveOnly()
    {
        Record r = NewRecord(14500000);
        ChannelRecord(r.data()).clearTx();
        PutChannel(5, r);
        auto dlg = open(5);
        TypeAndLeave(rx(dlg.get()), QStringLiteral("145.5"), away(dlg.get()));
        QCOMPARE(Text(dlg.get(), Id::kTx), QString());
        dlg->close();
        ChannelRecord(r.data()).setRx(14550000);
        QCOMPARE(Hex(Bytes(At(5))), Hex(r));
    }

    void hiddenFieldsPassThrough()
    {
        Record busy = BusyRecord();
        busy[15] |= 0x04; // unused bits: the dialog writes them 0
        busy[20] |= 0x20;
        PutChannel(5, busy);
        auto dlg = open(5);
        for (int id : {Id::kTxStop, Id::kReverseBackup, Id::kStep, Id::kOffsetDirection, Id::kOffset})
            QVERIFY2(dlg->findChild<QWidget*>(QString::number(id))->isHidden(), qPrintable(QString::number(id)));
        QVERIFY(!Find<QLineEdit>(dlg.get(), Id::kName)->isHidden());
        Grab(dlg.get(), QStringLiteral("channel_edit"));
        dlg->close();
        QCOMPARE(Hex(Bytes(At(5))), Hex(BusyRecord()));
    }

    void labels()
    {
        auto dlg = open(5);
        auto labelOf = [&](int id) {
            for (QLabel* l : dlg->findChildren<QLabel*>())
                if (l->buddy() && l->buddy()->objectName() == QString::number(id))
                    return l->text();
            return QString();
        };
        QCOMPARE(dlg->windowTitle(), QStringLiteral("Channel edit"));
        QCOMPARE(labelOf(Id::kRx), QStringLiteral("Rx frequency(MHz)"));
        QCOMPARE(labelOf(Id::kDecodeType), QStringLiteral("Decode type"));
        QCOMPARE(labelOf(Id::kSignallingDecode), QStringLiteral("Siganling decode"));
        QCOMPARE(labelOf(Id::kBusyLock), QStringLiteral("Busy lock"));
        QCOMPARE(labelOf(Id::kChannelNumber), QStringLiteral("Channel number"));
        QCOMPARE(Find<QLineEdit>(dlg.get(), Id::kRx)->maxLength(), 9);
        QCOMPARE(Find<QLineEdit>(dlg.get(), Id::kOffset)->maxLength(), 8);
        QCOMPARE(Find<QComboBox>(dlg.get(), Id::kCtcss)->lineEdit()->maxLength(), 5);
        QCOMPARE(Find<QLineEdit>(dlg.get(), Id::kChannelNumber)->maxLength(), 3);
    }

    void runIsModalAndWritesOnClosing()
    {
        PutChannel(7, NewRecord(14500000));
        ModalAnswerer answerer;
        int seen = 0;
        answerer.onModal = [&seen](QWidget* w) {
            ++seen;
            QCOMPARE(w->windowTitle(), QStringLiteral("Channel edit"));
            QCOMPARE(Text(w, Id::kChannelNumber), QStringLiteral("7"));
            Find<QLineEdit>(w, Id::kName)->setText(QStringLiteral("RUN"));
            w->close(); // the title bar's close box
        };
        ChannelEditDialog::run(nullptr, TestDocument(), 7, QStringLiteral("145.00000"));
        QCOMPARE(seen, 1);
        QCOMPARE(ConstChannelRecord(TestImage().data() + At(7)).name(), QStringLiteral("RUN"));
    }

    void filtersDiscardOtherCharacters()
    {
        PutChannel(5, NewRecord(14500000));
        auto dlg = open(5);
        Type(Find<QLineEdit>(dlg.get(), Id::kName), QStringLiteral("a_b#1!"));
        QCOMPARE(Text(dlg.get(), Id::kName), QStringLiteral("ab#1"));
        Type(rx(dlg.get()), QStringLiteral("14x5,5"));
        QCOMPARE(Text(dlg.get(), Id::kRx), QStringLiteral("1455"));
    }
};

QTEST_MAIN(ChannelEditDialogTest)
#include "channel_edit_dialog_test.moc"
