// The scan channel view driven through its tabs and controls, checked on
// the scan edge records it writes.
#include "channels/record_form.h"
#include "channels/scan_channel_view.h"
#include "tests/support/test_document.h"

#include "record_editor_support.h"

#include <QTabBar>

#include <memory>

using namespace editors;
namespace Id = RecordIds;

namespace {

std::uint32_t Edge(int k)
{
    return ImageMap::kScanEdges + ImageMap::kRecordSize * static_cast<std::uint32_t>(k);
}

} // namespace

class ScanChannelViewTest : public QObject {
    Q_OBJECT

    std::unique_ptr<ScanChannelView> open()
    {
        auto view = std::make_unique<ScanChannelView>(TestDocument());
        view->resize(720, 560);
        if (!ShowActive(view.get()))
            qWarning("view not active");
        view->ensureInitialised();
        return view;
    }
    static QWidget* rx(QWidget* v) { return Find<QLineEdit>(v, Id::kRx); }
    static QWidget* away(ScanChannelView* v) { return v->tabs(); }

private slots:
    void init() { ResetImage(); }

    void tabsAndLabels()
    {
        auto view = open();
        QStringList captions;
        for (int i = 0; i < view->tabs()->count(); ++i)
            captions << view->tabs()->tabText(i);
        QCOMPARE(captions, (QStringList{"L1", "U1", "L2", "U2", "L3", "U3", "L4", "U4", "L5", "U5"}));
        QCOMPARE(view->tabs()->objectName(), QStringLiteral("1162"));
        QCOMPARE(view->templateId(), 194);
        auto labelOf = [&](int id) {
            for (QLabel* l : view->findChildren<QLabel*>())
                if (l->buddy() && l->buddy()->objectName() == QString::number(id))
                    return l->text();
            return QString();
        };
        QCOMPARE(labelOf(Id::kDecodeType), QStringLiteral("Deocde type"));
        QCOMPARE(labelOf(Id::kSignallingDecode), QStringLiteral("Siganling decode"));
        QCOMPARE(labelOf(Id::kRx), QStringLiteral("Rx frequency(MHz)"));
        QCOMPARE(labelOf(Id::kBusyLock), QStringLiteral("Busy lock"));
        for (int id : {Id::kTxStop, Id::kReverseBackup, Id::kStep, Id::kOffsetDirection, Id::kOffset})
            QVERIFY(view->findChild<QWidget*>(QString::number(id))->isHidden());
        for (int id : {Id::kTx, Id::kName, Id::kScan, Id::kDisplayType, Id::kBusyLock})
            QVERIFY(!view->findChild<QWidget*>(QString::number(id))->isHidden());
    }

    void absentEdgeShowsEmptyAndDisabled()
    {
        auto view = open();
        QCOMPARE(Text(view.get(), Id::kRx), QString());
        QVERIFY(Find<QLineEdit>(view.get(), Id::kRx)->isEnabled());
        QVERIFY(!Find<QLineEdit>(view.get(), Id::kTx)->isEnabled());
        QVERIFY(!Find<QComboBox>(view.get(), Id::kCtcss)->isEnabled());
        QCOMPARE(Text(view.get(), Id::kCtcss), QString());
        QVERIFY(!Find<QCheckBox>(view.get(), Id::kEmphasis)->isEnabled());
        Grab(view.get(), QStringLiteral("scan_channel_absent"));
    }

    void firstReceiveCreatesTheEdge()
    {
        auto view = open();
        TypeAndLeave(rx(view.get()), QStringLiteral("430.0"), away(view.get()));
        QCOMPARE(Text(view.get(), Id::kRx), QStringLiteral("430.00000"));
        QCOMPARE(Text(view.get(), Id::kTx), QStringLiteral("430.00000"));
        QCOMPARE(Text(view.get(), Id::kTxPower), QStringLiteral("High"));
        QVERIFY(Find<QComboBox>(view.get(), Id::kCtcss)->isEnabled());
        QCOMPARE(Hex(Bytes(Edge(0))), Hex(NewRecord(43000000))); // offset 7.6 MHz in 450M
        QCOMPARE(ConstChannelRecord(TestImage().data() + Edge(0)).offset(), 760000u);
        view->SaveToImage();
        QCOMPARE(Hex(Bytes(Edge(0))), Hex(NewRecord(43000000)));
        Grab(view.get(), QStringLiteral("scan_channel"));
    }

    void outOfBandReceive_data()
    {
        QTest::addColumn<bool>("existing");
        QTest::addColumn<QString>("shown");
        QTest::newRow("existing edge restores") << true << "145.00000";
        QTest::newRow("new edge keeps") << false << "20.00000";
    }
    void outOfBandReceive()
    {
        QFETCH(bool, existing);
        QFETCH(QString, shown);
        if (existing)
            Put(Edge(3), NewRecord(14500000));
        auto view = open();
        view->tabs()->setCurrentIndex(3);
        TypeAndLeave(rx(view.get()), QStringLiteral("20.0"), away(view.get()));
        QCOMPARE(Text(view.get(), Id::kRx), shown);
        view->SaveToImage();
        QCOMPARE(FreqAt(Edge(3)), static_cast<std::uint32_t>(QString(shown).remove(u'.').toUInt()));
        QCOMPARE(ConstChannelRecord(TestImage().data() + Edge(3)).offset(), 60000u);
    }

    void tabChangeWritesTheEdgeLeft()
    {
        Put(Edge(0), NewRecord(14500000));
        Put(Edge(1), NewRecord(14600000));
        auto view = open();
        Pick(view.get(), Id::kTxPower, QStringLiteral("Low"));
        Type(Find<QLineEdit>(view.get(), Id::kName), QStringLiteral("EDGE"));
        Type(Find<QLineEdit>(view.get(), Id::kTx), QStringLiteral("145.6"));
        view->tabs()->setCurrentIndex(1);
        Settle();
        const ConstChannelRecord l1(TestImage().data() + Edge(0));
        QCOMPARE(l1.get(ChannelLayout::kTxPower), 0u);
        QCOMPARE(l1.name(), QStringLiteral("EDGE"));
        QCOMPARE(l1.tx(), 14560000u);
        QCOMPARE(l1.get(ChannelLayout::kOffsetDirection), unsigned(OffsetDirection::kFree));
        QCOMPARE(Text(view.get(), Id::kRx), QStringLiteral("146.00000"));
        QCOMPARE(Text(view.get(), Id::kName), QString());
        view->tabs()->setCurrentIndex(0);
        Settle();
        QCOMPARE(Text(view.get(), Id::kTxPower), QStringLiteral("Low"));
        QCOMPARE(Text(view.get(), Id::kName), QStringLiteral("EDGE"));
        QCOMPARE(Text(view.get(), Id::kTx), QStringLiteral("145.60000"));
    }

    void offsetDirectionOnWriting_data()
    {
        QTest::addColumn<uint>("stored");
        QTest::addColumn<uint>("tx");
        QTest::addColumn<uint>("written");
        const uint rx = 14500000, off = 60000;
        QTest::newRow("+ kept") << 2u << rx + off << 2u;
        QTest::newRow("- kept") << 1u << rx - off << 1u;
        QTest::newRow("free kept on receive") << 3u << rx << 3u;
        QTest::newRow("free kept") << 3u << rx + off << 3u;
        QTest::newRow("simplex shifted is free") << 0u << rx + off << 3u;
        QTest::newRow("+ on receive is simplex") << 2u << rx << 0u;
        QTest::newRow("+ the wrong way is free") << 2u << rx - off << 3u;
    }
    void offsetDirectionOnWriting()
    {
        QFETCH(uint, stored);
        QFETCH(uint, tx);
        QFETCH(uint, written);
        Record r = NewRecord(14500000);
        ChannelRecord(r.data()).setTx(tx);
        ChannelRecord(r.data()).set(ChannelLayout::kOffsetDirection, stored);
        Put(Edge(2), r);
        auto view = open();
        view->tabs()->setCurrentIndex(2);
        view->tabs()->setCurrentIndex(3);
        QCOMPARE(ConstChannelRecord(TestImage().data() + Edge(2)).get(ChannelLayout::kOffsetDirection), written);
    }

    void emptiedReceiveWritesAnAbsentEdge()
    {
        Put(Edge(0), BusyRecord());
        auto view = open();
        TypeAndLeave(rx(view.get()), QString(), away(view.get()));
        QCOMPARE(Text(view.get(), Id::kTx), QString());
        QVERIFY(!Find<QLineEdit>(view.get(), Id::kTx)->isEnabled());
        view->SaveToImage();
        QCOMPARE(Hex(Bytes(Edge(0))), Hex(NewRecord(0))); // 600 kHz offset, unlike a table row
    }

    void transmitBox()
    {
        Put(Edge(0), NewRecord(14500000));
        auto view = open();
        auto* tx = Find<QLineEdit>(view.get(), Id::kTx);
        TypeAndLeave(tx, QString(), away(view.get()));
        QCOMPARE(tx->text(), QStringLiteral("145.00000"));
        TypeAndLeave(tx, QStringLiteral("20"), away(view.get()));
        QCOMPARE(tx->text(), QStringLiteral("145.00000"));
        TypeAndLeave(tx, QStringLiteral("851.0075"), away(view.get()));
        QCOMPARE(tx->text(), QStringLiteral("851.00500"));
    }

    void edgeWithoutTransmitTakesTheReceiveFrequency()
    {
        Record r = NewRecord(14500000);
        ChannelRecord(r.data()).clearTx();
        Put(Edge(0), r);
        auto view = open();
        QCOMPARE(Text(view.get(), Id::kTx), QString());
        TypeAndLeave(rx(view.get()), QStringLiteral("145.5"), away(view.get()));
        QCOMPARE(Text(view.get(), Id::kTx), QStringLiteral("145.50000"));
        view->SaveToImage();
        QCOMPARE(FreqAt(Edge(0) + 4), 14550000u);
    }

    void loadShowsTheImage()
    {
        auto view = open();
        Put(Edge(0), BusyRecord());
        view->LoadFromImage();
        QCOMPARE(Text(view.get(), Id::kRx), QStringLiteral("145.00000"));
        QCOMPARE(Text(view.get(), Id::kTx), QStringLiteral("150.00000"));
        QCOMPARE(Text(view.get(), Id::kCtcss), QStringLiteral("88.5"));
        QCOMPARE(Text(view.get(), Id::kDcs), QStringLiteral("754"));
        QCOMPARE(Text(view.get(), Id::kTxPower), QStringLiteral("Middle 1"));
        QCOMPARE(Text(view.get(), Id::kSqlMode), QStringLiteral("Signaling & Tone"));
        QCOMPARE(Text(view.get(), Id::kSignallingDecode), QStringLiteral("5"));
        QCOMPARE(Text(view.get(), Id::kStep), QStringLiteral("25"));
        QCOMPARE(Text(view.get(), Id::kOffsetDirection), QStringLiteral("+"));
        QCOMPARE(Text(view.get(), Id::kName), QStringLiteral("AB1"));
        QVERIFY(Find<QLineEdit>(view.get(), Id::kOffset)->isEnabled());
        // Everything passes through a write unchanged.
        view->SaveToImage();
        QCOMPARE(Hex(Bytes(Edge(0))), Hex(BusyRecord()));
    }

    void saveBeforeFirstShowWritesNothing()
    {
        ScanChannelView view(TestDocument());
        Put(Edge(0), BusyRecord());
        view.SaveToImage();
        QCOMPARE(Hex(Bytes(Edge(0))), Hex(BusyRecord()));
    }
};

QTEST_MAIN(ScanChannelViewTest)
#include "scan_channel_view_test.moc"
