#include "settings/form_builder.h"

#include "controls/up_down.h"
#include "settings/edit_widgets.h"

#include <QComboBox>
#include <QEvent>
#include <QFocusEvent>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QValidator>

#include <algorithm>

namespace {
class FocusLostHook : public QObject {
public:
    FocusLostHook(QWidget* w, std::function<void()> fn) : QObject(w), m_fn(std::move(fn)) { w->installEventFilter(this); }

protected:
    bool eventFilter(QObject*, QEvent* event) override
    {
        if (event->type() == QEvent::FocusOut &&
            static_cast<QFocusEvent*>(event)->reason() != Qt::PopupFocusReason)
            m_fn();
        return false;
    }

private:
    std::function<void()> m_fn;
};

// Text longer than the limit is refused while typing. A longer text the
// program put there is not cut; typing into it is free until it is short
// enough, because the line edit only undoes a change that turned a valid
// text invalid.
class TypedLengthLimit : public QValidator {
public:
    TypedLengthLimit(QObject* parent, int maxTyped) : QValidator(parent), m_max(maxTyped) {}
    void setLimit(int maxTyped) { m_max = maxTyped; }

    State validate(QString& input, int&) const override { return input.size() <= m_max ? Acceptable : Invalid; }

private:
    int m_max;
};
} // namespace

namespace SettingsForm {

QStringList ToStringList(OptionList items)
{
    QStringList list;
    for (const char* item : items)
        list << QString::fromLatin1(item);
    return list;
}

QComboBox* MakeDropList(QWidget* parent, int id, const QStringList& items)
{
    auto* combo = new QComboBox(parent);
    combo->setObjectName(QString::number(id));
    combo->setEditable(false);
    combo->setSizeAdjustPolicy(QComboBox::AdjustToContents); // no item is cut short
    combo->addItems(items);
    combo->setCurrentIndex(-1); // nothing chosen until the form loads
    return combo;
}

QComboBox* MakeDropList(QWidget* parent, int id, OptionList items)
{
    return MakeDropList(parent, id, ToStringList(items));
}

QLineEdit* MakeEdit(QWidget* parent, int id, int maxLength)
{
    auto* edit = new QLineEdit(parent);
    edit->setObjectName(QString::number(id));
    edit->setMaxLength(maxLength);
    return edit;
}

QLineEdit* MakeNumberEdit(QWidget* parent, int id, int maxTyped)
{
    auto* edit = new QLineEdit(parent);
    edit->setObjectName(QString::number(id));
    LimitTyping(edit, maxTyped);
    return edit;
}

void LimitTyping(QLineEdit* edit, int maxTyped)
{
    if (auto* limit = dynamic_cast<TypedLengthLimit*>(const_cast<QValidator*>(edit->validator())))
        limit->setLimit(maxTyped);
    else
        edit->setValidator(new TypedLengthLimit(edit, maxTyped));
}

CUpDown* MakeUpDown(QLineEdit* buddy, int id, int min, int max)
{
    auto* arrows = new CUpDown(buddy, buddy->parentWidget());
    arrows->setObjectName(QString::number(id));
    arrows->setRange(min, max);
    return arrows;
}

QWidget* EditWithArrows(QLineEdit* edit, CUpDown* arrows)
{
    auto* box = new QWidget(edit->parentWidget());
    auto* layout = new QHBoxLayout(box);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(1);
    edit->setParent(box);
    arrows->setParent(box);
    layout->addWidget(edit, 1);
    layout->addWidget(arrows);
    return box;
}

void AddLabelled(QGridLayout* grid, int row, int col, const QString& label, QWidget* control)
{
    auto* text = new QLabel(label);
    text->setBuddy(control);
    grid->addWidget(text, row, col);
    grid->addWidget(control, row, col + 1);
}

void OnFocusLost(QWidget* w, std::function<void()> fn) { new FocusLostHook(w, std::move(fn)); }

void DropFocusHooks(QWidget* root)
{
    for (QWidget* w : root->findChildren<QWidget*>())
        for (QObject* child : w->children())
            if (auto* hook = dynamic_cast<FocusLostHook*>(child))
                delete hook;
}

void SelectIndex(QComboBox* combo, int index)
{
    combo->setCurrentIndex(index >= 0 && index < combo->count() ? index : -1);
}

bool SelectStartingWith(QComboBox* combo, const QString& text)
{
    // A list box searched for nothing keeps what it has.
    return !text.isEmpty() && SelectByPrefix(combo, text);
}

int SelectedIndexOrZero(const QComboBox* combo) { return std::max(combo->currentIndex(), 0); }

} // namespace SettingsForm
