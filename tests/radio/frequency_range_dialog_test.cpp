// The frequency range dialog driven through its grid, editor and password
// prompt, offscreen, and the Edit menu command around it. The slots run in
// order: the first ones see the plan locked, the later ones unlocked.
#include "channels/channel_table_view.h"
#include "channels/core/channel_record.h"
#include "codecs/bcd.h"
#include "controls/cell_combo.h"
#include "controls/cell_drop_list.h"
#include "controls/cell_editor.h"
#include "controls/cell_line_edit.h"
#include "controls/char_input_filter.h"
#include "controls/grid.h"
#include "controls/grid_model.h"
#include "document/band_plan.h"
#include "document/band_table.h"
#include "document/radio_image.h"
#include "radio/frequency_range_dialog.h"
#include "shell/commands.h"
#include "shell/core/app_settings.h"
#include "shell/main_window.h"
#include "shell/view_sub_window.h"
#include "shell/view_windows.h"
#include "tests/support/modal_answerer.h"
#include "tests/support/program_folder.h"
#include "tests/support/test_document.h"
#include "tests/support/test_views.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableView>
#include <QtTest>

#include <memory>
#include <vector>

using namespace BandPlanColumn;
using Bytes = std::vector<std::uint8_t>;

namespace {

constexpr std::uint32_t MHz(double mhz)
{
    // Positive values only; std::lround is not constexpr.
    return static_cast<std::uint32_t>(mhz * 100000.0 + 0.5); // NOLINT(bugprone-incorrect-roundings)
}
constexpr int k50M = 1, k108M = 3, k150M = 4, k250M = 5, k450M = 7;

void PutLimit(int band, std::uint32_t field, std::uint32_t v, Document& doc = TestDocument())
{
    EncodeFreq(v, DocumentTestAccess::image(doc).data() + BandPlan::RecordOffset(band) + field);
}
void PutRange(int band, double lower, double upper)
{
    PutLimit(band, BandPlan::kRxLower, MHz(lower));
    PutLimit(band, BandPlan::kRxUpper, MHz(upper));
}
void ClearBand(int band)
{
    std::fill_n(TestImage().data() + BandPlan::RecordOffset(band), 16, 0x00);
}
Bytes Record(int band)
{
    const auto at = TestImage().begin() + BandPlan::RecordOffset(band);
    return {at, at + 16};
}

} // namespace

class FrequencyRangeDialogTest : public QObject {
    Q_OBJECT

    ProgramFolder m_folder;
    std::unique_ptr<FrequencyRangeDialog> m_dlg;

    Grid* grid() const { return m_dlg->grid(); }
    QTableView* table() const { return grid()->findChild<QTableView*>(); }
    QString cell(int band, int col) const { return grid()->text(band + 1, col); }

    void open()
    {
        m_dlg = std::make_unique<FrequencyRangeDialog>(TestDocument(), appSettings().modelName);
        m_dlg->show();
        m_dlg->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(m_dlg.get()));
    }
    void close() { m_dlg.reset(); }
    void clickCell(int band, int col)
    {
        const QModelIndex index = grid()->model()->indexOf(band + 1, col);
        QTest::mouseClick(table()->viewport(), Qt::LeftButton, {}, table()->visualRect(index).center());
    }
    void typeInto(int band, int col, const QString& text)
    {
        clickCell(band, col);
        QCOMPARE(grid()->openEditor(), m_dlg->cellEditor());
        if (text.isEmpty())
            QTest::keyClick(m_dlg->cellEditor(), Qt::Key_Delete);
        else
            QTest::keyClicks(m_dlg->cellEditor(), text);
        QTest::keyClick(m_dlg->cellEditor(), Qt::Key_Return);
    }
    void unlock()
    {
        if (RangeEditingUnlocked())
            return;
        QTest::keyClick(m_dlg.get(), Qt::Key_F11);
        QTest::keyClicks(m_dlg->passwordEdit(), QStringLiteral("3625MFQ"));
        QTest::keyClick(m_dlg->passwordEdit(), Qt::Key_Return);
        QVERIFY(RangeEditingUnlocked());
    }

private slots:
    void initTestCase() { QVERIFY(m_folder.isValid()); }
    void init()
    {
        TestBands().resetToFactory();
        TestImage().fill(0xFF);
        for (int b = 0; b < BandTable::kRxBands; ++b)
            ClearBand(b);
        PutRange(k150M, 134, 180);
        PutRange(k450M, 400, 512);
    }
    void cleanup()
    {
        m_dlg.reset();
        TestBands().resetToFactory();
    }

    void lockedDialogShowsThePlan()
    {
        PutRange(k50M, 45, 60); // normalised on opening
        PutLimit(k150M, BandPlan::kTxLower, MHz(144));
        PutLimit(k108M, BandPlan::kTxLower, MHz(120)); // never shown
        std::fill_n(TestImage().data() + BandPlan::RecordOffset(k250M), 16, 0xFF);
        open();
        QCOMPARE(m_dlg->windowTitle(), QStringLiteral("Frequency range"));
        QVERIFY(!grid()->isEnabled());
        QCOMPARE(grid()->rows(), 10);
        QCOMPARE(grid()->cols(), 5);
        const QStringList headings = {"No.", "Rx Lower", "Rx Upper", "Tx Lower", "Tx Upper"};
        for (int c = 0; c < 5; ++c) {
            QCOMPARE(grid()->text(0, c), headings[c]);
            if (c > 0)
                QCOMPARE(grid()->colWidth(c), 1500);
        }
        // The band names get the room they need, at least the template's.
        QVERIFY(grid()->colWidth(0) >= 500);
        QVERIFY(grid()->colWidth(0) >= grid()->fittingWidth(0, {QStringLiteral("108M"), QStringLiteral("850M")}));
        // Locked: a line says how to unlock; a Close button closes as the close box does.
        QVERIFY(m_dlg->unlockHint()->isVisibleTo(m_dlg.get()));
        QVERIFY(m_dlg->unlockHint()->text().contains(QStringLiteral("F11")));
        QVERIFY(m_dlg->findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Close));
        QCOMPARE(grid()->text(9, 0), QStringLiteral("850M"));
        QCOMPARE(grid()->rowHeight(5), 300);
        QCOMPARE(cell(k50M, kRxLower), QStringLiteral("47.00000"));
        QCOMPARE(cell(k50M, kRxUpper), QStringLiteral("54.00000"));
        QCOMPARE(cell(k150M, kTxLower), QStringLiteral("144.00000"));
        QVERIFY(cell(k108M, kTxLower).isEmpty());
        QVERIFY(cell(k250M, kRxLower).isEmpty());
        QVERIFY(!m_dlg->passwordLabel()->isVisible());
        QVERIFY(!m_dlg->passwordEdit()->isVisible());
        QVERIFY(!m_dlg->editButton()->isVisible());
        clickCell(k150M, kRxLower);
        QVERIFY(!grid()->openEditor());
        // Stored as shown when the dialog goes: normalised, 0xFF as zeros.
        close();
        QCOMPARE(Record(k250M), Bytes(16, 0x00));
        QCOMPARE(BandPlan::Limit(TestImage(), k50M, BandPlan::kRxLower), MHz(47));
        QCOMPARE(Record(k108M), Bytes(16, 0x00)); // its transmit limit was never shown
        QVERIFY(!TestBands().bandEnabled[k250M]);
        QCOMPARE(TestBands().txLower[1], MHz(400));
    }

    void lockedInvalidPlanIsNotStored()
    {
        PutRange(k250M, 220, 260);
        const Bytes before(TestImage().begin() + 0xFF30, TestImage().begin() + 0xFFC0);
        open();
        ModalAnswerer answerer;
        QTest::keyClick(m_dlg.get(), Qt::Key_Escape);
        QCOMPARE(answerer.messages, QStringList{QStringLiteral("Frequency band is invalid!")});
        QVERIFY(!m_dlg->isVisible()); // nothing here could mend it
        close();
        QCOMPARE(Bytes(TestImage().begin() + 0xFF30, TestImage().begin() + 0xFFC0), before);
    }

    void wrongPasswordIsRefused()
    {
        open();
        m_dlg->grab().save(QStringLiteral("/tmp/frequency_range_locked.png"));
        QTest::keyClick(m_dlg.get(), Qt::Key_F11);
        QVERIFY(m_dlg->passwordLabel()->isVisible());
        QCOMPARE(m_dlg->passwordLabel()->text(), QStringLiteral("Input password"));
        QVERIFY(m_dlg->passwordEdit()->isVisible());
        QVERIFY(m_dlg->editButton()->isVisible());
        QCOMPARE(m_dlg->editButton()->text(), QStringLiteral("Edit"));
        QVERIFY(m_dlg->passwordEdit()->hasFocus());
        QCOMPARE(m_dlg->passwordEdit()->maxLength(), 8);
        QCOMPARE(m_dlg->passwordEdit()->echoMode(), QLineEdit::Password);
        m_dlg->grab().save(QStringLiteral("/tmp/frequency_range_prompt.png"));

        ModalAnswerer answerer;
        QTest::keyClicks(m_dlg->passwordEdit(), QStringLiteral("3625mfq"));
        QTest::keyClick(m_dlg->passwordEdit(), Qt::Key_Return);
        QCOMPARE(answerer.messages, QStringList{QStringLiteral("Password error!")});
        QCOMPARE(m_dlg->passwordEdit()->text(), QStringLiteral("3625mfq"));
        QCOMPARE(m_dlg->focusWidget(), m_dlg->passwordEdit()); // once the box has gone
        QVERIFY(!RangeEditingUnlocked());
        QVERIFY(!grid()->isEnabled());
        // Enter and Esc on the button do nothing.
        m_dlg->editButton()->setFocus();
        QTest::keyClick(m_dlg->editButton(), Qt::Key_Return);
        QTest::keyClick(m_dlg->editButton(), Qt::Key_Escape);
        QCOMPARE(answerer.messages.size(), 1);
        QVERIFY(m_dlg->isVisible());
    }

    void rightPasswordUnlocksForTheRun()
    {
        open();
        QTest::keyClick(m_dlg.get(), Qt::Key_F11);
        QTest::keyClicks(m_dlg->passwordEdit(), QStringLiteral("3625MFQ"));
        QTest::mouseClick(m_dlg->editButton(), Qt::LeftButton);
        QVERIFY(RangeEditingUnlocked());
        QVERIFY(grid()->isEnabled());
        QVERIFY(!m_dlg->passwordEdit()->isVisible());
        QVERIFY(!m_dlg->editButton()->isVisible());
        close();
        open();
        QVERIFY(grid()->isEnabled());
        QVERIFY(!m_dlg->passwordEdit()->isVisible());
    }

    void commitRules()
    {
        ClearBand(k150M);
        open();
        unlock();
        typeInto(k150M, kRxLower, QStringLiteral("140"));
        QCOMPARE(cell(k150M, kRxLower), QStringLiteral("134.00000"));
        QCOMPARE(cell(k150M, kRxUpper), QStringLiteral("180.00000"));
        typeInto(k150M, kRxLower, QStringLiteral("14x5.5"));
        QCOMPARE(cell(k150M, kRxLower), QStringLiteral("145.50000"));
        typeInto(k150M, kRxLower, QStringLiteral("130"));
        QCOMPARE(cell(k150M, kRxLower), QStringLiteral("134.00000"));
        typeInto(k150M, kRxUpper, QStringLiteral("190"));
        QCOMPARE(cell(k150M, kRxUpper), QStringLiteral("180.00000"));
        typeInto(k150M, kRxUpper, QStringLiteral("174.0037"));
        QCOMPARE(cell(k150M, kRxUpper), QStringLiteral("174.00000"));
        typeInto(k150M, kTxLower, QStringLiteral("150"));
        QCOMPARE(cell(k150M, kTxLower), QStringLiteral("134.00000"));
        QCOMPARE(cell(k150M, kTxUpper), QStringLiteral("180.00000"));
        typeInto(k150M, kTxUpper, QString());
        QVERIFY(cell(k150M, kTxLower).isEmpty());
        QVERIFY(cell(k150M, kTxUpper).isEmpty());
        // The airband's transmit cells take no clicks.
        clickCell(k108M, kTxLower);
        QVERIFY(!grid()->openEditor());
        // The last transmit-capable band cannot be cleared.
        typeInto(k150M, kRxLower, QString());
        QVERIFY(cell(k150M, kRxLower).isEmpty());
        typeInto(k450M, kRxLower, QString());
        QCOMPARE(cell(k450M, kRxLower), QStringLiteral("400.00000"));
        QCOMPARE(cell(k450M, kRxUpper), QStringLiteral("512.00000"));
    }

    void keyboardMoves()
    {
        open();
        unlock();
        grid()->focusGrid();
        grid()->setCurrentCell(k150M + 1, kRxLower);
        QTest::keyClick(table(), Qt::Key_Return);
        QCOMPARE(grid()->openEditor(), m_dlg->cellEditor());
        QCOMPARE(m_dlg->cellEditor()->selectedText(), QStringLiteral("134.00000"));
        m_dlg->grab().save(QStringLiteral("/tmp/frequency_range_editing.png"));
        QTest::keyClick(m_dlg->cellEditor(), Qt::Key_Return);
        QCOMPARE(grid()->col(), kRxUpper);
        QTest::keyClick(table(), Qt::Key_Return);
        QTest::keyClick(m_dlg->cellEditor(), Qt::Key_Return);
        QCOMPARE(grid()->row(), k250M + 1);
        QCOMPARE(grid()->col(), kRxLower);
        QTest::keyClick(table(), Qt::Key_Left);
        QCOMPARE(grid()->row(), k150M + 1);
        QCOMPARE(grid()->col(), kTxUpper);
        QTest::keyClick(table(), Qt::Key_Right);
        QCOMPARE(grid()->row(), k250M + 1);
        QCOMPARE(grid()->col(), kRxLower);
    }

    void closingChecks()
    {
        open();
        unlock();
        ModalAnswerer answerer;
        typeInto(k250M, kRxLower, QStringLiteral("230"));
        QCOMPARE(cell(k250M, kRxLower), QStringLiteral("220.00000"));
        m_dlg->close();
        QVERIFY(m_dlg->isVisible());
        grid()->focusGrid();
        QTest::keyClick(table(), Qt::Key_Escape); // the fault: Esc used to skip the checks
        QVERIFY(m_dlg->isVisible());
        clickCell(k50M, kRxLower);
        QTest::keyClicks(m_dlg->cellEditor(), QStringLiteral("50"));
        QTest::keyClick(m_dlg->cellEditor(), Qt::Key_Escape);
        QVERIFY(m_dlg->isVisible());
        QPushButton* closeButton = m_dlg->findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Close);
        closeButton->click(); // the Close button checks as the close box does
        QVERIFY(m_dlg->isVisible());
        QCOMPARE(answerer.messages, QStringList(4, QStringLiteral("Frequency band is invalid!")));
        QCOMPARE(cell(k50M, kRxLower), QStringLiteral("47.00000")); // the open edit was committed

        typeInto(k250M, kRxLower, QString());
        typeInto(k450M, kRxUpper, QStringLiteral("470"));
        QTest::keyClick(table(), Qt::Key_Escape);
        QVERIFY(!m_dlg->isVisible());
        QCOMPARE(answerer.messages.size(), 4);
        close();
        QCOMPARE(BandPlan::Limit(TestImage(), k450M, BandPlan::kRxUpper), MHz(470));
        QCOMPARE(BandPlan::Limit(TestImage(), k50M, BandPlan::kRxUpper), MHz(54));
        QCOMPARE(TestBands().txLower[1], MHz(400)); // 250M empty: the 450M range
        QCOMPARE(TestBands().txUpper[1], MHz(470));
        QVERIFY(TestBands().bandEnabled[k50M]);
    }

    void commandEmptiesOutOfBandChannels()
    {
        MainWindow frame;
        frame.show();
        QVERIFY(QTest::qWaitForWindowExposed(&frame));
        ViewSubWindow* child = frame.views().subWindow(ViewKind::ChannelTable);
        QVERIFY(child);
        QVERIFY(child->isMaximized());
        auto* view = qobject_cast<ChannelTableView*>(child->view());
        QVERIFY(view);

        Document& doc = frame.document();
        RadioImage& image = DocumentTestAccess::image(doc);
        PutLimit(k150M, BandPlan::kRxLower, MHz(140), doc); // the dialog stores 140..180
        NewChannelRecord(doc.bands(), image, 2, MHz(136));
        NewChannelRecord(doc.bands(), image, 3, MHz(145));
        NewChannelRecord(doc.bands(), image, 4, MHz(446));
        view->LoadFromImage();
        QCOMPARE(view->grid()->text(2, 1), QStringLiteral("136.00000"));
        view->grid()->setText(3, 11, QStringLiteral("KEPT")); // not yet stored

        ModalAnswerer answerer;
        bool shown = false;
        answerer.onModal = [&shown](QWidget* w) {
            shown = shown || qobject_cast<FrequencyRangeDialog*>(w);
            w->close();
        };
        QVERIFY(frame.commandAction(Cmd::FrequencyRange)->isEnabled());
        frame.runCommand(Cmd::FrequencyRange);
        QVERIFY(shown);
        QVERIFY(answerer.messages.isEmpty());
        QCOMPARE(doc.bands().rxLower[k150M], MHz(140));
        QCOMPARE(image[ImageMap::ChannelOffset(2) + 3], std::uint8_t(0xFF));
        QVERIFY(view->grid()->text(2, 1).isEmpty());
        QCOMPARE(view->grid()->text(3, 11), QStringLiteral("KEPT"));
        QCOMPARE(ChannelAt(image, 3).name(), QStringLiteral("KEPT"));
        QCOMPARE(ChannelAt(image, 4).rx(), MHz(446));
        child->grab().save(QStringLiteral("/tmp/channel_table_in_frame.png"));
    }
};

QTEST_MAIN(FrequencyRangeDialogTest)
#include "frequency_range_dialog_test.moc"
