#pragma once

#include <QString>

#include <cstdint>

// Text fields of the selective-calling regions.

// Code digits "0".."F", one byte per digit (value 0..15), 0xFF after the
// last. Writing fills all `size` bytes with 0xFF, then converts at most
// `size` characters, stopping at the first that is not a hex digit (either
// case); reading stops at the first byte above 15.
void WriteCodeDigits(std::uint8_t* bytes, int size, const QString& text);
QString ReadCodeDigits(const std::uint8_t* bytes, int size);

// Plain text, 0xFF after it. Writing fills all `size` bytes with 0xFF, then
// copies at most `size` characters up to the first that is not printable
// ASCII; reading stops at the first byte that is not printable ASCII.
void WriteImageText(std::uint8_t* bytes, int size, const QString& text);
QString ReadImageText(const std::uint8_t* bytes, int size);
