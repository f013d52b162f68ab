// Every stored field of the setting and signalling views, pinned to its image
// address and bits. Load/save round trips still pass when a field's read and
// write move together; these literal addresses do not.
#include "controls/grid.h"
#include "settings/alarm_view.h"
#include "settings/basic_setting_view.h"
#include "settings/dtmf_view.h"
#include "signalling/five_tone_view.h"
#include "signalling/two_tone_view.h"
#include "tests/settings/form_test_support.h"
#include "tests/signalling/signalling_document.h"
#include "tests/signalling/view_fixture.h"
#include "tests/support/test_document.h"

#include <QAbstractItemView>
#include <QCheckBox>
#include <QTabBar>
#include <QTabWidget>
#include <QtTest>

#include <memory>
#include <vector>

namespace {
enum View { kBasic, kDtmf, kAlarm, kTwoTone, kFiveTone };

// One field: after `setup` ("id=index" steps: tabs, system or record lists,
// check boxes), `value` goes into control `id` (a grid takes "row,col=text"
// cells separated by '|'). The field owns `mask` in each of its bytes from
// `at` on, and those bits hold `bytes`.
struct Pin {
    View view;
    const char* name;
    const char* setup;
    int id;
    const char* value;
    std::uint32_t at;
    int mask;
    QByteArray bytes;
};

// The bytes given, then 0xFF up to size: the fill after digits and text.
QByteArray B(std::initializer_list<int> bytes, int size = 0)
{
    QByteArray out;
    for (int b : bytes)
        out.append(static_cast<char>(b));
    while (out.size() < size)
        out.append('\xFF');
    return out;
}

QByteArray Text(const char* text, int size)
{
    QByteArray out(text);
    while (out.size() < size)
        out.append('\xFF');
    return out;
}

const std::vector<Pin>& Pins()
{
    static const std::vector<Pin> pins = {
        // Basic settings, "Option" tab.
        {kBasic, "left priority", "", 1101, "300", 0xCC18, 0xFF, B({0x2C, 0x01})},
        {kBasic, "right priority", "", 1102, "260", 0xCC1A, 0xFF, B({0x04, 0x01})},
        {kBasic, "sql left", "", 1103, "9", 0xCC20, 0xFF, B({0x03})},
        {kBasic, "auto power off", "", 1104, "1.5", 0xCC21, 0xFF, B({0x0F})},
        {kBasic, "backlight brightness", "", 1105, "3", 0xCC22, 0xFF, B({0x03})},
        {kBasic, "backlight colour", "", 1106, "Purple", 0xCC23, 0xFF, B({0x02})},
        {kBasic, "beep", "", 1107, "On", 0xCC24, 0x80, B({0x80})},
        {kBasic, "key lock", "", 1108, "Auto", 0xCC24, 0x40, B({0x40})},
        {kBasic, "ptt lock", "", 1109, "Right", 0xCC24, 0x30, B({0x10})},
        {kBasic, "hyper channel", "", 1110, "Auto", 0xCC24, 0x02, B({0x02})},
        {kBasic, "right function key", "", 1111, "Key2", 0xCC24, 0x01, B({0x01})},
        {kBasic, "tbst", "", 1112, "1450", 0xCC25, 0xC0, B({0x40})},
        {kBasic, "ani display", "", 1113, "On", 0xCC25, 0x20, B({0x20})},
        {kBasic, "selent mode", "", 1114, "RX", 0xCC25, 0x0C, B({0x08})},
        {kBasic, "ste", "", 1115, "120", 0xCC25, 0x03, B({0x01})},
        {kBasic, "auto transfer", "", 1116, "On", 0xCC26, 0x80, B({0x80})},
        {kBasic, "auto contact", "", 1117, "Always remind", 0xCC26, 0x40, B({0x40})},
        {kBasic, "auto am", "", 1118, "Auto", 0xCC26, 0x08, B({0x08})},
        {kBasic, "am function", "", 1119, "On", 0xCC26, 0x04, B({0x04})},
        {kBasic, "span transit", "", 1120, "On", 0xCC26, 0x02, B({0x02})},
        {kBasic, "scan mode", "", 1121, "MSM", 0xCC27, 0x04, B({0x04})},
        {kBasic, "scan resume", "", 1122, "CO", 0xCC27, 0x03, B({0x01})},
        {kBasic, "scrambler", "", 1123, "2700", 0xCC28, 0xFF, B({0x8C, 0x0A})},
        {kBasic, "span exit delay", "", 1124, "2.5", 0xCC2C, 0xFF, B({0x19})},
        {kBasic, "sql right", "", 1125, "5", 0xCC2E, 0xFF, B({0x02})},
        {kBasic, "volume", "", 1126, "9", 0xCC2F, 0xFF, B({0x09})},
        // "TOT" and "Key" tabs.
        {kBasic, "tot", "tabs=1", 1130, "12", 0xCC30, 0xFF, B({0x0C})},
        {kBasic, "tot pre-alert", "tabs=1", 1131, "7", 0xCC31, 0xFF, B({0x07})},
        {kBasic, "tot rekey", "tabs=1", 1132, "25", 0xCC32, 0xFF, B({0x19})},
        {kBasic, "tot reset", "tabs=1", 1133, "3", 0xCC33, 0xFF, B({0x03})},
        {kBasic, "key p1", "tabs=2", 1140, "SCAN", 0xCC38, 0xFF, B({0x01})},
        {kBasic, "key p2", "tabs=2", 1141, "PRI", 0xCC39, 0xFF, B({0x05})},
        {kBasic, "key p3", "tabs=2", 1142, "MHz", 0xCC3A, 0xFF, B({0x08})},
        {kBasic, "key p4", "tabs=2", 1143, "HOME", 0xCC3B, 0xFF, B({0x0A})},

        // DTMF, "Code" tab.
        {kDtmf, "speed", "", 1150, "100", 0xD6B0, 0xFF, B({0x64})},
        {kDtmf, "first digit delay", "", 1151, "750", 0xD6B1, 0xFF, B({0x0F})},
        {kDtmf, "first digit", "", 1152, "500", 0xD6B2, 0xFF, B({0x0A})},
        {kDtmf, "hold time", "", 1153, "7", 0xD6B3, 0xFF, B({0x07})},
        {kDtmf, "group code", "", 1154, "B", 0xD6B4, 0xFF, B({0x0B})},
        {kDtmf, "delimiter", "", 1155, "#", 0xD6B5, 0xFF, B({0x0F})},
        {kDtmf, "side tone", "", 1156, "1", 0xD6B7, 0x01, B({0x01})},
        // The side tone clears the beep: the beep holds only with the side tone off.
        {kDtmf, "beep", "1156=0", 1157, "1", 0xD6B7, 0x03, B({0x02})},
        {kDtmf, "self id", "", 1158, "123", 0xD6B8, 0xFF, B({0x01, 0x02, 0x03}, 8)},
        {kDtmf, "stun code", "", 1159, "45A", 0xD6C8, 0xFF, B({0x04, 0x05, 0x0A}, 16)},
        {kDtmf, "decode response", "", 1160, "Remind", 0xD6D8, 0xFF, B({0x01})},
        {kDtmf, "stun type", "", 1161, "Kill", 0xD6DA, 0xFF, B({0x02})},
        {kDtmf, "auto reset", "", 1163, "30", 0xD6DB, 0xFF, B({0x1E})},
        {kDtmf, "code 5", "", 1022, "5,1=ANI|5,2=12AB|5,3=KEY", 0xD7C0, 0xFF,
         B({0x01, 0x02, 0x0A, 0x0B}, 16) + Text("KEY", 7) + B({0x01})},
        {kDtmf, "code 16", "", 1022, "16,1=None|16,2=9*#|16,3=LAST", 0xD8C8, 0xFF,
         B({0x09, 0x0E, 0x0F}, 16) + Text("LAST", 7) + B({0x00})},
        // "PTTID" tab.
        {kDtmf, "ptt id 1 type", "tabs=1", 1180, "Down", 0xD6B6, 0x03, B({0x01})},
        {kDtmf, "ptt id 2 type", "tabs=1", 1181, "Both", 0xD6B6, 0x0C, B({0x08})},
        {kDtmf, "ptt id 3 type", "tabs=1", 1182, "Down", 0xD6B6, 0x30, B({0x10})},
        {kDtmf, "ptt id 4 type", "tabs=1", 1183, "Both", 0xD6B6, 0xC0, B({0x80})},
        {kDtmf, "ptt id 1 up", "tabs=1", 1184, "1A#", 0xD6E0, 0xFF, B({0x01, 0x0A, 0x0F}, 16)},
        {kDtmf, "ptt id 1 down", "tabs=1", 1188, "*9", 0xD6F0, 0xFF, B({0x0E, 0x09}, 16)},
        {kDtmf, "ptt id 2 up", "tabs=1", 1185, "77", 0xD700, 0xFF, B({0x07, 0x07}, 16)},
        {kDtmf, "ptt id 4 down", "tabs=1", 1191, "D0", 0xD750, 0xFF, B({0x0D, 0x00}, 16)},

        // Alarm.
        {kAlarm, "alarm type", "", 1200, "Secret", 0xCC70, 0xFF, B({0x03})},
        {kAlarm, "cycle", "", 1201, "20", 0xCC71, 0xFF, B({0x14})},
        {kAlarm, "tx time", "", 1203, "45", 0xCC72, 0xFF, B({0x2D})},
        {kAlarm, "rx time", "", 1205, "60", 0xCC73, 0xFF, B({0x3C})},
        {kAlarm, "emi code", "", 1207, "12", 0xCC76, 0xFF, B({0x0C})},
        {kAlarm, "emi code type", "", 1208, "DTMF", 0xCC77, 0x03, B({0x01})},
        {kAlarm, "remote emi alarm", "", 1209, "On", 0xCC77, 0x80, B({0x80})},

        // Two-tone system 1.
        {kTwoTone, "alias", "", 1005, "NORTH", 0xCF80, 0xFF, Text("NORTH", 6)},
        {kTwoTone, "pre-carrier", "", 1324, "0.7", 0xCF88, 0xFF, B({0x07})},
        {kTwoTone, "first duration", "", 1316, "2.5", 0xCF89, 0xFF, B({0x19})},
        {kTwoTone, "second duration", "", 1318, "1.5", 0xCF8A, 0xFF, B({0x0F})},
        {kTwoTone, "long duration", "", 1322, "7.5", 0xCF8B, 0xFF, B({0x4B})},
        {kTwoTone, "interval", "", 1320, "0.8", 0xCF8C, 0xFF, B({0x08})},
        {kTwoTone, "side tone", "", 1149, "1", 0xCF8D, 0x01, B({0x01})},
        {kTwoTone, "beep", "", 1190, "1", 0xCF8D, 0x02, B({0x02})},
        {kTwoTone, "idle reply", "", 1428, "1", 0xCF8D, 0x80, B({0x80})},
        {kTwoTone, "a tone", "", 1308, "1000.0", 0xCF90, 0xFF, B({0x10, 0x27})},
        {kTwoTone, "b tone", "", 1310, "1250.5", 0xCF92, 0xFF, B({0xD9, 0x30})},
        {kTwoTone, "c tone", "", 1312, "600.0", 0xCF94, 0xFF, B({0x70, 0x17})},
        {kTwoTone, "d tone", "", 1314, "2200.0", 0xCF96, 0xFF, B({0xF0, 0x55})},
        {kTwoTone, "decode 1 format", "", 1300, "B-C", 0xCF98, 0xFF, B({0x23})},
        {kTwoTone, "decode 2 format", "", 1302, "Long A", 0xCF99, 0xFF, B({0x10})},
        {kTwoTone, "decode 3 format", "", 1304, "C-D", 0xCF9A, 0xFF, B({0x34})},
        {kTwoTone, "decode 4 format", "", 1306, "D-B", 0xCF9B, 0xFF, B({0x42})},
        {kTwoTone, "decode 1 response", "", 1301, "Remind", 0xCF9C, 0x03, B({0x01})},
        {kTwoTone, "decode 2 response", "", 1303, "Reply", 0xCF9C, 0x0C, B({0x08})},
        {kTwoTone, "decode 3 response", "", 1305, "Remind", 0xCF9C, 0x30, B({0x10})},
        {kTwoTone, "decode 4 response", "", 1307, "Reply", 0xCF9C, 0xC0, B({0x80})},
        {kTwoTone, "reply wait", "", 1326, "2.5", 0xCF9E, 0xFF, B({0x19})},
        {kTwoTone, "auto reset", "", 1185, "45", 0xCF9F, 0xFF, B({0x2D})},
        // System 6: 32 bytes a system.
        {kTwoTone, "system 6 alias", "1162=5", 1005, "SOUTH", 0xD020, 0xFF, Text("SOUTH", 6)},
        {kTwoTone, "system 6 d tone", "1162=5", 1314, "2200.0", 0xD036, 0xFF, B({0xF0, 0x55})},
        {kTwoTone, "system 6 decode 4 response", "1162=5", 1307, "Reply", 0xD03C, 0xC0, B({0x80})},
        {kTwoTone, "system 6 auto reset", "1162=5", 1185, "45", 0xD03F, 0xFF, B({0x2D})},
        // Contact 3: alias, first and second tone, format, system.
        {kTwoTone, "contact 3", "tabs=1", 1022, "3,1=1500.0|3,2=2000.0|3,3=Single|3,4=7|3,5=GATE", 0xD1A0, 0xFF,
         Text("GATE", 8) + B({0x98, 0x3A, 0x20, 0x4E, 0x01, 0x07, 0xFF, 0xFF})},

        // Five-tone.
        {kFiveTone, "self id", "", 1152, "4711", 0xD2C0, 0xFF, B({0x04, 0x07, 0x01, 0x01}, 8)},
        {kFiveTone, "decode response", "", 1129, "Reply", 0xD2C8, 0xFF, B({0x02})},
        {kFiveTone, "pre-carrier", "", 1250, "120", 0xD2A8, 0xFF, B({0x0C})},
        {kFiveTone, "first expand", "", 1258, "350", 0xD2A9, 0xFF, B({0x23})},
        {kFiveTone, "end exit delay", "", 1256, "1000", 0xD2AA, 0xFF, B({0x64})},
        {kFiveTone, "reply delay", "", 1260, "70", 0xD2AB, 0xFF, B({0x07})},
        {kFiveTone, "auto reset", "", 1185, "25", 0xD2C9, 0xFF, B({0x19})},
        {kFiveTone, "side tone", "", 1149, "1", 0xD2AF, 0x01, B({0x01})},
        {kFiveTone, "beep", "", 1190, "1", 0xD2AF, 0x02, B({0x02})},
        {kFiveTone, "ptt begin id", "", 1252, "1A2", 0xD2B0, 0xFF, B({0x01, 0x0A, 0x02}, 8)},
        {kFiveTone, "ptt end id", "", 1254, "BC3", 0xD2B8, 0xFF, B({0x0B, 0x0C, 0x03}, 8)},
        {kFiveTone, "width", "", 1330, "120", 0xD281, 0xFF, B({0x78})},
        {kFiveTone, "group", "", 1332, "C", 0xD282, 0xFF, B({0x0C})},
        {kFiveTone, "repeat", "", 1333, "D", 0xD283, 0xFF, B({0x0D})},
        {kFiveTone, "delimiter", "", 1211, "B", 0xD284, 0xFF, B({0x0B})},
        {kFiveTone, "user tone 3", "", 1340, "1234.5", 0xD28E, 0xFF, B({0x39, 0x30})},
        // Function 2 and contact 3.
        {kFiveTone, "function 2 id", "1044=1", 1052, "321", 0xD4E0, 0xFF, B({0x03, 0x02, 0x01}, 8)},
        {kFiveTone, "function 2 name", "1044=1", 1059, "FUNC", 0xD4E8, 0xFF, Text("FUNC", 6)},
        {kFiveTone, "function 2 response", "1044=1", 1128, "Remind", 0xD4EE, 0xFF, B({0x01})},
        {kFiveTone, "function 2 type", "1044=1", 1281, "Kill", 0xD4EF, 0xFF, B({0x02})},
        {kFiveTone, "contact 3 code", "1045=2", 1092, "54", 0xD310, 0xFF, B({0x05, 0x04}, 8)},
        {kFiveTone, "contact 3 alias", "1045=2", 1005, "BOB", 0xD318, 0xFF, Text("BOB", 6)},
        {kFiveTone, "contact 3 code type", "1045=2", 1262, "ANI", 0xD31F, 0xFF, B({0x01})},
        {kFiveTone, "contact 3 message", "1045=2;1262=2", 1011, "HI", 0xD320, 0xFF, Text("HI", 16)},
    };
    return pins;
}

void AddPins(View view)
{
    QTest::addColumn<int>("pin");
    QTest::addColumn<int>("background");
    // 0x00 and 0xFF around the field: a bit written with the wrong polarity,
    // or one too many, shows against one of them.
    for (int background : {0x00, 0xFF})
        for (std::size_t i = 0; i < Pins().size(); ++i)
            if (Pins()[i].view == view)
                QTest::addRow("%s, %02X", Pins()[i].name, background) << static_cast<int>(i) << background;
}

QString Hex(int v)
{
    return QStringLiteral("0x%1").arg(v, 2, 16, QLatin1Char('0'));
}

QString Addresses(const std::vector<std::uint32_t>& addresses)
{
    QString text;
    for (std::uint32_t a : addresses)
        text += QLatin1Char(' ') + Hex(int(a));
    return text;
}

// A grid value: "row,col=text" cells separated by '|'.
struct Cell {
    int row;
    int col;
    QString text;
};
std::vector<Cell> Cells(const QString& value)
{
    std::vector<Cell> cells;
    for (const QString& part : value.split(QLatin1Char('|')))
        cells.push_back({part.section(QLatin1Char(','), 0, 0).toInt(),
                         part.section(QLatin1Char(','), 1).section(QLatin1Char('='), 0, 0).toInt(),
                         part.section(QLatin1Char('='), 1)});
    return cells;
}

void SetChecked(QCheckBox* box, bool on)
{
    if ((box->checkState() != Qt::Unchecked) != on)
        box->click();
}
} // namespace

class SettingFieldsPinTest : public QObject {
    Q_OBJECT

    std::unique_ptr<BaseFormView> m_view;

    // A document of one byte value everywhere, plus what the view needs to offer its items.
    static void prepare(View view, int background)
    {
        ResetSignallingDocument(); // the header's five-tone standards
        RadioImage& im = TestImage();
        im.fill(static_cast<std::uint8_t>(background));
        switch (view) {
        case kBasic:                          // the priority lists offer channels whose receive frequency is present
            im[0x0100 + 32 * 299 + 3] = 0x14; // channel 300 of bank A
            im[0x6500 + 32 * 259 + 3] = 0x14; // channel 260 of bank B
            break;
        case kAlarm: // the EMI code list offers codes whose first digit is set
            im[0xD760 + 24 * 11] = 0x01;
            break;
        case kFiveTone: // the user's standard in use: its tones can be typed, every digit has one
            std::copy_n(TestHeader().data() + FiveTone::StandardOffset(15), FiveTone::kRecordSize, im.data() + 0xD280);
            break;
        default: break;
        }
    }

    template <class V> void openForm(QSize size)
    {
        m_view = std::make_unique<V>(TestDocument());
        QVERIFY(ShowActive(m_view.get(), size));
        m_view->ensureInitialised();
    }
    template <class V> void openSignalling(QSize size)
    {
        std::unique_ptr<V> view;
        ShowFreshView(view, size);
        m_view = std::move(view);
    }
    void open(View view)
    {
        m_view.reset();
        switch (view) {
        case kBasic: openForm<BasicSettingView>(QSize(610, 500)); break;
        case kDtmf: openForm<DtmfView>(QSize(720, 470)); break;
        case kAlarm: openForm<AlarmView>(QSize(480, 455)); break;
        case kTwoTone: openSignalling<TwoToneView>(QSize(650, 560)); break;
        case kFiveTone: openSignalling<FiveToneView>(QSize(810, 600)); break;
        }
    }

    // Controls are looked up on the page shown: the two-tone pages share ids.
    QWidget* root() const
    {
        if (auto* host = qobject_cast<TabHostView*>(m_view.get()))
            return host->page(host->currentPage());
        return m_view.get();
    }

    void select(const QString& steps)
    {
        for (const QString& step : steps.split(QLatin1Char(';'), Qt::SkipEmptyParts)) {
            const QString name = step.section(QLatin1Char('='), 0, 0);
            const int index = step.section(QLatin1Char('='), 1).toInt();
            QWidget* w = root()->findChild<QWidget*>(name);
            if (!w)
                w = m_view->findChild<QWidget*>(name);
            QVERIFY2(w, qPrintable(name));
            if (auto* tabs = qobject_cast<QTabWidget*>(w))
                tabs->setCurrentIndex(index);
            else if (auto* bar = qobject_cast<QTabBar*>(w))
                bar->setCurrentIndex(index);
            else if (auto* combo = qobject_cast<QComboBox*>(w)) {
                combo->setCurrentIndex(index);
                emit combo->activated(index);
            } else if (auto* box = qobject_cast<QCheckBox*>(w))
                SetChecked(box, index != 0);
            else
                QFAIL(qPrintable(name));
        }
    }

    // Clicks the cell, enters the text into the editor it opens and clicks away.
    static void editCell(Grid* grid, const Cell& cell)
    {
        QWidget* viewport = grid->findChild<QAbstractItemView*>()->viewport();
        grid->setCurrentCell(cell.row, cell.col); // only to find where the cell lies
        const QPoint centre = viewport->mapFrom(grid, grid->cellPixelRect().center());
        QTest::mouseClick(viewport, Qt::LeftButton, {}, centre);
        QWidget* editor = grid->openEditor();
        QVERIFY(editor);
        QCOMPARE(grid->editorCol(), cell.col);
        if (auto* list = qobject_cast<QComboBox*>(editor))
            list->setCurrentIndex(list->findText(cell.text));
        else
            QTest::keyClicks(qobject_cast<QLineEdit*>(editor), cell.text);
        grid->focusGrid();
        QCOMPARE(grid->text(cell.row, cell.col), cell.text);
    }

    static void enter(QWidget* w, const QString& value)
    {
        if (auto* grid = qobject_cast<Grid*>(w)) {
            for (const Cell& cell : Cells(value)) {
                editCell(grid, cell);
                if (QTest::currentTestFailed())
                    return;
            }
        } else if (auto* combo = qobject_cast<QComboBox*>(w))
            Pick(combo, value);
        else if (auto* box = qobject_cast<QCheckBox*>(w))
            SetChecked(box, value == QLatin1String("1"));
        else if (auto* edit = qobject_cast<QLineEdit*>(w)) {
            if (edit->isHidden())
                edit->setText(value); // kept, not offered: nobody can type into it
            else
                TypeAndLeave(edit, value);
        } else
            QFAIL("no way to enter a value");
    }

    static void shows(QWidget* w, const QString& value)
    {
        if (auto* grid = qobject_cast<Grid*>(w)) {
            for (const Cell& cell : Cells(value))
                QCOMPARE(grid->text(cell.row, cell.col), cell.text);
        } else if (auto* combo = qobject_cast<QComboBox*>(w))
            QCOMPARE(combo->currentText(), value);
        else if (auto* box = qobject_cast<QCheckBox*>(w))
            QCOMPARE(box->checkState() != Qt::Unchecked, value == QLatin1String("1"));
        else
            QCOMPARE(qobject_cast<QLineEdit*>(w)->text(), value);
    }

    void savesAndLoads()
    {
        QFETCH(int, pin);
        QFETCH(int, background);
        const Pin& p = Pins()[static_cast<std::size_t>(pin)];
        const auto end = p.at + static_cast<std::uint32_t>(p.bytes.size()) - 1;
        const auto mask = static_cast<std::uint8_t>(p.mask);
        const auto want = [&p](std::uint32_t a) { return static_cast<std::uint8_t>(p.bytes[a - p.at]); };

        // Saving: the owned bits take the value, nothing else moves.
        prepare(p.view, background);
        open(p.view);
        select(QString::fromLatin1(p.setup));
        if (QTest::currentTestFailed())
            return;
        m_view->SaveToImage(); // what the view writes of its own is the reference
        const RadioImage before = TestImage();
        enter(Control<QWidget>(root(), p.id), QString::fromLatin1(p.value));
        if (QTest::currentTestFailed())
            return;
        m_view->SaveToImage();
        const RadioImage& im = TestImage();
        bool changed = false;
        for (std::uint32_t a = p.at; a <= end; ++a) {
            const QString at = Hex(int(a));
            QVERIFY2((want(a) & ~mask) == 0, "expected bits outside the mask");
            QVERIFY2((im[a] & mask) == want(a), qPrintable(QStringLiteral("%1 holds %2 under mask %3, expected %4")
                                                               .arg(at, Hex(im[a] & mask), Hex(mask), Hex(want(a)))));
            QVERIFY2((im[a] & ~mask) == (before[a] & ~mask), qPrintable(at + QStringLiteral(": other bits changed")));
            changed = changed || (before[a] & mask) != want(a);
        }
        const std::vector<std::uint32_t> stray = ChangedOutside(before, im, {{p.at, end}});
        QVERIFY2(stray.empty(), qPrintable(QStringLiteral("also changed:") + Addresses(stray)));
        if (background == 0x00)
            QVERIFY2(changed, "the value was there already: the row proves nothing");

        // Loading: the bits written there are what the control shows.
        prepare(p.view, background);
        RadioImage& image = TestImage();
        for (std::uint32_t a = p.at; a <= end; ++a)
            image[a] = static_cast<std::uint8_t>((image[a] & ~mask) | want(a));
        open(p.view);
        select(QString::fromLatin1(p.setup));
        if (QTest::currentTestFailed())
            return;
        shows(Control<QWidget>(root(), p.id), QString::fromLatin1(p.value));
    }

private slots:
    void cleanup() { m_view.reset(); }

    void basicSettingFields_data() { AddPins(kBasic); }
    void basicSettingFields() { savesAndLoads(); }
    void dtmfFields_data() { AddPins(kDtmf); }
    void dtmfFields() { savesAndLoads(); }
    void alarmFields_data() { AddPins(kAlarm); }
    void alarmFields() { savesAndLoads(); }
    void twoToneFields_data() { AddPins(kTwoTone); }
    void twoToneFields() { savesAndLoads(); }
    void fiveToneFields_data() { AddPins(kFiveTone); }
    void fiveToneFields() { savesAndLoads(); }
};

QTEST_MAIN(SettingFieldsPinTest)
#include "setting_fields_pin_test.moc"
