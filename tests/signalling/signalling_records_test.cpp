// Record conversions of the five-tone and two-tone views, without widgets.
#include "document/five_tone_table.h"
#include "signalling/core/code_text.h"
#include "signalling/core/five_tone_records.h"
#include "signalling/core/two_tone_records.h"
#include "tests/support/qstring_print.h"

#include <gtest/gtest.h>

#include <memory>
#include <vector>

namespace {

std::vector<int> Bytes(const std::uint8_t* p, int n)
{
    return std::vector<int>(p, p + n);
}

struct CodeCase {
    const char* text;
    std::vector<int> bytes;
};

class CodeDigits : public testing::TestWithParam<CodeCase> {};

TEST_P(CodeDigits, WriteThenRead)
{
    std::uint8_t b[8];
    std::fill_n(b, 8, 0x55);
    WriteCodeDigits(b, 8, QString::fromLatin1(GetParam().text));
    EXPECT_EQ(Bytes(b, 8), GetParam().bytes);
}

INSTANTIATE_TEST_SUITE_P(
    Texts, CodeDigits,
    testing::Values(CodeCase{"12345", {1, 2, 3, 4, 5, 0xFF, 0xFF, 0xFF}},
                    CodeCase{"", {0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF}},
                    CodeCase{"0aBf", {0, 10, 11, 15, 0xFF, 0xFF, 0xFF, 0xFF}},
                    CodeCase{"123456789", {1, 2, 3, 4, 5, 6, 7, 8}},                 // at most eight
                    CodeCase{"12x45", {1, 2, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF}})); // stops at a stray character

TEST(CodeDigits, ReadStopsAtTheFirstByteAboveFifteen)
{
    const std::uint8_t b[8] = {0, 0x0F, 0x10, 3, 4, 5, 6, 7};
    EXPECT_EQ(ReadCodeDigits(b, 8), QStringLiteral("0F"));
    const std::uint8_t full[8] = {8, 7, 6, 5, 4, 3, 2, 1};
    EXPECT_EQ(ReadCodeDigits(full, 8), QStringLiteral("87654321"));
}

TEST(ImageText, StopsAtTheFirstUnprintableCharacter)
{
    std::uint8_t b[6];
    WriteImageText(b, 6, QStringLiteral("AB\u00e9CD"));
    EXPECT_EQ(Bytes(b, 6), (std::vector<int>{'A', 'B', 0xFF, 0xFF, 0xFF, 0xFF}));
    WriteImageText(b, 6, QStringLiteral("1234567"));
    EXPECT_EQ(Bytes(b, 6), (std::vector<int>{'1', '2', '3', '4', '5', '6'}));
    const std::uint8_t stored[6] = {'x', '~', ' ', 0x7F, 'y', 'z'};
    EXPECT_EQ(ReadImageText(stored, 6), QStringLiteral("x~ "));
}

TEST(FiveToneRecords, ContactKeepsByteFourteen)
{
    auto image = std::make_unique<RadioImage>();
    image->fill(0x77);
    WriteFiveToneContact(*image, 15, {QStringLiteral("9A"), QStringLiteral("BOB"), 2, QStringLiteral("HELLO")});
    const std::uint8_t* r = image->data() + 0xD2D0 + 32 * 15;
    EXPECT_EQ(Bytes(r, 8), (std::vector<int>{9, 10, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF}));
    EXPECT_EQ(Bytes(r + 8, 6), (std::vector<int>{'B', 'O', 'B', 0xFF, 0xFF, 0xFF}));
    EXPECT_EQ(r[14], 0x77);
    EXPECT_EQ(r[15], 2);
    EXPECT_EQ(r[16], 'H');
    EXPECT_EQ(r[21], 0xFF);
    EXPECT_EQ(r[31], 0xFF);
    EXPECT_EQ((*image)[0xD2D0 + 32 * 16], 0x77); // the next region is untouched
    const FiveToneContact back = ReadFiveToneContact(*image, 15);
    EXPECT_EQ(back.code, QStringLiteral("9A"));
    EXPECT_EQ(back.alias, QStringLiteral("BOB"));
    EXPECT_EQ(back.codeType, 2);
    EXPECT_EQ(back.message, QStringLiteral("HELLO"));
}

TEST(FiveToneRecords, FunctionRecordLayout)
{
    auto image = std::make_unique<RadioImage>();
    image->fill(0x00);
    WriteFiveToneFunction(*image, 7, {QStringLiteral("1F"), QStringLiteral("NAME"), 3, 2});
    const std::uint8_t* r = image->data() + 0xD4D0 + 16 * 7;
    EXPECT_EQ(Bytes(r, 16),
              (std::vector<int>{1, 15, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 'N', 'A', 'M', 'E', 0xFF, 0xFF, 3, 2}));
    EXPECT_EQ(r[16], 0x00);
}

TEST(FiveToneStandards, ImageRecordGoesIntoItsEntry)
{
    auto image = std::make_unique<RadioImage>();
    auto header = std::make_unique<HeaderBlock>();
    header->fill(0x11);
    RefreshStandardTones(*header);
    image->fill(0x22);
    // A built-in standard takes the first eight bytes; its tones stay built in.
    (*image)[0xD280] = 13;
    EXPECT_EQ(TakeImageStandard(*image, *header), 13);
    const std::uint8_t* e = header->data() + FiveTone::StandardOffset(13);
    EXPECT_EQ(Bytes(e, 8), (std::vector<int>{13, 0x22, 0x22, 0x22, 0x22, 0x22, 0x22, 0x22}));
    EXPECT_EQ(StandardTone(*header, 13, 0), 6000);
    // The user's standard takes all forty.
    (*image)[0xD280] = 15;
    EXPECT_EQ(TakeImageStandard(*image, *header), 15);
    EXPECT_EQ(StandardTone(*header, 15, 9), 0x2222);
    // A standard number past the table reads as the first standard.
    (*image)[0xD280] = 0x20;
    EXPECT_EQ(TakeImageStandard(*image, *header), 0);
}

TEST(FiveToneStandards, StoredEntryNamesItsStandard)
{
    auto image = std::make_unique<RadioImage>();
    auto header = std::make_unique<HeaderBlock>();
    header->fill(0xFF);
    RefreshStandardTones(*header);
    std::array<std::uint16_t, 16> tones{};
    tones[3] = 12345;
    StoreStandardEntry(*header, 15, 90, {11, 12, 0}, &tones);
    StoreStandardEntry(*header, 6, 100, {10, 14, 15}, &tones); // built-in: tones ignored
    PutStandardIntoImage(*header, 15, *image);
    EXPECT_EQ(Bytes(image->data() + 0xD280, 5), (std::vector<int>{15, 90, 11, 12, 0}));
    EXPECT_EQ((*image)[0xD280 + 8 + 6], 12345 & 0xFF);
    EXPECT_EQ((*image)[0xD280 + 8 + 7], 12345 >> 8);
    EXPECT_EQ((*image)[0xD280 + 8], 0);
    EXPECT_EQ(StandardTone(*header, 6, 3), 12750); // CCIR1 "3" as built in
    EXPECT_EQ(Bytes(header->data() + FiveTone::StandardOffset(6), 5), (std::vector<int>{6, 100, 10, 14, 15}));
}

struct DistinctCase {
    SpecialTones before;
    int changed;
    SpecialTones after;
};

class SpecialToneRule : public testing::TestWithParam<DistinctCase> {};

TEST_P(SpecialToneRule, OtherLetterMovesToTheFirstFree)
{
    const SpecialTones t = KeepSpecialTonesDistinct(GetParam().before, GetParam().changed);
    EXPECT_EQ(t.group, GetParam().after.group);
    EXPECT_EQ(t.repeat, GetParam().after.repeat);
    EXPECT_EQ(t.delimiter, GetParam().after.delimiter);
}

INSTANTIATE_TEST_SUITE_P(Cases, SpecialToneRule,
                         testing::Values(DistinctCase{{10, 10, 0}, 1, {11, 10, 0}},   // repeat took group's A: group B
                                         DistinctCase{{10, 10, 11}, 1, {12, 10, 11}}, // B is the delimiter's: group C
                                         DistinctCase{
                                             {12, 14, 12}, 2, {10, 14, 12}},        // delimiter took group's C: group A
                                         DistinctCase{{15, 15, 0}, 0, {15, 10, 0}}, // group took repeat's F: repeat A
                                         DistinctCase{{10, 11, 0}, 2, {10, 11, 0}}, // "None" clashes with nothing
                                         DistinctCase{{10, 11, 12}, 0, {10, 11, 12}})); // no clash, nothing moves

TEST(TwoToneFormats, CodesAndTexts)
{
    const std::pair<const char*, int> table[] = {{"Off", 0x00}, {"A-B", 0x12},    {"A-C", 0x13},    {"A-D", 0x14},
                                                 {"B-A", 0x21}, {"B-C", 0x23},    {"B-D", 0x24},    {"C-A", 0x31},
                                                 {"C-B", 0x32}, {"C-D", 0x34},    {"D-A", 0x41},    {"D-B", 0x42},
                                                 {"D-C", 0x43}, {"Long A", 0x10}, {"Long B", 0x20}, {"Long C", 0x30}};
    for (const auto& [text, code] : table) {
        EXPECT_EQ(TwoToneFormatCode(QString::fromLatin1(text)), code) << text;
        EXPECT_EQ(TwoToneFormatText(static_cast<std::uint8_t>(code)), QString::fromLatin1(text)) << code;
    }
    EXPECT_EQ(TwoToneFormatCode(QStringLiteral("Long D")), 0x00);
    EXPECT_EQ(TwoToneFormatCode(QString()), 0x00);
    EXPECT_EQ(TwoToneFormatText(0x11), QStringLiteral("Off"));
    EXPECT_EQ(TwoToneFormatText(0xFF), QStringLiteral("Off"));
}

TEST(TwoToneResponses, TwoBitsPerDecoderFirstLowest)
{
    EXPECT_EQ(PackResponses({2, 0, 1, 3}), 0b11'01'00'10);
    EXPECT_EQ(UnpackResponses(0b11'01'00'10), (std::array<int, 4>{2, 0, 1, 3}));
    EXPECT_EQ(PackResponses({7, 0, 0, 0}), 3); // never spills into the next decoder
}

TEST(TwoToneSystems, WriteKeepsUnownedBytesAndBits)
{
    auto image = std::make_unique<RadioImage>();
    image->fill(0x7C); // flag bits 2-6 set, bits 0, 1 and 7 clear
    TwoToneSystem s;
    s.alias = QStringLiteral("AB");
    s.preCarrier = QStringLiteral("0.5");
    s.firstDuration = QStringLiteral("1.0");
    s.secondDuration = QStringLiteral("3.0");
    s.longDuration = QStringLiteral("10.0");
    s.interval = QStringLiteral("2.0");
    s.replyWait = QStringLiteral("2.5");
    s.autoReset = QString(); // shown empty: off
    s.sideTone = true;
    s.idleReply = true;
    s.tones = {QStringLiteral("321.7"), QStringLiteral("928.1"), QStringLiteral("1280.0"), QStringLiteral("3116.0")};
    s.formats = {QStringLiteral("A-B"), QStringLiteral("Off"), QStringLiteral("Long C"), QString()};
    s.responses = {1, 2, 3, 0};
    WriteTwoToneSystem(*image, 3, s);
    const std::uint8_t* r = image->data() + 0xCF80 + 32 * 3;
    EXPECT_EQ(
        Bytes(r, 32),
        (std::vector<int>{'A',         'B',       0xFF,        0xFF,      0xFF,       0xFF, 0x7C,         0x7C,
                          5,           10,        30,          100,       20,         0xFD, 0x7C,         0x7C,
                          3217 & 0xFF, 3217 >> 8, 9281 & 0xFF, 9281 >> 8, 0x00,       0x32, 31160 & 0xFF, 31160 >> 8,
                          0x12,        0x00,      0x30,        0x00,      0b00111001, 0x7C, 25,           0}));
    const TwoToneSystem back = ReadTwoToneSystem(*image, 3);
    EXPECT_EQ(back.replyWait, QStringLiteral("2.5"));
    EXPECT_EQ(back.longDuration, QStringLiteral("10.0"));
    EXPECT_EQ(back.tones[2], QStringLiteral("1280.0"));
    EXPECT_EQ(back.formats[2], QStringLiteral("Long C"));
    EXPECT_EQ(back.autoReset, QStringLiteral("0"));
    EXPECT_TRUE(back.sideTone && back.idleReply && !back.beep);
    EXPECT_EQ(back.responses, (std::array<int, 4>{1, 2, 3, 0}));
}

TEST(TwoToneCalls, EmptyEntries)
{
    auto image = std::make_unique<RadioImage>();
    image->fill(0x33);
    WriteTwoToneCall(*image, 2, TwoToneCall{});
    const std::uint8_t* e = image->data() + 0xD180 + 16 * 2;
    std::vector<int> empty(16, 0xFF);
    empty[12] = 0;
    empty[13] = 1;
    EXPECT_EQ(Bytes(e, 16), empty);
    EXPECT_EQ((*image)[0xD180 + 16 * 3], 0x33);
    for (const std::uint16_t first : {0x0000, 0xFFFF}) {
        image->fill(0x41);
        (*image)[0xD180 + 8] = static_cast<std::uint8_t>(first & 0xFF);
        (*image)[0xD180 + 9] = static_cast<std::uint8_t>(first >> 8);
        const TwoToneCall c = ReadTwoToneCall(*image, 0);
        EXPECT_TRUE(c.first.isEmpty() && c.second.isEmpty() && c.format.isEmpty() && c.system.isEmpty() &&
                    c.alias.isEmpty());
    }
}

TEST(TwoToneCalls, FirstToneWithALowByteOfZeroIsATone)
{
    auto image = std::make_unique<RadioImage>();
    image->fill(0xFF);
    std::uint8_t* e = image->data() + 0xD180;
    e[8] = 12800 & 0xFF; // 0x00
    e[9] = 12800 >> 8;
    e[10] = 0;
    e[11] = 0;
    e[12] = 7;
    e[13] = 4;
    const TwoToneCall c = ReadTwoToneCall(*image, 0);
    EXPECT_EQ(c.first, QStringLiteral("1280.0"));
    EXPECT_EQ(c.second, QString()); // 0: none
    EXPECT_EQ(c.format, QStringLiteral("Two"));
    EXPECT_EQ(c.system, QStringLiteral("4"));
    EXPECT_EQ(c.alias, QString());
}

TEST(TwoToneCalls, SingleWithoutSecondTone)
{
    auto image = std::make_unique<RadioImage>();
    image->fill(0x00);
    WriteTwoToneCall(
        *image, 15,
        {QStringLiteral("1500.0"), QString(), QStringLiteral("Single"), QStringLiteral("9"), QStringLiteral("2T-16")});
    const std::uint8_t* e = image->data() + 0xD180 + 16 * 15;
    EXPECT_EQ(Bytes(e, 16), (std::vector<int>{'2', 'T', '-', '1', '6', 0xFF, 0xFF, 0xFF, 15000 & 0xFF, 15000 >> 8, 0xFF,
                                              0xFF, 1, 9, 0xFF, 0xFF}));
    const TwoToneCall back = ReadTwoToneCall(*image, 15);
    EXPECT_EQ(back.format, QStringLiteral("Single"));
    EXPECT_EQ(back.alias, QStringLiteral("2T-16"));
}

struct ToneCase {
    const char* typed;
    const char* shown;
};

class CallTone : public testing::TestWithParam<ToneCase> {};

TEST_P(CallTone, ClampedAndPrinted)
{
    EXPECT_EQ(NormaliseCallTone(QString::fromLatin1(GetParam().typed)), QString::fromLatin1(GetParam().shown));
}

INSTANTIATE_TEST_SUITE_P(Texts, CallTone,
                         testing::Values(ToneCase{"1500", "1500.0"}, ToneCase{"1500.06", "1500.0"},
                                         ToneCase{"100", "288.0"}, ToneCase{"5000", "3116.0"}, ToneCase{"0", ""},
                                         ToneCase{"", ""}, ToneCase{"0.05", ""}, ToneCase{"288.0", "288.0"}));

} // namespace
