#pragma once

#include "channels/codecs/option_lists.h"

#include <QString>
#include <QStringList>

#include <functional>

class CUpDown;
class QComboBox;
class QGridLayout;
class QLineEdit;
class QWidget;

// Small builders shared by the basic-setting, DTMF and alarm forms: controls
// named by their ids.
namespace SettingsForm {

// A drop-down list (no typing) holding items in order.
QComboBox* MakeDropList(QWidget* parent, int id, const QStringList& items = {});
QComboBox* MakeDropList(QWidget* parent, int id, OptionList items);
QStringList ToStringList(OptionList items);
QLineEdit* MakeEdit(QWidget* parent, int id, int maxLength);
// A number edit whose typing stops at maxTyped characters, while the program
// may still show a longer word in it ("Continuous"): a limit on typing, not
// on the text.
QLineEdit* MakeNumberEdit(QWidget* parent, int id, int maxTyped);
void LimitTyping(QLineEdit* edit, int maxTyped);
CUpDown* MakeUpDown(QLineEdit* buddy, int id, int min, int max);
// The edit with its arrows beside it, as one cell of a form.
QWidget* EditWithArrows(QLineEdit* edit, CUpDown* arrows);

// A label and its control side by side in columns col, col + 1.
void AddLabelled(QGridLayout* grid, int row, int col, const QString& label, QWidget* control);

// Runs fn whenever w loses the keyboard focus (not to its own pop-ups).
void OnFocusLost(QWidget* w, std::function<void()> fn);
// Removes those hooks under root. A form calls it in its destructor: the
// focus leaves its edits while the base classes are torn down, when the
// form's own members are gone.
void DropFocusHooks(QWidget* root);

// Selects the item at index; an index outside the list leaves no selection.
void SelectIndex(QComboBox* combo, int index);
// SelectByPrefix, except that an empty text matches nothing.
bool SelectStartingWith(QComboBox* combo, const QString& text);
// The selected position, 0 without a selection.
int SelectedIndexOrZero(const QComboBox* combo);
} // namespace SettingsForm
