// The basic settings view driven through its real controls, checked in the image.
#include "settings/basic_setting_view.h"
#include "settings/setting_ids.h"
#include "tests/settings/form_test_support.h"
#include "tests/support/test_document.h"

#include "controls/up_down.h"

#include <QSignalSpy>
#include <QTabWidget>
#include <QtTest>

#include <memory>

using namespace BasicIds;

namespace {
constexpr QSize kViewSize(610, 500);
constexpr int kOptionTab = 0;
constexpr int kTotTab = 1;
constexpr int kKeyTab = 2;

void SetChannel(std::uint32_t bank, int n, std::uint8_t msb)
{
    TestImage()[bank + 32 * (n - 1) + 3] = msb;
}
} // namespace

class BasicSettingViewTest : public QObject {
    Q_OBJECT

    std::unique_ptr<BasicSettingView> m_view;

    // A view as the frame opens it: pages built from the image as it is now.
    void open()
    {
        m_view = std::make_unique<BasicSettingView>(TestDocument());
        QVERIFY(ShowActive(m_view.get(), kViewSize));
        m_view->ensureInitialised();
    }
    // A plausible settings block: every list has a valid selection.
    void writeTypical()
    {
        RadioImage& im = TestImage();
        im[0xCC2F] = 8; // volume
        im[0xCC28] = 0xE4;
        im[0xCC29] = 0x0C; // scrambler 3300
        im[0xCC38] = 11;
        im[0xCC39] = 12;
        im[0xCC3A] = 7;
        im[0xCC3B] = 6;
    }

    void selectTab(int index) { m_view->tabs()->setCurrentIndex(index); }
    QComboBox* combo(int id) const { return Control<QComboBox>(m_view.get(), id); }
    QLineEdit* edit(int id) const { return Control<QLineEdit>(m_view.get(), id); }

private slots:
    void init()
    {
        TestImage().fill(0);
        writeTypical();
    }
    void cleanup() { m_view.reset(); }

    void layoutAndHiddenFields()
    {
        open();
        QCOMPARE(m_view->tabs()->count(), 3);
        QCOMPARE(m_view->tabs()->tabText(0), QStringLiteral("Option"));
        QCOMPARE(m_view->tabs()->tabText(1), QStringLiteral("TOT"));
        QCOMPARE(m_view->tabs()->tabText(2), QStringLiteral("Key"));
        for (int id : {kLeftPriority, kRightPriority, kBacklightColor, kSte, kAmFunction, kSpanTransit})
            QVERIFY(combo(id)->isHidden());
        QVERIFY(combo(kSqlLeft)->isVisible());
        QCOMPARE(combo(kSpanExitDelay)->count(), 51);
        QCOMPARE(combo(kSpanExitDelay)->itemText(50), QStringLiteral("5.0"));
        QCOMPARE(combo(kSpanExitDelay)->itemText(1), QStringLiteral("0.1"));
        QCOMPARE(combo(kAutoContact)->itemText(1), QStringLiteral("Always remind"));
        QCOMPARE(TypeOver(edit(kScrambler), QStringLiteral("123456")), QStringLiteral("1234"));
        QCOMPARE(TypeOver(edit(kVolume), QStringLiteral("12345")), QStringLiteral("123"));
        SavePicture(m_view.get(), QStringLiteral("basic_option"));
        selectTab(kTotTab);
        SavePicture(m_view.get(), QStringLiteral("basic_tot"));
        selectTab(kKeyTab);
        SavePicture(m_view.get(), QStringLiteral("basic_key"));
    }

    void autoPowerOffShowsTheStoredTenths_data()
    {
        QTest::addColumn<int>("stored");
        QTest::addColumn<QString>("shown");
        QTest::addColumn<int>("saved");
        QTest::newRow("off") << 0 << "Off" << 0;
        QTest::newRow("half") << 5 << "0.5" << 5;
        QTest::newRow("one") << 10 << "1.0" << 10;
        QTest::newRow("one and a half") << 15 << "1.5" << 15;
        QTest::newRow("two") << 20 << "2.0" << 20;
        QTest::newRow("no item, fresh page") << 3 << "Off" << 0;
        QTest::newRow("ten hours: no item") << 100 << "Off" << 0;
    }
    void autoPowerOffShowsTheStoredTenths()
    {
        QFETCH(int, stored);
        QFETCH(QString, shown);
        QFETCH(int, saved);
        TestImage()[0xCC21] = static_cast<std::uint8_t>(stored);
        open();
        QCOMPARE(combo(kAutoPowerOff)->currentText(), shown);
        m_view->SaveToImage();
        QCOMPARE(int(TestImage()[0xCC21]), saved);
    }

    void autoPowerOffKeepsThePreviousSelection()
    {
        open();
        Pick(combo(kAutoPowerOff), QStringLiteral("1.5"));
        m_view->SaveToImage();
        QCOMPARE(int(TestImage()[0xCC21]), 0x0F);
        TestImage()[0xCC21] = 3; // on no item
        m_view->LoadFromImage();
        QCOMPARE(combo(kAutoPowerOff)->currentText(), QStringLiteral("1.5"));
        m_view->SaveToImage();
        QCOMPARE(int(TestImage()[0xCC21]), 15);
        // Backlight brightness follows the same rule.
        TestImage()[0xCC22] = 3;
        m_view->LoadFromImage();
        QCOMPARE(combo(kBacklightBrightness)->currentText(), QStringLiteral("3"));
        TestImage()[0xCC22] = 9;
        m_view->LoadFromImage();
        QCOMPARE(combo(kBacklightBrightness)->currentText(), QStringLiteral("3"));
        m_view->SaveToImage();
        QCOMPARE(int(TestImage()[0xCC22]), 3);
    }

    void volumeIsCorrectedWhenLeft_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("shown");
        QTest::newRow("empty") << ""
                               << "15";
        QTest::newRow("zero") << "0"
                              << "15";
        QTest::newRow("sixteen") << "16"
                                 << "15";
        QTest::newRow("letters") << "ab"
                                 << "15";
        QTest::newRow("one") << "1"
                             << "1";
        QTest::newRow("seven") << "7"
                               << "7";
    }
    void volumeIsCorrectedWhenLeft()
    {
        QFETCH(QString, typed);
        QFETCH(QString, shown);
        open();
        TypeAndLeave(edit(kVolume), typed);
        QCOMPARE(edit(kVolume)->text(), shown);
        m_view->SaveToImage();
        QCOMPARE(QString::number(TestImage()[0xCC2F]), shown);
    }

    void volumeFromTheImageAndItsArrows()
    {
        TestImage()[0xCC2F] = 0;
        open();
        QCOMPARE(edit(kVolume)->text(), QStringLiteral("15")); // the page check
        auto* arrows = Control<UpDown>(m_view.get(), kVolumeSpin);
        arrows->press(1);
        QCOMPARE(edit(kVolume)->text(), QStringLiteral("1")); // wraps at the top
        arrows->press(-1);
        QCOMPARE(edit(kVolume)->text(), QStringLiteral("15"));
        arrows->press(-1);
        QCOMPARE(edit(kVolume)->text(), QStringLiteral("14"));
        m_view->SaveToImage();
        QCOMPARE(int(TestImage()[0xCC2F]), 14);
    }

    void scramblerRange_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<int>("saved");
        QTest::newRow("below") << "2599" << 3300;
        QTest::newRow("lowest") << "2600" << 2600;
        QTest::newRow("highest") << "4000" << 4000;
        QTest::newRow("above") << "4001" << 3300;
        QTest::newRow("empty") << "" << 3300;
    }
    void scramblerRange()
    {
        QFETCH(QString, typed);
        QFETCH(int, saved);
        open();
        TypeAndLeave(edit(kScrambler), typed);
        QCOMPARE(edit(kScrambler)->text(), QString::number(saved));
        m_view->SaveToImage();
        QCOMPARE(int(TestImage()[0xCC28] | (TestImage()[0xCC29] << 8)), saved);
    }

    void scramblerFromTheImageIsCorrectedByThePageCheck()
    {
        TestImage()[0xCC28] = 0xFF;
        TestImage()[0xCC29] = 0xFF;
        open();
        QCOMPARE(edit(kScrambler)->text(), QStringLiteral("3300"));
    }

    void totClampAndArrows()
    {
        TestImage()[0xCC30] = 200; // out of range
        TestImage()[0xCC31] = 0;
        TestImage()[0xCC32] = 5;
        TestImage()[0xCC33] = 31;
        open();
        selectTab(kTotTab);
        QLineEdit* tot = edit(kTot);
        QCOMPARE(tot->text(), QStringLiteral("30"));
        QCOMPARE(edit(kTot + 1)->text(), QStringLiteral("Off"));
        QCOMPARE(edit(kTot + 3)->text(), QStringLiteral("30"));
        QCOMPARE(TypeOver(edit(kTot + 2), QStringLiteral("123")), QStringLiteral("12"));
        // "Off" is longer than what can be typed; typing over it works.
        QCOMPARE(TypeOver(edit(kTot + 1), QStringLiteral("7")), QStringLiteral("7"));

        TypeAndLeave(edit(kTot + 2), QStringLiteral("5"));
        TypeAndLeave(tot, QStringLiteral("45"));
        QCOMPARE(tot->text(), QStringLiteral("30"));
        TypeAndLeave(edit(kTot + 1), QStringLiteral("16"));
        QCOMPARE(edit(kTot + 1)->text(), QStringLiteral("15"));
        TypeAndLeave(edit(kTot + 1), QStringLiteral("0"));
        QCOMPARE(edit(kTot + 1)->text(), QStringLiteral("Off"));

        auto* arrows = Control<UpDown>(m_view.get(), kTotSpin);
        arrows->press(1); // at 30
        QCOMPARE(tot->text(), QStringLiteral("Off"));
        arrows->press(-1);
        QCOMPARE(tot->text(), QStringLiteral("30"));
        arrows->press(-1);
        QCOMPARE(tot->text(), QStringLiteral("29"));

        m_view->SaveToImage();
        QCOMPARE(int(TestImage()[0xCC30]), 29);
        QCOMPARE(int(TestImage()[0xCC31]), 0);
        QCOMPARE(int(TestImage()[0xCC32]), 5);
        QCOMPARE(int(TestImage()[0xCC33]), 30);
    }

    void keysOutsideTheListShowTheirDefault()
    {
        TestImage()[0xCC38] = 3;   // TCALL
        TestImage()[0xCC39] = 200; // P2: VFO/MR
        TestImage()[0xCC3A] = 13;  // P3: TONE
        TestImage()[0xCC3B] = 0;
        open();
        selectTab(kKeyTab);
        QCOMPARE(combo(kKey)->currentText(), QStringLiteral("TCALL"));
        QCOMPARE(combo(kKey + 1)->currentText(), QStringLiteral("VFO/MR"));
        QCOMPARE(combo(kKey + 2)->currentText(), QStringLiteral("TONE"));
        QCOMPARE(combo(kKey + 3)->currentText(), QStringLiteral("Off"));
        QCOMPARE(combo(kKey)->count(), 13);
        Pick(combo(kKey + 3), QStringLiteral("MHz"));
        m_view->SaveToImage();
        QCOMPARE(int(TestImage()[0xCC38]), 3);
        QCOMPARE(int(TestImage()[0xCC39]), 12);
        QCOMPARE(int(TestImage()[0xCC3A]), 7);
        QCOMPARE(int(TestImage()[0xCC3B]), 8);
        TestImage()[0xCC39] = 13; // just past the list
        Pick(combo(kKey + 1), QStringLiteral("Off"));
        m_view->LoadFromImage();
        QCOMPARE(combo(kKey + 1)->currentText(), QStringLiteral("VFO/MR"));
        m_view->SaveToImage();
        QCOMPARE(int(TestImage()[0xCC39]), 12);
    }

    void priorityChannelByPrefix()
    {
        SetChannel(ImageMap::kBankA, 3, 0x14);
        SetChannel(ImageMap::kBankA, 5, 0xFF); // empty
        SetChannel(ImageMap::kBankA, 51, 0x43);
        SetChannel(ImageMap::kBankA, 52, 0x43);
        SetChannel(ImageMap::kBankB, 2, 0x14);
        TestImage()[0xCC18] = 5;
        TestImage()[0xCC1A] = 7; // no bank B channel begins with 7
        open();
        QComboBox* left = combo(kLeftPriority);
        QCOMPARE(left->count(), 4); // Off, 3, 51, 52
        QCOMPARE(left->currentText(), QStringLiteral("51"));
        QCOMPARE(combo(kRightPriority)->currentText(), QStringLiteral("Off"));
        m_view->SaveToImage();
        QCOMPARE(int(TestImage()[0xCC18] | (TestImage()[0xCC19] << 8)), 51);
        QCOMPARE(int(TestImage()[0xCC1A] | (TestImage()[0xCC1B] << 8)), 0);

        // Built once: a channel added later is not offered.
        SetChannel(ImageMap::kBankA, 7, 0x14);
        TestImage()[0xCC18] = 7;
        m_view->LoadFromImage();
        QCOMPARE(left->count(), 4);
        QCOMPARE(left->currentText(), QStringLiteral("Off"));
        // A 16-bit number above 255.
        SetChannel(ImageMap::kBankA, 800, 0x14);
        m_view.reset();
        TestImage()[0xCC18] = 0x20;
        TestImage()[0xCC19] = 0x03;
        open();
        QCOMPARE(combo(kLeftPriority)->currentText(), QStringLiteral("800"));
    }

    void indexFieldsOutsideTheirListsTakeTheFirstItem()
    {
        TestImage()[0xCC20] = 5;    // SQL(Left)
        TestImage()[0xCC2E] = 4;    // SQL(Right): "Full"
        TestImage()[0xCC2C] = 51;   // span exit delay
        TestImage()[0xCC23] = 9;    // backlight colour
        TestImage()[0xCC27] = 0x03; // scan resume 3
        open();
        QCOMPARE(combo(kSqlLeft)->currentText(), QStringLiteral("Off"));
        QCOMPARE(combo(kSqlRight)->currentText(), QStringLiteral("Full"));
        QCOMPARE(combo(kSpanExitDelay)->currentText(), QStringLiteral("0.0"));
        QCOMPARE(combo(kScanResume)->currentText(), QStringLiteral("TO"));
        m_view->SaveToImage();
        QCOMPARE(int(TestImage()[0xCC20]), 0);
        QCOMPARE(int(TestImage()[0xCC2E]), 4);
        QCOMPARE(int(TestImage()[0xCC2C]), 0);
        QCOMPARE(int(TestImage()[0xCC23]), 0);
        QCOMPARE(int(TestImage()[0xCC27]), 0);
    }

    void scanResumeThreeSavesZeroKeepingTheOtherBits()
    {
        TestImage()[0xCC27] = 0xFF;
        open();
        QCOMPARE(combo(kScanResume)->currentText(), QStringLiteral("TO"));
        QCOMPARE(combo(kScanMode)->currentText(), QStringLiteral("MSM"));
        m_view->SaveToImage();
        QCOMPARE(int(TestImage()[0xCC27]), 0xFC);
    }

    void bitsAndBytesNotOwnedAreKept_data()
    {
        QTest::addColumn<int>("pattern");
        QTest::newRow("ones") << 0xFF;
        QTest::newRow("zeros") << 0x00;
        QTest::newRow("a5") << 0xA5;
        QTest::newRow("5a") << 0x5A;
    }
    void bitsAndBytesNotOwnedAreKept()
    {
        QFETCH(int, pattern);
        RadioImage& im = TestImage();
        for (std::uint32_t a = 0xCC24; a <= 0xCC27; ++a)
            im[a] = static_cast<std::uint8_t>(pattern);
        for (std::uint32_t a : {0xCC1C, 0xCC1D, 0xCC1E, 0xCC1F, 0xCC2A, 0xCC2B, 0xCC2D, 0xCC34, 0xCC35, 0xCC36, 0xCC37})
            im[a] = static_cast<std::uint8_t>(a & 0xFF);
        const RadioImage before = im;
        open();
        m_view->SaveToImage();
        // Every bit comes back, except "Scan resume mode" 2 and 3, which have no item.
        RadioImage expected = before;
        if ((expected[0xCC27] & 0x03) >= 2)
            expected[0xCC27] &= 0xFC;
        for (std::uint32_t a = 0xCC24; a <= 0xCC27; ++a)
            QCOMPARE(int(im[a]), int(expected[a]));
        QVERIFY(ChangedOutside(expected, im, {}).empty());
        // The other pages write only their own bytes too.
        for (int tab : {kTotTab, kKeyTab}) {
            const RadioImage was = im;
            selectTab(tab);
            m_view->SaveToImage();
            QVERIFY(ChangedOutside(was, im, {{0xCC30, 0xCC33}}).empty());
        }
    }

    void tabSwitchSavesTheLeftPageAndLoadsTheEntered()
    {
        open();
        TypeAndLeave(edit(kVolume), QStringLiteral("7"));
        Pick(combo(kTbst), QStringLiteral("2100"));
        QCOMPARE(int(TestImage()[0xCC2F]), 8); // not written on each edit
        TestImage()[0xCC30] = 12;
        selectTab(kTotTab);
        QCOMPARE(int(TestImage()[0xCC2F]), 7);
        QCOMPARE(int(TestImage()[0xCC25] >> 6), 3);
        QCOMPARE(edit(kTot)->text(), QStringLiteral("12"));
        TypeAndLeave(edit(kTot), QStringLiteral("20"));
        TestImage()[0xCC2F] = 3;
        selectTab(kOptionTab);
        QCOMPARE(int(TestImage()[0xCC30]), 20);
        QCOMPARE(edit(kVolume)->text(), QStringLiteral("3"));
        QCOMPARE(combo(kTbst)->currentText(), QStringLiteral("2100"));
    }

    void loadAndSaveActOnTheSelectedPageOnly()
    {
        open();
        selectTab(kKeyTab);
        edit(kVolume)->setText(QStringLiteral("4")); // on a page not shown
        TestImage()[0xCC2F] = 9;
        m_view->SaveToImage();
        QCOMPARE(int(TestImage()[0xCC2F]), 9);
        TestImage()[0xCC38] = 1;
        m_view->LoadFromImage();
        QCOMPARE(combo(kKey)->currentText(), QStringLiteral("SCAN"));
        QCOMPARE(edit(kVolume)->text(), QStringLiteral("4"));
    }

    void helpFollowsTheSelectedTab()
    {
        auto fresh = std::make_unique<BasicSettingView>(TestDocument());
        QCOMPARE(fresh->helpContext(), 32789); // no tab yet
        open();
        QSignalSpy help(m_view.get(), &BaseFormView::helpRequested);
        const struct {
            int tab;
            int focusId;
            int context;
        } cases[] = {{kOptionTab, kSqlLeft, 151}, {kTotTab, kTot, 146}, {kKeyTab, kKey, 175}};
        for (const auto& c : cases) {
            selectTab(c.tab);
            QWidget* w = m_view->findChild<QWidget*>(QString::number(c.focusId));
            w->setFocus();
            QTest::keyClick(w, Qt::Key_F1);
            QCOMPARE(help.size(), 1);
            QCOMPARE(help.takeFirst().value(0).toInt(), c.context);
        }
    }

    void enterAndEscapeChangeNothing()
    {
        open();
        QLineEdit* volume = edit(kVolume);
        volume->setFocus();
        QTest::keyClicks(volume, QStringLiteral("9"));
        const QString text = volume->text();
        QTest::keyClick(volume, Qt::Key_Return);
        QTest::keyClick(volume, Qt::Key_Escape);
        QCOMPARE(volume->text(), text);
        QVERIFY(m_view->isVisible());
        QCOMPARE(m_view->tabs()->currentIndex(), kOptionTab);
    }
};

QTEST_MAIN(BasicSettingViewTest)
#include "basic_setting_view_test.moc"
