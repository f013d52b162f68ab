#include "codecs/decimal.h"

#include <QByteArray>

#include <algorithm>
#include <cmath>
#include <limits>

namespace {

constexpr std::int64_t kInt64Max = std::numeric_limits<std::int64_t>::max();

// White space as the "C" locale's isspace sees it; other locales' extra
// spaces must not change how a number reads.
bool IsCSpace(char16_t c)
{
    return c == u' ' || c == u'\t' || c == u'\n' || c == u'\v' || c == u'\f' || c == u'\r';
}

bool IsDigit(char16_t c)
{
    return c >= u'0' && c <= u'9';
}

char16_t At(const QString& s, qsizetype i)
{
    return i < s.size() ? s[i].unicode() : u'\0';
}

qsizetype SkipSpace(const QString& s, qsizetype i)
{
    while (IsCSpace(At(s, i)))
        ++i;
    return i;
}

} // namespace

double ParseDouble(const QString& text)
{
    // Copy the number's prefix to ASCII and let Qt's locale-free conversion
    // do the correctly rounded part.
    QByteArray number;
    qsizetype i = SkipSpace(text, 0);
    if (At(text, i) == u'+' || At(text, i) == u'-') {
        if (At(text, i) == u'-')
            number += '-';
        ++i;
    }
    qsizetype mantissaDigits = 0;
    for (; IsDigit(At(text, i)); ++i, ++mantissaDigits)
        number += static_cast<char>(At(text, i));
    if (At(text, i) == u'.') {
        number += '.';
        for (++i; IsDigit(At(text, i)); ++i, ++mantissaDigits)
            number += static_cast<char>(At(text, i));
    }
    if (mantissaDigits == 0)
        return 0.0;
    if (At(text, i) == u'e' || At(text, i) == u'E') {
        qsizetype j = i + 1;
        QByteArray exponent = "e";
        if (At(text, j) == u'+' || At(text, j) == u'-')
            exponent += static_cast<char>(At(text, j++));
        if (IsDigit(At(text, j))) {
            for (; IsDigit(At(text, j)); ++j)
                exponent += static_cast<char>(At(text, j));
            number += exponent;
        }
    }
    bool ok = false;
    const double d = number.toDouble(&ok);
    return ok && std::isfinite(d) ? d : 0.0;
}

std::optional<int> ReadInt(const QString& text)
{
    qsizetype i = SkipSpace(text, 0);
    bool negative = false;
    if (At(text, i) == u'+' || At(text, i) == u'-')
        negative = At(text, i++) == u'-';
    if (!IsDigit(At(text, i)))
        return std::nullopt;
    // Accumulate the magnitude with a cap just past int's range.
    constexpr std::int64_t kCap = std::int64_t{std::numeric_limits<int>::max()} + 1;
    std::int64_t v = 0;
    for (; IsDigit(At(text, i)); ++i)
        v = std::min(kCap, v * 10 + (At(text, i) - u'0'));
    if (negative)
        v = -v;
    return static_cast<int>(
        std::clamp<std::int64_t>(v, std::numeric_limits<int>::min(), std::numeric_limits<int>::max()));
}

int TextToInt(const QString& text)
{
    return ReadInt(text).value_or(0);
}

std::int64_t ScaleDouble(double d, int pow10)
{
    if (!std::isfinite(d) || d == 0.0)
        return 0;
    // 15 significant digits, as "%.15g" would round them: "d.dddddddddddddde+X".
    const QByteArray rendered = QByteArray::number(d, 'e', 14);
    const bool negative = rendered.startsWith('-');
    QByteArray digits;
    qsizetype i = negative ? 1 : 0;
    for (; i < rendered.size() && rendered[i] != 'e'; ++i)
        if (rendered[i] >= '0' && rendered[i] <= '9')
            digits += rendered[i];
    const int exponent = rendered.mid(i + 1).toInt();
    // Digits of the scaled value left of the decimal point.
    const int intDigits = exponent + 1 + std::clamp(pow10, -1000, 1000);
    if (intDigits <= 0 || digits.isEmpty() || digits[0] == '0')
        return 0;
    std::int64_t magnitude = kInt64Max;
    if (intDigits <= 19) { // below 10^19, which fits in uint64
        std::uint64_t v = 0;
        for (int k = 0; k < intDigits; ++k)
            v = v * 10 + (k < digits.size() ? static_cast<unsigned>(digits[k] - '0') : 0u);
        magnitude = static_cast<std::int64_t>(std::min<std::uint64_t>(v, kInt64Max));
    }
    return negative ? -magnitude : magnitude;
}

std::int64_t ScaleDecimal(const QString& text, int pow10)
{
    return ScaleDouble(ParseDouble(text), pow10);
}

QString FormatScaled(std::int64_t value, int decimals)
{
    decimals = std::clamp(decimals, 0, 18);
    std::uint64_t magnitude = value < 0 ? 0 - static_cast<std::uint64_t>(value) : static_cast<std::uint64_t>(value);
    std::uint64_t unit = 1;
    for (int k = 0; k < decimals; ++k)
        unit *= 10;
    QString out = value < 0 ? QStringLiteral("-") : QString();
    out += QString::number(magnitude / unit);
    if (decimals > 0)
        out += u'.' + QString::number(magnitude % unit).rightJustified(decimals, u'0');
    return out;
}

std::int64_t ParseMHz(const QString& text)
{
    return ScaleDecimal(text, 5);
}

// Width 3 of "%3.5f" never pads: the shortest result, "0.00000", is longer.
QString FormatMHz(std::int64_t v)
{
    return FormatScaled(v, 5);
}

std::int64_t ParseTenths(const QString& text)
{
    return ScaleDecimal(text, 1);
}

QString FormatTenths(std::int64_t tenths)
{
    return FormatScaled(tenths, 1);
}

std::int64_t DivideDecimalHalfUp(std::int32_t dividend, std::int32_t divisorUnits, int divisorDecimals)
{
    if (divisorUnits == 0)
        return 0;
    // dividend / (m / 10^s) + 1/2 = (2 * dividend * 10^s + m) / (2m); with
    // |dividend|, |m| < 2^31 and s <= 9 every term fits in int64.
    std::int64_t n = dividend;
    for (int k = 0; k < std::clamp(divisorDecimals, 0, 9); ++k)
        n *= 10;
    std::int64_t m = divisorUnits;
    if (m < 0) {
        m = -m;
        n = -n;
    }
    return (2 * n + m) / (2 * m); // integer division truncates toward zero
}
