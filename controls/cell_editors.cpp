#include "controls/cell_editors.h"

#include <QCoreApplication>

CharInputFilter::CharInputFilter(QObject* parent) : QValidator(parent) {}

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
    edit->setValidator(this);
    edit->installEventFilter(this);
}

void CharInputFilter::attach(QComboBox* editableCombo)
{
    editableCombo->setValidator(this);
    // Keys reach the combo box, which hands them to its edit directly.
    editableCombo->installEventFilter(this);
    if (QLineEdit* edit = editableCombo->lineEdit())
        edit->installEventFilter(this);
}

QValidator::State CharInputFilter::validate(QString& input, int& pos) const
{
    // Reached by pasted, dropped and composed text; typed keys were judged
    // already. Refused characters go, the cursor keeps its place.
    QString out;
    out.reserve(input.size());
    int newPos = 0;
    for (int i = 0; i < input.size(); ++i) {
        if (!accepts(input[i]))
            continue;
        out.append(shown(input[i]));
        if (i < pos)
            ++newPos;
    }
    input = out;
    pos = newPos;
    return Acceptable;
}

bool CharInputFilter::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() != QEvent::KeyPress)
        return false;
    auto* key = static_cast<QKeyEvent*>(event);
    const QString text = key->text();
    if (text.isEmpty() || !text.front().isPrint())
        return false; // Backspace, Enter, Tab, Ctrl+V and the like
    // Shortcuts such as Cmd+V carry a letter; AltGr (Ctrl+Alt) types characters.
    const Qt::KeyboardModifiers mods = key->modifiers();
    if ((mods & (Qt::ControlModifier | Qt::MetaModifier)) && !(mods & Qt::AltModifier))
        return false;
    const QString kept = filtered(text);
    if (kept == text)
        return false;
    if (!kept.isEmpty()) {
        QKeyEvent changed(key->type(), key->key(), mods, kept, key->isAutoRepeat(),
                          static_cast<quint16>(key->count()));
        QCoreApplication::sendEvent(watched, &changed);
    }
    return true;
}

// --- CCellLineEdit ---

CCellLineEdit::CCellLineEdit(QWidget* parent)
    : CellEditorBase<QLineEdit>(parent), m_filter(new CharInputFilter(this))
{
    m_filter->attach(this);
}

void CCellLineEdit::setCellText(const QString& text)
{
    setText(text);
    selectAll();
}

// --- CCellDropList ---

CCellDropList::CCellDropList(QWidget* parent) : CellEditorBase<QComboBox>(parent)
{
    setEditable(false);
}

void CCellDropList::setItems(const QStringList& items)
{
    clear();
    addItems(items);
    setCurrentIndex(-1);
}

void CCellDropList::setItems(OptionList items)
{
    QStringList list;
    for (const char* item : items)
        list << QString::fromLatin1(item);
    setItems(list);
}

void CCellDropList::setCellText(const QString& text)
{
    setCurrentIndex(findText(text, Qt::MatchExactly | Qt::MatchCaseSensitive));
}

QString CCellDropList::cellText() const
{
    return currentIndex() >= 0 ? currentText() : QString();
}

// --- CCellCombo ---

CCellCombo::CCellCombo(QWidget* parent)
    : CellEditorBase<QComboBox>(parent), m_filter(new CharInputFilter(this))
{
    setEditable(true);
    // The typed text is the value: no completion into list items and no
    // typed values added to the list.
    setCompleter(nullptr);
    setInsertPolicy(QComboBox::NoInsert);
    m_filter->attach(this);
}

void CCellCombo::setItems(const QStringList& items)
{
    const QString text = currentText();
    clear();
    addItems(items);
    setEditText(text);
}

void CCellCombo::setItems(OptionList items)
{
    QStringList list;
    for (const char* item : items)
        list << QString::fromLatin1(item);
    setItems(list);
}

void CCellCombo::setMaxLength(int length)
{
    lineEdit()->setMaxLength(length);
}

int CCellCombo::maxLength() const
{
    return lineEdit()->maxLength();
}

void CCellCombo::setCellText(const QString& text)
{
    setEditText(text);
    lineEdit()->selectAll();
}
