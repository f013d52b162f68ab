// CHIRP CSV import and export, checked in the channel records they write.
#include "channels/core/channel_record.h"
#include "channels/core/chirp_csv.h"
#include "tests/support/qstring_print.h"

#include <QStringList>

#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <memory>
#include <vector>

namespace {

using ChannelLayout::kBandwidth;
using ChannelLayout::kDecodeType;
using ChannelLayout::kTxPower;

const char* const kHeader = "Location,Name,Frequency,Duplex,Offset,Tone,rToneFreq,cToneFreq,DtcsCode,DtcsPolarity,"
                            "RxDtcsCode,CrossMode,Mode,TStep,Skip,Power,Comment,URCALL,RPT1CALL,RPT2CALL,DVCODE";
// A line as CHIRP writes one: 146.52 MHz simplex, no tone, 50 W, on channel 5.
const char* const kBaseRow = "5,,146.520000,,0.600000,,88.5,88.5,023,NN,023,Tone->Tone,FM,12.50,,50W,,,,,";

std::unique_ptr<RadioImage> ErasedImage()
{
    auto image = std::make_unique<RadioImage>();
    image->fill(0xFF);
    return image;
}

// The record's fields by short name, as the cases below give them.
std::map<QString, QString> Fields(const ConstChannelRecord& r)
{
    using namespace ChannelLayout;
    auto n = [](std::int64_t v) { return QString::number(v); };
    return {{"rx", n(r.rx())},
            {"tx", r.hasTx() ? n(r.tx()) : "none"},
            {"dir", n(r.get(kOffsetDirection))},
            {"offset", n(r.offset())},
            {"decode", n(r.get(kDecodeType))},
            {"ctcss", n(r.ctcssTenths())},
            {"dcs", n(r.dcsCode())},
            {"pol", n(r.get(kDcsPolarity))},
            {"bw", n(r.get(kBandwidth))},
            {"am", n(r.get(kAm))},
            {"step", n(r.get(kStep))},
            {"scan", n(r.get(kScan))},
            {"power", n(r.get(kTxPower))},
            {"name", r.name()}};
}

struct RuleCase {
    const char* cells;  // "Column=value;..." over the base row
    const char* fields; // "field=value;..." of the record; empty: the row is skipped
    const char* issues; // "Column: what was done|..."; empty: the row was taken exactly
    int channel = 5;
};

TEST(ChirpCsvImport, EachColumnMapsOntoTheRecord)
{
    const RuleCase cases[] = {
        {"",
         "rx=14652000;tx=14652000;dir=0;offset=60000;decode=0;ctcss=885;dcs=23;pol=0;bw=0;am=0;step=6;scan=0;"
         "power=3;name=",
         ""},
        // Location, and the frequency through the rules of a typed receive cell
        {"Location=801", "", "Location: skipped: the channels are 1 to 800"},
        {"Location=5a", "", "Location: skipped: not a channel number"},
        {"Frequency=", "", "Frequency: skipped: no frequency"},
        {"Frequency=146.52.1", "", "Frequency: skipped: not a frequency"},
        {"Frequency=1000.000000", "", "Frequency: skipped: outside the band plan"},
        {"Frequency=146.52", "rx=14652000", ""},
        {"Frequency=145.5137", "rx=14551250;tx=14551250", "Frequency: snapped to 145.51250"},
        {"Frequency=118.008", "rx=11800833", "Frequency: snapped to 118.00833"},
        {"Frequency=851.0037", "rx=85100000;tx=85100000", "Frequency: snapped to 851.00000"},
        {"Location=1;Frequency=50.000000", "rx=13400000",
         "Frequency: kept 134.00000: channel 1 must be able to transmit", 1},
        // Duplex and offset
        {"Duplex=+", "tx=14712000;dir=2;offset=60000", ""},
        {"Duplex=-", "tx=14592000;dir=1", ""},
        {"Duplex=split;Offset=446.000000", "tx=44600000;dir=3;offset=60000", ""},
        {"Duplex=off;Offset=5.000000", "tx=none;dir=3;offset=500000", ""},
        {"Offset=5.000000", "tx=14652000;dir=0;offset=500000", ""},
        {"Duplex=+;Offset=0.600100", "tx=14712000;dir=2", "Offset: snapped to 0.60000"},
        {"Duplex=+;Offset=40.000000", "tx=none;dir=3", "Offset: receive only: 186.52000 is outside the transmit bands"},
        {"Frequency=446.000000;Duplex=-;Offset=300.000000", "tx=14600000;dir=3;offset=760000",
         "Offset: above 50 MHz: kept as a separate transmit frequency"},
        {"Duplex=split;Offset=", "tx=14652000;dir=0", "Offset: no transmit frequency: simplex"},
        {"Duplex=x", "tx=14652000", "Duplex: not a duplex CHIRP knows: simplex"},
        {"Location=1;Duplex=off", "tx=14652000;dir=0", "Duplex: simplex: channel 1 must be able to transmit", 1},
        // Tone modes; a tone or code the channel does not use is kept all the same
        {"Tone=Tone;rToneFreq=67.0", "decode=1;ctcss=670", ""},
        {"Tone=TSQL;cToneFreq=100.0", "decode=2;ctcss=1000", ""},
        {"Tone=DTCS;DtcsCode=754;DtcsPolarity=NR", "decode=3;dcs=754;pol=1", ""},
        {"Tone=DTCS;DtcsCode=017;DtcsPolarity=RN", "dcs=17;pol=2", ""},
        {"rToneFreq=123.0;DtcsCode=754;DtcsPolarity=RR", "decode=0;ctcss=1230;dcs=754;pol=3", ""},
        {"Tone=Tone;rToneFreq=67.3", "ctcss=670", "rToneFreq: not in the radio's tone list: nearest 67.0"},
        {"Tone=Tone;rToneFreq=", "ctcss=1000", "rToneFreq: not a tone: 100.0"},
        {"Tone=DTCS;DtcsCode=024", "dcs=23", "DtcsCode: not in the radio's DCS list: 023"},
        {"Tone=DTCS;DtcsPolarity=XY", "pol=0", "DtcsPolarity: not a polarity: Positive"},
        {"Tone=Cross;rToneFreq=100.0;cToneFreq=100.0", "decode=2;ctcss=1000", ""},
        {"Tone=Cross;rToneFreq=100.0;cToneFreq=123.0", "decode=1;ctcss=1000",
         "cToneFreq: left out: the radio decodes only the tone it sends; decode type Ctcss Encode"},
        {"Tone=Cross;CrossMode=Tone->;rToneFreq=77.0", "decode=1;ctcss=770", ""},
        {"Tone=Cross;CrossMode=->Tone;cToneFreq=77.0", "decode=2;ctcss=770",
         "CrossMode: decode type Ctcss Codec: the radio also sends the tone it decodes"},
        {"Tone=Cross;CrossMode=DTCS->;DtcsCode=125", "decode=3;dcs=125",
         "CrossMode: decode type Dcs Codec: the radio also decodes the code it sends"},
        {"Tone=Cross;CrossMode=->DTCS;RxDtcsCode=131", "decode=3;dcs=131",
         "CrossMode: decode type Dcs Codec: the radio also sends the code it decodes"},
        {"Tone=Cross;CrossMode=DTCS->DTCS;DtcsCode=125;RxDtcsCode=125", "decode=3;dcs=125", ""},
        {"Tone=Cross;CrossMode=DTCS->DTCS;DtcsCode=125;RxDtcsCode=131", "decode=3;dcs=125",
         "RxDtcsCode: left out: the radio decodes only the code it sends"},
        {"Tone=Cross;CrossMode=Tone->DTCS;rToneFreq=77.0", "decode=1;ctcss=770",
         "CrossMode: decode type Ctcss Encode: the radio cannot decode DCS while it sends a tone"},
        {"Tone=Cross;CrossMode=DTCS->Tone;DtcsCode=125", "decode=3;dcs=125",
         "CrossMode: decode type Dcs Codec: the radio cannot decode a tone while it sends DCS"},
        {"Tone=Cross;CrossMode=Tone-Tone", "decode=0", "CrossMode: not a cross mode: decode type Off"},
        {"Tone=TSQL-R", "decode=0", "Tone: reverse squelch is not available: decode type Off"},
        {"Tone=Bogus", "decode=0", "Tone: not a tone mode: decode type Off"},
        // Mode: AM only where the radio receives it
        {"Mode=NFM", "bw=2;am=0", ""},
        {"Mode=AM", "bw=0;am=0", "Mode: wide FM: the radio receives AM in the airband only"},
        {"Mode=AM;Frequency=120.000000", "bw=0;am=1", ""},
        {"Mode=FM;Frequency=120.000000", "am=0", ""},
        {"Mode=NAM;Frequency=120.000000", "am=1", "Mode: received as AM"},
        {"Mode=WFM", "bw=0", "Mode: wide FM: not a mode of the radio"},
        // Step, scan, power, name
        {"TStep=5.00", "step=1", ""},
        {"TStep=8.33", "step=4", ""},
        {"TStep=9.00", "step=6", "TStep: not a step for this frequency: 12.5 kHz kept"},
        {"TStep=2.50;Frequency=851.000000", "step=6", "TStep: not a step for this frequency: 12.5 kHz kept"},
        {"Skip=S", "scan=1", ""},
        {"Skip=P", "scan=2", ""},
        {"Skip=X", "scan=0", "Skip: not a skip value: Allow"},
        {"Power=low", "power=0", ""},
        {"Power=5.0W", "power=0", ""},
        {"Power=25", "power=2", ""},
        {"Power=4W", "power=0", "Power: nearest level: Low"},
        {"Power=1500W", "power=3", "Power: nearest level: High"},
        {"Power=Mid", "power=2", "Power: guessed: Middle 1"},
        {"Name=a b+#  ", "name=a b+#", ""},
        {"Name=ABCDEFGH", "name=ABCDEF", "Name: cut to 6 characters: \"ABCDEF\""},
        {"Name=A_B.C", "name=ABC", "Name: characters the radio cannot show left out: \"ABC\""},
        {"Name=Ä_BCDEFGH", "name=BCDEFG", "Name: characters the radio cannot show left out, then cut to 6: \"BCDEFG\""},
    };
    const QStringList columns = QString::fromLatin1(kHeader).split(u',');
    for (const RuleCase& c : cases) {
        QStringList row = QString::fromLatin1(kBaseRow).split(u',');
        for (const QString& cell : QString::fromUtf8(c.cells).split(u';', Qt::SkipEmptyParts))
            row[columns.indexOf(cell.section(u'=', 0, 0))] = cell.section(u'=', 1);
        const QByteArray text = QByteArray(kHeader) + "\r\n" + row.join(u',').toUtf8() + "\r\n";
        SCOPED_TRACE(text.toStdString());
        auto image = ErasedImage();
        const CsvImportResult result = ImportChirpCsv(text, BandTable::factory(), *image, {});
        ASSERT_TRUE(result.ok) << result.error.toStdString();
        const ConstChannelRecord r = ChannelAt(*image, c.channel);
        EXPECT_EQ(result.taken, *c.fields ? 1 : 0);
        EXPECT_EQ(r.hasRx(), *c.fields != 0);
        const std::map<QString, QString> got = Fields(r);
        for (const QString& field : QString::fromUtf8(c.fields).split(u';', Qt::SkipEmptyParts))
            EXPECT_EQ(got.at(field.section(u'=', 0, 0)), field.section(u'=', 1)) << field.toStdString();
        QStringList issues;
        for (const CsvIssue& issue : result.issues) {
            issues << issue.column + QStringLiteral(": ") + issue.action;
            EXPECT_EQ(issue.row, 1);
            EXPECT_EQ(issue.value, row[columns.indexOf(issue.column)].trimmed());
        }
        EXPECT_EQ(issues.join(u'|'), QString::fromUtf8(c.issues));
    }
}

TEST(ChirpCsvExport, WritesWhatChirpWritesAndReadsBackTheSameRecords)
{
    // Every kind of value the format carries, as CHIRP writes it.
    const QByteArray csv =
        QByteArray(kHeader) +
        "\r\n"
        "1,,145.000000,,0.600000,,100.0,100.0,023,NN,023,Tone->Tone,FM,12.50,,50W,,,,,\r\n"
        "2,RPT-1,146.940000,-,0.600000,Tone,88.5,88.5,023,NN,023,Tone->Tone,FM,12.50,,5.0W,,,,,\r\n"
        "3,X/Y #,446.000000,split,146.000000,DTCS,100.0,100.0,754,RR,754,Tone->Tone,NFM,25.00,S,50W,,,,,\r\n"
        "4,,120.000000,,0.600000,,100.0,100.0,023,NN,023,Tone->Tone,AM,8.33,P,50W,,,,,\r\n"
        "5,,435.000000,off,7.600000,TSQL,123.0,123.0,023,NN,023,Tone->Tone,FM,12.50,,25W,,,,,\r\n"
        "6,,438.500000,+,7.600000,,100.0,100.0,023,NR,023,Tone->Tone,FM,12.50,,10W,,,,,\r\n"
        "7,abc,851.000000,,7.600000,,100.0,100.0,017,RN,017,Tone->Tone,FM,12.50,,50W,,,,,\r\n"
        "8,,119.000000,,0.600000,,100.0,100.0,023,NN,023,Tone->Tone,NFM,6.25,,50W,,,,,\r\n"
        "800,,162.550000,,5.000000,,100.0,100.0,023,NN,023,Tone->Tone,FM,100.00,,50W,,,,,\r\n";
    const BandTable bands = BandTable::factory();
    auto source = ErasedImage();
    ASSERT_TRUE(ImportChirpCsv(csv, bands, *source, {}).exact());
    // The table stores a channel without a transmit frequency as four zero bytes and direction 3.
    EXPECT_EQ(ChannelAt(*source, 5).bytes()[7], 0x00);
    EXPECT_EQ(ChannelAt(*source, 5).get(ChannelLayout::kOffsetDirection), OffsetDirection::kFree);

    const std::vector<int> channels = {1, 2, 3, 4, 5, 6, 7, 8, 9, 800}; // 9 is absent
    EXPECT_EQ(ChirpCsvHeader(','), QLatin1String(kHeader));
    EXPECT_EQ(ExportChirpCsv(*source, channels), csv);
    const QByteArray tabs = ExportChirpCsv(*source, channels, '\t');
    EXPECT_EQ(tabs, QByteArray(csv).replace(',', '\t'));
    auto target = ErasedImage();
    EXPECT_TRUE(ImportChirpCsv(tabs, bands, *target, {}).exact());
    for (int n : channels)
        EXPECT_EQ(std::vector(ChannelAt(*source, n).bytes(), ChannelAt(*source, n).bytes() + 32),
                  std::vector(ChannelAt(*target, n).bytes(), ChannelAt(*target, n).bytes() + 32))
            << "channel " << n;

    // A field holding the separator or a quote is quoted as Python's csv writer quotes it.
    ChannelAt(*source, 2).setName(QStringLiteral("A,\"B"));
    EXPECT_TRUE(ExportChirpCsv(*source, {2}).contains("\r\n2,\"A,\"\"B\",146.940000,"));
}

TEST(ChirpCsvImport, LongNamesCutAtABlankComeBackTheSameFromTheirExport)
{
    // Names as the stock lists have them: cut to six, a blank would end them.
    const QByteArray csv = QByteArray(kHeader) +
                           "\r\n"
                           "1,Green Dot,154.570000,,0.600000,,88.5,88.5,023,NN,023,Tone->Tone,FM,12.50,,50W,,,,,\r\n"
                           "2,Blue  Dot,154.600000,,0.600000,,88.5,88.5,023,NN,023,Tone->Tone,FM,12.50,,50W,,,,,\r\n"
                           "3,MURS 1,151.820000,,0.600000,,88.5,88.5,023,NN,023,Tone->Tone,NFM,12.50,,50W,,,,,\r\n"
                           "4,Guard Emerg,121.500000,,0.600000,,88.5,88.5,023,NN,023,Tone->Tone,AM,25.00,,50W,,,,,\r\n";
    const BandTable bands = BandTable::factory();
    auto first = ErasedImage();
    ImportChirpCsv(csv, bands, *first, {});
    EXPECT_EQ(ChannelAt(*first, 1).name(), QStringLiteral("Green"));
    EXPECT_EQ(ChannelAt(*first, 2).name(), QStringLiteral("Blue"));
    EXPECT_EQ(ChannelAt(*first, 3).name(), QStringLiteral("MURS 1"));
    EXPECT_EQ(ChannelAt(*first, 4).name(), QStringLiteral("Guard"));
    const QByteArray exported = ExportChirpCsv(*first, {1, 2, 3, 4});
    auto second = ErasedImage();
    const CsvImportResult again = ImportChirpCsv(exported, bands, *second, {});
    EXPECT_TRUE(again.exact()) << again.issues.size();
    EXPECT_EQ(ExportChirpCsv(*second, {1, 2, 3, 4}), exported);
    EXPECT_TRUE(std::equal(first->begin(), first->end(), second->begin()));
}

TEST(ChirpCsvImport, HostileRowsAreReportedAndBounded)
{
    const BandTable bands = BandTable::factory();
    const std::vector<std::pair<QByteArray, QString>> offsets = {
        {"1,A,145.5,+,99999999999999999999,,88.5,88.5,023,NN,023,Tone->Tone,FM,12.50,,50W,,,,,", "+"},
        {"1,A,145.5,-,99999999999999999999,,88.5,88.5,023,NN,023,Tone->Tone,FM,12.50,,50W,,,,,", "-"},
        {"1,A,145.5,split,99999999999999999999,,88.5,88.5,023,NN,023,Tone->Tone,FM,12.50,,50W,,,,,", "split"},
    };
    for (const auto& [row, duplex] : offsets) {
        auto image = ErasedImage();
        const CsvImportResult r = ImportChirpCsv(QByteArray(kHeader) + "\r\n" + row + "\r\n", bands, *image, {});
        ASSERT_EQ(r.issues.size(), 1u) << qPrintable(duplex);
        EXPECT_EQ(r.issues[0].action, QStringLiteral("out of range: simplex")) << qPrintable(duplex);
        EXPECT_EQ(r.issues[0].value, QStringLiteral("99999999999999999999")) << qPrintable(duplex);
        EXPECT_EQ(ChannelAt(*image, 1).tx(), 14550000u) << qPrintable(duplex);
    }

    // A quote left open swallows the rest: that is said, with the rows it took.
    auto image = ErasedImage();
    const CsvImportResult open = ImportChirpCsv(
        QByteArray(kHeader) + "\r\n"
                              "1,ONE,145.000000,,0.6,,88.5,88.5,023,NN,023,Tone->Tone,FM,12.50,,50W,,,,,\r\n"
                              "2,\"TWO,146.000000,,0.6\r\n"
                              "3,THREE,147.000000\r\n"
                              "4,FOUR,148.000000\r\n",
        bands, *image, {});
    EXPECT_EQ(open.taken, 1);
    EXPECT_EQ(open.skipped, 1);
    ASSERT_EQ(open.issues.size(), 1u);
    EXPECT_EQ(open.issues[0].action, QStringLiteral("unclosed quote from row 2: rows 2 to 4 were not read"));
    EXPECT_FALSE(ChannelAt(*image, 2).hasRx());

    // A 10 MB name is cut in the report.
    const QByteArray longName(10 * 1024 * 1024, 'N');
    const CsvImportResult cut = ImportChirpCsv(QByteArray(kHeader) + "\r\n5," + longName +
                                                   ",146.52,,0.6,,88.5,88.5,023,NN,023,Tone->Tone,FM,12.50,,50W,,,,,",
                                               bands, *image, {});
    ASSERT_EQ(cut.issues.size(), 1u);
    EXPECT_EQ(cut.issues[0].value.size(), 41);

    // No row taken: not a byte changes, the band records at 0xDA00 included.
    auto untouched = ErasedImage();
    const CsvImportResult none = ImportChirpCsv(QByteArray(kHeader) + "\r\n", bands, *untouched, {});
    EXPECT_TRUE(none.ok);
    EXPECT_EQ(none.taken, 0);
    EXPECT_TRUE(std::all_of(untouched->begin(), untouched->end(), [](std::uint8_t b) { return b == 0xFF; }));
}

TEST(ChirpCsvImport, SpreadsheetPasteWithColumnsInAnotherOrderAndSomeMissing)
{
    const QByteArray paste = "Frequency\tName\tMode\tTone\tcToneFreq\tPower\n"
                             "146.52\tCALL\tNFM\t\t\tLow\n"
                             "446.0\tUHF1\tFM\tTone\t77.0\t\n"
                             "\t\t\t\t\t\n"
                             "145.6\tLAST\t\t\t\t\n";
    auto image = ErasedImage();
    CsvImportOptions options;
    options.firstChannel = 799;
    const CsvImportResult result = ImportChirpCsv(paste, BandTable::factory(), *image, options);
    ASSERT_TRUE(result.ok);
    EXPECT_EQ(result.taken, 2);
    EXPECT_EQ(result.skipped, 1);
    const ConstChannelRecord a = ChannelAt(*image, 799);
    EXPECT_EQ(a.rx(), 14652000u);
    EXPECT_EQ(a.name(), u"CALL");
    EXPECT_EQ(a.get(kBandwidth), 2u);
    EXPECT_EQ(a.get(kTxPower), 0u);
    EXPECT_EQ(a.get(kDecodeType), DecodeType::kOff);
    const ConstChannelRecord b = ChannelAt(*image, 800);
    EXPECT_EQ(b.rx(), 44600000u);
    EXPECT_EQ(b.get(kDecodeType), DecodeType::kCtcssEncode);
    EXPECT_EQ(b.ctcssTenths(), 770u); // the one tone column stands for both
    EXPECT_EQ(b.get(kTxPower), 3u);
    // The consistency pass ran: channel 1 exists, and the bitmaps know channel 799.
    EXPECT_TRUE(ChannelAt(*image, 1).hasRx());
    EXPECT_EQ((*image)[ImageMap::kChannelBitmaps + 798 / 8] >> 798 % 8 & 1, 1);
    ASSERT_EQ(result.issues.size(), 1u);
    EXPECT_EQ(result.issues[0].row, 4); // the blank line counts as a row but takes no channel
    EXPECT_EQ(result.issues[0].column, u"Location");
    EXPECT_EQ(result.issues[0].value, u"801");
    EXPECT_EQ(result.issues[0].action, u"skipped: past channel 800");
}

TEST(ChirpCsvImport, ByteOrderMarksLineEndsQuotesAndTheReport)
{
    const QString text = QStringLiteral("# written by hand\r\n"
                                        "Location,Name,Frequency\r\n"
                                        "\r\n"
                                        "7,\"AB\"\"C\",145.500000\r\n"
                                        "8,\"X,Y\",145.600000\r\n"
                                        "9,\"two\r\nlines\",145.700000\r\n"
                                        "7,again,145.800000\r\n"
                                        "10,\"end\",145.900000,"); // no line end after a last empty field
    QByteArray utf16("\xFF\xFE");
    utf16.append(reinterpret_cast<const char*>(text.utf16()), text.size() * 2);
    const QByteArray variants[] = {"\xEF\xBB\xBF" + text.toUtf8(), QString(text).remove(u'\r').toUtf8(), utf16};
    for (const QByteArray& bytes : variants) {
        auto image = ErasedImage();
        const CsvImportResult result = ImportChirpCsv(bytes, BandTable::factory(), *image, {});
        ASSERT_TRUE(result.ok);
        EXPECT_EQ(result.taken, 5);
        EXPECT_EQ(ChannelAt(*image, 7).rx(), 14580000u);
        EXPECT_EQ(ChannelAt(*image, 10).name(), u"end");
        EXPECT_EQ(ChannelAt(*image, 7).name(), u"again");
        EXPECT_EQ(ChannelAt(*image, 8).name(), u"XY");
        EXPECT_EQ(ChannelAt(*image, 9).name(), u"twolin");
        const struct {
            int row;
            const char* column;
            const char* value; // null: depends on the line ends
            const char* action;
        } expected[] = {
            {2, "Name", "AB\"C", "characters the radio cannot show left out: \"ABC\""},
            {3, "Name", "X,Y", "characters the radio cannot show left out: \"XY\""},
            {4, "Name", nullptr, "characters the radio cannot show left out, then cut to 6: \"twolin\""},
            {5, "Location", "7", "replaces row 2, which named the same channel"},
        };
        ASSERT_EQ(result.issues.size(), std::size(expected));
        for (std::size_t i = 0; i < std::size(expected); ++i) {
            const CsvIssue& issue = result.issues[i];
            EXPECT_EQ(issue.row, expected[i].row);
            EXPECT_EQ(issue.column, QLatin1String(expected[i].column));
            if (expected[i].value) {
                EXPECT_EQ(issue.value, QLatin1String(expected[i].value));
            }
            EXPECT_EQ(issue.action, QLatin1String(expected[i].action));
        }
    }
}

TEST(ChirpCsvImport, WhatCannotBeReadAtAllChangesNothing)
{
    const struct {
        QByteArray text;
        int first;
        const char* error;
    } cases[] = {
        {"", 0, "The file is empty."},
        {" \r\n\r\n", 0, "The file is empty."},
        {QByteArray("Location\0Frequency\n", 19), 0, "This is not a text file."},
        {"Location,Name\r\n1,A\r\n", 0, "The file has no Frequency column: it is not a CHIRP channel list."},
        {"# nothing but a comment\r\n", 0, "The file has no Frequency column: it is not a CHIRP channel list."},
        {"Name,Frequency\r\nA,145.0\r\n", 0, "The file has no Location column: give the channel for its first row."},
        {"Location,Frequency\r\n1,145.0\r\n", 801, "The first channel must be 1 to 800."},
    };
    for (const auto& c : cases) {
        auto image = ErasedImage();
        const RadioImage before = *image;
        CsvImportOptions options;
        options.firstChannel = c.first;
        const CsvImportResult result = ImportChirpCsv(c.text, BandTable::factory(), *image, options);
        EXPECT_FALSE(result.ok);
        EXPECT_EQ(result.error, QLatin1String(c.error));
        EXPECT_EQ(*image == before, true) << c.error;
    }
}

} // namespace
