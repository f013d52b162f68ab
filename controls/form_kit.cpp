#include "controls/form_kit.h"

#include "controls/char_input_filter.h"
#include "controls/edit_widgets.h"
#include "controls/up_down.h"

#include <QComboBox>
#include <QEvent>
#include <QFocusEvent>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPalette>
#include <QValidator>

#include <algorithm>

namespace {
// Lives as a child of the widget it watches. Silencing keeps fn: it may be
// the very function running when the form goes away.
class FocusHook : public QObject {
public:
    FocusHook(QWidget* w, QEvent::Type type, std::function<void()> fn) : QObject(w), m_type(type), m_fn(std::move(fn))
    {
        w->installEventFilter(this);
    }

    void silence() { m_live = false; }

protected:
    bool eventFilter(QObject*, QEvent* event) override
    {
        if (m_live && event->type() == m_type && static_cast<QFocusEvent*>(event)->reason() != Qt::PopupFocusReason)
            m_fn();
        return false;
    }

private:
    QEvent::Type m_type;
    std::function<void()> m_fn;
    bool m_live = true;
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

namespace FormKit {

QStringList ToStringList(OptionList items)
{
    QStringList list;
    for (const char* item : items)
        list << QString::fromLatin1(item);
    return list;
}

QComboBox* MakeDropList(QWidget* parent, int id, const QStringList& items, ListWidth width)
{
    auto* combo = new QComboBox(parent);
    combo->setObjectName(QString::number(id));
    if (width == ListWidth::FollowItems)
        combo->setSizeAdjustPolicy(QComboBox::AdjustToContents);
    combo->addItems(items);
    combo->setCurrentIndex(-1);
    return combo;
}

QComboBox* MakeDropList(QWidget* parent, int id, OptionList items, ListWidth width)
{
    return MakeDropList(parent, id, ToStringList(items), width);
}

QLineEdit* MakeEdit(QWidget* parent, int id, int maxLength)
{
    auto* edit = new QLineEdit(parent);
    edit->setObjectName(QString::number(id));
    edit->setMaxLength(maxLength);
    return edit;
}

void FitToLength(QLineEdit* edit)
{
    // Digits and capitals are what these boxes hold; the frame and text
    // margins take about two characters more.
    const int chars = std::min(edit->maxLength(), 64);
    const QFontMetrics fm = edit->fontMetrics();
    edit->setMinimumWidth(fm.horizontalAdvance(QString(chars, QLatin1Char('0'))) + fm.averageCharWidth() * 2 + 8);
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

CharInputFilter* FilterChars(QLineEdit* edit, const CharFilter& filter, bool upperCase)
{
    auto* f = new CharInputFilter(edit);
    f->setAccepted(filter);
    f->setUpperCase(upperCase);
    f->attach(edit);
    return f;
}

UpDown* MakeUpDown(QLineEdit* buddy, int id, int min, int max)
{
    auto* arrows = new UpDown(buddy, buddy->parentWidget());
    arrows->setObjectName(QString::number(id));
    arrows->setRange(min, max);
    return arrows;
}

QWidget* EditWithArrows(QLineEdit* edit, UpDown* arrows)
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

void SetFormSpacing(QGridLayout* grid, int margin)
{
    grid->setContentsMargins(margin, margin, margin, margin);
    grid->setHorizontalSpacing(kLabelGap);
    grid->setVerticalSpacing(kRowGap);
}

void KeepFieldWidths(QGridLayout* grid)
{
    const int columns = grid->columnCount();
    const int rows = grid->rowCount();
    for (int c = 0; c < columns; ++c)
        grid->setColumnStretch(c, 0);
    for (int r = 0; r < rows; ++r)
        grid->setRowStretch(r, 0);
    grid->setColumnStretch(columns, 1);
    grid->setRowStretch(rows, 1);
}

void AddLabelled(QGridLayout* grid, int row, int col, const QString& label, QWidget* control)
{
    auto* text = new QLabel(label);
    text->setBuddy(control);
    grid->addWidget(text, row, col);
    grid->addWidget(control, row, col + 1);
}

void OnFocusLost(QWidget* w, std::function<void()> fn)
{
    new FocusHook(w, QEvent::FocusOut, std::move(fn));
}

void OnFocusGained(QWidget* w, std::function<void()> fn)
{
    new FocusHook(w, QEvent::FocusIn, std::move(fn));
}

void DropFocusHooks(QWidget* root)
{
    for (QObject* o : root->findChildren<QObject*>())
        if (auto* hook = dynamic_cast<FocusHook*>(o))
            hook->silence();
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

int SelectedIndexOrZero(const QComboBox* combo)
{
    return std::max(combo->currentIndex(), 0);
}

} // namespace FormKit

void FormKit::MakeReadOnly(QLineEdit* edit)
{
    edit->setReadOnly(true);
    QPalette palette = edit->palette();
    palette.setColor(QPalette::Base, palette.color(QPalette::Window));
    edit->setPalette(palette);
}
