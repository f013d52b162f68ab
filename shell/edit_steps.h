#pragma once

#include <QCoreApplication>

#include <functional>

class Document;
class DocumentHistory;
class MainWindow;
class QAction;
class QWidget;
class ViewSubWindow;
class ViewWindows;

// How the views' edits become the steps of Edit > Undo and Redo: a field
// left for another of the same view stores that view as one step, leaving a
// view stores it, and undo and redo reload the open views.
class EditSteps {
    Q_DECLARE_TR_FUNCTIONS(MainWindow) // the texts of the window's commands
public:
    EditSteps(MainWindow& window, DocumentHistory& history, ViewWindows& views, QAction& undo, QAction& redo);

    void undo();
    void redo();
    // After the document was replaced: the views store what they loaded, and
    // that is the unmodified point where a new history starts.
    void startHistory();
    // One view's store as one named step of the history.
    void storeViewInStep(ViewSubWindow* frame);
    // A store of what a view or dialog just loaded: not recorded, and part of
    // the unmodified state when the document was unmodified.
    void storeUnrecorded(const std::function<void()>& store);

private:
    void onFocusChanged(QWidget* old, QWidget* now);
    // The load pass after an undo or redo, recording nothing of its own.
    void reloadViewsUnrecorded();
    void updateUndoActions();

    MainWindow& m_window;
    Document& m_document;
    DocumentHistory& m_history;
    ViewWindows& m_views;
    QAction& m_undo;
    QAction& m_redo;
};
