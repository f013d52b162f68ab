// The alarm view driven through its real controls, checked in the image.
#include "settings/alarm_view.h"
#include "settings/setting_ids.h"
#include "tests/settings/form_test_support.h"
#include "tests/support/test_document.h"

#include "controls/up_down.h"

#include <QtTest>

#include <memory>

using namespace AlarmIds;

namespace {
constexpr QSize kViewSize(480, 455);

void SetCodeFirstByte(int k, std::uint8_t b)
{
    TestImage()[0xD760 + 24 * (k - 1)] = b;
}
} // namespace

class AlarmViewTest : public QObject {
    Q_OBJECT

    std::unique_ptr<AlarmView> m_view;

    void open()
    {
        m_view = std::make_unique<AlarmView>(TestDocument());
        QVERIFY(ShowActive(m_view.get(), kViewSize));
        m_view->ensureInitialised();
    }
    QComboBox* combo(int id) const { return Control<QComboBox>(m_view.get(), id); }
    QLineEdit* edit(int id) const { return Control<QLineEdit>(m_view.get(), id); }
    UpDown* arrows(int id) const { return Control<UpDown>(m_view.get(), id); }

private slots:
    void init()
    {
        TestImage().fill(0xFF);
        RadioImage& im = TestImage();
        im[0xCC70] = 1;
        im[0xCC71] = 10;
        im[0xCC72] = 30;
        im[0xCC73] = 40;
        im[0xCC76] = 0;
        im[0xCC77] = 0x01;
    }
    void cleanup() { m_view.reset(); }

    void layoutAndLists()
    {
        SetCodeFirstByte(2, 0x01);
        SetCodeFirstByte(4, 0x00); // digit "0" first: not offered
        SetCodeFirstByte(12, 0x0C);
        open();
        QStringList codes;
        for (int i = 0; i < combo(kEmiCode)->count(); ++i)
            codes << combo(kEmiCode)->itemText(i);
        QCOMPARE(codes, (QStringList{"None", "2", "12"}));
        QCOMPARE(combo(kAlarmType)->count(), 5);
        QCOMPARE(combo(kAlarmType)->currentText(), QStringLiteral("Transpond+Background"));
        QCOMPARE(combo(kEmiCodeType)->currentText(), QStringLiteral("DTMF"));
        QCOMPARE(TypeOver(edit(kCycle), QStringLiteral("1234")), QStringLiteral("123"));
        QCOMPARE(edit(kTxTime)->text(), QStringLiteral("30"));
        SavePicture(m_view.get(), QStringLiteral("alarm"));
    }

    void cycle()
    {
        TestImage()[0xCC71] = 0;
        open();
        QLineEdit* cycle = edit(kCycle);
        QCOMPARE(cycle->text(), QStringLiteral("Continuous"));
        m_view->SaveToImage();
        QCOMPARE(int(TestImage()[0xCC71]), 0);
        const struct {
            const char* typed;
            const char* shown;
            int saved;
        } cases[] = {{"300", "5", 5}, {"0", "Continuous", 0}, {"", "5", 5}, {"255", "255", 255}, {"12", "12", 12}};
        for (const auto& c : cases) {
            TypeAndLeave(cycle, QString::fromLatin1(c.typed));
            QCOMPARE(cycle->text(), QString::fromLatin1(c.shown));
            m_view->SaveToImage();
            QCOMPARE(int(TestImage()[0xCC71]), c.saved);
        }
        // Typed past the byte and saved before the edit is left: the default, not a wrapped byte.
        cycle->setText(QStringLiteral("999"));
        m_view->SaveToImage();
        QCOMPARE(int(TestImage()[0xCC71]), 5);
    }

    void times()
    {
        TestImage()[0xCC72] = 0; // out of range: corrected by the view check
        TestImage()[0xCC73] = 255;
        open();
        QCOMPARE(edit(kTxTime)->text(), QStringLiteral("5"));
        QCOMPARE(edit(kRxTime)->text(), QStringLiteral("255"));
        TypeAndLeave(edit(kTxTime), QString());
        QCOMPARE(edit(kTxTime)->text(), QStringLiteral("5"));
        TypeAndLeave(edit(kRxTime), QStringLiteral("0"));
        QCOMPARE(edit(kRxTime)->text(), QStringLiteral("8"));
        TypeAndLeave(edit(kTxTime), QStringLiteral("17"));
        edit(kRxTime)->setText(QStringLiteral("256")); // not left: the save's check corrects it
        m_view->SaveToImage();
        QCOMPARE(int(TestImage()[0xCC72]), 17);
        QCOMPARE(int(TestImage()[0xCC73]), 8);
    }

    void arrowsWrapWithoutSnapping()
    {
        TestImage()[0xCC71] = 255;
        TestImage()[0xCC72] = 1;
        TestImage()[0xCC73] = 255;
        open();
        arrows(kCycleSpin)->press(1);
        QCOMPARE(edit(kCycle)->text(), QStringLiteral("Continuous"));
        arrows(kCycleSpin)->press(-1);
        QCOMPARE(edit(kCycle)->text(), QStringLiteral("255"));
        arrows(kCycleSpin)->press(-1);
        QCOMPARE(edit(kCycle)->text(), QStringLiteral("254"));
        arrows(kTxTimeSpin)->press(-1);
        QCOMPARE(edit(kTxTime)->text(), QStringLiteral("255"));
        arrows(kRxTimeSpin)->press(1);
        QCOMPARE(edit(kRxTime)->text(), QStringLiteral("1"));
        // A larger step moves by exactly that much.
        arrows(kRxTimeSpin)->setStep(5);
        arrows(kRxTimeSpin)->press(1);
        QCOMPARE(edit(kRxTime)->text(), QStringLiteral("6"));
        m_view->SaveToImage();
        QCOMPARE(int(TestImage()[0xCC71]), 254);
        QCOMPARE(int(TestImage()[0xCC72]), 255);
        QCOMPARE(int(TestImage()[0xCC73]), 6);
    }

    void emiCodeByPrefix()
    {
        SetCodeFirstByte(1, 0xFF); // code 1 empty
        SetCodeFirstByte(3, 0xFF); // code 3 empty
        SetCodeFirstByte(12, 0x05);
        TestImage()[0xCC76] = 1;
        open();
        QCOMPARE(combo(kEmiCode)->currentText(), QStringLiteral("12")); // the first code beginning with 1
        m_view->SaveToImage();
        QCOMPARE(int(TestImage()[0xCC76]), 12);
        // No code begins with 3: the selection stays, and so does the stored code.
        TestImage()[0xCC76] = 3;
        m_view->LoadFromImage();
        QCOMPARE(combo(kEmiCode)->currentText(), QStringLiteral("12"));
        m_view->SaveToImage();
        QCOMPARE(int(TestImage()[0xCC76]), 12);
        // 0 is "None", whatever was selected before.
        TestImage()[0xCC76] = 0;
        m_view->LoadFromImage();
        QCOMPARE(combo(kEmiCode)->currentText(), QStringLiteral("None"));
        m_view->SaveToImage();
        QCOMPARE(int(TestImage()[0xCC76]), 0);
    }

    void emiCodeWithoutMatchOnAFreshView()
    {
        SetCodeFirstByte(3, 0xFF);
        SetCodeFirstByte(12, 0x05);
        TestImage()[0xCC76] = 3;
        open();
        QCOMPARE(combo(kEmiCode)->currentText(), QStringLiteral("None"));
        // Built once: a code added while the view is open is not offered.
        SetCodeFirstByte(7, 0x07);
        m_view->LoadFromImage();
        QCOMPARE(combo(kEmiCode)->count(), 2);
        m_view->SaveToImage();
        QCOMPARE(int(TestImage()[0xCC76]), 0);
    }

    void emiCodeTypeAndRemoteBits_data()
    {
        QTest::addColumn<int>("stored");
        QTest::addColumn<QString>("type");
        QTest::addColumn<QString>("remote");
        QTest::addColumn<int>("saved");
        QTest::newRow("type 2 keeps bit 7 and bits 6..2") << 0xD6 << "None"
                                                          << "On" << 0xD4;
        QTest::newRow("type 3") << 0x7F << "None"
                                << "Off" << 0x7C;
        QTest::newRow("dtmf") << 0x01 << "DTMF"
                              << "Off" << 0x01;
        QTest::newRow("all set but type") << 0xFD << "DTMF"
                                          << "On" << 0xFD;
    }
    void emiCodeTypeAndRemoteBits()
    {
        QFETCH(int, stored);
        QFETCH(QString, type);
        QFETCH(QString, remote);
        QFETCH(int, saved);
        TestImage()[0xCC77] = static_cast<std::uint8_t>(stored);
        open();
        QCOMPARE(combo(kEmiCodeType)->currentText(), type);
        QCOMPARE(combo(kRemoteEmiAlarm)->currentText(), remote);
        m_view->SaveToImage();
        QCOMPARE(int(TestImage()[0xCC77]), saved);
    }

    void alarmTypeBeyondTheListAndUnusedBytes()
    {
        TestImage()[0xCC70] = 9;
        TestImage()[0xCC74] = 0x12;
        TestImage()[0xCC75] = 0x34;
        const RadioImage before = TestImage();
        open();
        QCOMPARE(combo(kAlarmType)->currentText(), QStringLiteral("Alarm"));
        Pick(combo(kRemoteEmiAlarm), QStringLiteral("On"));
        m_view->SaveToImage();
        QCOMPARE(int(TestImage()[0xCC70]), 0);
        QCOMPARE(int(TestImage()[0xCC77]), 0x81);
        QVERIFY(ChangedOutside(before, TestImage(), {{0xCC70, 0xCC73}, {0xCC76, 0xCC77}}).empty());
    }

    void enterAndEscapeChangeNothing()
    {
        open();
        QLineEdit* tx = edit(kTxTime);
        tx->setFocus();
        QTest::keyClick(tx, Qt::Key_Backspace);
        QTest::keyClick(tx, Qt::Key_Return);
        QTest::keyClick(tx, Qt::Key_Escape);
        QCOMPARE(tx->text(), QStringLiteral("3"));
        QVERIFY(m_view->isVisible());
    }
};

QTEST_MAIN(AlarmViewTest)
#include "alarm_view_test.moc"
