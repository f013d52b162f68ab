#include "channels/core/channel_row.h"
#include "tests/support/test_document.h"

#include "channels/core/channel_record.h"

#include "image_fixture.h"
#include "tests/support/qstring_print.h"

using namespace ChannelLayout;
using namespace Qt::StringLiterals;
using Bytes = std::vector<std::uint8_t>;

namespace {

class ChannelRowTest : public ImageTest {};

ChannelRow Row(std::initializer_list<QString> cells)
{
    ChannelRow row;
    int column = kColumnRx;
    for (const QString& c : cells)
        row.setCell(column++, c);
    return row;
}

TEST_F(ChannelRowTest, NewChannelShowsItsDefaults)
{
    NewChannelRecord(TestBands(), m_image, 12, MHz(145.52));
    EXPECT_EQ(ReadChannelRow(m_image, 12), Row({u"145.52000"_s, u"145.52000"_s, u"Off"_s, u"100.0"_s, u"023"_s,
                                                u"Positive"_s, u"High"_s, u"Allow"_s, u"Wide"_s, u"Off"_s, u""_s}));
}

TEST_F(ChannelRowTest, AbsentFieldsGiveEmptyCells)
{
    NewChannelRecord(TestBands(), m_image, 1, 0);
    EXPECT_EQ(ReadChannelRow(m_image, 1), ChannelRow{});

    NewChannelRecord(TestBands(), m_image, 2, MHz(438.5));
    m_image[ImageMap::ChannelOffset(2) + 3] = 0x00; // receive byte 3 of 0x00: absent too
    EXPECT_TRUE(ReadChannelRow(m_image, 2).isEmpty());

    for (std::uint8_t txTop : {0xFF, 0x00}) {
        NewChannelRecord(TestBands(), m_image, 3, MHz(438.5));
        m_image[ImageMap::ChannelOffset(3) + 7] = txTop;
        ChannelAt(m_image, 3).set(kScan, 3);
        ChannelAt(m_image, 3).set(kBandwidth, 3);
        const ChannelRow row = ReadChannelRow(m_image, 3);
        EXPECT_EQ(row.rx, u"438.50000"_s);
        EXPECT_TRUE(row.tx.isEmpty());
        EXPECT_TRUE(row.scan.isEmpty()); // 2-bit value 3 has no entry
        EXPECT_TRUE(row.bandwidth.isEmpty());
    }
}

TEST_F(ChannelRowTest, CellsByColumnNumber)
{
    ChannelRow row;
    for (int c = kColumnRx; c <= kColumnName; ++c)
        row.setCell(c, QString::number(c));
    EXPECT_EQ(row.rx, u"1"_s);
    EXPECT_EQ(row.ctcss, u"4"_s);
    EXPECT_EQ(row.signalling, u"10"_s);
    EXPECT_EQ(row.name, u"11"_s);
    for (int c = kColumnRx; c <= kColumnName; ++c)
        EXPECT_EQ(row.cell(c), QString::number(c));
    row.setCell(kColumnChannel, u"x"_s);
    row.setCell(99, u"x"_s);
    EXPECT_TRUE(row.cell(kColumnChannel).isEmpty());
    EXPECT_TRUE(row.cell(-1).isEmpty());
}

TEST_F(ChannelRowTest, WrittenRowReadsBackAndKeepsTheFieldsWithoutColumns)
{
    NewChannelRecord(TestBands(), m_image, 40, MHz(145.0));
    const ChannelRecord r = ChannelAt(m_image, 40);
    // Fields only the channel dialog edits, and the reserved bytes.
    r.set(kBeatShift, 1);
    r.set(kReverseBackup, 1);
    r.set(kDisplayType, 1);
    r.set(kCompander, 1);
    r.set(kScrambler, 1);
    r.set(kSqlMode, SqlMode::kSignallingAndTone);
    r.set(kReverse, 1);
    r.set(kStep, 9);
    r.set(kBusyLock, 2);
    r.set(kTxStop, 1);
    r.set(kAm, 1);
    r.set(kSignallingDecode, 11);
    r.setPttId(4);
    m_image[ImageMap::ChannelOffset(40) + 22] = 0x12;
    m_image[ImageMap::ChannelOffset(40) + 31] = 0x34;

    const ChannelRow row = Row({u"146.00000"_s, u"146.60000"_s, u"Dcs Codec"_s, u"88.5"_s, u"754"_s, u"Encode Invert"_s,
                                u"Middle 1"_s, u"Priority"_s, u"Narrow"_s, u"DTMF"_s, u"RPT-1"_s});
    WriteChannelRow(TestBands(), m_image, 40, row);
    EXPECT_EQ(ReadChannelRow(m_image, 40), row);
    EXPECT_EQ(slice(ImageMap::ChannelOffset(40), 32),
              (Bytes{0x00, 0x00, 0x60, 0x14, 0x00, 0x00, 0x66, 0x14, 0x85, 0x08, 0x54, 0x07, 0xB6, 0xBB, 0xE9, 0xA3,
                     0x00, 0x00, 0x06, 0x00, 0xDB, 0x04, 0x12, 0xFF, 'R',  'P',  'T',  '-',  '1',  0xFF, 0xFF, 0x34}));
}

TEST_F(ChannelRowTest, OffsetDirectionAfterSaving)
{
    NewChannelRecord(TestBands(), m_image, 6, MHz(145.0));
    ChannelAt(m_image, 6).set(kOffsetDirection, OffsetDirection::kPlus);
    ChannelRow row = ReadChannelRow(m_image, 6);
    row.tx = u"145.60000"_s; // receive + 600 kHz
    WriteChannelRow(TestBands(), m_image, 6, row);
    EXPECT_EQ(ChannelAt(m_image, 6).get(kOffsetDirection), OffsetDirection::kPlus);
    row.tx = u"145.70000"_s;
    WriteChannelRow(TestBands(), m_image, 6, row);
    EXPECT_EQ(ChannelAt(m_image, 6).get(kOffsetDirection), OffsetDirection::kFree);
    row.tx = u"145.00000"_s;
    WriteChannelRow(TestBands(), m_image, 6, row);
    EXPECT_EQ(ChannelAt(m_image, 6).get(kOffsetDirection), OffsetDirection::kSimplex);
    EXPECT_EQ(ChannelAt(m_image, 6).get(kStep), 6u) << "bits 5-0 of byte 14 kept";
}

TEST_F(ChannelRowTest, SqlModeToneWithoutDecoderBecomesCarrier)
{
    NewChannelRecord(TestBands(), m_image, 7, MHz(145.0));
    ChannelAt(m_image, 7).set(kSqlMode, SqlMode::kTone);
    ChannelRow row = ReadChannelRow(m_image, 7);
    row.decodeType = u"Ctcss Encode"_s;
    WriteChannelRow(TestBands(), m_image, 7, row);
    EXPECT_EQ(ChannelAt(m_image, 7).get(kSqlMode), SqlMode::kCarrier);
}

TEST_F(ChannelRowTest, UnknownTextsStoreZeroAndShortNamesClearTheRest)
{
    NewChannelRecord(TestBands(), m_image, 8, MHz(145.0));
    ChannelAt(m_image, 8).setName(u"ABCDEF"_s);
    ChannelAt(m_image, 8).set(kTxPower, 3);
    ChannelRow row = ReadChannelRow(m_image, 8);
    row.power = u"Turbo"_s;
    row.name = u"XY"_s;
    row.tx.clear(); // an empty transmit cell is written as 0
    WriteChannelRow(TestBands(), m_image, 8, row);
    const ConstChannelRecord r = ChannelAt(m_image, 8);
    EXPECT_EQ(r.get(kTxPower), 0u);
    EXPECT_EQ(r.name(), u"XY"_s);
    EXPECT_EQ(slice(ImageMap::ChannelOffset(8) + 26, 4), Bytes(4, 0xFF));
    EXPECT_EQ(slice(ImageMap::ChannelOffset(8) + 4, 4), Bytes(4, 0x00));
    EXPECT_FALSE(r.hasTx());
}

TEST_F(ChannelRowTest, RowWithoutReceiveFrequencyBecomesTheEmptyRecord)
{
    WriteEmptyTableRecord(TestBands(), m_image, 1);
    const Bytes empty = slice(ImageMap::ChannelOffset(1), 32);
    for (const QString& rx : {u""_s, u"0"_s, u"abc"_s}) {
        NewChannelRecord(TestBands(), m_image, 9, MHz(145.0));
        ChannelRow row = ReadChannelRow(m_image, 9);
        row.rx = rx;
        WriteChannelRow(TestBands(), m_image, 9, row);
        EXPECT_EQ(slice(ImageMap::ChannelOffset(9), 32), empty) << rx.toStdString();
    }
}

TEST_F(ChannelRowTest, OversizedNumbersDoNotWrapIntoOtherValues)
{
    NewChannelRecord(TestBands(), m_image, 10, MHz(145.0));
    ChannelRow row = ReadChannelRow(m_image, 10);
    row.rx = u"1000.5"_s; // nine digits: must not lose its top digit and look absent
    row.ctcss = u"-5"_s;
    WriteChannelRow(TestBands(), m_image, 10, row);
    const ConstChannelRecord r = ChannelAt(m_image, 10);
    EXPECT_TRUE(r.hasRx());
    EXPECT_EQ(r.rx(), 99999999u);
    EXPECT_EQ(r.ctcssTenths(), 0u);
}

TEST_F(ChannelRowTest, ChannelOneFrequencyForTheTable)
{
    EXPECT_EQ(ChannelOneLoadFreq(TestBands()), MHz(134.0));
    TestBands().rxLower[4] = MHz(140.0);
    EXPECT_EQ(ChannelOneLoadFreq(TestBands()), MHz(140.0));
    disableBand(4);
    TestBands().rxLower[7] = MHz(420.0);
    EXPECT_EQ(ChannelOneLoadFreq(TestBands()), MHz(420.0));
    disableBand(7);
    EXPECT_EQ(ChannelOneLoadFreq(TestBands()), MHz(400.0));
}

} // namespace
