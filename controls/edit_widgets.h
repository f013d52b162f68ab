#pragma once

#include <QString>

class UpDown;
class QComboBox;
class QLineEdit;

// The shared edit rules on real controls: each rewrites the control's text in
// place (the numeric rules themselves live in codecs/edit_helpers.h).

// Integer box left: in range (snapped down to the step) or the default; 0 may show offText.
void ValidateIntField(QLineEdit* edit, int min, int max, int def, int step, bool offSwitch = false,
                      const QString& offText = QString());
// One-decimal box, values in tenths.
void ValidateDecField(QLineEdit* edit, int min, int max, int def, bool offSwitch = false,
                      const QString& offText = QString());
// An up-down press on its buddy: range from the up-down, min may show offText.
void SpinIntField(UpDown* upDown, int delta, bool offSwitch = false, const QString& offText = QString());
void SpinDecField(UpDown* upDown, int delta, bool offSwitch = false, const QString& offText = QString());
// A combo box without a selection gets one: the item reading value "%d" (by
// text) or the item at index value.
void EnsureComboSelection(QComboBox* combo, int value, bool byText = false);
// Selects the first item that begins with text, ignoring case, as a list
// box's select-by-text does; false (selection unchanged) when none does.
bool SelectByPrefix(QComboBox* combo, const QString& text);
