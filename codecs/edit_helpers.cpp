#include "codecs/edit_helpers.h"

#include "codecs/decimal.h"

#include <algorithm>

namespace {

// Saturated parses are far outside any int range; holding them here keeps
// them out of range while leaving room to add a delta without overflow.
constexpr std::int64_t kFar = std::int64_t{1} << 40;

std::int64_t Tame(std::int64_t v)
{
    return std::clamp(v, -kFar, kFar);
}

bool InRange(std::int64_t v, int min, int max)
{
    return v >= min && v <= max;
}

} // namespace

QString ValidateIntField(const QString& text, int min, int max, int def, int step, bool offSwitch,
                         const QString& offText)
{
    std::int64_t result = def;
    if (!text.isEmpty()) {
        std::int64_t v = TextToInt(text);
        if (step != 0) // a zero step would divide by zero; it means no raster
            v -= v % step;
        if (InRange(v, min, max))
            result = v;
    }
    if (result == 0 && offSwitch)
        return offText;
    return QString::number(result);
}

QString ValidateDecField(const QString& text, int min, int max, int def, bool offSwitch, const QString& offText)
{
    std::int64_t result = def;
    if (!text.isEmpty()) {
        const std::int64_t v = ParseTenths(text);
        if (InRange(v, min, max))
            result = v;
    }
    if (result == 0 && offSwitch)
        return offText;
    return FormatTenths(result);
}

std::int64_t SpinValue(std::int64_t value, int min, int max, int delta)
{
    std::int64_t v = Tame(value) + delta;
    const std::int64_t step = delta < 0 ? -std::int64_t{delta} : delta;
    if (step > 1 && v % step != 0) {
        if (delta > 0)
            v -= ((v % step) + step) % step; // down, also below zero
        else if (v < 0)
            v = 0;
        else
            v += step - v % step;
    }
    if (!InRange(v, min, max))
        v = delta > 0 ? min : max;
    return v;
}

QString SpinIntField(const QString& text, int min, int max, int delta, bool offSwitch, const QString& offText)
{
    const std::int64_t v = SpinValue(TextToInt(text), min, max, delta);
    if (v == min && offSwitch)
        return offText;
    return QString::number(v);
}

QString SpinDecField(const QString& text, int min, int max, int delta, bool offSwitch, const QString& offText)
{
    const std::int64_t v = SpinValue(ParseTenths(text), min, max, delta);
    if (v == min && offSwitch)
        return offText;
    return FormatTenths(v);
}

int ComboIndexToSelect(const QStringList& items, int value, bool byText)
{
    if (byText)
        return static_cast<int>(items.indexOf(QString::number(value)));
    return value >= 0 && value < items.size() ? value : -1;
}
