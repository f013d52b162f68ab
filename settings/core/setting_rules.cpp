#include "settings/core/setting_rules.h"

#include "codecs/decimal.h"
#include "settings/core/setting_fields.h"
#include "settings/core/setting_lists.h"

#include <algorithm>
#include <cstdlib>
#include <limits>

QStringList NonEmptyChannelNumbers(const RadioImage& image, std::uint32_t bankStart)
{
    QStringList numbers;
    for (std::uint32_t n = 1; n <= ImageMap::kChannelsPerBank; ++n) {
        // Byte 3 is the receive frequency's most significant digit pair.
        const std::uint8_t msb = image[bankStart + ImageMap::kRecordSize * (n - 1) + 3];
        if (msb != 0xFF && msb != 0x00)
            numbers << QString::number(n);
    }
    return numbers;
}

QStringList PresentDtmfCodeNumbers(const RadioImage& image)
{
    QStringList numbers;
    for (int k = 1; k <= DtmfMap::kCodeCount; ++k) {
        const std::uint8_t first = image[DtmfMap::CodeRecord(k)];
        if (first != 0xFF && first != 0x00)
            numbers << QString::number(k);
    }
    return numbers;
}

QString PowerOffSearchText(int tenths, const QString& offText)
{
    if (tenths == 0)
        return offText;
    // "%G" of a byte's tenths: no trailing zero, no point for whole hours.
    const QString sign = tenths < 0 ? QStringLiteral("-") : QString();
    const int a = std::abs(tenths);
    if (a % 10 == 0)
        return sign + QString::number(a / 10);
    return sign + QStringLiteral("%1.%2").arg(a / 10).arg(a % 10);
}

int PowerOffTenths(const QString& text)
{
    const std::int64_t v = ScaleDecimal(text, 1);
    return static_cast<int>(
        std::clamp<std::int64_t>(v, std::numeric_limits<int>::min(), std::numeric_limits<int>::max()));
}

QString SpanExitDelayText(int i)
{
    return FormatTenths(i);
}

QString ClampTotText(const QString& text, int min, int max, const QString& offText)
{
    const int v = std::clamp(TextToInt(text), min, max);
    return v == 0 ? offText : QString::number(v);
}

std::int64_t WrapStep(std::int64_t value, int min, int max, int delta)
{
    const std::int64_t v = value + delta;
    if (v < min || v > max)
        return delta > 0 ? min : max;
    return v;
}

QString KeyNameForIndex(int key, int index)
{
    using BasicLists::KeyFunctions;
    if (index < 0 || index >= static_cast<int>(KeyFunctions.size()))
        index = BasicLists::kKeyDefaults[static_cast<std::size_t>(key)];
    return QString::fromLatin1(KeyFunctions[static_cast<std::size_t>(index)]);
}

int KeyIndexForName(int key, const QString& name)
{
    const int i = FindListIndex(BasicLists::KeyFunctions, name);
    return i >= 0 ? i : BasicLists::kKeyDefaults[static_cast<std::size_t>(key)];
}
