#include "controls/char_input_filter.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QContextMenuEvent>
#include <QCoreApplication>
#include <QGuiApplication>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMenu>
#include <QMouseEvent>

#include <memory>

CharInputFilter::CharInputFilter(QObject* parent) : QObject(parent) {}

void CharInputFilter::setAccepted(const CharFilter& filter)
{
    // Copied: the filter may view a string that does not outlive it.
    m_chars = std::string(filter.chars);
    m_lettersAndDigits = filter.lettersAndDigits;
}

void CharInputFilter::acceptAll()
{
    m_chars.reset();
    m_lettersAndDigits = false;
}

bool CharInputFilter::accepts(QChar c) const
{
    const QChar s = shown(c);
    if (m_chars && !AcceptsChar(CharFilter{*m_chars, m_lettersAndDigits}, s))
        return false;
    return !m_check || m_check(s);
}

QString CharInputFilter::filtered(const QString& text) const
{
    QString out;
    out.reserve(text.size());
    for (const QChar c : text)
        if (accepts(c))
            out.append(shown(c));
    return out;
}

void CharInputFilter::attach(QLineEdit* edit)
{
    edit->setAcceptDrops(false);
    edit->installEventFilter(this);
}

void CharInputFilter::attach(QComboBox* editableCombo)
{
    // Keys reach the combo box, which hands them to its edit directly.
    editableCombo->installEventFilter(this);
    if (QLineEdit* edit = editableCombo->lineEdit())
        attach(edit);
}

namespace {
QLineEdit* EditOf(QObject* watched)
{
    if (auto* edit = qobject_cast<QLineEdit*>(watched))
        return edit;
    if (auto* combo = qobject_cast<QComboBox*>(watched))
        return combo->lineEdit();
    return nullptr;
}
} // namespace

bool CharInputFilter::eventFilter(QObject* watched, QEvent* event)
{
    if (!active())
        return false;
    switch (event->type()) {
    case QEvent::KeyPress: return filterKey(watched, static_cast<QKeyEvent*>(event));
    case QEvent::InputMethod: return filterInputMethod(watched, static_cast<QInputMethodEvent*>(event));
    case QEvent::ContextMenu:
        if (auto* edit = qobject_cast<QLineEdit*>(watched))
            return contextMenu(edit, static_cast<QContextMenuEvent*>(event));
        return false;
    case QEvent::MouseButtonRelease: {
        // The middle button pastes the selection where the system has one.
        auto* mouse = static_cast<QMouseEvent*>(event);
        QLineEdit* edit = qobject_cast<QLineEdit*>(watched);
        if (!edit || mouse->button() != Qt::MiddleButton || !QGuiApplication::clipboard()->supportsSelection())
            return false;
        insertFiltered(edit, QGuiApplication::clipboard()->text(QClipboard::Selection));
        return true;
    }
    default: return false;
    }
}

bool CharInputFilter::filterKey(QObject* watched, QKeyEvent* key)
{
    if (key->matches(QKeySequence::Paste)) {
        QLineEdit* edit = EditOf(watched);
        if (!edit)
            return false;
        insertFiltered(edit, QGuiApplication::clipboard()->text());
        return true;
    }
    const QString text = key->text();
    if (text.isEmpty() || !text.front().isPrint())
        return false; // Backspace, Enter, Tab, Ctrl+C and the like
    // Shortcuts such as Cmd+A carry a letter; AltGr (Ctrl+Alt) types characters.
    const Qt::KeyboardModifiers mods = key->modifiers();
    if ((mods & (Qt::ControlModifier | Qt::MetaModifier)) && !(mods & Qt::AltModifier))
        return false;
    const QString kept = filtered(text);
    if (kept == text)
        return false;
    if (!kept.isEmpty()) {
        QKeyEvent changed(key->type(), key->key(), mods, kept, key->isAutoRepeat(), static_cast<quint16>(key->count()));
        QCoreApplication::sendEvent(watched, &changed);
    }
    return true;
}

bool CharInputFilter::filterInputMethod(QObject* watched, QInputMethodEvent* event)
{
    const QString& commit = event->commitString();
    const QString kept = filtered(commit);
    if (kept == commit)
        return false;
    QInputMethodEvent changed(event->preeditString(), event->attributes());
    changed.setCommitString(kept, event->replacementStart(), event->replacementLength());
    QCoreApplication::sendEvent(watched, &changed);
    return true;
}

bool CharInputFilter::contextMenu(QLineEdit* edit, QContextMenuEvent* event)
{
    // The standard menu, with Paste going through the filter. Older Qt
    // names no actions; there Paste is the item showing the paste shortcut.
    std::unique_ptr<QMenu> menu(edit->createStandardContextMenu());
    QAction* paste = menu->findChild<QAction*>(QStringLiteral("edit-paste"));
    const QString shortcut = QLatin1Char('\t') + QKeySequence(QKeySequence::Paste).toString(QKeySequence::NativeText);
    for (QAction* action : menu->actions())
        if (!paste && action->text().endsWith(shortcut))
            paste = action;
    if (!paste)
        return true; // no menu rather than an unfiltered paste
    disconnect(paste, &QAction::triggered, nullptr, nullptr);
    connect(paste, &QAction::triggered, this,
            [this, edit] { insertFiltered(edit, QGuiApplication::clipboard()->text()); });
    menu->exec(event->globalPos());
    return true;
}

void CharInputFilter::insertFiltered(QLineEdit* edit, const QString& text)
{
    if (edit->isReadOnly())
        return;
    const QString kept = filtered(text);
    // Pasting nothing over a selection would still delete it.
    if (!kept.isEmpty())
        edit->insert(kept);
}
