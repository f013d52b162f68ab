// The model information view driven through its boxes: what it shows for the
// identity record, what typing and pasting store, and storing on close.
#include "channels/core/channel_record.h"
#include "document/radio_image.h"
#include "radio/band_chart_widget.h"
#include "radio/model_data_view.h"
#include "shell/commands.h"
#include "shell/main_window.h"
#include "shell/view_sub_window.h"
#include "shell/view_windows.h"
#include "tests/support/program_folder.h"
#include "tests/support/test_document.h"
#include "tests/support/test_views.h"

#include <QClipboard>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMdiArea>
#include <QPushButton>
#include <QtTest>

#include <memory>
#include <vector>

namespace {
constexpr int kSerial = 1005, kModelName = 1059, kModelCode = 1092, kFirmware = 1008, kDate = 1009;

QLineEdit* Box(QWidget* view, int id)
{
    return view->findChild<QLineEdit*>(QString::number(id));
}

std::vector<std::uint8_t> ImageBytes(std::uint32_t at, int n, Document& doc = TestDocument())
{
    const RadioImage& image = doc.image();
    return {image.begin() + at, image.begin() + at + n};
}

std::vector<std::uint8_t> Field(const QByteArray& text, int length)
{
    std::vector<std::uint8_t> v(text.begin(), text.end());
    v.resize(static_cast<std::size_t>(length), 0xFF);
    return v;
}

void Put(std::uint32_t at, const QByteArray& bytes, Document& doc = TestDocument())
{
    std::copy(bytes.begin(), bytes.end(), DocumentTestAccess::image(doc).begin() + at);
}

// A character as the keyboard sends it, including ones QTest cannot type.
void TypeChar(QWidget* w, QChar c)
{
    QKeyEvent press(QEvent::KeyPress, 0, Qt::NoModifier, QString(c));
    QApplication::sendEvent(w, &press);
    QKeyEvent release(QEvent::KeyRelease, 0, Qt::NoModifier, QString(c));
    QApplication::sendEvent(w, &release);
}
} // namespace

class ModelDataViewTest : public QObject {
    Q_OBJECT

    ProgramFolder m_folder;

    static std::unique_ptr<ModelDataView> open()
    {
        auto v = std::make_unique<ModelDataView>(TestDocument());
        v->ensureInitialised();
        return v;
    }

private slots:
    void initTestCase() { QVERIFY(m_folder.isValid()); }
    void init() { TestImage().fill(0xFF); }

    void blankRecordShowsFiveEmptyBoxes()
    {
        auto v = open();
        for (int id : {kSerial, kModelName, kModelCode, kFirmware, kDate}) {
            QVERIFY(Box(v.get(), id));
            QCOMPARE(Box(v.get(), id)->text(), QString());
        }
        QCOMPARE(Box(v.get(), kSerial)->maxLength(), 8);
        QCOMPARE(Box(v.get(), kModelName)->maxLength(), 8);
        QCOMPARE(Box(v.get(), kModelCode)->maxLength(), 16);
        QCOMPARE(Box(v.get(), kFirmware)->maxLength(), 8);
        QCOMPARE(Box(v.get(), kDate)->maxLength(), 10);
        QVERIFY(Box(v.get(), kFirmware)->isReadOnly());
        QVERIFY(Box(v.get(), kDate)->isReadOnly());
        QVERIFY(!Box(v.get(), kSerial)->isReadOnly());
        // Read-only fields are drawn on the window's colour, the others as fields to fill in.
        for (const int id : {kFirmware, kDate}) {
            const QPalette p = Box(v.get(), id)->palette();
            QCOMPARE(p.color(QPalette::Base), p.color(QPalette::Window));
        }
        const QPalette editable = Box(v.get(), kSerial)->palette();
        QVERIFY(editable.color(QPalette::Base) != editable.color(QPalette::Window));
        QCOMPARE(v->templateId(), 200);
    }

    void showsTheRecord()
    {
        Put(0xFF00, "AB-12");
        Put(0xFF08, "QM4410XY");
        Put(0xFF10, "Code 16 chars ok");
        Put(0xFF20, QByteArray("V1.02\x01", 6));
        auto v = open();
        QCOMPARE(Box(v.get(), kSerial)->text(), QStringLiteral("AB"));
        QCOMPARE(Box(v.get(), kModelName)->text(), QStringLiteral("QM4410XY"));
        QCOMPARE(Box(v.get(), kModelCode)->text(), QStringLiteral("Code 16 chars ok"));
        QCOMPARE(Box(v.get(), kFirmware)->text(), QStringLiteral("V1.02"));
    }

    void dateShownOnlyWhenItIsACalendarDate_data()
    {
        QTest::addColumn<QByteArray>("bytes"); // 0xFF28..0xFF2B
        QTest::addColumn<QString>("shown");
        QTest::newRow("12 May 2016") << QByteArray("\x16\x20\x05\x12", 4) << "2016-05-12";
        QTest::newRow("month 13") << QByteArray("\x16\x20\x13\x01", 4) << "";
        QTest::newRow("31 April") << QByteArray("\x16\x20\x04\x31", 4) << "";
        QTest::newRow("29 February 2024") << QByteArray("\x24\x20\x02\x29", 4) << "2024-02-29";
        QTest::newRow("all FF") << QByteArray("\xFF\xFF\xFF\xFF", 4) << "";
    }
    void dateShownOnlyWhenItIsACalendarDate()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(QString, shown);
        Put(0xFF28, bytes);
        auto v = open();
        QCOMPARE(Box(v.get(), kDate)->text(), shown);
        v->SaveToImage(); // the date is never written
        QCOMPARE(ImageBytes(0xFF28, 4), Field(bytes, 4));
    }

    void typingAb12StoresItsBytes()
    {
        auto v = open();
        QTest::keyClicks(Box(v.get(), kSerial), QStringLiteral("ab12"));
        QCOMPARE(Box(v.get(), kSerial)->text(), QStringLiteral("ab12")); // lower case stays
        TestImage().fill(0x00);
        v->SaveToImage();
        QCOMPARE(ImageBytes(0xFF00, 8), (std::vector<std::uint8_t>{0x61, 0x62, 0x31, 0x32, 0xFF, 0xFF, 0xFF, 0xFF}));
        QCOMPARE(ImageBytes(0xFF08, 24), std::vector<std::uint8_t>(24, 0xFF));
    }

    void keyboardFilters_data()
    {
        QTest::addColumn<int>("box");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("shown");
        QTest::newRow("serial") << kSerial << "a-b 1_Z.9"
                                << "ab1Z9";
        QTest::newRow("model name") << kModelName << "QM 44/10!"
                                    << "QM4410";
        QTest::newRow("model code") << kModelCode << "a-b 1_Z.~"
                                    << "a-b 1_Z.~";
        QTest::newRow("serial, accented") << kSerial << QStringLiteral("x\u00E9\u0131y") << "xy";
        QTest::newRow("model code, accented") << kModelCode << QStringLiteral("x\u00E9 \u4E2Dy") << "x y";
    }
    void keyboardFilters()
    {
        QFETCH(int, box);
        QFETCH(QString, typed);
        QFETCH(QString, shown);
        auto v = open();
        for (QChar c : typed)
            TypeChar(Box(v.get(), box), c);
        QCOMPARE(Box(v.get(), box)->text(), shown);
    }

    void backspaceAndEditingKeysStillWork()
    {
        auto v = open();
        QLineEdit* serial = Box(v.get(), kSerial);
        QTest::keyClicks(serial, QStringLiteral("abc"));
        QTest::keyClick(serial, Qt::Key_Backspace);
        QTest::keyClick(serial, Qt::Key_Home);
        QTest::keyClick(serial, Qt::Key_Delete);
        QCOMPARE(serial->text(), QStringLiteral("b"));
    }

    void pastedTextIsCutAtItsFirstWrongCharacter()
    {
        auto v = open();
        QGuiApplication::clipboard()->setText(QStringLiteral("AB-12"));
        Box(v.get(), kSerial)->paste();
        QCOMPARE(Box(v.get(), kSerial)->text(), QStringLiteral("AB-12")); // pasting is not filtered
        v->SaveToImage();
        QCOMPARE(ImageBytes(0xFF00, 8), Field("AB", 8));
    }

    void sixteenCharacterCodeFillsItsFieldAndNothingBeyond()
    {
        TestImage().fill(0x5A);
        auto v = open();
        QLineEdit* code = Box(v.get(), kModelCode);
        code->clear();
        QTest::keyClicks(code, QStringLiteral("0123456789abcdefXYZ")); // the box stops at 16
        QCOMPARE(code->text(), QStringLiteral("0123456789abcdef"));
        Box(v.get(), kSerial)->clear();
        Box(v.get(), kModelName)->clear();
        v->SaveToImage();
        QCOMPARE(ImageBytes(0xFF00, 16), std::vector<std::uint8_t>(16, 0xFF));
        QCOMPARE(ImageBytes(0xFF10, 16), Field("0123456789abcdef", 16));
        QCOMPARE(ImageBytes(0xFF20, 16), std::vector<std::uint8_t>(16, 0x5A));
        QCOMPARE(TestImage()[0xFEFF], 0x5A);
    }

    void closingItsFrameStores()
    {
        QMdiArea area;
        auto* view = new ModelDataView(TestDocument());
        auto* frame = new ViewSubWindow(view);
        area.addSubWindow(frame);
        view->ensureInitialised();
        area.show();
        QTest::keyClicks(Box(view, kModelName), QStringLiteral("QM4410"));
        frame->close();
        QCOMPARE(ImageBytes(0xFF08, 8), Field("QM4410", 8));
    }

    void opensFromTheModelCommandAndStoresOnClose()
    {
        MainWindow frame(MakeViewsWithPlainTable); // loads the factory file into its document
        frame.show();
        QVERIFY(QTest::qWaitForWindowExposed(&frame));
        Put(0xFF00, QByteArray("SER1\xFF", 5), frame.document());
        QVERIFY(frame.commandAction(Cmd::Model)->isEnabled());
        frame.views().subWindow(ViewKind::ChannelTable)->close(); // maximised, it would maximise the next one too
        frame.runCommand(Cmd::Model);
        ViewSubWindow* child = frame.views().subWindow(ViewKind::Model);
        QVERIFY(child);
        QVERIFY(qobject_cast<ModelDataView*>(child->view()));
        QCOMPARE(child->windowTitle(), QStringLiteral("Modle"));
        QCOMPARE(child->size(), QSize(360, 360));
        QLineEdit* serial = Box(child->view(), kSerial);
        QCOMPARE(serial->text(), QStringLiteral("SER1"));
        QTest::keyClicks(serial, QStringLiteral("x"));
        QTest::qWait(50);
        child->grab().save(QStringLiteral("/tmp/model_data_view.png"));
        child->findChild<QPushButton*>(QStringLiteral("1006"))->click(); // Close
        QTRY_VERIFY(!frame.views().subWindow(ViewKind::Model));
        QCOMPARE(ImageBytes(0xFF00, 8, frame.document()), Field("SER1x", 8));
    }

    void bandChartFollowsTheDocument()
    {
        Put(0xFF30 + 16 * 4, QByteArray("\x00\x00\x40\x13\x00\x00\x00\x18\x00\x00\x40\x13\x00\x00\x00\x18", 16));
        TestDocument().deriveBandLimits();
        auto v = open();
        BandChartWidget* chart = v->bandChart();
        chart->resize(900, chart->sizeHint().height());
        QVERIFY(chart->data().bands[4].hasRx());
        QVERIFY(chart->data().channels.empty());
        const int rowsHeight = chart->sizeHint().height();

        {
            Document::Change c = TestDocument().change();
            NewChannelRecord(TestBands(), c.image(), 2, 14652000);
            ChannelAt(c.image(), 2).setName(QStringLiteral("CALL"));
        }
        QTRY_COMPARE(chart->data().channels.size(), std::size_t(1));
        QCOMPARE(chart->textAt(chart->tickPosition(2)), QStringLiteral("Channel 2  CALL  146.52000 MHz"));
        // Off the tick, over the band's bar: the band's ranges.
        const QPoint bar = chart->tickPosition(2) + QPoint(30, 0);
        QVERIFY(chart->textAt(bar).startsWith(QStringLiteral("150M\nReceive 134.00000 – 180.00000 MHz")));
        QCOMPARE(chart->textAt(QPoint(1, 1)), QString());

        // Closing the band moves its channel to a row of its own.
        {
            Document::Change c = TestDocument().change();
            std::fill_n(c.image().begin() + 0xFF30 + 16 * 4, 16, std::uint8_t(0));
        }
        QTRY_VERIFY(!chart->data().bands[4].hasRx());
        QCOMPARE(chart->data().channels.at(0).band, -1);
        QVERIFY(chart->sizeHint().height() > rowsHeight);
        QVERIFY(chart->textAt(chart->tickPosition(2)).startsWith(QStringLiteral("Channel 2")));
    }
};

QTEST_MAIN(ModelDataViewTest)
#include "model_data_view_test.moc"
