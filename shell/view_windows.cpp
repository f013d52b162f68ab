#include "shell/view_windows.h"

#include "controls/base_form_view.h"
#include "shell/command_table.h"
#include "shell/view_sub_window.h"

#include <QAction>
#include <QCoreApplication>
#include <QDockWidget>
#include <QMainWindow>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QStyle>
#include <QTreeWidget>

namespace {
// The tree's labels are the main window's texts, as in the Edit menu.
QString TreeLabel(const char* label)
{
    return QCoreApplication::translate("MainWindow", label);
}
} // namespace

ViewWindows::ViewWindows(QMainWindow& window, Document& document, ViewFactory makeView)
    : QObject(&window), m_window(window), m_document(document), m_makeView(std::move(makeView))
{
    m_mdi = new QMdiArea(&window);
    m_mdi->setObjectName(QStringLiteral("mdi"));
    window.setCentralWidget(m_mdi);
    connect(m_mdi, &QMdiArea::subWindowActivated, this, &ViewWindows::onSubWindowActivated);
}

std::optional<ViewKind> ViewWindows::kindOf(const QMdiSubWindow* frame) const
{
    for (int k = 0; k < kViewKindCount; ++k)
        if (frame && m_frames[static_cast<std::size_t>(k)] == frame)
            return static_cast<ViewKind>(k);
    return std::nullopt;
}

ViewSubWindow* ViewWindows::subWindow(ViewKind kind) const
{
    ViewSubWindow* f = m_frames[static_cast<std::size_t>(kind)];
    return f && !f->closed() ? f : nullptr;
}

ViewSubWindow* ViewWindows::open(ViewKind kind)
{
    QPointer<ViewSubWindow>& frame = m_frames[static_cast<std::size_t>(kind)];
    if (frame && frame->closed())
        frame = nullptr; // closed, deleted later: the next request makes a new one
    const bool table = kind == ViewKind::ChannelTable;
    if (frame && !table && m_mdi->activeSubWindow() == frame)
        return frame; // the active view is not reloaded
    if (frame) {
        m_mdi->setActiveSubWindow(frame);
        if (!table)
            frame->setFocus();
        return frame;
    }
    BaseFormView* view = m_makeView ? m_makeView(kind, m_document) : nullptr;
    if (!view)
        return nullptr;
    frame = new ViewSubWindow(view);
    m_mdi->addSubWindow(frame);
    frame->resize(ViewSize(kind));
    frame->setWindowTitle(ViewTitle(kind));
    view->ensureInitialised(); // the view loads itself from the image here
    emit viewMade(frame);
    if (table)
        frame->showMaximized();
    else
        frame->show();
    m_mdi->setActiveSubWindow(frame);
    if (!table)
        frame->setFocus();
    return frame;
}

void ViewWindows::openChannelTableAtTopLeft()
{
    if (ViewSubWindow* f = open(ViewKind::ChannelTable)) {
        f->showNormal();
        f->move(0, 0);
        f->resize(ViewSize(ViewKind::ChannelTable));
    }
}

std::vector<ViewSubWindow*> ViewWindows::inZOrder() const
{
    std::vector<ViewSubWindow*> frames;
    const QList<QMdiSubWindow*> stacked = m_mdi->subWindowList(QMdiArea::StackingOrder);
    for (auto it = stacked.rbegin(); it != stacked.rend(); ++it)
        if (auto* f = qobject_cast<ViewSubWindow*>(*it); f && !f->closed())
            frames.push_back(f);
    return frames;
}

void ViewWindows::onSubWindowActivated(QMdiSubWindow* window)
{
    auto* entered = qobject_cast<ViewSubWindow*>(window);
    if (!entered || entered == m_active)
        return; // the program losing focus changes nothing
    ViewSubWindow* left = m_active && !m_active->closed() ? m_active.data() : nullptr;
    emit switched(left, entered);
    m_active = entered;
    followInTree(entered);
}

void ViewWindows::cascade()
{
    // QMdiArea's own cascade sizes every window from its size hint, which a
    // scrolled view does not give.
    const QRect area = m_mdi->viewport()->rect();
    const int step = m_window.style()->pixelMetric(QStyle::PM_TitleBarHeight, nullptr, m_mdi) + 4;
    QPoint at(0, 0);
    for (QMdiSubWindow* frame : m_mdi->subWindowList(QMdiArea::StackingOrder)) {
        if (frame->isMinimized() || !frame->isVisible())
            continue;
        frame->showNormal();
        const std::optional<ViewKind> kind = kindOf(frame);
        const QSize wanted = kind ? ViewSize(*kind) : frame->size();
        // Smaller where the workspace ends; back to the top left once less than half would show.
        if (2 * (area.width() - at.x()) < wanted.width() || 2 * (area.height() - at.y()) < wanted.height())
            at = QPoint(0, 0);
        const QSize size = wanted.boundedTo(area.size() - QSize(at.x(), at.y()));
        frame->setGeometry(QRect(at, size));
        frame->raise();
        at += QPoint(step, step);
    }
}

void ViewWindows::arrangeMinimised()
{
    const QRect area = m_mdi->viewport()->rect();
    int x = 0;
    for (QMdiSubWindow* frame : m_mdi->subWindowList()) {
        if (!frame->isMinimized())
            continue;
        const QSize size = frame->size();
        if (x > 0 && x + size.width() > area.width())
            x = 0;
        frame->move(x, area.height() - size.height());
        x += size.width();
    }
}

void ViewWindows::listViewsIn(QMenu* menu)
{
    connect(menu, &QMenu::aboutToShow, this, [this, menu] { updateWindowMenu(menu); });
}

void ViewWindows::updateWindowMenu(QMenu* menu)
{
    // The open views after the commands, the one in front checked.
    for (QAction* a : m_windowViewActions)
        delete a;
    m_windowViewActions.clear();
    const QList<QMdiSubWindow*> frames = m_mdi->subWindowList();
    if (frames.isEmpty())
        return;
    m_windowViewActions << menu->addSeparator();
    int n = 0;
    for (QMdiSubWindow* frame : frames) {
        ++n;
        const QString text = n < 10 ? QStringLiteral("&%1 %2").arg(n).arg(frame->windowTitle())
                                    : QStringLiteral("%1 %2").arg(n).arg(frame->windowTitle());
        QAction* a = menu->addAction(text);
        a->setCheckable(true);
        a->setChecked(frame == m_mdi->activeSubWindow());
        connect(a, &QAction::triggered, this, [this, frame = QPointer<QMdiSubWindow>(frame)] {
            if (frame)
                m_mdi->setActiveSubWindow(frame);
        });
        m_windowViewActions << a;
    }
}

void ViewWindows::createTree(const QString& modelName, QAction* toggle)
{
    m_treeBar = new QDockWidget(QCoreApplication::translate("MainWindow", "Tree Bar"), &m_window);
    m_treeBar->setObjectName(QStringLiteral("2000"));
    m_tree = new QTreeWidget(m_treeBar);
    m_tree->setObjectName(QStringLiteral("2001"));
    m_tree->setHeaderHidden(true);
    m_tree->setRootIsDecorated(true);
    m_tree->setFrameShadow(QFrame::Sunken);
    auto* root = new QTreeWidgetItem(m_tree, {modelName});
    for (const TreeItem& t : TreeItems())
        new QTreeWidgetItem(root, {TreeLabel(t.label)});
    root->setExpanded(true);
    m_treeBar->setWidget(m_tree);
    m_treeBar->resize(150, 200);
    m_window.addDockWidget(Qt::LeftDockWidgetArea, m_treeBar);
    m_window.resizeDocks({m_treeBar}, {150}, Qt::Horizontal);
    connect(m_tree, &QTreeWidget::itemClicked, this, [this](QTreeWidgetItem* item) { onTreeClicked(item); });
    connect(toggle, &QAction::triggered, this, [this] { m_treeBar->setVisible(!m_treeBar->isVisible()); });
    connect(m_treeBar, &QDockWidget::visibilityChanged, this,
            [this, toggle] { toggle->setChecked(!m_treeBar->isHidden()); });
}

void ViewWindows::followInTree(const QMdiSubWindow* frame)
{
    // The tree shows which view is in front; selecting runs nothing (only a click does).
    const std::optional<ViewKind> kind = kindOf(frame);
    if (!kind || !m_tree)
        return;
    const int command = ViewInfo(*kind).commandId;
    QTreeWidgetItem* root = m_tree->topLevelItem(0);
    const std::span<const TreeItem> items = TreeItems();
    for (int i = 0; root && i < root->childCount() && i < static_cast<int>(items.size()); ++i)
        if (items[static_cast<std::size_t>(i)].command == command) {
            m_tree->setCurrentItem(root->child(i));
            return;
        }
}

void ViewWindows::onTreeClicked(QTreeWidgetItem* item)
{
    if (!item)
        return;
    // By label text, so the labels and the comparison texts are the same strings.
    const QString text = item->text(0);
    for (const TreeItem& t : TreeItems())
        if (text == TreeLabel(t.label)) {
            emit commandRequested(t.command);
            // A dialog's item stays highlighted no longer than its dialog.
            followInTree(m_mdi->activeSubWindow());
            return;
        }
}
