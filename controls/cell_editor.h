#pragma once

#include <QApplication>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QShowEvent>
#include <QString>
#include <QWidget>

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
