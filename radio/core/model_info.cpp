#include "radio/core/model_info.h"

#include <QDate>

#include <algorithm>

namespace {
bool IsAlnumByte(std::uint8_t c)
{
    return (c >= '0' && c <= '9') || (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z');
}
bool IsPrintableByte(std::uint8_t c)
{
    return c >= 0x20 && c <= 0x7E;
}

template <typename Pred> void CopyWhile(RadioImage& image, std::uint32_t at, int max, const QString& text, Pred ok)
{
    for (qsizetype i = 0; i < text.size() && i < max && ok(text[i]); ++i)
        image[at + static_cast<std::uint32_t>(i)] = static_cast<std::uint8_t>(text[i].unicode());
}

// Upper case as the C locale has it: only a..z change.
QChar AsciiUpper(QChar c)
{
    const char16_t u = c.unicode();
    return u >= u'a' && u <= u'z' ? QChar(static_cast<char16_t>(u - (u'a' - u'A'))) : c;
}
constexpr char16_t kBackspace = 0x08;

template <typename Pred> QString TextWhile(const RadioImage& image, std::uint32_t at, int max, Pred ok)
{
    QString s;
    for (int i = 0; i < max && ok(image[at + static_cast<std::uint32_t>(i)]); ++i)
        s += QLatin1Char(static_cast<char>(image[at + static_cast<std::uint32_t>(i)]));
    return s;
}

// Reads "%d-%d-%d" the way sscanf does: stops at the first field that does
// not read, leaving the later ones as they were.
void ScanDate(const QString& t, int& y, int& m, int& d)
{
    qsizetype i = 0;
    auto readInt = [&](int& out) {
        while (i < t.size() && t[i].isSpace())
            ++i;
        qsizetype start = i;
        bool neg = false;
        if (i < t.size() && (t[i] == u'-' || t[i] == u'+'))
            neg = t[i++] == u'-';
        qsizetype digits = i;
        long long v = 0;
        while (i < t.size() && t[i] >= u'0' && t[i] <= u'9' && v < 100000000)
            v = v * 10 + (t[i++].unicode() - u'0');
        if (i == digits) {
            i = start;
            return false;
        }
        out = static_cast<int>(neg ? -v : v);
        return true;
    };
    auto literal = [&](char16_t c) {
        if (i < t.size() && t[i] == c) {
            ++i;
            return true;
        }
        return false;
    };
    if (readInt(y) && literal(u'-') && readInt(m) && literal(u'-'))
        readInt(d);
}
} // namespace

QString FormatProgramDate(const RadioImage& image)
{
    const unsigned year = image[ModelInfo::kYear] | image[ModelInfo::kYear + 1] << 8;
    const unsigned month = image[ModelInfo::kMonth];
    const unsigned day = image[ModelInfo::kDay];
    // "%4X-%02X-%02X": BCD digits print as decimal digits.
    QString text = QStringLiteral("%1-%2-%3")
                       .arg(year, 4, 16, QLatin1Char(' '))
                       .arg(month, 2, 16, QLatin1Char('0'))
                       .arg(day, 2, 16, QLatin1Char('0'))
                       .toUpper();
    int y = static_cast<int>(year), m = static_cast<int>(month), d = static_cast<int>(day);
    ScanDate(text, y, m, d);
    if (y < 1 || y > 9999 || !QDate::isValid(y, m, d))
        return {};
    return text;
}

ModelIdentity ReadModelIdentity(const RadioImage& image)
{
    using namespace ModelInfo;
    return {TextWhile(image, kSerial, kSerialLength, IsAlnumByte),
            TextWhile(image, kModelName, kModelNameLength, IsAlnumByte),
            TextWhile(image, kModelCode, kModelCodeLength, IsPrintableByte),
            TextWhile(image, kFirmware, kFirmwareLength, IsPrintableByte), FormatProgramDate(image)};
}

bool ModelInfo::IsLetterOrDigit(QChar c)
{
    return c.unicode() < 0x80 && IsAlnumByte(static_cast<std::uint8_t>(c.unicode()));
}

bool ModelInfo::IsPrintable(QChar c)
{
    return c.unicode() < 0x80 && IsPrintableByte(static_cast<std::uint8_t>(c.unicode()));
}

bool ModelInfo::AcceptsLetterOrDigitKey(QChar typed)
{
    return typed.unicode() == kBackspace || IsLetterOrDigit(AsciiUpper(typed));
}

bool ModelInfo::AcceptsPrintableKey(QChar typed)
{
    return typed.unicode() == kBackspace || IsPrintable(AsciiUpper(typed));
}

void WriteModelIdentity(RadioImage& image, const QString& serial, const QString& modelName, const QString& modelCode)
{
    using namespace ModelInfo;
    std::fill(image.begin() + kSerial, image.begin() + kEditableEnd, std::uint8_t{0xFF});
    CopyWhile(image, kSerial, kSerialLength, serial, IsLetterOrDigit);
    CopyWhile(image, kModelName, kModelNameLength, modelName, IsLetterOrDigit);
    CopyWhile(image, kModelCode, kModelCodeLength, modelCode, ModelInfo::IsPrintable);
}

QString ReadCustomData(const RadioImage& image)
{
    using namespace CustomData;
    return TextWhile(image, kOffset, kLength, [](std::uint8_t c) { return c != 0x00 && c != 0xFF; });
}

void WriteCustomData(RadioImage& image, const QString& text)
{
    using namespace CustomData;
    std::fill(image.begin() + kOffset, image.begin() + kOffset + kLength, std::uint8_t{0xFF});
    const QByteArray bytes = text.left(kLength).toLatin1(); // one byte per character
    std::copy(bytes.begin(), bytes.end(), image.begin() + kOffset);
}
