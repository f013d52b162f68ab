// The VFO dialog driven through its tabs and controls, checked on the VFO
// records it writes.
#include "channels/core/vfo_consistency.h"
#include "channels/record_form.h"
#include "channels/vfo_dialog.h"
#include "tests/support/test_document.h"

#include "record_editor_support.h"

#include <QDialogButtonBox>
#include <QPushButton>
#include <QTabBar>

#include <memory>

using namespace editors;
namespace Id = RecordIds;

namespace {

std::uint32_t Vfo(int k)
{
    return VfoLayout::VfoOffset(k);
}

QStringList Captions(const QTabBar* tabs)
{
    QStringList captions;
    for (int i = 0; i < tabs->count(); ++i)
        captions << tabs->tabText(i);
    return captions;
}

} // namespace

class VfoDialogTest : public QObject {
    Q_OBJECT

    std::unique_ptr<VfoDialog> open()
    {
        auto dlg = std::make_unique<VfoDialog>(TestDocument());
        if (!ShowActive(dlg.get()))
            qWarning("dialog not active");
        return dlg;
    }
    static QWidget* rx(QWidget* d) { return Find<QLineEdit>(d, Id::kRx); }
    static QWidget* away(VfoDialog* d) { return d->tabs(); }
    static int tabOf(VfoDialog* d, const QString& caption)
    {
        return static_cast<int>(Captions(d->tabs()).indexOf(caption));
    }

private slots:
    void init()
    {
        ResetImage();
        for (int k = 0; k < VfoLayout::kVfoCount; ++k)
            Put(Vfo(k), NewRecord(VfoBandOf(TestBands(), k).lower));
    }

    void tabsFollowTheEnabledBands()
    {
        OnlyBands({4, 7});
        auto dlg = open();
        QCOMPARE(Captions(dlg->tabs()), (QStringList{"150M", "450M", "150M R", "450M R"}));
        QCOMPARE(dlg->currentRecord(), 4);
        QCOMPARE(dlg->windowTitle(), QStringLiteral("VFO"));
        dlg->tabs()->setCurrentIndex(3);
        QCOMPARE(dlg->currentRecord(), 10);
        dlg->tabs()->setCurrentIndex(2);
        QCOMPARE(dlg->currentRecord(), 9);
    }

    void factoryPlanTabs()
    {
        auto dlg = open();
        QCOMPARE(Captions(dlg->tabs()),
                 (QStringList{"30M", "50M", "60M", "150M", "250M", "350M", "450M", "850M", "150M R", "250M R"}));
        QCOMPARE(dlg->currentRecord(), 0);
    }

    void labelsAndHiddenControls()
    {
        auto dlg = open();
        auto labelOf = [&](int id) {
            for (QLabel* l : dlg->findChildren<QLabel*>())
                if (l->buddy() && l->buddy()->objectName() == QString::number(id))
                    return l->text();
            return QString();
        };
        QCOMPARE(labelOf(Id::kRx), QStringLiteral("Rx frequency (MHz)"));
        QCOMPARE(labelOf(Id::kDecodeType), QStringLiteral("Deocde type"));
        QCOMPARE(labelOf(Id::kBusyLock), QStringLiteral("Busy lcok"));
        QCOMPARE(labelOf(Id::kSignallingDecode), QStringLiteral("Siganling decode"));
        QCOMPARE(labelOf(Id::kOffset), QStringLiteral("Offset freq(MHz)"));
        for (int id : {Id::kTx, Id::kName, Id::kScan, Id::kDisplayType, Id::kTxStop, Id::kReverseBackup})
            QVERIFY(dlg->findChild<QWidget*>(QString::number(id))->isHidden());
        for (int id : {Id::kStep, Id::kOffsetDirection, Id::kOffset, Id::kBusyLock})
            QVERIFY(!dlg->findChild<QWidget*>(QString::number(id))->isHidden());
        Grab(dlg.get(), QStringLiteral("vfo"));
    }

    void receiveLimits_data()
    {
        QTest::addColumn<QString>("tab");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("shown");
        QTest::newRow("150M airband") << "150M"
                                      << "120.0"
                                      << "120.00000";
        QTest::newRow("150M above") << "150M"
                                    << "200.0"
                                    << "134.00000";
        QTest::newRow("450M kept") << "450M"
                                   << "433.0125"
                                   << "433.01250";
        QTest::newRow("450M raster") << "450M"
                                     << "500.0037"
                                     << "500.00000";
        QTest::newRow("450M no airband") << "450M"
                                         << "120.0"
                                         << "400.00000";
        QTest::newRow("150M R transmit limits") << "150M R"
                                                << "120.0"
                                                << "134.00000";
    }
    void receiveLimits()
    {
        QFETCH(QString, tab);
        QFETCH(QString, typed);
        QFETCH(QString, shown);
        OnlyBands({4, 7});
        auto dlg = open();
        dlg->tabs()->setCurrentIndex(tabOf(dlg.get(), tab));
        const int record = dlg->currentRecord();
        TypeAndLeave(rx(dlg.get()), typed, away(dlg.get()));
        QCOMPARE(Text(dlg.get(), Id::kRx), shown);
        dlg->findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Close)->click(); // as the close box
        QVERIFY(!dlg->isVisible());
        QCOMPARE(FreqAt(Vfo(record)), static_cast<std::uint32_t>(QString(shown).remove(u'.').toUInt()));
    }

    void stepsFollowTheReceiveBand()
    {
        auto dlg = open();
        dlg->tabs()->setCurrentIndex(tabOf(dlg.get(), QStringLiteral("850M")));
        auto* step = Find<QComboBox>(dlg.get(), Id::kStep);
        QCOMPARE(Items(step).first(), QStringLiteral("5.0"));
        QCOMPARE(step->count(), 9);
        QCOMPARE(step->currentText(), QStringLiteral("12.5"));
        dlg->tabs()->setCurrentIndex(tabOf(dlg.get(), QStringLiteral("450M")));
        QCOMPARE(step->count(), 13);
    }

    void transmitFollowsDirectionAndOffset_data()
    {
        QTest::addColumn<QString>("direction");
        QTest::addColumn<QString>("offset");
        QTest::addColumn<uint>("tx");
        QTest::addColumn<uint>("written");
        QTest::newRow("+50 leaves 150M") << "+"
                                         << "50" << 14500000u << 0u;
        QTest::newRow("+7.6 stays") << "+"
                                    << "7.6" << 15260000u << 2u;
        QTest::newRow("-0.6") << "-"
                              << "0.6" << 14440000u << 1u;
        QTest::newRow("off") << "Off"
                             << "7.6" << 14500000u << 0u;
        QTest::newRow("+60 is 7.6") << "+"
                                    << "60" << 15260000u << 2u;
    }
    void transmitFollowsDirectionAndOffset()
    {
        QFETCH(QString, direction);
        QFETCH(QString, offset);
        QFETCH(uint, tx);
        QFETCH(uint, written);
        OnlyBands({4, 7});
        auto dlg = open(); // on 150M
        TypeAndLeave(rx(dlg.get()), QStringLiteral("145"), away(dlg.get()));
        Pick(dlg.get(), Id::kOffsetDirection, direction);
        QCOMPARE(Find<QLineEdit>(dlg.get(), Id::kOffset)->isEnabled(), direction != u"Off");
        if (direction != u"Off")
            TypeAndLeave(Find<QLineEdit>(dlg.get(), Id::kOffset), offset, away(dlg.get()));
        dlg->tabs()->setCurrentIndex(1);
        const ConstChannelRecord r(TestImage().data() + Vfo(4));
        QCOMPARE(r.rx(), 14500000u);
        QCOMPARE(r.tx(), tx);
        QCOMPARE(r.get(ChannelLayout::kOffsetDirection), written);
    }

    void freeDirectionShowsOffAndIsWrittenSimplex()
    {
        OnlyBands({4, 7});
        Record r = NewRecord(14500000);
        ChannelRecord(r.data()).setTx(14700000);
        ChannelRecord(r.data()).set(ChannelLayout::kOffsetDirection, OffsetDirection::kFree);
        Put(Vfo(4), r);
        auto dlg = open();
        QCOMPARE(Text(dlg.get(), Id::kOffsetDirection), QStringLiteral("Off"));
        dlg->close();
        const ConstChannelRecord c(TestImage().data() + Vfo(4));
        QCOMPARE(c.get(ChannelLayout::kOffsetDirection), 0u);
        QCOMPARE(c.tx(), 14500000u);
    }

    void leavingAnEmptyVfoWritesTheLowerLimit()
    {
        OnlyBands({4, 7});
        Put(Vfo(7), NewRecord(0));
        auto dlg = open();
        dlg->tabs()->setCurrentIndex(tabOf(dlg.get(), QStringLiteral("450M")));
        QCOMPARE(Text(dlg.get(), Id::kRx), QString());
        // Never disabled, even without a frequency.
        QVERIFY(Find<QComboBox>(dlg.get(), Id::kCtcss)->isEnabled());
        QVERIFY(Find<QComboBox>(dlg.get(), Id::kTxPower)->isEnabled());
        dlg->tabs()->setCurrentIndex(0);
        const ConstChannelRecord c(TestImage().data() + Vfo(7));
        QCOMPARE(c.rx(), 40000000u);
        QCOMPARE(c.tx(), 40000000u);
    }

    void openingWritesNothing()
    {
        Put(Vfo(0), BusyRecord());
        const RadioImage before = TestImage();
        {
            VfoDialog dlg(TestDocument());
            QVERIFY(TestImage() == before);
        }
        QVERIFY(TestImage() != before); // closing (destroying) does write
    }

    void fieldsPassThrough()
    {
        OnlyBands({4, 7});
        Put(Vfo(4), BusyRecord());
        auto dlg = open();
        QCOMPARE(Text(dlg.get(), Id::kOffsetDirection), QStringLiteral("+"));
        QCOMPARE(Text(dlg.get(), Id::kStep), QStringLiteral("25"));
        dlg->close();
        QCOMPARE(Hex(Bytes(Vfo(4))), Hex(BusyRecord()));
    }

    void escapeAndEnterDoNotClose()
    {
        auto dlg = open();
        QTest::keyClick(rx(dlg.get()), Qt::Key_Escape);
        QTest::keyClick(rx(dlg.get()), Qt::Key_Return);
        QVERIFY(dlg->isVisible());
    }
};

QTEST_MAIN(VfoDialogTest)
#include "vfo_dialog_test.moc"
