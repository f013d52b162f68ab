#pragma once

#include <QString>
#include <QStringList>

#include <cstdint>

// The numeric rules of the setting views' edit boxes and up-down buttons,
// text in, text out; the widgets only move the text. Where the off switch is
// set, the value named below shows as offText instead of a number.

// Integer box left: the typed value (snapped down to a multiple of step)
// when it lies in min..max, else def; 0 shows as offText.
QString ValidateIntField(const QString& text, int min, int max, int def, int step, bool offSwitch,
                         const QString& offText);

// One-decimal box, min/max/def in tenths, printed "%.1f"; 0 shows as offText.
QString ValidateDecField(const QString& text, int min, int max, int def, bool offSwitch, const QString& offText);

// One up-down step: value + delta, snapped to the delta's raster when
// |delta| is not 1 (down for a positive delta; up for a negative one, with a
// negative value becoming 0), then wrapped: past either end a positive delta
// gives min, any other gives max.
std::int64_t SpinValue(std::int64_t value, int min, int max, int delta);

// Up-down on an integer box; min shows as offText.
QString SpinIntField(const QString& text, int min, int max, int delta, bool offSwitch, const QString& offText);

// Up-down on a one-decimal box; min, max and delta in tenths; min shows as offText.
QString SpinDecField(const QString& text, int min, int max, int delta, bool offSwitch, const QString& offText);

// The item a combo box without a selection gets: by text, the item reading
// value as "%d"; otherwise the item at position value. -1 when there is none.
int ComboIndexToSelect(const QStringList& items, int value, bool byText);
