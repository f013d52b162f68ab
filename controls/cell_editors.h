#pragma once

#include "codecs/option_lists.h"

#include <QApplication>
#include <QComboBox>
#include <QContextMenuEvent>
#include <QFocusEvent>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QShowEvent>
#include <QStringList>

#include <functional>
#include <optional>
#include <string>

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

// What the grid needs of an in-place editor. An edit session starts when the
// editor is shown and ends at the first of: losing the focus (commit), Enter
// (commit), commitEdit() (commit), being hidden or cancelEdit() (no commit).
// A commit hides the editor, hands the focus back to its parent when it had
// it, and then announces the text exactly once.
class CellEditor {
public:
    // While one lives, commitEdit() leaves an edit open: a view stored
    // because the focus moved (from the grid into its own editor, or into a
    // drop-down's list) takes its cells as committed so far and leaves the
    // edit going.
    class KeepEditsOpen {
    public:
        KeepEditsOpen() { ++s_keepOpen; }
        ~KeepEditsOpen() { --s_keepOpen; }
        KeepEditsOpen(const KeepEditsOpen&) = delete;
        KeepEditsOpen& operator=(const KeepEditsOpen&) = delete;
    };
    static bool editsKeptOpen() { return s_keepOpen > 0; }

    virtual ~CellEditor() = default;
    virtual void setCellText(const QString& text) = 0; // show a cell's text
    virtual QString cellText() const = 0;              // the text a commit reports
    virtual bool isEditing() const = 0;
    virtual void commitEdit() = 0;
    virtual void cancelEdit() = 0;

private:
    inline static int s_keepOpen = 0;
};

// The session logic shared by the three editors.
template <class Widget> class CellEditorBase : public Widget, public CellEditor {
public:
    explicit CellEditorBase(QWidget* parent) : Widget(parent)
    {
        // Created hidden, so an editor never shows before it is placed.
        Widget::hide();
    }

    bool isEditing() const override { return m_editing; }
    void setEscapeCancels(bool on) { m_escapeCancels = on; }
    void commitEdit() override
    {
        if (!editsKeptOpen())
            finish(false);
    }
    void cancelEdit() override
    {
        if (!m_editing)
            return;
        m_editing = false;
        handFocusBack();
        Widget::hide();
    }

protected:
    virtual void announceCommit(const QString& text) = 0;
    virtual void announceEnter() = 0;

    void showEvent(QShowEvent* e) override
    {
        Widget::showEvent(e);
        if (!e->spontaneous())
            m_editing = true;
    }
    void hideEvent(QHideEvent* e) override
    {
        if (!e->spontaneous())
            m_editing = false; // hidden by someone else: the edit is dropped
        Widget::hideEvent(e);
    }
    void focusOutEvent(QFocusEvent* e) override
    {
        Widget::focusOutEvent(e);
        // A drop-down or context menu opening is still part of the edit, and
        // so is the focus moving into the drop-down's own list.
        if (e->reason() != Qt::PopupFocusReason && !ownsFocusWidget())
            finish(false);
    }
    void keyPressEvent(QKeyEvent* e) override
    {
        if ((e->key() == Qt::Key_Return || e->key() == Qt::Key_Enter) && m_editing) {
            e->accept();
            finish(true);
            return;
        }
        // Escape drops the edit where the owner asked for it: the cell keeps its text.
        if (e->key() == Qt::Key_Escape && m_editing && m_escapeCancels) {
            e->accept();
            cancelEdit();
            return;
        }
        Widget::keyPressEvent(e);
    }

private:
    // The focus is in a widget of ours, such as the list of a drop-down,
    // which is a window of its own.
    bool ownsFocusWidget() const
    {
        for (const QWidget* w = QApplication::focusWidget(); w; w = w->parentWidget())
            if (w == this)
                return w != QApplication::focusWidget();
        return false;
    }
    void finish(bool byEnter)
    {
        if (!m_editing)
            return;
        m_editing = false;
        const QString text = cellText();
        handFocusBack();
        Widget::hide();
        announceCommit(text);
        if (byEnter)
            announceEnter();
    }
    // Hiding a focused widget would pass the focus to whatever comes next in
    // the tab order; the grid under the editor is where it belongs. When the
    // window itself lost the focus, the grid is where it comes back to.
    void handFocusBack()
    {
        const bool focused = Widget::hasFocus() || Widget::window()->focusWidget() == this;
        if (focused && Widget::parentWidget())
            Widget::parentWidget()->setFocus(Qt::OtherFocusReason);
    }

    bool m_editing = false;
    bool m_escapeCancels = false;
};

// Edit box over a cell, with a character filter and a maximum length.
class CellLineEdit : public CellEditorBase<QLineEdit> {
    Q_OBJECT
public:
    explicit CellLineEdit(QWidget* parent = nullptr);

    CharInputFilter* filter() const { return m_filter; }
    void setCharFilter(const CharFilter& filter) { m_filter->setAccepted(filter); }
    void setUpperCase(bool on) { m_filter->setUpperCase(on); }
    void setCharCheck(std::function<bool(QChar)> check) { m_filter->setCharCheck(std::move(check)); }

    // The text, all of it selected so that typing replaces it.
    void setCellText(const QString& text) override;
    QString cellText() const override { return text(); }

signals:
    void committed(const QString& text);
    void enterPressed(); // after committed(), when Enter ended the edit

protected:
    void announceCommit(const QString& text) override { emit committed(text); }
    void announceEnter() override { emit enterPressed(); }

private:
    CharInputFilter* m_filter;
};

// Drop-down list over a cell: the user can only pick one of its items.
class CellDropList : public CellEditorBase<QComboBox> {
    Q_OBJECT
public:
    explicit CellDropList(QWidget* parent = nullptr);

    void setItems(const QStringList& items);
    void setItems(OptionList items);

    // Selects the item equal to text (exact); no selection when none is.
    void setCellText(const QString& text) override;
    // The selected item's text; empty without a selection.
    QString cellText() const override;

signals:
    void committed(const QString& text);
    void enterPressed();

protected:
    void announceCommit(const QString& text) override { emit committed(text); }
    void announceEnter() override { emit enterPressed(); }
};

// Combo box with an edit over a cell: pick an item or type a value.
class CellCombo : public CellEditorBase<QComboBox> {
    Q_OBJECT
public:
    explicit CellCombo(QWidget* parent = nullptr);

    void setItems(const QStringList& items);
    void setItems(OptionList items);
    void setMaxLength(int length);
    int maxLength() const;

    CharInputFilter* filter() const { return m_filter; }
    void setCharFilter(const CharFilter& filter) { m_filter->setAccepted(filter); }
    void setUpperCase(bool on) { m_filter->setUpperCase(on); }
    void setCharCheck(std::function<bool(QChar)> check) { m_filter->setCharCheck(std::move(check)); }

    // The edit text, all of it selected; the list is not searched.
    void setCellText(const QString& text) override;
    QString cellText() const override { return currentText(); }

signals:
    void committed(const QString& text);
    void enterPressed();

protected:
    void announceCommit(const QString& text) override { emit committed(text); }
    void announceEnter() override { emit enterPressed(); }

private:
    CharInputFilter* m_filter;
};
