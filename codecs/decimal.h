#pragma once

#include <QString>

#include <cstdint>
#include <optional>

// Typed numbers are read the way C's atof/atoi read them, but never through
// the C library: Qt sets the process locale, and in a comma-decimal locale
// strtod would read "145.525" as 145.

// The leading number of the text: white space, sign, digits, '.', digits and
// an optional exponent; the rest is ignored. No number, or one beyond the
// range of a double, reads as 0.
double ParseDouble(const QString& text);

// atoi: leading white space, sign, digits; 0 when there are none. Saturates
// at the limits of int.
int TextToInt(const QString& text);

// As TextToInt, but empty when no digit was read (scanf "%d" reading nothing).
std::optional<int> ReadInt(const QString& text);

// d x 10^pow10, truncated toward zero, worked on d's 15 significant decimal
// digits rather than in binary, so that 145.525 x 10^5 is 14552500 and not
// 14552499. NaN and infinities give 0; results beyond int64 saturate.
std::int64_t ScaleDouble(double d, int pow10);
std::int64_t ScaleDecimal(const QString& text, int pow10);

// value x 10^-decimals printed with exactly that many fraction digits, as
// "%.Nf" would print it, but from the integer (no binary rounding).
QString FormatScaled(std::int64_t value, int decimals);

// Frequencies: MHz text <-> 10 Hz units; printed "%3.5f".
std::int64_t ParseMHz(const QString& text);
QString FormatMHz(std::int64_t v);

// One-decimal values held as tenths; printed "%.1f".
std::int64_t ParseTenths(const QString& text);
QString FormatTenths(std::int64_t tenths);

// trunc(dividend / d + 0.5) with d = divisorUnits x 10^-divisorDecimals, in
// exact rational arithmetic: (6600, 7324, 4) is 6600 / 0.7324 + 0.5 -> 9011.
// divisorDecimals is limited to 0..9; a zero divisor gives 0.
std::int64_t DivideDecimalHalfUp(std::int32_t dividend, std::int32_t divisorUnits, int divisorDecimals);
