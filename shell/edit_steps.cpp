#include "shell/edit_steps.h"

#include "controls/base_form_view.h"
#include "controls/cell_editor.h"
#include "document/document.h"
#include "shell/document_history.h"
#include "shell/main_window.h"
#include "shell/view_sub_window.h"
#include "shell/view_windows.h"

#include <QAction>
#include <QApplication>
#include <QMdiArea>
#include <QPointer>
#include <QTimer>
#include <QUndoStack>

namespace {
ViewSubWindow* FrameOf(QWidget* w)
{
    for (; w; w = w->parentWidget())
        if (auto* f = qobject_cast<ViewSubWindow*>(w))
            return f;
    return nullptr;
}
} // namespace

EditSteps::EditSteps(MainWindow& window, DocumentHistory& history, ViewWindows& views, QAction& undo, QAction& redo)
    : m_window(window), m_document(window.document()), m_history(history), m_views(views), m_undo(undo), m_redo(redo)
{
    QObject::connect(m_history.stack(), &QUndoStack::indexChanged, &window, [this] { updateUndoActions(); });
    QObject::connect(m_history.stack(), &QUndoStack::cleanChanged, &window, [this] { updateUndoActions(); });
    QObject::connect(qApp, &QApplication::focusChanged, &window,
                     [this](QWidget* old, QWidget* now) { onFocusChanged(old, now); });
    updateUndoActions();
}

void EditSteps::startHistory()
{
    m_history.setPaused(true);
    m_window.StoreViewsToImage();
    m_history.setPaused(false);
    // The views show what they stored (a value they corrected, a hidden field cleared).
    m_window.LoadViewsFromImage();
    m_document.markUnmodified();
    m_history.clear();
}

void EditSteps::storeViewInStep(ViewSubWindow* frame)
{
    if (!frame || frame->closed() || !frame->view()->initialised())
        return;
    auto step = m_document.step(tr("Edit %1").arg(frame->windowTitle()));
    frame->view()->SaveToImage();
}

void EditSteps::storeUnrecorded(const std::function<void()>& store)
{
    // What a view or dialog stores of what it just loaded is no edit: a
    // file with values it corrects is not modified by merely looking at it.
    const bool wasModified = m_document.isModified();
    m_history.setPaused(true);
    store();
    m_history.setPaused(false);
    if (!wasModified)
        m_document.markUnmodified();
}

void EditSteps::onFocusChanged(QWidget* old, QWidget* now)
{
    // A field left for another field of the same view is one step. Leaving
    // the view is handled by its activation, a command by its store pass.
    ViewSubWindow* frame = FrameOf(old);
    if (!frame || frame != FrameOf(now) || frame->closed() || !frame->view()->storesOnFieldLeave() ||
        old->window() != &m_window)
        return;
    // After the focus events: the field's own rules run first.
    QPointer<ViewSubWindow> target(frame);
    QTimer::singleShot(0, &m_window, [this, target] {
        if (!target || QApplication::activeModalWidget())
            return;
        // A cell being edited is not a field left: its commit comes later,
        // as a focus move of its own.
        CellEditor::KeepEditsOpen keep;
        storeViewInStep(target);
    });
}

void EditSteps::undo()
{
    // Whatever the active view still holds is the step undone first.
    storeViewInStep(qobject_cast<ViewSubWindow*>(m_views.area()->activeSubWindow()));
    if (!m_history.stack()->canUndo())
        return;
    m_history.stack()->undo();
    reloadViewsUnrecorded();
}

void EditSteps::redo()
{
    if (!m_history.stack()->canRedo())
        return;
    m_history.stack()->redo();
    reloadViewsUnrecorded();
}

void EditSteps::reloadViewsUnrecorded()
{
    // A view that writes while it loads (channel 1 made to exist) is no step.
    m_history.setPaused(true);
    m_window.LoadViewsFromImage();
    m_history.setPaused(false);
}

void EditSteps::updateUndoActions()
{
    const QUndoStack* stack = m_history.stack();
    m_undo.setEnabled(stack->canUndo());
    m_redo.setEnabled(stack->canRedo());
    m_undo.setText(stack->canUndo() ? tr("&Undo %1").arg(stack->undoText()) : tr("&Undo"));
    m_redo.setText(stack->canRedo() ? tr("&Redo %1").arg(stack->redoText()) : tr("&Redo"));
}
