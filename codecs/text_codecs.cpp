#include "codecs/text_codecs.h"

#include "codecs/bcd.h"
#include "codecs/decimal.h"
#include "codecs/option_lists.h"

#include <algorithm>
#include <optional>

QString DefaultCtcssText()
{
    return FormatTenths(DecodeBcd2(kDefaultCtcssBytes.data()));
}

QString DefaultDcsText()
{
    return QStringLiteral("%1").arg(DecodeBcd2(kDefaultDcsBytes.data()), 3, 10, QLatin1Char('0'));
}

std::int64_t SnapFreq(std::int64_t v)
{
    if (v % 250 == 0 || v % 625 == 0)
        return v;
    const std::int64_t r5 = v % 500;
    const std::int64_t r625 = v % 625;
    return r5 <= r625 ? v - r5 : v - r625;
}

namespace {

std::optional<std::int64_t> AirbandChannel(std::int64_t v)
{
    struct Entry {
        int khzDigits;
        int offset;
    };
    static constexpr Entry kRaster[] = {{8, 833},   {16, 1666}, {33, 3333}, {41, 4166},
                                        {58, 5833}, {66, 6666}, {83, 8333}, {91, 9166}};
    const std::int64_t d = (v / 100) % 100;
    for (const Entry& e : kRaster)
        if (d == e.khzDigits)
            return v / 10000 * 10000 + e.offset;
    return std::nullopt;
}

} // namespace

std::int64_t SnapAirbandRaster(std::int64_t v)
{
    return AirbandChannel(v).value_or(v);
}

bool HasAirbandRaster(std::int64_t v)
{
    return AirbandChannel(v).has_value();
}

std::int64_t SnapChannelRaster(std::int64_t v, int rxBand)
{
    if (rxBand == kBand850Index) // 5 kHz steps, or 12.5 kHz multiples
        return v % 500 == 0 || v % 1250 == 0 ? v : v - v % 500;
    if (const auto airband = AirbandChannel(v))
        return *airband;
    return SnapFreq(v);
}

QString NormaliseCtcssText(const QString& text)
{
    const std::int64_t tenths = ParseTenths(text);
    if (text.isEmpty() || tenths < 600 || tenths > 2600)
        return DefaultCtcssText();
    return FormatTenths(tenths);
}

QString NormaliseDcsText(const QString& text)
{
    const std::optional<int> code = ReadInt(text.toUpper());
    if (!code || *code < 0 || *code > 777)
        return DefaultDcsText();
    return QStringLiteral("%1").arg(*code, 3, 10, QLatin1Char('0'));
}

QString StepIndexToText(int index)
{
    if (index < 0 || index >= static_cast<int>(StepList.size()))
        index = kDefaultStepIndex;
    return QString::fromLatin1(StepList[static_cast<std::size_t>(index)]);
}

int StepTextToIndex(const QString& text)
{
    return std::max(0, FindListIndexNoCase(StepList, text));
}

QString SqlModeToText(int index)
{
    if (index < 0 || index >= static_cast<int>(SqlModeList.size()))
        index = 0;
    return QString::fromLatin1(SqlModeList[static_cast<std::size_t>(index)]);
}

int SqlModeFromText(const QString& text)
{
    return std::max(0, FindListIndexNoCase(SqlModeList, text));
}

int HexCodeFromChar(QChar c)
{
    const char16_t u = c.unicode();
    if (u >= u'0' && u <= u'9')
        return u - u'0';
    if (u >= u'A' && u <= u'F')
        return u - u'A' + 10;
    if (u >= u'a' && u <= u'f')
        return u - u'a' + 10;
    return 255;
}

QChar HexCharFromCode(int code)
{
    if (code < 0 || code > 15)
        return QChar(u'\0');
    return QLatin1Char("0123456789ABCDEF"[code]);
}

int DtmfCodeFromChar(QChar c)
{
    if (c == u'*')
        return 14;
    if (c == u'#')
        return 15;
    return HexCodeFromChar(c);
}

QChar DtmfCharFromCode(int code)
{
    if (code < 0 || code > 15)
        return QChar(u'\0');
    return QLatin1Char("0123456789ABCD*#"[code]);
}

int ClampToneFreq(int tenths)
{
    if (tenths == 0)
        return 0;
    return std::clamp(tenths, 2880, 31160);
}
