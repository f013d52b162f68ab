#pragma once

#include "codecs/option_lists.h"

#include <QObject>
#include <QString>

#include <functional>
#include <optional>
#include <string>

class QComboBox;
class QContextMenuEvent;
class QInputMethodEvent;
class QKeyEvent;
class QLineEdit;

// Decides which characters the user may put into an edit box. Printable
// keys outside the set are dropped before the box sees them, so a refused
// key neither inserts nor replaces the selection; pasted and composed text
// loses its refused characters; drops are refused. Text set by the program
// is never filtered, so a cell's text shows as it is.
class CharInputFilter : public QObject {
    Q_OBJECT
public:
    explicit CharInputFilter(QObject* parent = nullptr);

    // Only these characters (Backspace and other control keys always pass).
    void setAccepted(const CharFilter& filter);
    void acceptAll();
    // Typed letters become capitals; the filter then judges the capital.
    void setUpperCase(bool on) { m_upperCase = on; }
    bool upperCase() const { return m_upperCase; }
    // Further refusals that change while editing (for example the current
    // delimiter); asked for each character after the set above.
    void setCharCheck(std::function<bool(QChar)> check) { m_check = std::move(check); }

    bool accepts(QChar c) const;                 // c as typed
    QString filtered(const QString& text) const; // upper-cased, refused characters removed

    void attach(QLineEdit* edit);
    void attach(QComboBox* editableCombo);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QChar shown(QChar c) const { return m_upperCase ? c.toUpper() : c; }
    bool active() const { return m_chars || m_upperCase || m_check; }
    bool filterKey(QObject* watched, QKeyEvent* key);
    bool filterInputMethod(QObject* watched, QInputMethodEvent* event);
    bool contextMenu(QLineEdit* edit, QContextMenuEvent* event);
    void insertFiltered(QLineEdit* edit, const QString& text);

    std::optional<std::string> m_chars; // none: every character passes
    bool m_lettersAndDigits = false;
    bool m_upperCase = false;
    std::function<bool(QChar)> m_check;
};
