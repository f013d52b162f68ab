// The five-tone view driven through its widgets, checked on the image and
// header bytes.
#include "controls/up_down.h"
#include "shell/view_catalog.h"
#include "signalling/five_tone_view.h"
#include "tests/signalling/signalling_document.h"
#include "tests/signalling/view_fixture.h"
#include "tests/support/test_document.h"

#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QLineEdit>
#include <QtTest>

#include <memory>

namespace {
constexpr std::uint32_t kStd = 0xD280;

void Choose(QComboBox* combo, int index)
{
    combo->setCurrentIndex(index);
    emit combo->activated(index);
}

void Retype(QLineEdit* edit, const QString& text)
{
    edit->setFocus();
    edit->clear();
    QTest::keyClicks(edit, text);
}

std::size_t EntryAt(int k, std::size_t byte)
{
    return FiveTone::StandardOffset(k) + byte;
}
} // namespace

class FiveToneViewTest : public QObject {
    Q_OBJECT

    std::unique_ptr<FiveToneView> m_view;

    template <class T> T* control(int id) const { return m_view->findChild<T*>(QString::number(id)); }
    QLineEdit* edit(int id) const { return control<QLineEdit>(id); }
    QComboBox* combo(int id) const { return control<QComboBox>(id); }
    QLineEdit* tone(int digit) const { return edit(1334 + 2 * digit); }

    // Focus into the box, then away: the box's on-leave rule runs.
    void leave(QLineEdit* box)
    {
        box->setFocus();
        QApplication::processEvents();
        combo(1366)->setFocus();
        QApplication::processEvents();
        QVERIFY(!box->hasFocus());
    }

    void reopen() { ShowFreshView(m_view, QSize(810, 600)); }

private slots:
    void init()
    {
        ResetSignallingDocument();
        reopen();
    }
    void cleanup() { m_view.reset(); }

    void untouchedViewWritesBackWhatItLoaded()
    {
        const RadioImage before = TestImage();
        const HeaderBlock header = TestHeader();
        m_view->SaveToImage();
        for (std::uint32_t a = 0xD280; a < 0xD550; ++a)
            QVERIFY2(TestImage()[a] == before[a], qPrintable(QString::number(a, 16)));
        QVERIFY(TestHeader() == header);
    }

    void ccir1WidthRange()
    {
        Choose(combo(1366), 6); // "CCIR1"
        QCOMPARE(combo(1366)->currentText(), QStringLiteral("CCIR1"));
        auto* arrows = control<UpDown>(1331);
        QCOMPARE(arrows->minimum(), 100);
        QCOMPARE(arrows->maximum(), 255);
        QCOMPARE(edit(1330)->text(), QStringLiteral("100")); // the entry's 100 shown
        Retype(edit(1330), QStringLiteral("70"));
        leave(edit(1330));
        QCOMPARE(edit(1330)->text(), QStringLiteral("100"));
        Retype(edit(1330), QStringLiteral("180"));
        leave(edit(1330));
        m_view->SaveToImage();
        QCOMPARE(TestImage()[kStd], 6);
        QCOMPARE(TestImage()[kStd + 1], 180);
        QCOMPARE(TestHeader()[EntryAt(6, 1)], 180);
        QCOMPARE(WordAt(kStd + 8), 19810); // CCIR1 "0" from the built-in table
    }

    void widthFollowsEachStandard_data()
    {
        QTest::addColumn<int>("standard");
        QTest::addColumn<int>("least");
        QTest::newRow("EEA") << 9 << 40;
        QTest::newRow("EIA") << 13 << 33;
        QTest::newRow("PCCIR") << 8 << 100;
        QTest::newRow("USER DEFINDE") << 15 << 70;
    }
    void widthFollowsEachStandard()
    {
        QFETCH(int, standard);
        QFETCH(int, least);
        Choose(combo(1366), standard);
        QCOMPARE(control<UpDown>(1331)->minimum(), least);
        Retype(edit(1330), QString::number(least - 1));
        leave(edit(1330));
        QCOMPARE(edit(1330)->text(), QString::number(least));
        Retype(edit(1330), QStringLiteral("256"));
        leave(edit(1330));
        QCOMPARE(edit(1330)->text(), QString::number(least));
    }

    void builtInTonesAreReadOnly()
    {
        Choose(combo(1366), 13); // "EIA"
        QCOMPARE(tone(0)->text(), QStringLiteral("600.0"));
        QCOMPARE(tone(10)->text(), QStringLiteral("2151.0"));
        QCOMPARE(tone(14)->text(), QStringLiteral("459.0"));
        for (int d = 0; d < 16; ++d) {
            QVERIFY(!tone(d)->isEnabled());
            QVERIFY(!control<UpDown>(1335 + 2 * d)->isEnabled());
        }
        QTest::keyClicks(tone(3), QStringLiteral("9"));
        QCOMPARE(tone(3)->text(), QStringLiteral("1023.0"));
        m_view->SaveToImage();
        QCOMPARE(TestImage()[kStd], 13);
        QCOMPARE(WordAt(kStd + 8 + 2 * 3), 10230);
    }

    void userStandardTonesAreSavedInTenths()
    {
        Choose(combo(1366), 15); // "USER DEFINDE"
        for (int d = 0; d < 16; ++d)
            QVERIFY(tone(d)->isEnabled());
        QCOMPARE(tone(0)->text(), QStringLiteral("2400.0")); // the user copy of ZVEI1
        Retype(tone(3), QStringLiteral("1234.5"));
        leave(tone(3));
        Retype(tone(15), QStringLiteral("700"));
        leave(tone(15));
        QCOMPARE(tone(15)->text(), QStringLiteral("700.0"));
        m_view->SaveToImage();
        QCOMPARE(HeaderWord(EntryAt(15, 8 + 2 * 3)), 12345);
        QCOMPARE(HeaderWord(EntryAt(15, 8 + 2 * 15)), 7000);
        QCOMPARE(TestImage()[kStd], 15);
        QCOMPARE(WordAt(kStd + 8 + 2 * 3), 12345);
        QCOMPARE(WordAt(kStd + 8 + 2 * 15), 7000);
        QCOMPARE(WordAt(kStd + 8), 24000);
        // Reopened, the user standard comes back from the image.
        reopen();
        QCOMPARE(combo(1366)->currentText(), QStringLiteral("USER DEFINDE"));
        QCOMPARE(tone(3)->text(), QStringLiteral("1234.5"));
    }

    void toneOutsideTheRangeBecomesEmpty_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("shown");
        QTest::addColumn<int>("stored");
        QTest::newRow("3200.0") << "3200.0"
                                << "" << 0;
        QTest::newRow("287.9") << "287.9"
                               << "" << 0;
        QTest::newRow("288") << "288"
                             << "288.0" << 2880;
        QTest::newRow("3116.0") << "3116.0"
                                << "3116.0" << 31160;
        QTest::newRow("1000.05") << "1000.05"
                                 << "1000.0" << 10000;
        QTest::newRow("empty") << ""
                               << "" << 0;
    }
    void toneOutsideTheRangeBecomesEmpty()
    {
        QFETCH(QString, typed);
        QFETCH(QString, shown);
        QFETCH(int, stored);
        Choose(combo(1366), 15);
        Retype(tone(5), typed);
        leave(tone(5));
        QCOMPARE(tone(5)->text(), shown);
        m_view->SaveToImage();
        QCOMPARE(HeaderWord(EntryAt(15, 8 + 2 * 5)), stored);
        QCOMPARE(WordAt(kStd + 8 + 2 * 5), stored);
    }

    void toneFieldTakesFrequencyCharactersOnly()
    {
        Choose(combo(1366), 15);
        Retype(tone(1), QStringLiteral("1a2-3.4x"));
        QCOMPARE(tone(1)->text(), QStringLiteral("123.4"));
    }

    void specialTonesStayDistinct_data()
    {
        QTest::addColumn<int>("delimiter"); // index in "None", "A".."F"
        QTest::addColumn<QString>("group");
        QTest::newRow("no delimiter") << 0 << "B";
        QTest::newRow("delimiter B") << 2 << "C";
    }
    void specialTonesStayDistinct()
    {
        QFETCH(int, delimiter);
        QFETCH(QString, group);
        Choose(combo(1211), delimiter);
        QCOMPARE(combo(1332)->currentText(), QStringLiteral("A"));
        Choose(combo(1333), 0); // repeat takes group's "A"
        QCOMPARE(combo(1333)->currentText(), QStringLiteral("A"));
        QCOMPARE(combo(1332)->currentText(), group);
        m_view->SaveToImage();
        QCOMPARE(TestImage()[kStd + 2], 10 + group.at(0).unicode() - 'A');
        QCOMPARE(TestImage()[kStd + 3], 0x0A);
        QCOMPARE(TestImage()[kStd + 4], delimiter == 0 ? 0 : 9 + delimiter);
    }

    void delimiterTakingRepeatLetterMovesRepeat()
    {
        Choose(combo(1211), 5); // "E", the repeat letter
        QCOMPARE(combo(1211)->currentText(), QStringLiteral("E"));
        QCOMPARE(combo(1333)->currentText(), QStringLiteral("B")); // A is the group's
        Choose(combo(1211), 0);                                    // "None" clashes with nothing
        QCOMPARE(combo(1333)->currentText(), QStringLiteral("B"));
        QCOMPARE(combo(1332)->currentText(), QStringLiteral("A"));
    }

    void codeDigitsNeedATone()
    {
        Choose(combo(1366), 2); // ZVEI3: no tone for B, C, D, F; repeat is E
        for (int id : {1092, 1052}) {
            Retype(edit(id), QStringLiteral("BCDEF9a1"));
            QCOMPARE(edit(id)->text(), QStringLiteral("9A1"));
        }
        Choose(combo(1333), 0); // repeat "A": now A is refused and E allowed
        Retype(edit(1092), QStringLiteral("AE2"));
        QCOMPARE(edit(1092)->text(), QStringLiteral("E2"));
        // Pasted text loses the refused digits too.
        edit(1092)->clear();
        QApplication::clipboard()->setText(QStringLiteral("1B2"));
        QTest::keyClick(edit(1092), Qt::Key_V, Qt::ControlModifier);
        QCOMPARE(edit(1092)->text(), QStringLiteral("12"));
    }

    void userStandardEmptyToneRefusesItsDigit()
    {
        Choose(combo(1366), 15);
        Retype(tone(7), QString());
        leave(tone(7));
        Retype(edit(1092), QStringLiteral("789"));
        QCOMPARE(edit(1092)->text(), QStringLiteral("89"));
    }

    void otherKeyboardFilters()
    {
        Retype(edit(1152), QStringLiteral("12A3"));
        QCOMPARE(edit(1152)->text(), QStringLiteral("123"));
        Retype(edit(1252), QStringLiteral("0fg9"));
        QCOMPARE(edit(1252)->text(), QStringLiteral("0F9"));
        Retype(edit(1330), QStringLiteral("1x2"));
        QCOMPARE(edit(1330)->text(), QStringLiteral("12"));
    }

    void timingsStepAndRange_data()
    {
        QTest::addColumn<int>("id");
        QTest::addColumn<std::uint32_t>("address");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("shown");
        QTest::addColumn<int>("stored");
        QTest::newRow("pre-carrier 125") << 1250 << 0xD2A8u << "125"
                                         << "120" << 12;
        QTest::newRow("pre-carrier 3000") << 1250 << 0xD2A8u << "3000"
                                          << "100" << 10;
        QTest::newRow("first expand empty") << 1258 << 0xD2A9u << ""
                                            << "100" << 10;
        QTest::newRow("end exit delay 2550") << 1256 << 0xD2AAu << "2550"
                                             << "2550" << 255;
        QTest::newRow("reply delay 0") << 1260 << 0xD2ABu << "0"
                                       << "0" << 0;
        QTest::newRow("reply delay 9") << 1260 << 0xD2ABu << "9"
                                       << "0" << 0;
    }
    void timingsStepAndRange()
    {
        QFETCH(int, id);
        QFETCH(std::uint32_t, address);
        QFETCH(QString, typed);
        QFETCH(QString, shown);
        QFETCH(int, stored);
        Retype(edit(id), typed);
        leave(edit(id));
        QCOMPARE(edit(id)->text(), shown);
        m_view->SaveToImage();
        QCOMPARE(TestImage()[address], stored);
        QCOMPARE(TestImage()[0xD2AC], 0x5A);
    }

    void timingArrowsStepByTen()
    {
        Retype(edit(1250), QStringLiteral("125"));
        control<UpDown>(1251)->press(1);
        QCOMPARE(edit(1250)->text(), QStringLiteral("130"));
        control<UpDown>(1251)->press(-1);
        QCOMPARE(edit(1250)->text(), QStringLiteral("120"));
        Retype(edit(1250), QStringLiteral("2550"));
        control<UpDown>(1251)->press(1);
        QCOMPARE(edit(1250)->text(), QStringLiteral("0"));
    }

    void autoResetShowsOffForZero()
    {
        QCOMPARE(edit(1185)->text(), QStringLiteral("10"));
        Retype(edit(1185), QStringLiteral("0"));
        leave(edit(1185));
        QCOMPARE(edit(1185)->text(), QStringLiteral("Off"));
        control<UpDown>(1186)->press(1);
        QCOMPARE(edit(1185)->text(), QStringLiteral("1"));
        control<UpDown>(1186)->press(-1);
        QCOMPARE(edit(1185)->text(), QStringLiteral("Off"));
        m_view->SaveToImage();
        QCOMPARE(TestImage()[0xD2C9], 0);
        Retype(edit(1185), QStringLiteral("256"));
        leave(edit(1185));
        QCOMPARE(edit(1185)->text(), QStringLiteral("10"));
    }

    void standardByteAboveFifteenShowsZvei1()
    {
        Choose(combo(1366), 13);
        m_view->SaveToImage();
        TestImage()[kStd] = 0x20;
        m_view->LoadFromImage();
        QCOMPARE(combo(1366)->currentText(), QStringLiteral("ZVEI1"));
        QCOMPARE(m_view->shownStandard(), 0);
        QCOMPARE(tone(0)->text(), QStringLiteral("2400.0"));
        m_view->SaveToImage();
        QCOMPARE(TestImage()[kStd], 0); // written back as the standard it shows
    }

    void switchingStandardsKeepsEachEntry()
    {
        Retype(edit(1330), QStringLiteral("99"));
        leave(edit(1330));
        Choose(combo(1366), 13);
        QCOMPARE(TestHeader()[EntryAt(0, 1)], 99); // ZVEI1's entry took the width on leaving it
        Choose(combo(1366), 0);
        QCOMPARE(edit(1330)->text(), QStringLiteral("99"));
    }

    void selfIdGroupAndFlags()
    {
        Retype(edit(1152), QStringLiteral("9876"));
        Choose(combo(1129), 3);
        m_view->findChild<QCheckBox*>(QStringLiteral("1149"))->setChecked(false);
        m_view->findChild<QCheckBox*>(QStringLiteral("1190"))->setChecked(true);
        Retype(edit(1254), QStringLiteral("ABC"));
        m_view->SaveToImage();
        QCOMPARE(TestImage()[0xD2C0], 9);
        QCOMPARE(TestImage()[0xD2C3], 6);
        QCOMPARE(TestImage()[0xD2C4], 0xFF);
        QCOMPARE(TestImage()[0xD2C8], 3);
        QCOMPARE(TestImage()[0xD2AF], 0x42); // side tone off, beep on, bit 6 kept
        QCOMPARE(TestImage()[0xD2B8], 0x0A);
        QCOMPARE(TestImage()[0xD2BA], 0x0C);
        QCOMPARE(TestImage()[0xD2BB], 0xFF);
        QCOMPARE(TestImage()[0xD2B0], 0xFF); // begin ID empty
        TestImage()[0xD2C8] = 9;             // a response the list lacks
        m_view->LoadFromImage();
        QCOMPARE(combo(1129)->currentIndex(), -1);
    }

    void functionSelectorKeepsEachRecord()
    {
        Retype(edit(1052), QStringLiteral("123"));
        Choose(combo(1281), 1); // "Stun"
        Choose(combo(1044), 1); // to function 2: function 1 is written
        QCOMPARE(m_view->shownFunction(), 1);
        QCOMPARE(TestImage()[0xD4D0], 1);
        QCOMPARE(TestImage()[0xD4D0 + 2], 3);
        QCOMPARE(TestImage()[0xD4D0 + 3], 0xFF);
        QCOMPARE(TestImage()[0xD4D0 + 15], 1);
        QCOMPARE(edit(1052)->text(), QString());
        QCOMPARE(combo(1281)->currentText(), QStringLiteral("Select"));
        Retype(edit(1052), QStringLiteral("45"));
        Choose(combo(1128), 2); // "Reply"
        Choose(combo(1044), 0);
        QCOMPARE(edit(1052)->text(), QStringLiteral("123"));
        QCOMPARE(combo(1281)->currentText(), QStringLiteral("Stun"));
        QCOMPARE(TestImage()[0xD4D0 + 16], 4);
        QCOMPARE(TestImage()[0xD4D0 + 16 + 14], 2);
        Choose(combo(1044), 1);
        QCOMPARE(edit(1052)->text(), QStringLiteral("45"));
        QCOMPARE(combo(1128)->currentText(), QStringLiteral("Reply"));
    }

    void keyboardChoiceSavesTheRecordShown()
    {
        // No list was opened: the record written is still the one shown.
        Choose(combo(1044), 2);
        Retype(edit(1052), QStringLiteral("77"));
        combo(1044)->setFocus();
        QTest::keyClick(combo(1044), Qt::Key_Down);
        QCOMPARE(combo(1044)->currentIndex(), 3);
        QCOMPARE(m_view->shownFunction(), 3);
        QCOMPARE(TestImage()[0xD4D0 + 16 * 2], 7);
        QCOMPARE(TestImage()[0xD4D0], 0xFF); // function 1 untouched
        QCOMPARE(TestImage()[0xD4D0 + 16 * 3], 0xFF);
    }

    void contactSelectorKeepsEachRecord()
    {
        Retype(edit(1005), QStringLiteral("ALICE"));
        Choose(combo(1262), 2); // "Message"
        QVERIFY(edit(1011)->isEnabled());
        Retype(edit(1011), QStringLiteral("HELLO THERE"));
        Retype(edit(1092), QStringLiteral("42"));
        Choose(combo(1045), 4); // to contact 5: contact 1 is written
        QCOMPARE(m_view->shownContact(), 4);
        const std::uint32_t c1 = 0xD2D0;
        QCOMPARE(TestImage()[c1], 4);
        QCOMPARE(TestImage()[c1 + 2], 0xFF);
        QCOMPARE(TestImage()[c1 + 8], 'A');
        QCOMPARE(TestImage()[c1 + 13], 0xFF);
        QCOMPARE(TestImage()[c1 + 14], 0xA0); // never written
        QCOMPARE(TestImage()[c1 + 15], 2);
        QCOMPARE(TestImage()[c1 + 16 + 10], 'E');
        QCOMPARE(TestImage()[c1 + 16 + 11], 0xFF);
        QCOMPARE(edit(1005)->text(), QStringLiteral("2T-S05"));
        QVERIFY(!edit(1011)->isEnabled());
        Choose(combo(1045), 0);
        QCOMPARE(edit(1005)->text(), QStringLiteral("ALICE"));
        QCOMPARE(edit(1092)->text(), QStringLiteral("42"));
        QCOMPARE(edit(1011)->text(), QStringLiteral("HELLO THERE"));
        QVERIFY(edit(1011)->isEnabled());
    }

    void messageEnabledOnlyForMessage_data()
    {
        QTest::addColumn<int>("codeType");
        QTest::addColumn<bool>("enabled");
        QTest::newRow("Off") << 0 << false;
        QTest::newRow("ANI") << 1 << false;
        QTest::newRow("Message") << 2 << true;
    }
    void messageEnabledOnlyForMessage()
    {
        QFETCH(int, codeType);
        QFETCH(bool, enabled);
        Choose(combo(1262), codeType);
        QCOMPARE(edit(1011)->isEnabled(), enabled);
        TestImage()[0xD2D0 + 15] = static_cast<std::uint8_t>(codeType);
        m_view->LoadFromImage();
        QCOMPARE(edit(1011)->isEnabled(), enabled);
    }

    void aliasLeftEmptyIsRefilled()
    {
        Retype(edit(1005), QString());
        leave(edit(1005));
        QCOMPARE(edit(1005)->text(), QStringLiteral("2T-S01")); // as loaded
        TestImage()[0xD2D0 + 32 * 6 + 8] = 0xFF;                // contact 7 without alias
        Choose(combo(1045), 6);
        QCOMPARE(edit(1005)->text(), QString());
        Retype(edit(1005), QStringLiteral("X"));
        leave(edit(1005));
        Retype(edit(1005), QString());
        leave(edit(1005));
        QCOMPARE(edit(1005)->text(), QStringLiteral("X")); // held when it got the focus
        TestImage()[0xD2D0 + 32 * 6 + 8] = 0xFF;
        m_view->LoadFromImage();
        Retype(edit(1005), QString());
        leave(edit(1005));
        QCOMPARE(edit(1005)->text(), QStringLiteral("2T-S07"));
    }

    void onlyContactOneNeedsACode()
    {
        Retype(edit(1092), QString());
        leave(edit(1092));
        QCOMPARE(edit(1092)->text(), QStringLiteral("12345")); // held at focus
        TestImage()[0xD2D0] = 0xFF;                            // contact 1 without code
        m_view->LoadFromImage();
        Retype(edit(1092), QString());
        leave(edit(1092));
        QCOMPARE(edit(1092)->text(), QStringLiteral("12345"));
        Choose(combo(1045), 1);
        Retype(edit(1092), QStringLiteral("7"));
        leave(edit(1092));
        Retype(edit(1092), QString());
        leave(edit(1092));
        QCOMPARE(edit(1092)->text(), QString());
        m_view->SaveToImage();
        QCOMPARE(TestImage()[0xD2D0 + 32], 0xFF);
    }

    void registeredWithTheMainWindow()
    {
        std::unique_ptr<BaseFormView> view(MakeProgramView(ViewKind::FiveTone, TestDocument()));
        QVERIFY(dynamic_cast<FiveToneView*>(view.get()));
        QCOMPARE(view->templateId(), 190);
    }

    void looksRight()
    {
        m_view->resize(ViewSize(ViewKind::FiveTone) - QSize(20, 70));
        Choose(combo(1366), 15);
        QApplication::processEvents();
        QVERIFY(m_view->grab().save(QStringLiteral("/tmp/five_tone_view.png")));
    }
};

QTEST_MAIN(FiveToneViewTest)
#include "five_tone_view_test.moc"
