#pragma once

#include "document/radio_image.h"

#include <QString>
#include <QStringList>

#include <cstdint>

// Text rules of the basic-setting and alarm views that need no widgets.

// "%d" of each channel 1..800 of the bank starting at bankStart whose
// receive frequency is present, in ascending order.
QStringList NonEmptyChannelNumbers(const RadioImage& image, std::uint32_t bankStart);

// "%d" of each DTMF code 1..16 whose first digit byte is neither 0xFF nor 0x00.
QStringList PresentDtmfCodeNumbers(const RadioImage& image);

// Auto power-off tenths of an hour as the text the list is searched with:
// 0 is offText, others the hours printed "%G" (5 "0.5", 10 "1", 15 "1.5").
QString PowerOffSearchText(int tenths, const QString& offText);
// A list text back to tenths: the number times 10, truncated ("Off" is 0).
int PowerOffTenths(const QString& text);

// "Span Transit Exit Delay" item i: i x 0.1 printed "%.1f".
QString SpanExitDelayText(int i);

// The TOT edits: the text's integer (0 for text that is no number) held to
// min..max; 0 shows offText.
QString ClampTotText(const QString& text, int min, int max, const QString& offText);

// The alarm view's arrows: value + delta, and past either end a positive
// delta gives min, any other max. No raster.
std::int64_t WrapStep(std::int64_t value, int min, int max, int delta);

// Key P1..P4 (key = 0..3): the name a stored index shows (the key's default
// for an index outside the list), and the index a list text stores (the
// default when the text is no name).
QString KeyNameForIndex(int key, int index);
int KeyIndexForName(int key, const QString& name);
