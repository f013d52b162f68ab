#include "channels/core/channel_record.h"
#include "tests/support/test_document.h"

#include "document/factory_defaults.h"

#include "image_fixture.h"
#include "tests/support/qstring_print.h"

#include <string>

using namespace ChannelLayout;
using Bytes = std::vector<std::uint8_t>;
using namespace Qt::StringLiterals;

namespace {

struct FieldCase {
    const char* name;
    BitField field;
    std::uint8_t mask;
};

// The record layout: every bit field with the bits it owns.
const FieldCase kFields[] = {
    {"power", kTxPower, 0xC0},
    {"beat shift", kBeatShift, 0x20},
    {"reverse backup", kReverseBackup, 0x10},
    {"display", kDisplayType, 0x0C},
    {"scan", kScan, 0x03},
    {"bandwidth", kBandwidth, 0xC0},
    {"scrambler", kScrambler, 0x20},
    {"compander", kCompander, 0x10},
    {"emphasis", kEmphasis, 0x08},
    {"sql mode", kSqlMode, 0x07},
    {"offset dir", kOffsetDirection, 0xC0},
    {"reverse", kReverse, 0x20},
    {"talk around", kTalkAround, 0x10},
    {"step", kStep, 0x0F},
    {"dcs polarity", kDcsPolarity, 0xC0},
    {"busy lock", kBusyLock, 0x30},
    {"tx stop", kTxStop, 0x08},
    {"unused 15", kUnused15, 0x04},
    {"decode type", kDecodeType, 0x03},
    {"option signalling", kOptionSignalling, 0xC0},
    {"unused 20", kUnused20, 0x20},
    {"am", kAm, 0x10},
    {"signalling decode", kSignallingDecode, 0x0F},
};

TEST(ChannelRecordLayout, FieldsTileTheirBytes)
{
    for (std::uint8_t byte : {12, 13, 14, 15, 20}) {
        unsigned seen = 0;
        for (const FieldCase& c : kFields) {
            if (c.field.offset != byte)
                continue;
            EXPECT_EQ(c.field.mask(), c.mask) << c.name;
            EXPECT_EQ(seen & c.mask, 0u) << c.name << " overlaps another field";
            seen |= c.mask;
        }
        EXPECT_EQ(seen, 0xFFu) << "byte " << int(byte);
    }
}

class ChannelRecordTest : public ImageTest {};

TEST_F(ChannelRecordTest, SettersKeepEveryOtherBit)
{
    for (const FieldCase& c : kFields) {
        for (std::uint8_t background : {0x00, 0xFF, 0xA5, 0x5A}) {
            m_image.fill(background);
            const ChannelRecord r = ChannelAt(m_image, 2);
            const unsigned top = c.field.valueMask();
            for (unsigned v : {0u, 1u, top, top / 2, top + 1, 0xFFu}) {
                r.set(c.field, v);
                const std::uint8_t b = r.byte(c.field.offset);
                EXPECT_EQ(r.get(c.field), v & top) << c.name << " value " << v;
                EXPECT_EQ(b & ~c.mask & 0xFF, background & ~c.mask & 0xFF) << c.name << " value " << v;
            }
            // Nothing outside the field's byte moved, in this or any record.
            for (std::uint32_t i = 0; i < kImageSize; ++i)
                if (i != ImageMap::ChannelOffset(2) + c.field.offset && m_image[i] != background)
                    FAIL() << c.name << " touched byte " << i;
        }
    }
}

TEST_F(ChannelRecordTest, FrequencyToneAndCodeFields)
{
    const ChannelRecord r = ChannelAt(m_image, 1600);
    EXPECT_FALSE(r.hasRx());
    EXPECT_FALSE(r.hasTx());
    EXPECT_FALSE(r.hasOffset());
    EXPECT_EQ(r.offset(), 0u); // absent offset reads as 0
    r.setRx(MHz(438.5));
    r.setTx(MHz(431.0));
    r.setOffset(60000);
    r.setCtcssTenths(885);
    r.setDcsCode(754);
    r.setPttId(5);
    EXPECT_EQ(slice(ImageMap::ChannelOffset(1600), 22),
              (Bytes{0x00, 0x00, 0x85, 0x43, 0x00, 0x00, 0x10, 0x43, 0x85, 0x08, 0x54,
                     0x07, 0xFF, 0xFF, 0xFF, 0xFF, 0x00, 0x00, 0x06, 0x00, 0xFF, 0x05}));
    EXPECT_EQ(r.rx(), MHz(438.5));
    EXPECT_EQ(r.tx(), MHz(431.0));
    EXPECT_EQ(r.offset(), 60000u); // byte 19 is 0x00 here, and that is a value
    EXPECT_EQ(r.ctcssTenths(), 885u);
    EXPECT_EQ(r.dcsCode(), 754u);
    r.clearTx();
    r.clearOffset();
    EXPECT_FALSE(r.hasTx());
    EXPECT_FALSE(r.hasOffset());
    m_image[ImageMap::ChannelOffset(1600) + 3] = 0x00;
    EXPECT_FALSE(r.hasRx()); // byte 3 of 0x00 is absent too
    EXPECT_EQ(slice(ImageMap::ChannelOffset(1600) + 32, 32), Bytes(32, 0xFF)) << "next record untouched";
}

TEST_F(ChannelRecordTest, NamesReadToTheFirstUnprintableByte)
{
    const struct {
        Bytes stored;
        const char* name;
    } reads[] = {
        {{'A', 'B', 'C', 'D', 'E', 'F'}, "ABCDEF"}, {{'A', 'B', 0xFF, 'D', 'E', 'F'}, "AB"},
        {{'R', 'P', 'T', ' ', '1', 0x00}, "RPT 1"}, {{'+', '-', '*', '/', '#', 0x7F}, "+-*/#"},
        {{0xFF, 'A', 'B', 'C', 'D', 'E'}, ""},      {{'x', 0x1F, 'y', 'y', 'y', 'y'}, "x"},
    };
    const ChannelRecord r = ChannelAt(m_image, 3);
    for (const auto& c : reads) {
        std::copy(c.stored.begin(), c.stored.end(), m_image.begin() + ImageMap::ChannelOffset(3) + kName);
        EXPECT_EQ(r.name(), QString::fromLatin1(c.name));
    }

    const struct {
        QString text;
        Bytes stored;
    } writes[] = {
        {u"AB"_s, {'A', 'B', 0xFF, 0xFF, 0xFF, 0xFF}},
        {u"ABCDEFGH"_s, {'A', 'B', 'C', 'D', 'E', 'F'}},
        {u""_s, Bytes(6, 0xFF)},
        {u"A\tB"_s, {'A', 0xFF, 0xFF, 0xFF, 0xFF, 0xFF}},
        {u"Z\u00e9Z"_s, {'Z', 0xFF, 0xFF, 0xFF, 0xFF, 0xFF}},
    };
    for (const auto& c : writes) {
        std::fill_n(m_image.begin() + ImageMap::ChannelOffset(3) + kName, 6,
                    'Q'); // an old six-letter name
        r.setName(c.text);
        EXPECT_EQ(slice(ImageMap::ChannelOffset(3) + kName, 6), c.stored) << c.text.toStdString();
        EXPECT_EQ(m_image[ImageMap::ChannelOffset(3) + 30], 0xFF) << "reserved bytes kept";
        EXPECT_EQ(m_image[ImageMap::ChannelOffset(3) + 23], 0xFF) << "reserved bytes kept";
    }
}

TEST_F(ChannelRecordTest, NewChannelRecordBytes)
{
    const Bytes kTail = {0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF};
    const struct {
        std::uint32_t rx;
        Bytes first22;
    } cases[] = {
        // 145.52: transmit = receive, 100.0 Hz, DCS 023, High/Allow, Wide/emphasis, step 12.5, 600
        // kHz.
        {MHz(145.52), {0x00, 0x20, 0x55, 0x14, 0x00, 0x20, 0x55, 0x14, 0x00, 0x10, 0x23,
                       0x00, 0xC0, 0x08, 0x06, 0x00, 0x00, 0x00, 0x06, 0x00, 0x00, 0x00}},
        // Airband: AM.
        {MHz(118.0), {0x00, 0x00, 0x80, 0x11, 0x00, 0x00, 0x80, 0x11, 0x00, 0x10, 0x23,
                      0x00, 0xC0, 0x08, 0x06, 0x00, 0x00, 0x00, 0x06, 0x00, 0x10, 0x00}},
        // 450M and 850M: 7.6 MHz offset.
        {MHz(435.0), {0x00, 0x00, 0x50, 0x43, 0x00, 0x00, 0x50, 0x43, 0x00, 0x10, 0x23,
                      0x00, 0xC0, 0x08, 0x06, 0x00, 0x00, 0x00, 0x76, 0x00, 0x00, 0x00}},
        {MHz(851.0125), {0x50, 0x12, 0x10, 0x85, 0x50, 0x12, 0x10, 0x85, 0x00, 0x10, 0x23,
                         0x00, 0xC0, 0x08, 0x06, 0x00, 0x00, 0x00, 0x76, 0x00, 0x00, 0x00}},
        // In no band: 600 kHz.
        {MHz(600.0), {0x00, 0x00, 0x00, 0x60, 0x00, 0x00, 0x00, 0x60, 0x00, 0x10, 0x23,
                      0x00, 0xC0, 0x08, 0x06, 0x00, 0x00, 0x00, 0x06, 0x00, 0x00, 0x00}},
        // Absent.
        {0, {0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0x00, 0x10, 0x23,
             0x00, 0xC0, 0x08, 0x06, 0x00, 0x00, 0x00, 0x06, 0x00, 0x00, 0x00}},
    };
    for (const auto& c : cases) {
        m_image.fill(0x5A);
        NewChannelRecord(TestBands(), m_image, 801, c.rx);
        Bytes expected = c.first22;
        expected.insert(expected.end(), kTail.begin(), kTail.end());
        EXPECT_EQ(slice(ImageMap::kBankB, 32), expected) << c.rx;
        EXPECT_EQ(m_image[ImageMap::kBankB - 1], 0x5A);
        EXPECT_EQ(m_image[ImageMap::kBankB + 32], 0x5A);
    }
}

TEST_F(ChannelRecordTest, NewChannelRecordMatchesTheFactoryDefaultRecord)
{
    RadioImage other;
    for (std::uint32_t f : {MHz(26.0), MHz(50.0), MHz(118.0083), MHz(145.52), MHz(255.0), MHz(380.0), MHz(512.0),
                            MHz(700.0), MHz(950.0)}) {
        m_image.fill(0x00);
        other.fill(0x00);
        NewChannelRecord(TestBands(), m_image, 17, f);
        WriteDefaultChannelRecord(other, TestBands(), ImageMap::ChannelOffset(17), f);
        EXPECT_EQ(m_image, other) << f;
    }
}

TEST_F(ChannelRecordTest, AbsentRecordLiesInNoBandEvenWhenABandIsCleared)
{
    // A band cleared from the plan holds limits 0..0; frequency 0 must not
    // fall into it and pick up the airband's AM flag or a 7.6 MHz offset.
    for (int band : {3, 7}) {
        TestBands().resetToFactory();
        TestBands().rxLower[static_cast<std::size_t>(band)] = 0;
        TestBands().rxUpper[static_cast<std::size_t>(band)] = 0;
        ASSERT_EQ(BandIndexOf(TestBands(), 0), -1); // a band without limits contains nothing
        NewChannelRecord(TestBands(), m_image, 5, 0);
        const ConstChannelRecord r = ChannelAt(m_image, 5);
        EXPECT_EQ(r.get(kAm), 0u) << band;
        EXPECT_EQ(r.offset(), 60000u) << band;
    }
}

TEST_F(ChannelRecordTest, EmptyTableRecordDiffersOnlyInItsOffset)
{
    NewChannelRecord(TestBands(), m_image, 9, 0);
    Bytes expected = slice(ImageMap::ChannelOffset(9), 32);
    expected[18] = 0x76; // 7.6 MHz
    m_image.fill(0x33);
    WriteEmptyTableRecord(TestBands(), m_image, 9);
    EXPECT_EQ(slice(ImageMap::ChannelOffset(9), 32), expected);
    EXPECT_EQ(m_image[ImageMap::ChannelOffset(10)], 0x33);
}

TEST(OffsetDirection, FollowsTheSavedFrequencies)
{
    using namespace OffsetDirection;
    const std::uint32_t rx = MHz(145.0);
    const std::uint32_t off = 60000;
    const struct {
        std::uint32_t tx;
        std::uint32_t offset;
        unsigned before;
        unsigned after;
    } cases[] = {
        {rx, off, kFree, kSimplex},       {rx, off, kPlus, kSimplex},          {rx + off, off, kPlus, kPlus},
        {rx - off, off, kMinus, kMinus},  {rx + off, off, kMinus, kFree},      {rx - off, off, kPlus, kFree},
        {rx + off, off, kSimplex, kFree}, {rx - off, off, kFree, kFree},       {MHz(150.0), off, kPlus, kFree},
        {0, off, kMinus, kFree},          {rx + 760000, 760000, kPlus, kPlus}, {rx + 760000, off, kPlus, kFree},
    };
    for (const auto& c : cases)
        EXPECT_EQ(DeriveOffsetDirection(rx, c.tx, c.offset, c.before), c.after)
            << "tx " << c.tx << " direction " << c.before;
    // rx - off below zero must not wrap around to a huge transmit frequency.
    EXPECT_EQ(DeriveOffsetDirection(50000, 0xFFFFFFFFu - 9999u, 60000, kMinus), kFree);
}

TEST(SqlModeRule, FallsBackToCarrierWithoutItsDecoderOrSignalling)
{
    using namespace SqlMode;
    using namespace DecodeType;
    const struct {
        unsigned sql, decode, signalling, expected;
    } cases[] = {
        {kTone, kCtcssEncode, 0, kCarrier},
        {kTone, kOff, 3, kCarrier},
        {kTone, kCtcssCodec, 0, kTone},
        {kTone, kDcsCodec, 0, kTone},
        {kSignalling, kDcsCodec, 0, kCarrier},
        {kSignalling, kOff, 1, kSignalling},
        {kSignallingAndTone, kCtcssCodec, 2, kSignallingAndTone},
        {kSignallingAndTone, kCtcssEncode, 2, kCarrier},
        {kSignallingAndTone, kCtcssCodec, 0, kCarrier},
        {kSignallingOrTone, kDcsCodec, 3, kSignallingOrTone},
        {kSignallingOrTone, kOff, 3, kCarrier},
        {kSignallingOrTone, kDcsCodec, 0, kCarrier},
        {kCarrier, kOff, 0, kCarrier},
        {5, kOff, 0, 5},
        {7, kCtcssEncode, 0, 7},
    };
    for (const auto& c : cases)
        EXPECT_EQ(ConsistentSqlMode(c.sql, c.decode, c.signalling), c.expected)
            << c.sql << "/" << c.decode << "/" << c.signalling;
}

} // namespace
