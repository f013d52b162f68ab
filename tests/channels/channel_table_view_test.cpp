// The channel table driven through its grid and in-place editors, offscreen,
// with the bytes of the image checked after each edit and save.
#include "channels/channel_edit_dialog.h"
#include "channels/channel_table_view.h"
#include "channels/core/channel_record.h"
#include "channels/core/chirp_csv.h"
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
#include "tests/support/modal_answerer.h"
#include "tests/support/test_document.h"

#include <QAction>
#include <QClipboard>
#include <QHeaderView>
#include <QMimeData>
#include <QPushButton>
#include <QScrollBar>
#include <QTableView>
#include <QVBoxLayout>
#include <QtTest>

#include <cmath>
#include <memory>
#include <vector>

using namespace ChannelLayout;
using Bytes = std::vector<std::uint8_t>;

namespace {

constexpr std::uint32_t MHz(double mhz)
{
    // Positive values only; std::lround is not constexpr.
    return static_cast<std::uint32_t>(mhz * 100000.0 + 0.5); // NOLINT(bugprone-incorrect-roundings)
}

// A plan as the factory file has it: every band but 60M and 250M.
void WriteFactoryPlan(RadioImage& image)
{
    for (int b = 0; b < BandTable::kRxBands; ++b) {
        std::uint8_t* r = image.data() + BandPlan::RecordOffset(b);
        std::fill_n(r, BandPlan::kRecordSize, 0x00);
        if (b == 2 || b == 5)
            continue;
        EncodeFreq(kFactoryRxLower[static_cast<std::size_t>(b)], r + BandPlan::kRxLower);
        EncodeFreq(kFactoryRxUpper[static_cast<std::size_t>(b)], r + BandPlan::kRxUpper);
    }
}

void ApplyPlan()
{
    DecodeBandPlan(TestImage(), TestBands());
    ComputeBandEnabled(TestImage(), TestBands());
}

Bytes RecordBytes(int n, std::uint32_t from, std::uint32_t count)
{
    const auto at = TestImage().begin() + ImageMap::ChannelOffset(static_cast<std::uint32_t>(n)) + from;
    return {at, at + count};
}

} // namespace

class ChannelTableViewTest : public QObject {
    Q_OBJECT

    std::unique_ptr<QWidget> m_window;
    ChannelTableView* m_view = nullptr;

    Grid* grid() const { return m_view->grid(); }
    QTableView* table() const { return grid()->findChild<QTableView*>(); }
    QString cell(int r, int c) const { return grid()->text(r, c); }

    void clickCell(int row, int col)
    {
        const QModelIndex index = grid()->model()->indexOf(row, col);
        table()->scrollTo(index);
        QTest::mouseClick(table()->viewport(), Qt::LeftButton, {}, table()->visualRect(index).center());
    }
    // Clicks the cell, types into the editor that opens (an empty text
    // clears it) and ends with Enter.
    void typeInto(int row, int col, const QString& text)
    {
        clickCell(row, col);
        QWidget* editor = grid()->openEditor();
        QVERIFY(editor);
        if (text.isEmpty())
            QTest::keyClick(editor, Qt::Key_Delete);
        else
            QTest::keyClicks(editor, text);
        QTest::keyClick(editor, Qt::Key_Return);
        QVERIFY(!grid()->openEditor());
    }
    void pickInto(int row, int col, const QString& item)
    {
        clickCell(row, col);
        QCOMPARE(grid()->openEditor(), m_view->listEditor());
        m_window->grab().save(QStringLiteral("/tmp/channel_table_list_editor.png"));
        m_view->listEditor()->setCurrentIndex(m_view->listEditor()->findText(item));
        QTest::keyClick(m_view->listEditor(), Qt::Key_Return);
    }
    void reload() { m_view->LoadChannelTable(); }

private slots:
    void init()
    {
        TestBands().resetToFactory();
        RadioImage& image = TestImage();
        image.fill(0xFF);
        WriteFactoryPlan(image);
        ApplyPlan();
        NewChannelRecord(TestBands(), image, 1, MHz(145.0));
        NewChannelRecord(TestBands(), image, 5, MHz(146.0));
        m_window = std::make_unique<QWidget>();
        auto* layout = new QVBoxLayout(m_window.get());
        m_view = new ChannelTableView(TestDocument());
        layout->addWidget(m_view);
        m_window->resize(860, 620);
        m_window->show();
        m_window->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(m_window.get()));
        m_view->ensureInitialised();
    }
    void cleanup()
    {
        m_window.reset();
        TestBands().resetToFactory();
    }

    void layoutHeadersAndEditors()
    {
        QCOMPARE(grid()->rows(), 801);
        QCOMPARE(grid()->cols(), 12);
        QCOMPARE(grid()->fixedRows(), 1);
        QCOMPARE(grid()->fixedCols(), 1);
        const QStringList headings = {"CH",           "Rx Freq", "Tx Freq", "Decode Type", "CTCSS",     "DCS",
                                      "DCS Polarity", "Power",   "Scan",    "Bandwidth",   "Signaling", "Name"};
        const std::vector<int> widths = {500, 1100, 1100, 1200, 900, 1000, 1400, 1000, 900, 1000, 1000, 1100};
        for (int c = 0; c < 12; ++c) {
            QCOMPARE(cell(0, c), headings[c]);
            // At least the program's widths, wider where a text would be cut.
            QVERIFY(grid()->colWidth(c) >= widths[static_cast<std::size_t>(c)]);
            QCOMPARE(grid()->colAlignment(c), Qt::Alignment(Qt::AlignCenter));
        }
        const QFontMetrics fm(table()->font());
        QVERIFY(grid()->twipsToPixelsX(grid()->colWidth(3)) > fm.horizontalAdvance(QStringLiteral("Ctcss Encode")));
        QCOMPARE(grid()->rowHeight(1), 300);
        QCOMPARE(grid()->rowHeight(800), 300);
        QCOMPARE(cell(800, 0), QStringLiteral("800"));
        QCOMPARE(m_view->freqEditor()->maxLength(), 9);
        QCOMPARE(m_view->ctcssEditor()->maxLength(), 5);
        QCOMPARE(m_view->ctcssEditor()->count(), int(CtcssToneList.size()));
        QCOMPARE(m_view->dcsEditor()->maxLength(), 3);
        QCOMPARE(m_view->dcsEditor()->count(), int(DcsCodeList.size()));
        QCOMPARE(m_view->nameEditor()->maxLength(), 6);
        QCOMPARE(m_view->channelEditButton()->text(), QStringLiteral("Channel edit"));
        for (const char* id : {"1022", "1023", "1024", "1202", "1203", "1059", "1021"})
            QVERIFY2(m_view->findChild<QWidget*>(QLatin1String(id)), id);
        QVERIFY(!m_view->freqEditor()->isVisible());
        m_window->grab().save(QStringLiteral("/tmp/channel_table_view.png"));
    }

    void typedFrequencies_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<bool>("without30M");
        QTest::addColumn<QString>("shown");
        QTest::newRow("airband raster") << "118.008" << false << "118.00833";
        QTest::newRow("6.25 kHz") << "145.5137" << false << "145.51250";
        QTest::newRow("850M 5 kHz down") << "851.0037" << false << "851.00000";
        QTest::newRow("850M 5 kHz") << "851.0075" << false << "851.00500";
        QTest::newRow("in 50M") << "50.0" << false << "50.00000";
        QTest::newRow("no band") << "1000" << false << "26.00000";
        QTest::newRow("no band, 30M cleared") << "1000" << true << "47.00000";
    }
    void typedFrequencies()
    {
        QFETCH(QString, typed);
        QFETCH(bool, without30M);
        QFETCH(QString, shown);
        if (without30M) {
            std::fill_n(TestImage().data() + BandPlan::RecordOffset(0), 16, 0x00);
            ApplyPlan();
        }
        typeInto(10, 1, typed); // a new channel
        QCOMPARE(cell(10, 1), shown);
        QCOMPARE(cell(10, 2), shown);
        QCOMPARE(ChannelAt(TestImage(), 10).rx(), std::uint32_t(parseShown(shown)));
        typeInto(5, 1, typed); // an existing channel: its row is written as the cell is committed
        QCOMPARE(cell(5, 1), shown);
        QCOMPARE(ChannelAt(TestImage(), 5).rx(), std::uint32_t(parseShown(shown)));
    }

    void newRowTakesTheDefaults()
    {
        typeInto(20, 1, QStringLiteral("145.52"));
        const QStringList want = {"145.52000", "145.52000", "Off",  "100.0", "023", "Positive",
                                  "High",      "Allow",     "Wide", "Off",   ""};
        for (int c = 1; c <= 11; ++c)
            QCOMPARE(cell(20, c), want[c - 1]);
        for (int pass = 0; pass < 2; ++pass) { // as created, then as saved
            QCOMPARE(RecordBytes(20, 0, 8), (Bytes{0x00, 0x20, 0x55, 0x14, 0x00, 0x20, 0x55, 0x14}));
            QCOMPARE(RecordBytes(20, 8, 4), (Bytes{0x00, 0x10, 0x23, 0x00}));
            QCOMPARE(RecordBytes(20, 16, 4), (Bytes{0x00, 0x00, 0x06, 0x00})); // 600 kHz
            const ConstChannelRecord r = ChannelAt(TestImage(), 20);
            QCOMPARE(r.get(kStep), 6u);
            QCOMPARE(r.get(kTxPower), 3u);
            QCOMPARE(r.get(kOffsetDirection), 0u);
            QCOMPARE(RecordBytes(20, 24, 6), Bytes(6, 0xFF));
            m_view->SaveChannelTable();
        }
    }

    void clearingRows()
    {
        typeInto(5, 11, QStringLiteral("AB"));
        typeInto(5, 1, QString());
        for (int c = 1; c <= 11; ++c)
            QVERIFY(cell(5, c).isEmpty());
        QCOMPARE(RecordBytes(5, 3, 1), Bytes{0xFF}); // absent at once
        const Bytes first = RecordBytes(1, 0, 32);
        typeInto(1, 1, QString());
        QCOMPARE(cell(1, 1), QStringLiteral("145.00000"));
        QCOMPARE(RecordBytes(1, 0, 32), first);
        m_view->SaveChannelTable();
        QCOMPARE(RecordBytes(5, 3, 1), Bytes{0xFF});
        QCOMPARE(RecordBytes(5, 16, 4), (Bytes{0x00, 0x00, 0x76, 0x00})); // the table's empty record
    }

    void firstRowStaysTransmitCapable()
    {
        typeInto(1, 1, QStringLiteral("118"));
        QCOMPARE(cell(1, 1), QStringLiteral("145.00000"));
        typeInto(1, 2, QStringLiteral("118"));
        QCOMPARE(cell(1, 2), QStringLiteral("145.00000"));
        typeInto(1, 2, QStringLiteral("446"));
        QCOMPARE(cell(1, 2), QStringLiteral("446.00000"));
        typeInto(1, 2, QString()); // an empty transmit text changes nothing
        QCOMPARE(cell(1, 2), QStringLiteral("446.00000"));
        typeInto(1, 1, QStringLiteral("440.1"));
        QCOMPARE(cell(1, 1), QStringLiteral("440.10000"));
        m_view->SaveChannelTable();
        QCOMPARE(ChannelAt(TestImage(), 1).rx(), MHz(440.1));
        QCOMPARE(ChannelAt(TestImage(), 1).tx(), MHz(446.0));
    }

    void selectionClipboardAndRowCommands()
    {
        // Row headings select rows; Shift extends.
        QHeaderView* rows = table()->verticalHeader();
        auto clickRowHeading = [&](int n, Qt::KeyboardModifiers modifiers) {
            const int y = rows->sectionViewportPosition(n - 1) + rows->sectionSize(n - 1) / 2;
            QTest::mouseClick(rows->viewport(), Qt::LeftButton, modifiers, QPoint(5, y));
        };
        table()->scrollToTop();
        clickRowHeading(5, {});
        QCOMPARE(m_view->selectedChannels(), std::vector<int>{5});
        clickRowHeading(7, Qt::ShiftModifier);
        QCOMPARE(m_view->selectedChannels(), (std::vector<int>{5, 6, 7}));

        // Copy: the records themselves, and text a spreadsheet takes.
        ChannelAt(TestImage(), 5).setName(QStringLiteral("ABC"));
        ChannelAt(TestImage(), 5).set(kScrambler, 1);
        reload();
        m_view->copyChannels();
        const QMimeData* mime = QGuiApplication::clipboard()->mimeData();
        QCOMPARE(mime->data(QStringLiteral("application/x-qm4410-channels")).size(), 3 * 32);
        QVERIFY(mime->text().startsWith(QStringLiteral("Location\tName\tFrequency\t")));
        QVERIFY(mime->text().contains(QStringLiteral("ABC")));

        // Paste from the first selected row down: every byte of the record.
        grid()->selectRows(20, 20);
        m_view->pasteChannels();
        QCOMPARE(RecordBytes(20, 0, 32), RecordBytes(5, 0, 32));
        QVERIFY(!ChannelAt(TestImage(), 21).hasRx());
        QCOMPARE(cell(20, 11), QStringLiteral("ABC"));

        // A spreadsheet's text: what fits is taken, what does not is reported.
        std::vector<CsvImportResult> reports;
        m_view->showReport = [&reports](const CsvImportResult& r) { reports.push_back(r); };
        QGuiApplication::clipboard()->setText(
            QStringLiteral("Name\tFrequency\tDuplex\tOffset\r\nSS1\t146.520000\t\t0.000000\r\n"
                           "BAD\t1000.000000\t\t0.000000\r\n"));
        grid()->selectRows(30, 30);
        m_view->pasteChannels();
        QCOMPARE(ChannelAt(TestImage(), 30).rx(), MHz(146.52));
        QCOMPARE(cell(30, 11), QStringLiteral("SS1"));
        QVERIFY(!ChannelAt(TestImage(), 31).hasRx());
        QCOMPARE(reports.size(), std::size_t(1));
        QCOMPARE(reports[0].skipped, 1);
        QCOMPARE(reports[0].issues.at(0).column, QStringLiteral("Frequency"));

        // Rows without their heading row: the columns a copy writes.
        QGuiApplication::clipboard()->setText(QStringLiteral("40\tHDLESS\t145.250000\r\n"));
        grid()->selectRows(40, 40);
        m_view->pasteChannels();
        QCOMPARE(cell(40, 11), QStringLiteral("HDLESS"));
        QCOMPARE(ChannelAt(TestImage(), 40).rx(), MHz(145.25));

        // Delete empties as clearing the Rx cell does; channel 1 stays.
        grid()->selectRows(1, 1);
        m_view->deleteChannels();
        QVERIFY(ChannelAt(TestImage(), 1).hasRx());
        grid()->selectRows(20, 20);
        m_view->deleteChannels();
        QVERIFY(!ChannelAt(TestImage(), 20).hasRx());
        QVERIFY(cell(20, 1).isEmpty());

        // Insert, remove and move whole channels; the table shows the result.
        grid()->selectRows(5, 5);
        m_view->insertChannel();
        QVERIFY(cell(5, 1).isEmpty());
        QCOMPARE(cell(6, 11), QStringLiteral("ABC"));
        m_view->removeChannels();
        QCOMPARE(cell(5, 11), QStringLiteral("ABC"));
        QAction* down = nullptr;
        for (QAction* a : m_view->editActions())
            if (a->shortcut() == QKeySequence(Qt::ALT | Qt::Key_Down))
                down = a;
        QVERIFY(down);
        grid()->selectRows(5, 5);
        down->trigger();
        QCOMPARE(cell(6, 11), QStringLiteral("ABC"));
        QCOMPARE(m_view->selectedChannels(), std::vector<int>{6});

        // The last channel would fall off: refused with a message.
        NewChannelRecord(TestBands(), TestImage(), 800, MHz(145.5));
        reload();
        ModalAnswerer answers;
        m_view->insertChannel();
        QCOMPARE(answers.messages.size(), 1);
        QCOMPARE(ChannelAt(TestImage(), 800).rx(), MHz(145.5));
    }

    void escapeCancelsAnEditAndSimplexFollows()
    {
        clickCell(5, 11);
        QWidget* editor = grid()->openEditor();
        QVERIFY(editor);
        QTest::keyClicks(editor, QStringLiteral("ZZ"));
        QTest::keyClick(editor, Qt::Key_Escape);
        QVERIFY(!grid()->openEditor());
        QVERIFY(cell(5, 11).isEmpty());
        QVERIFY(ChannelAt(TestImage(), 5).name().isEmpty());

        // A simplex channel moved stays simplex; an offset channel keeps its offset.
        typeInto(5, 1, QStringLiteral("147"));
        QCOMPARE(cell(5, 2), QStringLiteral("147.00000"));
        QCOMPARE(ChannelAt(TestImage(), 5).tx(), MHz(147.0));
        typeInto(5, 2, QStringLiteral("147.6"));
        typeInto(5, 1, QStringLiteral("146.94"));
        QCOMPARE(cell(5, 2), QStringLiteral("147.54000"));
    }

    void offsetDirectionOnSave()
    {
        const ChannelRecord r = ChannelAt(TestImage(), 7);
        NewChannelRecord(TestBands(), TestImage(), 7, MHz(145.0));
        r.setTx(MHz(145.6));
        r.set(kOffsetDirection, 2);
        reload();
        m_view->SaveChannelTable();
        QCOMPARE(r.get(kOffsetDirection), 2u); // still receive + offset
        typeInto(7, 2, QStringLiteral("145.7"));
        m_view->SaveChannelTable();
        QCOMPARE(r.get(kOffsetDirection), 3u);
        QCOMPARE(r.tx(), MHz(145.7));
    }

    void sqlModeFollowsDecodeType()
    {
        const ChannelRecord r = ChannelAt(TestImage(), 5);
        r.set(kSqlMode, 1);    // "Tone"
        r.set(kDecodeType, 2); // "Ctcss Codec"
        reload();
        QCOMPARE(cell(5, 3), QStringLiteral("Ctcss Codec"));
        pickInto(5, 3, QStringLiteral("Ctcss Encode"));
        QCOMPARE(cell(5, 3), QStringLiteral("Ctcss Encode"));
        QCOMPARE(grid()->col(), 4); // Enter moved right
        m_view->SaveChannelTable();
        QCOMPARE(r.get(kDecodeType), 1u);
        QCOMPARE(r.get(kSqlMode), 0u); // "Carrier"
    }

    void absentChannelOneLoadsAtBand4()
    {
        RadioImage& image = TestImage();
        EncodeFreq(MHz(136.0), image.data() + BandPlan::RecordOffset(4) + BandPlan::kRxLower);
        ApplyPlan();
        std::fill_n(image.data() + ImageMap::ChannelOffset(1), 32, 0xFF);
        reload();
        QCOMPARE(cell(1, 1), QStringLiteral("136.00000"));
        QCOMPARE(cell(1, 2), QStringLiteral("136.00000"));
        QCOMPARE(ChannelAt(image, 1).rx(), MHz(136.0));
        // Without 150M, the UHF band.
        std::fill_n(image.data() + BandPlan::RecordOffset(4), 16, 0x00);
        std::fill_n(image.data() + ImageMap::ChannelOffset(1), 32, 0xFF);
        ApplyPlan();
        reload();
        QCOMPARE(cell(1, 1), QStringLiteral("400.00000"));
    }

    void absentTransmitShowsEmptyCell()
    {
        ChannelAt(TestImage(), 5).clearTx();
        reload();
        QCOMPARE(cell(5, 1), QStringLiteral("146.00000"));
        QVERIFY(cell(5, 2).isEmpty());
    }

    void shortNameOverLongName()
    {
        ChannelAt(TestImage(), 5).setName(QStringLiteral("ABCDEF"));
        reload();
        QCOMPARE(cell(5, 11), QStringLiteral("ABCDEF"));
        typeInto(5, 11, QStringLiteral("X!Y")); // '!' is not a name character
        QCOMPARE(cell(5, 11), QStringLiteral("XY"));
        m_view->SaveChannelTable();
        QCOMPARE(RecordBytes(5, 24, 6), (Bytes{'X', 'Y', 0xFF, 0xFF, 0xFF, 0xFF}));
        reload();
        QCOMPARE(cell(5, 11), QStringLiteral("XY"));
    }

    void toneAndCodeEditors_data()
    {
        QTest::addColumn<int>("col");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("shown");
        QTest::newRow("tone") << 4 << "88.5"
                              << "88.5";
        QTest::newRow("tone completed") << 4 << "67"
                                        << "67.0";
        QTest::newRow("tone too low") << 4 << "55"
                                      << "100.0";
        QTest::newRow("tone filtered") << 4 << "1a2b3"
                                       << "123.0";
        QTest::newRow("code") << 5 << "23"
                              << "023";
        QTest::newRow("code too high") << 5 << "778"
                                       << "023";
        QTest::newRow("code filtered, three at most") << 5 << "7x5412"
                                                      << "754";
    }
    void toneAndCodeEditors()
    {
        QFETCH(int, col);
        QFETCH(QString, typed);
        QFETCH(QString, shown);
        typeInto(5, col, typed);
        QCOMPARE(cell(5, col), shown);
    }

    void rowWithoutReceiveStartsAtReceive()
    {
        clickCell(30, 11);
        QCOMPARE(grid()->openEditor(), m_view->freqEditor());
        QCOMPARE(grid()->col(), 1);
        QTest::keyClicks(m_view->freqEditor(), QStringLiteral("12x3.4"));
        QCOMPARE(m_view->freqEditor()->text(), QStringLiteral("123.4"));
        QTest::keyClick(m_view->freqEditor(), Qt::Key_Return);
        QCOMPARE(cell(30, 1), QStringLiteral("123.40000"));
        QCOMPARE(cell(30, 3), QStringLiteral("Off"));
        QCOMPARE(ChannelAt(TestImage(), 30).get(kAm), 1u); // airband channel
    }

    void keyboard()
    {
        grid()->focusGrid();
        grid()->setCurrentCell(3, 11);
        QTest::keyClick(table(), Qt::Key_Right);
        QCOMPARE(grid()->row(), 4);
        QCOMPARE(grid()->col(), 1);
        QTest::keyClick(table(), Qt::Key_Left);
        QCOMPARE(grid()->row(), 3);
        QCOMPARE(grid()->col(), 11);
        // Enter edits; an empty frequency editor moves down, a filled one right.
        grid()->setCurrentCell(5, 1);
        QTest::keyClick(table(), Qt::Key_Return);
        QCOMPARE(grid()->openEditor(), m_view->freqEditor());
        QCOMPARE(m_view->freqEditor()->selectedText(), QStringLiteral("146.00000"));
        QTest::keyClick(m_view->freqEditor(), Qt::Key_Return);
        QCOMPARE(grid()->row(), 5);
        QCOMPARE(grid()->col(), 2);
        grid()->setCurrentCell(40, 1);
        QTest::keyClick(table(), Qt::Key_Enter, Qt::KeypadModifier);
        QCOMPARE(grid()->openEditor(), m_view->freqEditor());
        QTest::keyClick(m_view->freqEditor(), Qt::Key_Return);
        QCOMPARE(grid()->row(), 41);
        QCOMPARE(grid()->col(), 1);
        // The name editor moves right, from the last column to the next row.
        grid()->setCurrentCell(5, 11);
        QTest::keyClick(table(), Qt::Key_Return);
        QCOMPARE(grid()->openEditor(), m_view->nameEditor());
        QTest::keyClick(m_view->nameEditor(), Qt::Key_Return);
        QCOMPARE(grid()->row(), 6);
        QCOMPARE(grid()->col(), 1);
    }

    void scrollingCommitsTheEditor()
    {
        clickCell(5, 11);
        QTest::keyClicks(m_view->nameEditor(), QStringLiteral("SCR"));
        table()->verticalScrollBar()->setValue(table()->verticalScrollBar()->maximum());
        QVERIFY(!grid()->openEditor());
        QCOMPARE(cell(5, 11), QStringLiteral("SCR"));
    }

    void saveCommitsOpenEditorAndFixesUp()
    {
        clickCell(5, 11);
        QTest::keyClicks(m_view->nameEditor(), QStringLiteral("OPEN"));
        TestImage()[ImageMap::kChannelBitmaps] = 0x00;
        m_view->SaveToImage();
        QVERIFY(!grid()->openEditor());
        QCOMPARE(RecordBytes(5, 24, 4), (Bytes{'O', 'P', 'E', 'N'}));
        QCOMPARE(TestImage()[ImageMap::kChannelBitmaps] & 0x11,
                 0x11); // channels 1 and 5 are mapped
    }

    void loadFollowsTheImagePlan()
    {
        std::fill_n(TestImage().data() + BandPlan::RecordOffset(4), 16, 0x00);
        QVERIFY(TestBands().bandEnabled[4]);
        reload();
        QVERIFY(!TestBands().bandEnabled[4]);
        QVERIFY(!TestBands().txEnabled[0]);
        QVERIFY(TestBands().txEnabled[1]);
    }

    void saveBeforeFirstDisplayWritesNothing()
    {
        const RadioImage before = TestImage();
        ChannelTableView fresh(TestDocument());
        fresh.SaveToImage();
        QVERIFY(TestImage() == before);
    }

    void channelEditButton()
    {
        typeInto(5, 11, QStringLiteral("BTN"));
        grid()->setCurrentCell(5, 4);
        ModalAnswerer answerer;
        int shown = 0;
        Bytes nameWhenShown;
        answerer.onModal = [&](QWidget* w) {
            if (auto* dlg = qobject_cast<ChannelEditDialog*>(w)) {
                shown = dlg->shownChannel();
                nameWhenShown = RecordBytes(5, 24, 3);
                NewChannelRecord(TestBands(), TestImage(), 6, MHz(147.0)); // a change made meanwhile
            }
            w->close();
        };
        QTest::mouseClick(m_view->channelEditButton(), Qt::LeftButton);
        QCOMPARE(shown, 5);
        QCOMPARE(nameWhenShown, (Bytes{'B', 'T', 'N'}));   // the table was saved first
        QCOMPARE(cell(6, 1), QStringLiteral("147.00000")); // and reloaded after
        QCOMPARE(cell(5, 11), QStringLiteral("BTN"));
        QCOMPARE(m_window->focusWidget(), table()); // the grid's, once the window is active again
    }

private:
    static std::int64_t parseShown(const QString& text) { return std::llround(text.toDouble() * 100000.0); }
};

QTEST_MAIN(ChannelTableViewTest)
#include "channel_table_view_test.moc"
