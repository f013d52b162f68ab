#include "signalling/form_parts.h"

#include "controls/cell_editors.h"
#include "controls/up_down.h"

#include <QComboBox>
#include <QEvent>
#include <QFocusEvent>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>

namespace {
const QString kHookName = QStringLiteral("signalFormFocusHook");

class FocusHook : public QObject {
public:
    FocusHook(QWidget* w, QEvent::Type type, std::function<void()> fn)
        : QObject(w), m_type(type), m_fn(std::move(fn))
    {
        setObjectName(kHookName);
        w->installEventFilter(this);
    }

    void detach() { m_fn = nullptr; }

protected:
    bool eventFilter(QObject*, QEvent* event) override
    {
        if (m_fn && event->type() == m_type && static_cast<QFocusEvent*>(event)->reason() != Qt::PopupFocusReason)
            m_fn();
        return false;
    }

private:
    QEvent::Type m_type;
    std::function<void()> m_fn;
};
} // namespace

namespace SignalForm {

QLineEdit* NewEdit(QWidget* parent, int id, int maxLength)
{
    auto* edit = new QLineEdit(parent);
    edit->setObjectName(QString::number(id));
    edit->setMaxLength(maxLength);
    return edit;
}

CUpDown* NewUpDown(QLineEdit* buddy, int id, int min, int max)
{
    auto* arrows = new CUpDown(buddy, buddy->parentWidget());
    arrows->setObjectName(QString::number(id));
    arrows->setRange(min, max);
    return arrows;
}

QComboBox* NewDropList(QWidget* parent, int id, const QStringList& items)
{
    auto* combo = new QComboBox(parent);
    combo->setObjectName(QString::number(id));
    combo->addItems(items);
    combo->setCurrentIndex(-1);
    return combo;
}

QStringList ListTexts(OptionList items)
{
    QStringList list;
    for (const char* item : items)
        list << QString::fromLatin1(item);
    return list;
}

QWidget* WithArrows(QLineEdit* edit, CUpDown* arrows)
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

void PutLabelled(QGridLayout* grid, int row, int col, const QString& label, QWidget* control)
{
    auto* text = new QLabel(label);
    text->setBuddy(control);
    grid->addWidget(text, row, col);
    grid->addWidget(control, row, col + 1);
}

CharInputFilter* FilterChars(QLineEdit* edit, const CharFilter& filter, bool upperCase)
{
    auto* f = new CharInputFilter(edit);
    f->setAccepted(filter);
    f->setUpperCase(upperCase);
    f->attach(edit);
    return f;
}

void OnFocusOut(QWidget* w, std::function<void()> fn) { new FocusHook(w, QEvent::FocusOut, std::move(fn)); }

void OnFocusIn(QWidget* w, std::function<void()> fn) { new FocusHook(w, QEvent::FocusIn, std::move(fn)); }

void DetachFocusHooks(QWidget* root)
{
    for (QObject* o : root->findChildren<QObject*>(kHookName))
        if (auto* hook = dynamic_cast<FocusHook*>(o))
            hook->detach();
}

void SelectIndex(QComboBox* combo, int index)
{
    combo->setCurrentIndex(index >= 0 && index < combo->count() ? index : -1);
}

} // namespace SignalForm
