// The printout of a known document: which sections, records and rows it
// carries, read from the views on a copy that printing leaves untouched.
#include "channels/core/channel_record.h"
#include "shell/print_content.h"
#include "signalling/core/five_tone_records.h"
#include "signalling/core/two_tone_records.h"
#include "tests/support/program_folder.h"
#include "tests/support/test_document.h"

#include <QtTest>

#include <algorithm>

namespace {
// The texts of the entries of one kind between the title of section `title`
// and the next section.
QStringList Texts(const PrintSheet& sheet, const QString& title, PrintSheet::Kind kind, int index = 0)
{
    QStringList out;
    bool inside = false;
    for (const PrintSheet::Entry& e : sheet.entries) {
        if (e.kind == PrintSheet::Kind::Section)
            inside = e.texts.value(0) == title;
        else if (inside && e.kind == kind)
            out << e.texts.value(index);
    }
    return out;
}

// Rows of the table whose heading follows the heading `heading` of a section.
QList<QStringList> RowsUnder(const PrintSheet& sheet, const QString& heading)
{
    QList<QStringList> rows;
    bool inside = false;
    for (const PrintSheet::Entry& e : sheet.entries) {
        if (e.kind == PrintSheet::Kind::Heading || e.kind == PrintSheet::Kind::Section)
            inside = e.texts.value(0) == heading;
        else if (inside && e.kind == PrintSheet::Kind::TableRow)
            rows << e.texts;
    }
    return rows;
}
} // namespace

class PrintContentTest : public QObject {
    Q_OBJECT

    ProgramFolder m_folder;
    Document m_doc;

    RadioImage& image() { return DocumentTestAccess::image(m_doc); }

private slots:
    void initTestCase()
    {
        QVERIFY(m_folder.isValid());
        QVERIFY(m_doc.newFromDefaults(m_folder.path()).ok);
        RadioImage& m = image();
        // Channels 1 (the default's), 5 and 12.
        for (const int n : {5, 12})
            NewChannelRecord(m_doc.bands(), m, n, 44600625);
        // Two-tone: system 3 named, system 7 called; every other record blank.
        std::fill_n(m.data() + TwoToneMap::kSystems, TwoToneMap::kSystemSize * TwoToneMap::kSystemCount, 0xFF);
        std::fill_n(m.data() + TwoToneMap::CallOffset(0), TwoToneMap::kCallSize * TwoToneMap::kCallCount, 0xFF);
        TwoToneSystem named = ReadTwoToneSystem(m, 2);
        named.alias = QStringLiteral("FIRE");
        WriteTwoToneSystem(m, 2, named);
        TwoToneCall call;
        call.first = QStringLiteral("1000.0");
        call.format = QStringLiteral("A");
        call.system = QStringLiteral("7");
        call.alias = QStringLiteral("DEPOT");
        WriteTwoToneCall(m, 0, call);
        // Five-tone: function 2 and contact 4.
        std::fill_n(m.data() + FiveToneMap::kFunctions, FiveToneMap::kFunctionSize * FiveToneMap::kFunctionCount, 0xFF);
        std::fill_n(m.data() + FiveToneMap::kContacts, FiveToneMap::kContactSize * FiveToneMap::kContactCount, 0xFF);
        FiveToneFunction function;
        function.id = QStringLiteral("12345");
        WriteFiveToneFunction(m, 1, function);
        FiveToneContact contact;
        contact.code = QStringLiteral("54321");
        contact.alias = QStringLiteral("BASE");
        WriteFiveToneContact(m, 3, contact);
        // Scan edges: only the first holds a frequency.
        std::fill_n(m.data() + ImageMap::kScanEdges, ImageMap::kRecordSize * ImageMap::kScanEdgeCount, 0xFF);
        WriteNewRecord(m_doc.bands(), RecordAt(m, ImageMap::kScanEdges), 44600625);
        m_doc.markUnmodified();
    }

    void everySectionInOrderWithTheRecordsInUse()
    {
        const RadioImage before = image();
        const std::uint64_t revision = m_doc.revision();
        PrintSheet sheet = BuildPrintSheet(m_doc, kAllPrintSections);
        sheet.dropEmpty();

        // Printing loads views on a copy: the document keeps its bytes.
        QVERIFY(image() == before);
        QCOMPARE(m_doc.revision(), revision);
        QVERIFY(!m_doc.isModified());

        QStringList titles;
        for (const PrintSheet::Entry& e : sheet.entries)
            if (e.kind == PrintSheet::Kind::Section)
                titles << e.texts.value(0);
        QCOMPARE(titles, (QStringList{"Channels", "Scan channels and VFO", "Basic settings", "DTMF and PTT ID", "Alarm",
                                      "Two-tone", "Five-tone", "Model and band plan"}));

        // The channel table: its headings and the present channels only.
        const QStringList heads = Texts(sheet, "Channels", PrintSheet::Kind::TableHead);
        QCOMPARE(heads.value(0), QStringLiteral("CH"));
        const QList<QStringList> channelRows = RowsUnder(sheet, "Channels");
        QStringList numbers;
        for (const QStringList& row : channelRows)
            numbers << row.value(0);
        QCOMPARE(numbers, (QStringList{"1", "5", "12"}));
        QCOMPARE(channelRows[1].value(1), QStringLiteral("446.00625"));
        QCOMPARE(channelRows[1].size(), 12);

        // One scan edge, under its tab's caption, then the VFOs.
        const QStringList scanHeadings = Texts(sheet, "Scan channels and VFO", PrintSheet::Kind::Heading);
        QCOMPARE(scanHeadings.value(0), QStringLiteral("Scan channel"));
        QVERIFY2(scanHeadings.indexOf(QStringLiteral("VFO")) == 2, qPrintable(scanHeadings.join('|')));
        QVERIFY(Texts(sheet, "Scan channels and VFO", PrintSheet::Kind::Item, 1).contains("446.00625"));

        // Settings come page by page, as label and value.
        const QStringList settingLabels = Texts(sheet, "Basic settings", PrintSheet::Kind::Item);
        QVERIFY(settingLabels.contains(QStringLiteral("Beep")));
        QVERIFY(Texts(sheet, "Alarm", PrintSheet::Kind::Item).contains(QStringLiteral("Alarm type")));

        // Two-tone: the named system and the called one, and the call.
        const QStringList twoTone = Texts(sheet, "Two-tone", PrintSheet::Kind::Heading);
        QCOMPARE(twoTone.filter(QRegularExpression("^System \\d+$")), (QStringList{"System 3", "System 7"}));
        QVERIFY(Texts(sheet, "Two-tone", PrintSheet::Kind::Item, 1).contains(QStringLiteral("FIRE")));
        const QList<QStringList> calls = RowsUnder(sheet, "Contact");
        QCOMPARE(calls.size(), 2); // the two-tone call, then the five-tone contact
        QVERIFY(calls[0].contains(QStringLiteral("DEPOT")));

        // Five-tone: the function and the contact in use, one row each.
        const QList<QStringList> functions = RowsUnder(sheet, "Function");
        QCOMPARE(functions.size(), 1);
        QVERIFY(functions[0].contains(QStringLiteral("12345")));
        QCOMPARE(functions[0].value(0), QStringLiteral("2"));
        QVERIFY(calls[1].contains(QStringLiteral("BASE")) && calls[1].contains(QStringLiteral("54321")));

        // Model, then the band plan as a table.
        QVERIFY(Texts(sheet, "Model and band plan", PrintSheet::Kind::Heading).contains("Frequency range"));
        QVERIFY(!RowsUnder(sheet, "Frequency range").isEmpty());
    }

    void onlyTheChosenSections()
    {
        const PrintSheet sheet =
            BuildPrintSheet(m_doc, SectionBit(PrintSection::Alarm) | SectionBit(PrintSection::Channels));
        QStringList titles;
        for (const PrintSheet::Entry& e : sheet.entries)
            if (e.kind == PrintSheet::Kind::Section)
                titles << e.texts.value(0);
        QCOMPARE(titles, (QStringList{"Channels", "Alarm"}));
        QVERIFY(BuildPrintSheet(m_doc, 0).entries.empty());
    }
};

QTEST_MAIN(PrintContentTest)
#include "print_content_test.moc"
