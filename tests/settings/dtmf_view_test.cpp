// The DTMF view driven through its real controls and grid, checked in the image.
#include "settings/dtmf_code_page.h"
#include "settings/dtmf_view.h"
#include "settings/setting_ids.h"
#include "tests/settings/form_test_support.h"
#include "tests/support/test_document.h"

#include "controls/cell_combo.h"
#include "controls/cell_drop_list.h"
#include "controls/cell_editor.h"
#include "controls/cell_line_edit.h"
#include "controls/char_input_filter.h"
#include "controls/grid.h"
#include "controls/up_down.h"

#include <QAbstractItemView>
#include <QCheckBox>
#include <QTabWidget>
#include <QtTest>

#include <memory>

using namespace DtmfIds;

namespace {
constexpr QSize kViewSize(720, 470);
constexpr std::uint32_t kCodes = 0xD760;

std::uint32_t Record(int k)
{
    return kCodes + 24 * static_cast<std::uint32_t>(k - 1);
}

// A code-table record: digits (hex digits, '*' and '#'), alias and type byte.
void WriteRecord(int k, const char* digits, const char* alias, std::uint8_t type)
{
    RadioImage& im = TestImage();
    std::fill_n(&im[Record(k)], 24, std::uint8_t{0xFF});
    for (int i = 0; digits[i]; ++i) {
        const char c = digits[i];
        im[Record(k) + i] = c == '*'   ? 14
                            : c == '#' ? 15
                                       : static_cast<std::uint8_t>(QString(QChar(c)).toInt(nullptr, 16));
    }
    for (int i = 0; alias[i]; ++i)
        im[Record(k) + 16 + i] = static_cast<std::uint8_t>(alias[i]);
    im[Record(k) + 23] = type;
}

QByteArray Bytes(std::uint32_t from, int n)
{
    return QByteArray(reinterpret_cast<const char*>(&TestImage()[from]), n);
}
} // namespace

class DtmfViewTest : public QObject {
    Q_OBJECT

    std::unique_ptr<DtmfView> m_view;

    void open()
    {
        m_view = std::make_unique<DtmfView>(TestDocument());
        QVERIFY(ShowActive(m_view.get(), kViewSize));
        m_view->ensureInitialised();
    }
    DtmfCodePage* codePage() const { return static_cast<DtmfCodePage*>(m_view->page(0)); }
    Grid* grid() const { return codePage()->grid(); }
    QComboBox* combo(int id) const { return Control<QComboBox>(m_view.get(), id); }
    QLineEdit* edit(int id) const { return Control<QLineEdit>(m_view.get(), id); }
    QString cell(int row, int col) const { return grid()->text(row, col); }

    // A left click on a cell, as the user makes it.
    void clickCell(int row, int col)
    {
        grid()->setCurrentCell(row, col);
        const QPoint centre = grid()->cellPixelRect().center();
        grid()->setCurrentCell(row % 16 + 1, 1); // the click itself must choose the cell
        QWidget* viewport = grid()->findChild<QAbstractItemView*>()->viewport();
        QTest::mouseClick(viewport, Qt::LeftButton, {}, viewport->mapFrom(grid(), centre));
    }
    // Moves the focus away from an open in-place editor.
    void leaveEditor()
    {
        edit(kStunCode)->setFocus(Qt::MouseFocusReason);
        QApplication::processEvents();
    }
    void typeIntoCell(int row, int col, const QString& text)
    {
        clickCell(row, col);
        QWidget* editor = grid()->openEditor();
        QVERIFY(editor);
        QCOMPARE(grid()->editorRow(), row);
        QCOMPARE(grid()->editorCol(), col);
        auto* line = qobject_cast<QLineEdit*>(editor);
        QVERIFY(line);
        QCOMPARE(line->selectedText(), line->text()); // the whole cell text, selected
        if (text.isEmpty())
            QTest::keyClick(line, Qt::Key_Backspace);
        else
            QTest::keyClicks(line, text);
        leaveEditor();
        QVERIFY(!grid()->openEditor());
    }
    void chooseType(int row, int clickedCol, const QString& type)
    {
        clickCell(row, clickedCol);
        QCOMPARE(grid()->openEditor(), codePage()->typeEditor());
        QCOMPARE(grid()->editorCol(), 1);
        CellDropList* list = codePage()->typeEditor();
        list->setCurrentIndex(list->findText(type));
        leaveEditor();
        QVERIFY(!grid()->openEditor());
        QCOMPARE(list->currentIndex(), -1); // the choice is cleared for the next edit
    }

private slots:
    void init()
    {
        TestImage().fill(0xFF);
        RadioImage& im = TestImage();
        im[0xD6B0] = 75;
        im[0xD6B1] = 5;
        im[0xD6B2] = 0;
        im[0xD6B3] = 3;
        im[0xD6B4] = 11; // group B
        im[0xD6B5] = 15; // delimiter #
        im[0xD6B7] = 0xFC;
        im[0xD6D8] = 1;
        im[0xD6DA] = 2;
        im[0xD6DB] = 20;
    }
    void cleanup() { m_view.reset(); }

    void layout()
    {
        open();
        QCOMPARE(m_view->tabs()->tabText(0), QStringLiteral("Code"));
        QCOMPARE(m_view->tabs()->tabText(1), QStringLiteral("PTTID"));
        QCOMPARE(grid()->rows(), 17);
        QCOMPARE(grid()->cols(), 4);
        QCOMPARE(cell(0, 0), QStringLiteral("No."));
        QCOMPARE(cell(0, 3), QStringLiteral("Alias"));
        QCOMPARE(cell(16, 0), QStringLiteral("16"));
        QCOMPARE(grid()->colWidth(2), 2400);
        QCOMPARE(grid()->rowHeight(5), 300);
        QVERIFY(Control<QCheckBox>(m_view.get(), kBeep)->isHidden());
        QCOMPARE(codePage()->typeEditor()->count(), 3);
        QCOMPARE(codePage()->numEditor()->maxLength(), 16);
        QCOMPARE(codePage()->aliasEditor()->maxLength(), 6);
        QCOMPARE(edit(kSelfId)->maxLength(), 8);
        QCOMPARE(edit(kStunCode)->maxLength(), 15);
        SavePicture(m_view.get(), QStringLiteral("dtmf_code"));
        m_view->tabs()->setCurrentIndex(1);
        SavePicture(m_view.get(), QStringLiteral("dtmf_pttid"));
    }

    void timingListsFromTheImage_data()
    {
        QTest::addColumn<int>("firstDigit");
        QTest::addColumn<int>("delay");
        QTest::addColumn<QString>("firstDigitText");
        QTest::addColumn<QString>("delayText");
        QTest::newRow("100 / 450") << 2 << 9 << "100"
                                   << "450";
        QTest::newRow("1000 / 1000") << 20 << 20 << "1000"
                                     << "1000";
        QTest::newRow("0 / 50") << 0 << 1 << "0"
                                << "50";
        QTest::newRow("no item: defaults") << 0xFF << 0xFF << "100"
                                           << "450";
    }
    void timingListsFromTheImage()
    {
        QFETCH(int, firstDigit);
        QFETCH(int, delay);
        QFETCH(QString, firstDigitText);
        QFETCH(QString, delayText);
        TestImage()[0xD6B2] = static_cast<std::uint8_t>(firstDigit);
        TestImage()[0xD6B1] = static_cast<std::uint8_t>(delay);
        open();
        QCOMPARE(combo(kFirstDigit)->currentText(), firstDigitText);
        QCOMPARE(combo(kFirstDigitDelay)->currentText(), delayText);
        QCOMPARE(combo(kSpeed)->currentText(), QStringLiteral("75"));
        QCOMPARE(combo(kHoldTime)->currentText(), QStringLiteral("3"));
        m_view->SaveToImage();
        QCOMPARE(int(TestImage()[0xD6B2]), firstDigitText.toInt() / 50);
        QCOMPARE(int(TestImage()[0xD6B1]), delayText.toInt() / 50);
        QCOMPARE(int(TestImage()[0xD6B0]), 75);
        QCOMPARE(int(TestImage()[0xD6B3]), 3);
    }

    void settingsListsAndTheirDefaults()
    {
        TestImage()[0xD6D8] = 7; // no such response
        TestImage()[0xD6DA] = 1;
        TestImage()[0xD6B4] = 0xFF; // no group code
        TestImage()[0xD6B5] = 3;    // a digit: no item
        open();
        QCOMPARE(combo(kDecodeResponse)->currentIndex(), -1); // until the next check
        QCOMPARE(combo(kStunType)->currentText(), QStringLiteral("Rx/Tx Inhibit"));
        QCOMPARE(combo(kGroupCode)->currentIndex(), -1);
        QCOMPARE(combo(kDelimiter)->currentIndex(), -1);
        m_view->SaveToImage();
        QCOMPARE(combo(kDecodeResponse)->currentText(), QStringLiteral("Reply"));
        QCOMPARE(int(TestImage()[0xD6D8]), 2);
        QCOMPARE(int(TestImage()[0xD6DA]), 1);
        QCOMPARE(int(TestImage()[0xD6B4]), 14); // "*"
        QCOMPARE(int(TestImage()[0xD6B5]), 13); // "D"
    }

    void delimiterAndGroupCodeMoveApart()
    {
        TestImage()[0xD6B4] = 10; // A
        TestImage()[0xD6B5] = 12; // C
        open();
        Pick(combo(kDelimiter), QStringLiteral("A"));
        QCOMPARE(combo(kGroupCode)->currentText(), QStringLiteral("D"));
        Pick(combo(kDelimiter), QStringLiteral("D"));
        QCOMPARE(combo(kGroupCode)->currentText(), QStringLiteral("A"));
        Pick(combo(kDelimiter), QStringLiteral("*"));
        Pick(combo(kGroupCode), QStringLiteral("*"));
        QCOMPARE(combo(kDelimiter)->currentText(), QStringLiteral("A"));
        QCOMPARE(combo(kGroupCode)->currentText(), QStringLiteral("*"));
        Pick(combo(kGroupCode), QStringLiteral("A"));
        QCOMPARE(combo(kDelimiter)->currentText(), QStringLiteral("*"));
        m_view->SaveToImage();
        QCOMPARE(int(TestImage()[0xD6B4]), 10);
        QCOMPARE(int(TestImage()[0xD6B5]), 14);
    }

    void newDelimiterLeavesAniNumbers()
    {
        TestImage()[0xD6B5] = 12; // delimiter C, group B
        WriteRecord(3, "12#3", "X", 1);
        WriteRecord(4, "##", "Y", 1);
        WriteRecord(5, "1#2", "Z", 0);
        WriteRecord(6, "5#", "W", 1);
        TestImage()[0xD6B8] = 1; // Self ID 1 # B 2
        TestImage()[0xD6B9] = 15;
        TestImage()[0xD6BA] = 11;
        TestImage()[0xD6BB] = 2;
        open();
        QCOMPARE(edit(kSelfId)->text(), QStringLiteral("1#B2"));
        Pick(combo(kDelimiter), QStringLiteral("#"));
        QCOMPARE(cell(3, 2), QStringLiteral("123"));
        QCOMPARE(cell(4, 2), QStringLiteral("000004"));
        QCOMPARE(cell(5, 2), QStringLiteral("1#2")); // "None" rows keep it
        QCOMPARE(cell(6, 2), QStringLiteral("5"));
        QCOMPARE(edit(kSelfId)->text(), QStringLiteral("12")); // delimiter and group code go
        m_view->SaveToImage();
        QCOMPARE(Bytes(Record(4), 7), QByteArray("\x00\x00\x00\x00\x00\x04\xFF", 7));
        QCOMPARE(Bytes(Record(3), 4), QByteArray("\x01\x02\x03\xFF", 4));
        QCOMPARE(Bytes(0xD6B8, 3), QByteArray("\x01\x02\xFF", 3));
    }

    void selfIdAndStunCodeInput()
    {
        TestImage()[0xD6B8] = 1;
        TestImage()[0xD6B9] = 2;
        TestImage()[0xD6BA] = 3;
        open();
        QLineEdit* selfId = edit(kSelfId);
        QCOMPARE(selfId->text(), QStringLiteral("123"));
        selfId->clear();
        // Group B and delimiter # are refused, as are non-DTMF characters; letters show in capitals.
        QTest::keyClicks(selfId, QStringLiteral("1b#ae*x9d0c"));
        QCOMPARE(selfId->text(), QStringLiteral("1A*9D0C"));
        QTest::keyClicks(selfId, QStringLiteral("123"));
        QCOMPARE(selfId->text(), QStringLiteral("1A*9D0C1")); // at most 8
        QLineEdit* stun = edit(kStunCode);
        QTest::keyClicks(stun, QStringLiteral("1234567890abcd*#77"));
        QCOMPARE(stun->text(), QStringLiteral("1234567890ABCD*"));
        m_view->SaveToImage();
        QCOMPARE(Bytes(0xD6B8, 8), QByteArray("\x01\x0A\x0E\x09\x0D\x00\x0C\x01", 8));
        QCOMPARE(Bytes(0xD6C8, 16), QByteArray("\x01\x02\x03\x04\x05\x06\x07\x08\x09\x00\x0A\x0B\x0C\x0D\x0E\xFF", 16));

        // A stored 16th digit is neither shown nor kept.
        TestImage()[0xD6D7] = 5;
        m_view->LoadFromImage();
        QCOMPARE(stun->text().size(), 15);
        m_view->SaveToImage();
        QCOMPARE(int(TestImage()[0xD6D7]), 0xFF);
    }

    void sideToneAndBeep()
    {
        TestImage()[0xD6B7] = 0xAA; // beep only, bits 7..2 = 1010 10
        open();
        auto* side = Control<QCheckBox>(m_view.get(), kSideTone);
        auto* beep = Control<QCheckBox>(m_view.get(), kBeep);
        QVERIFY(!side->isChecked());
        QCOMPARE(beep->checkState(), Qt::PartiallyChecked);
        m_view->SaveToImage();
        QCOMPARE(int(TestImage()[0xD6B7]), 0xAA);
        side->click();
        QCOMPARE(beep->checkState(), Qt::Unchecked);
        m_view->SaveToImage();
        QCOMPARE(int(TestImage()[0xD6B7]), 0xA9);
        beep->setCheckState(Qt::Checked);
        emit beep->clicked(true);
        QVERIFY(!side->isChecked());

        TestImage()[0xD6B7] = 0x03; // both set: the side tone wins
        m_view->LoadFromImage();
        QVERIFY(side->isChecked());
        QCOMPARE(beep->checkState(), Qt::Unchecked);
        m_view->SaveToImage();
        QCOMPARE(int(TestImage()[0xD6B7]), 0x01);
    }

    void autoResetTime()
    {
        TestImage()[0xD6DB] = 0;
        open();
        QLineEdit* reset = edit(kAutoReset);
        QCOMPARE(reset->text(), QStringLiteral("0"));
        Leave(reset);
        QCOMPARE(reset->text(), QStringLiteral("Continuous"));
        m_view->SaveToImage();
        QCOMPARE(int(TestImage()[0xD6DB]), 0);
        auto* arrows = Control<UpDown>(m_view.get(), kAutoResetSpin);
        arrows->press(1);
        QCOMPARE(reset->text(), QStringLiteral("1"));
        arrows->press(-1);
        QCOMPARE(reset->text(), QStringLiteral("Off"));
        m_view->SaveToImage();
        QCOMPARE(int(TestImage()[0xD6DB]), 0);
        arrows->press(-1);
        QCOMPARE(reset->text(), QStringLiteral("255"));
        TypeAndLeave(reset, QStringLiteral("256"));
        QCOMPARE(reset->text(), QStringLiteral("10"));
        // Typed past the byte and saved before the edit is left: the default, not a wrapped byte.
        reset->setText(QStringLiteral("999"));
        m_view->SaveToImage();
        QCOMPARE(int(TestImage()[0xD6DB]), 10);
    }

    void numberInARowWithoutOneNamesTheRow()
    {
        WriteRecord(5, "", "", 0); // a "None" code without digits
        open();
        QCOMPARE(cell(5, 1), QStringLiteral("None"));
        QCOMPARE(cell(5, 2), QString());
        typeIntoCell(5, 2, QStringLiteral("12ab"));
        QCOMPARE(cell(5, 2), QStringLiteral("12AB"));
        QCOMPARE(cell(5, 3), QStringLiteral("DTMF05"));
        m_view->SaveToImage();
        QCOMPARE(Bytes(Record(5), 24), QByteArray("\x01\x02\x0A\x0B\xFF\xFF\xFF\xFF\xFF\xFF\xFF\xFF\xFF\xFF\xFF\xFF"
                                                  "DTMF05\xFF\x00",
                                                  24));
    }

    void anEmptyRowStartsWithItsType()
    {
        open();
        clickCell(12, 3); // the alias of an empty row
        QCOMPARE(grid()->openEditor(), codePage()->typeEditor());
        leaveEditor();
        QCOMPARE(cell(12, 1), QString()); // the empty item: nothing happens
        chooseType(12, 2, QStringLiteral("ANI"));
        QCOMPARE(cell(12, 1), QStringLiteral("ANI"));
        QCOMPARE(cell(12, 2), QStringLiteral("000012"));
        QCOMPARE(cell(12, 3), QStringLiteral("DTMF12"));
        m_view->SaveToImage();
        QCOMPARE(Bytes(Record(12), 24), QByteArray("\x00\x00\x00\x00\x01\x02\xFF\xFF\xFF\xFF\xFF\xFF\xFF\xFF\xFF\xFF"
                                                   "DTMF12\xFF\x01",
                                                   24));
    }

    void typeChoicesOnAFilledRow()
    {
        TestImage()[0xD6B4] = 10; // group A, delimiter #
        WriteRecord(7, "1A2#3", "KEEP", 0);
        open();
        chooseType(7, 1, QStringLiteral("ANI"));
        QCOMPARE(cell(7, 2), QStringLiteral("123"));
        QCOMPARE(cell(7, 3), QStringLiteral("KEEP"));
        // In an ANI row the delimiter cannot be typed into the number.
        typeIntoCell(7, 2, QStringLiteral("4#5a"));
        QCOMPARE(cell(7, 2), QStringLiteral("45A"));
        chooseType(7, 1, QString());
        QCOMPARE(cell(7, 1), QString());
        QCOMPARE(cell(7, 2), QString());
        QCOMPARE(cell(7, 3), QString());
    }

    void emptyingTheNumberClearsAnyRowButTheFirst()
    {
        WriteRecord(1, "11", "ONE", 0);
        WriteRecord(2, "22", "TWO", 1);
        open();
        typeIntoCell(1, 2, QString());
        QCOMPARE(cell(1, 1), QStringLiteral("None"));
        QCOMPARE(cell(1, 2), QStringLiteral("11"));
        QCOMPARE(cell(1, 3), QStringLiteral("ONE"));
        chooseType(1, 1, QString());
        QCOMPARE(cell(1, 1), QStringLiteral("None"));
        typeIntoCell(2, 2, QString());
        QCOMPARE(cell(2, 1), QString());
        QCOMPARE(cell(2, 2), QString());
        QCOMPARE(cell(2, 3), QString());
        m_view->SaveToImage();
        QCOMPARE(Bytes(Record(2), 24), QByteArray(24, '\xFF'));
        QCOMPARE(int(TestImage()[Record(1) + 23]), 0);
    }

    void aliasEdits()
    {
        WriteRecord(3, "3", "OLD", 0);
        open();
        typeIntoCell(3, 3, QString());
        QCOMPARE(cell(3, 3), QStringLiteral("OLD")); // an empty alias changes nothing
        clickCell(3, 3);
        QLineEdit* alias = codePage()->aliasEditor();
        QTest::keyClicks(alias, QStringLiteral("Ab c"));
        QKeyEvent accented(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, QStringLiteral("\u00e9"));
        QApplication::sendEvent(alias, &accented);
        QTest::keyClicks(alias, QStringLiteral("-12"));
        leaveEditor();
        QCOMPARE(cell(3, 3), QStringLiteral("Ab c-1")); // six characters that a byte can hold
        m_view->SaveToImage();
        QCOMPARE(Bytes(Record(3) + 16, 8), QByteArray("Ab c-1\xFF\x00", 8));
    }

    void unknownRecordTypesAreWrittenBackEmpty()
    {
        WriteRecord(9, "99", "NINE", 2);
        WriteRecord(10, "10", "TEN", 0);
        open();
        QCOMPARE(cell(9, 1), QString());
        QCOMPARE(cell(9, 2), QString());
        m_view->SaveToImage();
        QCOMPARE(Bytes(Record(9), 24), QByteArray(24, '\xFF'));
        QCOMPARE(Bytes(Record(10), 2), QByteArray("\x01\x00", 2));
    }

    void anOpenCellEditIsKeptBySavingAndByLeavingTheTab()
    {
        WriteRecord(4, "4", "FOUR", 0);
        open();
        clickCell(4, 3);
        QTest::keyClicks(codePage()->aliasEditor(), QStringLiteral("NEW"));
        m_view->SaveToImage();
        QCOMPARE(Bytes(Record(4) + 16, 4), QByteArray("NEW\xFF", 4));
        clickCell(4, 2);
        QTest::keyClicks(codePage()->numEditor(), QStringLiteral("77"));
        m_view->tabs()->setCurrentIndex(1);
        QCOMPARE(Bytes(Record(4), 3), QByteArray("\x07\x07\xFF", 3));
    }

    void pttIdPage()
    {
        TestImage()[0xD6B6] = 0x1B; // PTT ID 1: 3 (none), 2: 2, 3: 1, 4: 0
        const std::uint8_t up1[] = {1, 2, 3};
        std::copy(std::begin(up1), std::end(up1), &TestImage()[0xD6E0]);
        TestImage()[0xD6E0 + 16] = 14;
        TestImage()[0xD6E0 + 32 * 3 + 16] = 9;
        open();
        m_view->tabs()->setCurrentIndex(1);
        QCOMPARE(combo(kPttIdType)->currentText(), QStringLiteral("Up"));
        QCOMPARE(combo(kPttIdType + 1)->currentText(), QStringLiteral("Both"));
        QCOMPARE(combo(kPttIdType + 2)->currentText(), QStringLiteral("Down"));
        QCOMPARE(edit(kPttIdUp)->text(), QStringLiteral("123"));
        QCOMPARE(edit(kPttIdDown)->text(), QStringLiteral("*"));
        QCOMPARE(edit(kPttIdDown + 3)->text(), QStringLiteral("9"));
        QCOMPARE(edit(kPttIdUp)->maxLength(), 16);
        QLineEdit* up2 = edit(kPttIdUp + 1);
        QTest::keyClicks(up2, QStringLiteral("1a#xe*22222222222222"));
        QCOMPARE(up2->text(), QStringLiteral("1A#*222222222222"));
        Pick(combo(kPttIdType + 3), QStringLiteral("Both"));
        edit(kPttIdDown + 3)->clear();
        m_view->SaveToImage();
        QCOMPARE(int(TestImage()[0xD6B6]), 0x98);
        QCOMPARE(Bytes(0xD6E0, 4), QByteArray("\x01\x02\x03\xFF", 4));
        QCOMPARE(Bytes(0xD6E0 + 32, 16),
                 QByteArray("\x01\x0A\x0F\x0E\x02\x02\x02\x02\x02\x02\x02\x02\x02\x02\x02\x02", 16));
        QCOMPARE(Bytes(0xD6E0 + 32 * 3 + 16, 16), QByteArray(16, '\xFF'));
    }

    void bytesNotOwnedAreKept()
    {
        RadioImage& im = TestImage();
        for (std::uint32_t a : {0xD6C0u, 0xD6C3u, 0xD6C7u, 0xD6D9u, 0xD6DCu, 0xD6DFu, 0xD8E0u, 0xD6AFu})
            im[a] = 0x5A;
        WriteRecord(2, "2", "A", 0);
        im[Record(2) + 22] = 0x33; // the unused byte of a record goes with the record
        const RadioImage before = im;
        open();
        m_view->SaveToImage();
        QVERIFY(
            ChangedOutside(before, im,
                           {{0xD6B0, 0xD6B5}, {0xD6B7, 0xD6BF}, {0xD6C8, 0xD6D8}, {0xD6DA, 0xD6DB}, {0xD760, 0xD8DF}})
                .empty());
        QCOMPARE(int(im[0xD6C0]), 0x5A);
        QCOMPARE(int(im[Record(2) + 22]), 0xFF);
        m_view->tabs()->setCurrentIndex(1);
        const RadioImage was = im;
        m_view->SaveToImage();
        QVERIFY(ChangedOutside(was, im, {{0xD6B6, 0xD6B6}, {0xD6E0, 0xD75F}}).empty());
    }

    void tabSwitchSavesAndLoads()
    {
        open();
        Pick(combo(kSpeed), QStringLiteral("100"));
        TestImage()[0xD6B6] = 0x01;
        m_view->tabs()->setCurrentIndex(1);
        QCOMPARE(int(TestImage()[0xD6B0]), 100);
        QCOMPARE(combo(kPttIdType)->currentText(), QStringLiteral("Down"));
        TestImage()[0xD6B0] = 50;
        m_view->tabs()->setCurrentIndex(0);
        QCOMPARE(combo(kSpeed)->currentText(), QStringLiteral("50"));
    }
};

QTEST_MAIN(DtmfViewTest)
#include "dtmf_view_test.moc"
