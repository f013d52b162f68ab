#pragma once

#include "channels/codecs/option_lists.h"

#include <QString>
#include <QStringList>

#include <functional>

class CharInputFilter;
class CUpDown;
class QComboBox;
class QGridLayout;
class QLineEdit;
class QWidget;

// Controls of the signalling forms, named by their ids so that tests and
// help find them.
namespace SignalForm {
QLineEdit* NewEdit(QWidget* parent, int id, int maxLength);
CUpDown* NewUpDown(QLineEdit* buddy, int id, int min, int max);
// A drop-down list, nothing chosen until the form loads.
QComboBox* NewDropList(QWidget* parent, int id, const QStringList& items);
QStringList ListTexts(OptionList items);
// The edit with its arrows beside it, as one cell of a form.
QWidget* WithArrows(QLineEdit* edit, CUpDown* arrows);
// A label and its control in columns col and col + 1.
void PutLabelled(QGridLayout* grid, int row, int col, const QString& label, QWidget* control);

// Typed characters outside `filter` never reach the edit and pasted text
// loses them; upperCase turns typed letters into capitals first.
CharInputFilter* FilterChars(QLineEdit* edit, const CharFilter& filter, bool upperCase = false);

// fn runs when w loses or gains the keyboard focus (not to or back from
// one of its own pop-ups).
void OnFocusOut(QWidget* w, std::function<void()> fn);
void OnFocusIn(QWidget* w, std::function<void()> fn);

// Silences the focus hooks of root's children. A form calls it from its
// destructor: its children outlive its members and still see focus events
// while the base widget tears them down.
void DetachFocusHooks(QWidget* root);

// The item at index; an index outside the list leaves no selection.
void SelectIndex(QComboBox* combo, int index);
} // namespace SignalForm
