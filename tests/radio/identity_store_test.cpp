// The save side of the identity record, the keyboard filters of its boxes,
// and the custom data text below it.
#include "radio/core/model_info.h"

#include <gtest/gtest.h>

#include <cstring>
#include <memory>
#include <string>
#include <vector>

namespace {

std::unique_ptr<RadioImage> ImageOf(std::uint8_t fill)
{
    auto m = std::make_unique<RadioImage>();
    m->fill(fill);
    return m;
}

std::vector<std::uint8_t> Bytes(const RadioImage& m, std::uint32_t at, int n)
{
    return {m.begin() + at, m.begin() + at + n};
}

std::vector<std::uint8_t> Text(const char* s, int fieldLength)
{
    std::vector<std::uint8_t> v(s, s + std::strlen(s));
    v.resize(static_cast<std::size_t>(fieldLength), 0xFF);
    return v;
}

TEST(IdentityStore, EachFieldIsCutAtItsFirstCharacterOfTheWrongClass)
{
    struct Case {
        const char* serial;
        const char* name;
        const char* code;
        const char* serialStored;
        const char* nameStored;
        const char* codeStored;
    } cases[] = {
        {"ab12", "", "", "ab12", "", ""},
        {"AB-12", "QM 4410", "x", "AB", "QM", "x"},
        {"123456789", "ABCDEFGHI", "0123456789abcdefXYZ", "12345678", "ABCDEFGH", "0123456789abcdef"},
        {" A", "", "A-B ~!", "", "", "A-B ~!"},
        {"", "", "tab\there", "", "", "tab"},
    };
    for (const Case& c : cases) {
        auto m = ImageOf(0x00);
        WriteModelIdentity(*m, QString::fromLatin1(c.serial), QString::fromLatin1(c.name), QString::fromLatin1(c.code));
        EXPECT_EQ(Bytes(*m, 0xFF00, 8), Text(c.serialStored, 8)) << c.serial;
        EXPECT_EQ(Bytes(*m, 0xFF08, 8), Text(c.nameStored, 8)) << c.name;
        EXPECT_EQ(Bytes(*m, 0xFF10, 16), Text(c.codeStored, 16)) << c.code;
    }
}

TEST(IdentityStore, NonAsciiCharactersEndAField)
{
    auto m = ImageOf(0x00);
    WriteModelIdentity(*m, QStringLiteral("AB\u00E9C"), QStringLiteral("\u0131x"), QStringLiteral("k\u00FFz"));
    EXPECT_EQ(Bytes(*m, 0xFF00, 8), Text("AB", 8));
    EXPECT_EQ(Bytes(*m, 0xFF08, 8), Text("", 8));
    EXPECT_EQ(Bytes(*m, 0xFF10, 16), Text("k", 16));
}

TEST(IdentityStore, WritesOnlyTheEditableArea)
{
    auto m = ImageOf(0x5A);
    WriteModelIdentity(*m, QString(), QString(), QStringLiteral("0123456789ABCDEF"));
    EXPECT_EQ(Bytes(*m, 0xFF00, 16), std::vector<std::uint8_t>(16, 0xFF));
    EXPECT_EQ(Bytes(*m, 0xFF10, 16), Text("0123456789ABCDEF", 16));
    for (std::uint32_t a = 0; a < kImageSize; ++a) {
        if (a < 0xFF00 || a >= 0xFF20) {
            ASSERT_EQ((*m)[a], 0x5A) << std::hex << a;
        }
    }
}

TEST(IdentityStore, WhatIsStoredReadsBackAsTyped)
{
    auto m = ImageOf(0xFF);
    WriteModelIdentity(*m, QStringLiteral("ab12"), QStringLiteral("QM4410"), QStringLiteral("Code: 7 / x"));
    const ModelIdentity id = ReadModelIdentity(*m);
    EXPECT_EQ(id.serial, QStringLiteral("ab12"));
    EXPECT_EQ(id.modelName, QStringLiteral("QM4410"));
    EXPECT_EQ(id.modelCode, QStringLiteral("Code: 7 / x"));
}

TEST(IdentityKeys, LettersAndDigitsAndPrintables)
{
    struct Case {
        char16_t typed;
        bool letterOrDigit;
        bool printable;
    } cases[] = {
        {u'a', true, true},    {u'Z', true, true},   {u'7', true, true},   {u'-', false, true},
        {u' ', false, true},   {u'~', false, true},  {0x08, true, true},   {0x7F, false, false},
        {0x09, false, false},  {0x00, false, false}, {0xE9, false, false}, // é
        {0x131, false, false}, // dotless i: upper case is 'I' only outside the C locale
        {0x17F, false, false}, // long s, likewise
    };
    for (const Case& c : cases) {
        EXPECT_EQ(ModelInfo::AcceptsLetterOrDigitKey(QChar(c.typed)), c.letterOrDigit) << int(c.typed);
        EXPECT_EQ(ModelInfo::AcceptsPrintableKey(QChar(c.typed)), c.printable) << int(c.typed);
    }
}

TEST(CustomData, ShownTextEndsAtZeroOrFF)
{
    struct Case {
        std::vector<std::uint8_t> bytes; // from 0xFEE0, the rest 0xFF
        const char* shown;
    } cases[] = {
        {{}, ""},          {{'H', 'i', 0x00, 'x'}, "Hi"},        {{'H', 'i', 0xFF, 'x'}, "Hi"},
        {{0x00, 'x'}, ""}, {{'a', '\t', '-', 0x7F}, "a\t-\x7F"},
    };
    for (const Case& c : cases) {
        auto m = ImageOf(0xFF);
        std::copy(c.bytes.begin(), c.bytes.end(), m->begin() + 0xFEE0);
        EXPECT_EQ(ReadCustomData(*m), QString::fromLatin1(c.shown));
    }
    auto m = ImageOf(0x41); // 32 bytes of text and no end byte: the text stops at 32
    EXPECT_EQ(ReadCustomData(*m), QString(32, QLatin1Char('A')));
    (*m)[0xFEE0 + 5] = 0xE9;
    EXPECT_EQ(ReadCustomData(*m)[5], QChar(0xE9));
}

TEST(CustomData, StoringFillsTheAreaAndNothingElse)
{
    struct Case {
        QString text;
        std::vector<std::uint8_t> stored;
    } cases[] = {
        {QString(), std::vector<std::uint8_t>(32, 0xFF)},
        {QStringLiteral("AB-12 ~"), Text("AB-12 ~", 32)},
        {QString(32, QLatin1Char('x')), std::vector<std::uint8_t>(32, 'x')},
        {QString(40, QLatin1Char('y')), std::vector<std::uint8_t>(32, 'y')},
        {QStringLiteral("\u00E9\u4E2D"), Text("\xE9?", 32)},
    };
    for (const Case& c : cases) {
        auto m = ImageOf(0x5A);
        WriteCustomData(*m, c.text);
        EXPECT_EQ(Bytes(*m, 0xFEE0, 32), c.stored) << c.text.toStdString();
        EXPECT_EQ((*m)[0xFEDF], 0x5A);
        EXPECT_EQ((*m)[0xFF00], 0x5A);
    }
}

} // namespace
