// The two-tone view driven through its widgets, checked on the image bytes.
#include "controls/cell_combo.h"
#include "controls/cell_drop_list.h"
#include "controls/cell_editor.h"
#include "controls/cell_line_edit.h"
#include "controls/char_input_filter.h"
#include "controls/grid.h"
#include "controls/up_down.h"
#include "shell/view_catalog.h"
#include "signalling/two_tone_contact_page.h"
#include "signalling/two_tone_system_page.h"
#include "signalling/two_tone_view.h"
#include "tests/signalling/signalling_document.h"
#include "tests/signalling/view_fixture.h"
#include "tests/support/test_document.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QTabBar>
#include <QTabWidget>
#include <QTableView>
#include <QtTest>

#include <memory>
#include <vector>

namespace {
constexpr std::uint32_t kSystem0 = 0xCF80;
constexpr std::uint32_t kCalls = 0xD180;
using Col = TwoToneContactPage::Column;

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

std::vector<int> Bytes(std::uint32_t at, int n)
{
    return std::vector<int>(TestImage().begin() + at, TestImage().begin() + at + n);
}
} // namespace

class TwoToneViewTest : public QObject {
    Q_OBJECT

    std::unique_ptr<TwoToneView> m_view;

    TwoToneSystemPage* systemPage() const { return m_view->systemPage(); }
    TwoToneContactPage* contactPage() const { return m_view->contactPage(); }
    Grid* grid() const { return contactPage()->grid(); }
    QLineEdit* edit(int id) const { return systemPage()->findChild<QLineEdit*>(QString::number(id)); }
    QComboBox* combo(int id) const { return systemPage()->findChild<QComboBox*>(QString::number(id)); }
    template <class T> T* editor(int id) const { return contactPage()->findChild<T*>(QString::number(id)); }

    void leave(QLineEdit* box)
    {
        box->setFocus();
        QApplication::processEvents();
        combo(1301)->setFocus();
        QApplication::processEvents();
        QVERIFY(!box->hasFocus());
    }

    void showContactPage()
    {
        m_view->tabs()->setCurrentIndex(1);
        QApplication::processEvents();
    }

    // A real left click on a cell.
    void click(int row, int col)
    {
        auto* table = grid()->findChild<QTableView*>();
        QVERIFY(table);
        grid()->setCurrentCell(row, col); // only to find where the cell lies
        const QPoint at = table->viewport()->mapFrom(grid(), grid()->cellPixelRect().center());
        QTest::mouseClick(table->viewport(), Qt::LeftButton, {}, at);
        QApplication::processEvents();
    }

    // Click a tone cell, type, and click away: the edit commits.
    void typeTone(int row, int col, const QString& text)
    {
        click(row, col);
        auto* tone = editor<CellLineEdit>(1023);
        QVERIFY(grid()->openEditor() == tone);
        if (text.isEmpty())
            tone->clear();
        else
            QTest::keyClicks(tone, text); // replaces the selected cell text
        grid()->focusGrid();
    }

    void pick(int row, int col, int editorId, int index)
    {
        click(row, col);
        auto* list = editor<CellDropList>(editorId);
        QVERIFY(grid()->openEditor() == list);
        list->setCurrentIndex(index);
        grid()->focusGrid();
    }

    void reopen() { ShowFreshView(m_view, QSize(650, 560)); }

private slots:
    void init()
    {
        ResetSignallingDocument();
        reopen();
    }
    void cleanup() { m_view.reset(); }

    void untouchedPagesWriteBackWhatTheyLoaded()
    {
        const RadioImage before = TestImage();
        m_view->SaveToImage();
        showContactPage();
        m_view->SaveToImage();
        QVERIFY(TestImage() == before);
    }

    void offDecodersWithoutOffInTheFirstList()
    {
        TestImage()[kSystem0 + 24] = 0x00;
        m_view->LoadFromImage();
        QCOMPARE(combo(1300)->currentIndex(), -1);
        QCOMPARE(combo(1300)->findText(QStringLiteral("Off")), -1);
        QCOMPARE(combo(1300)->count(), 15);
        for (int id : {1302, 1304, 1306})
            QCOMPARE(combo(id)->currentText(), QStringLiteral("Off"));
        m_view->SaveToImage();
        QCOMPARE(Bytes(kSystem0 + 24, 4), (std::vector<int>{0, 0, 0, 0}));
        TestImage()[kSystem0 + 25] = 0x77; // no such format
        m_view->LoadFromImage();
        QCOMPARE(combo(1302)->currentText(), QStringLiteral("Off"));
    }

    void formatsAndPackedResponses()
    {
        Choose(combo(1300), combo(1300)->findText(QStringLiteral("D-C")));
        Choose(combo(1302), combo(1302)->findText(QStringLiteral("Long B")));
        Choose(combo(1301), 2);
        Choose(combo(1307), 3);
        Choose(combo(1303), 1);
        m_view->SaveToImage();
        QCOMPARE(Bytes(kSystem0 + 24, 5), (std::vector<int>{0x43, 0x20, 0x00, 0x00, 0b11000110}));
        m_view->LoadFromImage();
        QCOMPARE(combo(1307)->currentText(), QStringLiteral("Remind+Reply"));
        QCOMPARE(combo(1300)->currentText(), QStringLiteral("D-C"));
    }

    void replyWaitInTenths()
    {
        Retype(edit(1326), QStringLiteral("2.5"));
        leave(edit(1326));
        QCOMPARE(edit(1326)->text(), QStringLiteral("2.5"));
        m_view->SaveToImage();
        QCOMPARE(TestImage()[kSystem0 + 30], 25);
        m_view->LoadFromImage();
        QCOMPARE(edit(1326)->text(), QStringLiteral("2.5"));
    }

    void fieldsLeftOutOfRangeTakeTheirDefaults_data()
    {
        QTest::addColumn<int>("id");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("shown");
        QTest::addColumn<int>("byte");
        QTest::addColumn<int>("stored");
        QTest::newRow("A tone") << 1308 << "5000"
                                << "321.7" << 16 << 3217;
        QTest::newRow("B tone") << 1310 << ""
                                << "928.1" << 18 << 9281;
        QTest::newRow("C tone") << 1312 << "100"
                                << "626.5" << 20 << 6265;
        QTest::newRow("D tone") << 1314 << "3116.1"
                                << "2043.8" << 22 << 20438;
        QTest::newRow("A tone in range") << 1308 << "1280"
                                         << "1280.0" << 16 << 12800;
        QTest::newRow("first duration") << 1316 << "4.1"
                                        << "1.0" << 9 << 10;
        QTest::newRow("second duration") << 1318 << "5"
                                         << "3.0" << 10 << 30;
        QTest::newRow("interval") << 1320 << "2.1"
                                  << "1.0" << 12 << 10;
        QTest::newRow("long duration low") << 1322 << "0.4"
                                           << "5.0" << 11 << 50;
        QTest::newRow("long duration") << 1322 << "10"
                                       << "10.0" << 11 << 100;
        QTest::newRow("pre-carrier") << 1324 << "6"
                                     << "0.5" << 8 << 5;
        QTest::newRow("reply wait zero") << 1326 << "0"
                                         << "" << 30 << 0;
        QTest::newRow("reply wait") << 1326 << "5.1"
                                    << "" << 30 << 0;
        QTest::newRow("auto reset zero") << 1185 << "0"
                                         << "" << 31 << 0;
        QTest::newRow("auto reset empty") << 1185 << ""
                                          << "" << 31 << 0;
        QTest::newRow("auto reset") << 1185 << "300"
                                    << "10" << 31 << 10;
        QTest::newRow("auto reset 255") << 1185 << "255"
                                        << "255" << 31 << 255;
    }
    void fieldsLeftOutOfRangeTakeTheirDefaults()
    {
        QFETCH(int, id);
        QFETCH(QString, typed);
        QFETCH(QString, shown);
        QFETCH(int, byte);
        QFETCH(int, stored);
        Retype(edit(id), typed);
        leave(edit(id));
        QCOMPARE(edit(id)->text(), shown);
        m_view->SaveToImage();
        const std::uint32_t at = kSystem0 + static_cast<std::uint32_t>(byte);
        QCOMPARE(byte >= 16 && byte < 24 ? WordAt(at) : TestImage()[at], stored);
    }

    void autoResetOffSurvivesLeavingAgain()
    {
        Retype(edit(1185), QStringLiteral("0"));
        leave(edit(1185));
        leave(edit(1185));
        QCOMPARE(edit(1185)->text(), QString());
        m_view->SaveToImage();
        QCOMPARE(TestImage()[kSystem0 + 31], 0);
        m_view->LoadFromImage();
        QCOMPARE(edit(1185)->text(), QStringLiteral("0"));
    }

    void arrowsStepTenths()
    {
        auto* arrows = systemPage()->findChild<UpDown*>(QStringLiteral("1323"));
        QCOMPARE(arrows->minimum(), 5);
        QCOMPARE(arrows->maximum(), 100);
        arrows->press(1);
        QCOMPARE(edit(1322)->text(), QStringLiteral("5.1"));
        Retype(edit(1322), QStringLiteral("10.0"));
        arrows->press(1);
        QCOMPARE(edit(1322)->text(), QStringLiteral("0.5")); // wraps to the least
        systemPage()->findChild<UpDown*>(QStringLiteral("1309"))->press(-1);
        QCOMPARE(edit(1308)->text(), QStringLiteral("321.6"));
    }

    void flagsKeepOtherBits()
    {
        TestImage()[kSystem0 + 13] = 0x3C;
        m_view->LoadFromImage();
        systemPage()->findChild<QCheckBox*>(QStringLiteral("1149"))->setChecked(true);
        systemPage()->findChild<QCheckBox*>(QStringLiteral("1428"))->setChecked(true);
        m_view->SaveToImage();
        QCOMPARE(TestImage()[kSystem0 + 13], 0xBD);
    }

    void systemTabsSaveAndLoad()
    {
        QTabBar* tabs = systemPage()->systemTabs();
        QCOMPARE(tabs->count(), 16);
        QCOMPARE(tabs->tabText(15), QStringLiteral("16"));
        QCOMPARE(edit(1005)->text(), QStringLiteral("SYS1"));
        Retype(edit(1005), QStringLiteral("ALPHA"));
        Retype(edit(1326), QStringLiteral("1.5"));
        tabs->setCurrentIndex(2);
        QCOMPARE(systemPage()->shownSystem(), 2);
        QCOMPARE(Bytes(kSystem0, 6), (std::vector<int>{'A', 'L', 'P', 'H', 'A', 0xFF}));
        QCOMPARE(TestImage()[kSystem0 + 30], 15);
        QCOMPARE(edit(1005)->text(), QStringLiteral("SYS3"));
        Retype(edit(1005), QStringLiteral("GAMMA"));
        m_view->SaveToImage(); // the host saves the system shown
        QCOMPARE(TestImage()[kSystem0 + 64], 'G');
        tabs->setCurrentIndex(0);
        QCOMPARE(edit(1005)->text(), QStringLiteral("ALPHA"));
        QCOMPARE(edit(1326)->text(), QStringLiteral("1.5"));
    }

    void aliasLeftEmptyIsRefilled()
    {
        systemPage()->systemTabs()->setCurrentIndex(4);
        Retype(edit(1005), QString());
        leave(edit(1005));
        QCOMPARE(edit(1005)->text(), QStringLiteral("SYS5"));
        TestImage()[kSystem0 + 32 * 4] = 0xFF;
        m_view->LoadFromImage();
        QCOMPARE(edit(1005)->text(), QString());
        Retype(edit(1005), QString());
        leave(edit(1005));
        QCOMPARE(edit(1005)->text(), QStringLiteral("2T-S05"));
        m_view->SaveToImage();
        QCOMPARE(Bytes(kSystem0 + 32 * 4, 6), (std::vector<int>{'2', 'T', '-', 'S', '0', '5'}));
    }

    void leavingTheSystemTabSavesIt()
    {
        Retype(edit(1005), QStringLiteral("HOSTED"));
        showContactPage();
        QCOMPARE(TestImage()[kSystem0], 'H');
        QCOMPARE(m_view->helpContext(), 142);
    }

    // --- Call table ---

    void gridShape()
    {
        showContactPage();
        QCOMPARE(grid()->rows(), 17);
        QCOMPARE(grid()->cols(), 6);
        QCOMPARE(grid()->text(0, 1), QStringLiteral("First"));
        QCOMPARE(grid()->text(0, 5), QStringLiteral("Alias"));
        QCOMPARE(grid()->text(16, 0), QStringLiteral("16"));
        QCOMPARE(grid()->colWidth(0), 500);
        QCOMPARE(grid()->colWidth(3), 1000);
        QCOMPARE(grid()->rowHeight(5), 300);
        QCOMPARE(grid()->text(1, Col::First), QStringLiteral("1000.0"));
        QCOMPARE(grid()->text(1, Col::Second), QStringLiteral("2000.0"));
        QCOMPARE(grid()->text(1, Col::Format), QStringLiteral("Two"));
        QCOMPARE(grid()->text(1, Col::System), QStringLiteral("2"));
        QCOMPARE(grid()->text(1, Col::Alias), QStringLiteral("FIRST"));
        QCOMPARE(grid()->text(2, Col::Format), QString());
    }

    void firstToneWithLowByteZeroIsShown()
    {
        PutWord(kCalls + 16 * 3 + 8, 12800);
        TestImage()[kCalls + 16 * 3 + 12] = 1;
        TestImage()[kCalls + 16 * 3 + 13] = 16;
        showContactPage();
        QCOMPARE(grid()->text(4, Col::First), QStringLiteral("1280.0"));
        QCOMPARE(grid()->text(4, Col::Second), QString());
        QCOMPARE(grid()->text(4, Col::Format), QStringLiteral("Single"));
        QCOMPARE(grid()->text(4, Col::System), QStringLiteral("16"));
        QCOMPARE(grid()->cellBackground(4, Col::Second), QColor(236, 233, 219));
        m_view->SaveToImage();
        QCOMPARE(WordAt(kCalls + 16 * 3 + 8), 12800);
        QCOMPARE(WordAt(kCalls + 16 * 3 + 10), 0xFFFF);
    }

    void newRowTakesItsDefaults()
    {
        showContactPage();
        click(3, Col::Alias); // an empty row starts at its first tone
        QCOMPARE(grid()->openEditor(), static_cast<QWidget*>(editor<CellLineEdit>(1023)));
        QCOMPARE(grid()->editorCol(), static_cast<int>(Col::First));
        QTest::keyClicks(editor<CellLineEdit>(1023), QStringLiteral("15a00"));
        grid()->focusGrid();
        QCOMPARE(grid()->text(3, Col::First), QStringLiteral("1500.0"));
        QCOMPARE(grid()->text(3, Col::Second), QStringLiteral("1500.0"));
        QCOMPARE(grid()->text(3, Col::Format), QStringLiteral("Two"));
        QCOMPARE(grid()->text(3, Col::System), QStringLiteral("1"));
        QCOMPARE(grid()->text(3, Col::Alias), QStringLiteral("2T-03"));
    }

    void rowWithOnlyFirstTone()
    {
        showContactPage();
        typeTone(3, Col::First, QStringLiteral("1500"));
        typeTone(3, Col::Second, QString());
        QCOMPARE(grid()->text(3, Col::Second), QString());
        pick(3, Col::System, 1166, 6);
        QCOMPARE(grid()->text(3, Col::System), QStringLiteral("7"));
        m_view->SaveToImage();
        QCOMPARE(Bytes(kCalls + 32, 16), (std::vector<int>{'2', 'T', '-', '0', '3', 0xFF, 0xFF, 0xFF, 15000 & 0xFF,
                                                           15000 >> 8, 0xFF, 0xFF, 0, 7, 0xFF, 0xFF}));
    }

    void tonesAreClamped_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("shown");
        QTest::newRow("high") << "5000"
                              << "3116.0";
        QTest::newRow("low") << "100"
                             << "288.0";
        QTest::newRow("fraction") << "1234.56"
                                  << "1234.5";
    }
    void tonesAreClamped()
    {
        QFETCH(QString, typed);
        QFETCH(QString, shown);
        showContactPage();
        typeTone(1, Col::Second, typed);
        QCOMPARE(grid()->text(1, Col::Second), shown);
    }

    void emptiedFirstToneEmptiesTheRowExceptRowOne()
    {
        showContactPage();
        typeTone(1, Col::First, QStringLiteral("0"));
        QCOMPARE(grid()->text(1, Col::First), QStringLiteral("1000.0"));
        QCOMPARE(grid()->text(1, Col::Alias), QStringLiteral("FIRST"));
        typeTone(2, Col::First, QStringLiteral("800"));
        pick(2, Col::Format, 1165, 1);
        QCOMPARE(grid()->cellBackground(2, Col::Second), QColor(236, 233, 219));
        typeTone(2, Col::First, QString());
        for (int c = Col::First; c <= Col::Alias; ++c)
            QCOMPARE(grid()->text(2, c), QString());
        QVERIFY(!grid()->cellBackground(2, Col::Second).isValid() ||
                grid()->cellBackground(2, Col::Second) != QColor(236, 233, 219));
    }

    void singleRowsShadeAndLockTheSecondTone()
    {
        showContactPage();
        pick(1, Col::Format, 1165, 1);
        QCOMPARE(grid()->text(1, Col::Format), QStringLiteral("Single"));
        QCOMPARE(grid()->cellBackground(1, Col::Second), QColor(236, 233, 219));
        click(1, Col::Second);
        QVERIFY(!grid()->openEditor());
        pick(1, Col::Format, 1165, 0);
        QVERIFY(grid()->cellBackground(1, Col::Second) != QColor(236, 233, 219));
        click(1, Col::Second);
        QCOMPARE(grid()->openEditor(), static_cast<QWidget*>(editor<CellLineEdit>(1023)));
        grid()->focusGrid();
        m_view->SaveToImage();
        QCOMPARE(TestImage()[kCalls + 12], 0);
    }

    void aliasEditorKeepsTheCellWhenEmpty()
    {
        showContactPage();
        click(1, Col::Alias);
        auto* alias = editor<CellLineEdit>(1005);
        QCOMPARE(grid()->openEditor(), static_cast<QWidget*>(alias));
        QCOMPARE(alias->text(), QStringLiteral("FIRST"));
        alias->clear();
        grid()->focusGrid();
        QCOMPARE(grid()->text(1, Col::Alias), QStringLiteral("FIRST"));
        click(1, Col::Alias);
        QTest::keyClicks(alias, QStringLiteral("BASE7"));
        grid()->focusGrid();
        m_view->SaveToImage();
        QCOMPARE(Bytes(kCalls, 8), (std::vector<int>{'B', 'A', 'S', 'E', '7', 0xFF, 0xFF, 0xFF}));
    }

    void emptyRowsAreSavedCanonically()
    {
        // Empty entries holding odd bytes (first tone 0) come out canonical.
        for (std::uint32_t k = 4; k < 16; ++k) {
            std::fill_n(TestImage().begin() + kCalls + 16 * k, 16, std::uint8_t{0x00});
            TestImage()[kCalls + 16 * k + 2] = 'Z';
        }
        showContactPage();
        m_view->SaveToImage();
        std::vector<int> empty(16, 0xFF);
        empty[12] = 0;
        empty[13] = 1;
        for (std::uint32_t k = 1; k < 16; ++k)
            QCOMPARE(Bytes(kCalls + 16 * k, 16), empty);
    }

    void openEditIsKeptWhenTheImageIsStored()
    {
        showContactPage();
        click(1, Col::First);
        QTest::keyClicks(editor<CellLineEdit>(1023), QStringLiteral("700"));
        m_view->SaveToImage();
        QCOMPARE(WordAt(kCalls + 8), 7000);
    }

    void closingWithAnEditOpenIsSafe()
    {
        showContactPage();
        click(2, Col::First);
        QVERIFY(grid()->openEditor());
        QTest::keyClicks(editor<CellLineEdit>(1023), QStringLiteral("900"));
        const std::vector<int> before = Bytes(kCalls + 16, 16);
        m_view.reset();                           // focus moves while the page goes away
        QCOMPARE(Bytes(kCalls + 16, 16), before); // storing is the frame's business, not teardown's
    }

    void enterAndEscapeChangeNothing()
    {
        showContactPage();
        const QString before = grid()->text(1, Col::First);
        auto* table = grid()->findChild<QTableView*>();
        table->setFocus();
        QTest::keyClick(table, Qt::Key_Return);
        QTest::keyClick(table, Qt::Key_Escape);
        QVERIFY(m_view->isVisible());
        QCOMPARE(grid()->text(1, Col::First), before);
    }

    void registeredWithTheMainWindow()
    {
        std::unique_ptr<BaseFormView> view(MakeProgramView(ViewKind::TwoTone, TestDocument()));
        QVERIFY(dynamic_cast<TwoToneView*>(view.get()));
    }

    void looksRight()
    {
        m_view->resize(ViewSize(ViewKind::TwoTone) - QSize(20, 70));
        QApplication::processEvents();
        QVERIFY(m_view->grab().save(QStringLiteral("/tmp/t2_system.png")));
        showContactPage();
        pick(1, Col::Format, 1165, 1);
        QVERIFY(m_view->grab().save(QStringLiteral("/tmp/t2_contact.png")));
    }
};

QTEST_MAIN(TwoToneViewTest)
#include "two_tone_view_test.moc"
