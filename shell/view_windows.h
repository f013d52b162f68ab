#pragma once

#include "shell/view_catalog.h"

#include <QObject>
#include <QPointer>

#include <array>
#include <optional>
#include <vector>

class Document;
class QAction;
class QDockWidget;
class QMainWindow;
class QMdiArea;
class QMdiSubWindow;
class QMenu;
class QTreeWidget;
class QTreeWidgetItem;
class ViewSubWindow;

// The main window's workspace: one sub-window per kind of view, the list of
// them in the Window menu, Cascade and Arrange Icons, and the tree that
// opens views and follows the one in front.
class ViewWindows : public QObject {
    Q_OBJECT
public:
    ViewWindows(QMainWindow& window, Document& document, ViewFactory makeView);

    QMdiArea* area() const { return m_mdi; }
    QTreeWidget* tree() const { return m_tree; }

    // Opens (or brings forward) a view; null when it cannot be made.
    ViewSubWindow* open(ViewKind kind);
    // The open view of a kind; null when there is none.
    ViewSubWindow* subWindow(ViewKind kind) const;
    // The open views, the one in front first.
    std::vector<ViewSubWindow*> inZOrder() const;
    // The channel table at its own size in the top left corner.
    void openChannelTableAtTopLeft();

    // Window > Cascade: each view at its own size where the workspace allows,
    // one title bar below the one before. Window > Arrange Icons: the
    // minimised views in a row along the foot of the workspace.
    void cascade();
    void arrangeMinimised();
    // Lists the open views below the menu's commands each time it opens.
    void listViewsIn(QMenu* menu);
    // The tree in a dock at the window's left; the toggle shows and hides it.
    void createTree(const QString& modelName, QAction* toggle);

signals:
    // A view was made and has loaded itself; it shows next.
    void viewMade(ViewSubWindow* frame);
    // Another view came to the front; left is null when none was in front.
    void switched(ViewSubWindow* left, ViewSubWindow* entered);
    // A tree item was clicked.
    void commandRequested(int id);

private:
    // The kind of view a frame holds; nullopt for none of ours.
    std::optional<ViewKind> kindOf(const QMdiSubWindow* frame) const;
    void followInTree(const QMdiSubWindow* frame);
    void updateWindowMenu(QMenu* menu);
    void onTreeClicked(QTreeWidgetItem* item);
    void onSubWindowActivated(QMdiSubWindow* window);

    QMainWindow& m_window;
    Document& m_document;
    ViewFactory m_makeView;
    QMdiArea* m_mdi;
    QTreeWidget* m_tree = nullptr;
    QDockWidget* m_treeBar = nullptr;
    QList<QAction*> m_windowViewActions;
    std::array<QPointer<ViewSubWindow>, kViewKindCount> m_frames;
    QPointer<ViewSubWindow> m_active;
};
