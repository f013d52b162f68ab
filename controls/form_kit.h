#pragma once

#include "codecs/option_lists.h"

#include <QString>
#include <QStringList>

#include <functional>

class CharInputFilter;
class UpDown;
class QComboBox;
class QGridLayout;
class QLineEdit;
class QWidget;

// Small builders shared by the setting and signalling forms: controls named
// by their ids, so that tests and help find them.
namespace FormKit {

QStringList ToStringList(OptionList items);

// When a drop-down list measures its width: again whenever its items change
// (no item is cut short), or once, when it is first shown (Qt's default).
enum class ListWidth { FollowItems, AtFirstShow };

// A drop-down list (no typing) holding items in order; nothing is chosen
// until the form loads.
QComboBox* MakeDropList(QWidget* parent, int id, const QStringList& items = {},
                        ListWidth width = ListWidth::FollowItems);
QComboBox* MakeDropList(QWidget* parent, int id, OptionList items, ListWidth width = ListWidth::FollowItems);

// An edit whose text is cut at maxLength characters.
QLineEdit* MakeEdit(QWidget* parent, int id, int maxLength);
// At least wide enough to show maxLength characters of its text whole.
void FitToLength(QLineEdit* edit);
// A number edit whose typing stops at maxTyped characters, while the program
// may still show a longer word in it ("Continuous"): a limit on typing, not
// on the text.
QLineEdit* MakeNumberEdit(QWidget* parent, int id, int maxTyped);
void LimitTyping(QLineEdit* edit, int maxTyped);
// Typed characters outside `filter` never reach the edit and pasted text
// loses them; upperCase turns typed letters into capitals first.
CharInputFilter* FilterChars(QLineEdit* edit, const CharFilter& filter, bool upperCase = false);

UpDown* MakeUpDown(QLineEdit* buddy, int id, int min, int max);
// An edit the user reads but never types in, drawn on the window's colour
// so that it does not look like a field to fill in; its text can still be
// selected and copied.
void MakeReadOnly(QLineEdit* edit);
// The edit with its arrows beside it, as one cell of a form.
QWidget* EditWithArrows(QLineEdit* edit, UpDown* arrows);

// The spacing every form shares: its margins, the gap between a label and
// its field and between rows, and between two label/field column pairs.
inline constexpr int kFormMargin = 12;
inline constexpr int kLabelGap = 10;
inline constexpr int kRowGap = 8;
inline constexpr int kColumnGap = 28;
void SetFormSpacing(QGridLayout* grid, int margin = kFormMargin);
// Fields keep the width of their content instead of stretching across a
// large window: no column stretches but an empty one after the last column,
// and an empty row after the last row.
void KeepFieldWidths(QGridLayout* grid);

// A label and its control side by side in columns col, col + 1.
void AddLabelled(QGridLayout* grid, int row, int col, const QString& label, QWidget* control);

// fn runs whenever w loses or gains the keyboard focus, except to or back
// from one of its own pop-ups.
void OnFocusLost(QWidget* w, std::function<void()> fn);
void OnFocusGained(QWidget* w, std::function<void()> fn);
// Silences the focus hooks on root and everything under it. A form calls it
// first thing in its destructor: the focus still moves between its controls
// while the base classes tear them down, when the form's own members are
// already gone. Safe from inside a hook's own fn.
void DropFocusHooks(QWidget* root);

// Selects the item at index; an index outside the list leaves no selection.
void SelectIndex(QComboBox* combo, int index);
// SelectByPrefix, except that an empty text matches nothing.
bool SelectStartingWith(QComboBox* combo, const QString& text);
// The selected position, 0 without a selection.
int SelectedIndexOrZero(const QComboBox* combo);

} // namespace FormKit
