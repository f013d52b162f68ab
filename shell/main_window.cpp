#include "shell/main_window.h"

#include "channels/channel_table_view.h"
#include "channels/vfo_dialog.h"
#include "controls/base_form_view.h"
#include "link/port_dialog.h"
#include "printing/print_controller.h"
#include "radio/core/band_plan_rules.h"
#include "radio/custom_data_dialog.h"
#include "radio/frequency_range_dialog.h"
#include "shell/about_dialog.h"
#include "shell/command_table.h"
#include "shell/commands.h"
#include "shell/core/app_settings.h"
#include "shell/core/edition.h"
#include "shell/core/recovery_file.h"
#include "shell/document_history.h"
#include "shell/help.h"
#include "shell/print_content.h"
#include "shell/service_access_dialog.h"
#include "shell/transfer_setup.h"
#include "shell/view_sub_window.h"

#include <QApplication>
#include <QCloseEvent>
#include <QDialog>
#include <QDockWidget>
#include <QHeaderView>
#include <QIcon>
#include <QKeyEvent>
#include <QLabel>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenuBar>
#include <QScreen>
#include <QSettings>
#include <QStatusBar>
#include <QStyle>
#include <QTimer>
#include <QToolBar>
#include <QTreeWidget>
#include <QUndoStack>

MainWindow::MainWindow(ViewFactory makeView) : m_makeView(std::move(makeView))
{
    setObjectName(QStringLiteral("MainWindow"));
    // Where the window was last time; else maximised, the whole frame on the
    // screen, with a normal size inside the work area to return to.
    if (!restoreGeometry(QSettings().value(QStringLiteral("MainWindow/Geometry")).toByteArray())) {
        if (QScreen* screen = QGuiApplication::primaryScreen()) {
            const QRect area = screen->availableGeometry();
            resize(area.size() * 4 / 5);
            move(area.center() - rect().center());
        }
        setWindowState(windowState() | Qt::WindowMaximized);
    }
    setWindowTitle(TitleModelName() + QStringLiteral("[*]"));
    m_history = new DocumentHistory(m_document, this);

    m_mdi = new QMdiArea(this);
    m_mdi->setObjectName(QStringLiteral("mdi"));
    setCentralWidget(m_mdi);
    connect(m_mdi, &QMdiArea::subWindowActivated, this, &MainWindow::onSubWindowActivated);

    createActions();
    createMenus();
    createToolBar();
    createStatusBar();
    createTree();

    m_print = new PrintController(*this, m_document, appSettings().defaultFileName, appSettings().modelName);
    m_print->storeViews = [this] { StoreViewsToImage(); };
    m_print->content = [this](PrintSections sections) { return BuildPrintSheet(m_document, sections); };

    m_document.newFromDefaults(appSettings().programFolder);
    openView(ViewKind::ChannelTable);
    m_comPane->setText(appSettings().portName);
    m_freqPane->setText(edition().freqPaneText);
    qApp->installEventFilter(this);

    connect(&m_document, &Document::modifiedChanged, this, &MainWindow::onModifiedChanged);
    connect(m_history->stack(), &QUndoStack::indexChanged, this, &MainWindow::updateUndoActions);
    connect(m_history->stack(), &QUndoStack::cleanChanged, this, &MainWindow::updateUndoActions);
    connect(qApp, &QApplication::focusChanged, this, &MainWindow::onFocusChanged);
    connect(qApp, &QGuiApplication::commitDataRequest, this, &MainWindow::onCommitData);
    m_recoveryTimer = new QTimer(this);
    m_recoveryTimer->setInterval(30 * 1000);
    connect(m_recoveryTimer, &QTimer::timeout, this, &MainWindow::writeRecoveryFile);
    startHistory();
    updateUndoActions();
}

MainWindow::~MainWindow()
{
    qApp->removeEventFilter(this);
    disconnect(qApp, nullptr, this, nullptr);
    disconnect(m_history->stack(), nullptr, this, nullptr);
    disconnect(&m_document, nullptr, this, nullptr);
    // The area outlives this part of the frame while it is torn down.
    disconnect(m_mdi, nullptr, this, nullptr);
    disconnect(m_treeBar, nullptr, this, nullptr);
}

void MainWindow::createActions()
{
    for (const CommandSpec& c : Commands()) {
        auto* a = new QAction(tr(c.text), this);
        a->setData(c.id);
        a->setObjectName(QString::number(c.id));
        if (c.key != QKeySequence::UnknownKey)
            a->setShortcuts(c.key);
        if (c.icon)
            a->setIcon(QIcon::fromTheme(QLatin1String(c.icon)));
        a->setStatusTip(tr(c.text).remove(QLatin1Char('&')));
        connect(a, &QAction::triggered, this, [this, id = c.id] { runCommand(id); });
        m_actions[c.id] = a;
    }
    for (int id : {Cmd::ViewToolbar, Cmd::ViewStatusBar, Cmd::TreeView}) {
        m_actions[id]->setCheckable(true);
        m_actions[id]->setChecked(true);
    }
    // The transfer log is the user's choice, kept from one run to the next.
    QAction* keepLog = m_actions[Cmd::KeepTransferLog];
    keepLog->setCheckable(true);
    keepLog->setChecked(QSettings().value(QLatin1String(kKeepTransferLogKey), false).toBool());
    connect(keepLog, &QAction::toggled, this,
            [](bool on) { QSettings().setValue(QLatin1String(kKeepTransferLogKey), on); });
    m_actions[Cmd::EditRedo]->setShortcuts(
        {QKeySequence(Qt::CTRL | Qt::Key_Y), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z)});
    for (int i = 0; i < RecentFileList::kSize; ++i) {
        auto* a = new QAction(this);
        a->setObjectName(QString::number(Cmd::FileMru1 + i));
        a->setVisible(false);
        connect(a, &QAction::triggered, this, [this, i] { openRecentFile(i); });
        m_recentActions[static_cast<std::size_t>(i)] = a;
    }
}

QAction* MainWindow::commandAction(int id) const
{
    auto it = m_actions.find(id);
    return it == m_actions.end() ? nullptr : it->second;
}

void MainWindow::createMenus()
{
    auto add = [this](QMenu* menu, std::initializer_list<int> ids) {
        for (int id : ids) {
            if (id == 0)
                menu->addSeparator();
            else
                menu->addAction(m_actions[id]);
        }
    };
    QMenu* file = menuBar()->addMenu(tr("&File"));
    add(file, {Cmd::FileNew, Cmd::FileOpen, Cmd::FileSave, Cmd::FileSaveAs, 0, Cmd::ImportChannels, Cmd::ExportChannels,
               0, Cmd::FilePrint, Cmd::FilePrintPreview, Cmd::ExportPdf, Cmd::FilePrintSetup});
    m_recentSeparator = file->addSeparator();
    for (QAction* a : m_recentActions)
        file->addAction(a);
    add(file, {0, Cmd::AppExit});
    updateRecentMenu();
    m_editMenu = menuBar()->addMenu(tr("&Edit"));
    // "Custom Data" is not in the menu until the service mode adds it.
    add(m_editMenu, {Cmd::EditUndo, Cmd::EditRedo, 0, Cmd::ChannelSetting, Cmd::Vfo, Cmd::ScanChannel,
                     Cmd::BasicSetting, Cmd::Dtmf, Cmd::TwoTone, Cmd::FiveTone, Cmd::Model, Cmd::FrequencyRange});
    add(menuBar()->addMenu(tr("&Program")), {Cmd::Read, Cmd::Write});
    add(menuBar()->addMenu(tr("&View")), {Cmd::ViewToolbar, Cmd::ViewStatusBar, Cmd::TreeView});
    add(menuBar()->addMenu(tr("&Setting")), {Cmd::Port, 0, Cmd::KeepTransferLog});
    m_windowMenu = menuBar()->addMenu(tr("&Window"));
    add(m_windowMenu, {Cmd::WindowCascade, Cmd::WindowTile, Cmd::WindowArrange});
    connect(m_windowMenu, &QMenu::aboutToShow, this, &MainWindow::updateWindowMenu);
    add(menuBar()->addMenu(tr("&Help")), {Cmd::HelpTopics, Cmd::OpenTransferLog, 0, Cmd::AppAbout});
}

void MainWindow::createToolBar()
{
    QToolBar* bar = addToolBar(tr("Toolbar"));
    bar->setObjectName(QStringLiteral("toolbar"));
    bar->setMovable(false);
    for (int id : {Cmd::FileNew, Cmd::FileOpen, Cmd::FileSave, 0, Cmd::EditUndo, Cmd::EditRedo, 0, Cmd::Read,
                   Cmd::Write, 0, Cmd::FilePrint, Cmd::Port, Cmd::AppAbout}) {
        if (id == 0) {
            bar->addSeparator();
            continue;
        }
        bar->addAction(m_actions[id]);
    }
    connect(m_actions[Cmd::ViewToolbar], &QAction::toggled, bar, &QToolBar::setVisible);
}

void MainWindow::createStatusBar()
{
    QStatusBar* bar = statusBar();
    auto pane = [bar](const QString& name, int width) {
        auto* label = new QLabel(bar);
        label->setObjectName(name);
        label->setMinimumWidth(width);
        label->setFrameShape(QFrame::Panel);
        label->setFrameShadow(QFrame::Sunken);
        bar->addPermanentWidget(label);
        return label;
    };
    m_comPane = pane(QStringLiteral("COM"), 50);
    m_freqPane = pane(QStringLiteral("Freq"), 100);
    for (const char* indicator : {"CAP", "NUM", "SCRL"}) {
        QLabel* l = pane(QString::fromLatin1(indicator), 30);
        l->setText(QString::fromLatin1(indicator));
        l->setEnabled(false);
    }
    bar->showMessage(tr("Ready"));
    connect(m_actions[Cmd::ViewStatusBar], &QAction::toggled, bar, &QStatusBar::setVisible);
}

void MainWindow::createTree()
{
    m_treeBar = new QDockWidget(tr("Tree Bar"), this);
    m_treeBar->setObjectName(QStringLiteral("2000"));
    m_tree = new QTreeWidget(m_treeBar);
    m_tree->setObjectName(QStringLiteral("2001"));
    m_tree->setHeaderHidden(true);
    m_tree->setRootIsDecorated(true);
    m_tree->setFrameShadow(QFrame::Sunken);
    auto* root = new QTreeWidgetItem(m_tree, {appSettings().modelName});
    for (const TreeItem& t : TreeItems())
        new QTreeWidgetItem(root, {tr(t.label)});
    root->setExpanded(true);
    m_treeBar->setWidget(m_tree);
    m_treeBar->resize(150, 200);
    addDockWidget(Qt::LeftDockWidgetArea, m_treeBar);
    resizeDocks({m_treeBar}, {150}, Qt::Horizontal);
    connect(m_tree, &QTreeWidget::itemClicked, this, [this](QTreeWidgetItem* item) { onTreeClicked(item); });
    connect(m_actions[Cmd::TreeView], &QAction::triggered, this,
            [this] { m_treeBar->setVisible(!m_treeBar->isVisible()); });
    connect(m_treeBar, &QDockWidget::visibilityChanged, this,
            [this] { m_actions[Cmd::TreeView]->setChecked(!m_treeBar->isHidden()); });
}

std::optional<ViewKind> MainWindow::kindOf(const QMdiSubWindow* frame) const
{
    for (int k = 0; k < kViewKindCount; ++k)
        if (frame && m_frames[static_cast<std::size_t>(k)] == frame)
            return static_cast<ViewKind>(k);
    return std::nullopt;
}

void MainWindow::followInTree(const QMdiSubWindow* frame)
{
    // The tree shows which view is in front; selecting runs nothing (only a click does).
    const std::optional<ViewKind> kind = kindOf(frame);
    if (!kind)
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

void MainWindow::updateWindowMenu()
{
    // The open views after the commands, the one in front checked.
    for (QAction* a : m_windowViewActions)
        delete a;
    m_windowViewActions.clear();
    const QList<QMdiSubWindow*> frames = m_mdi->subWindowList();
    if (frames.isEmpty())
        return;
    m_windowViewActions << m_windowMenu->addSeparator();
    int n = 0;
    for (QMdiSubWindow* frame : frames) {
        ++n;
        const QString text = n < 10 ? QStringLiteral("&%1 %2").arg(n).arg(frame->windowTitle())
                                    : QStringLiteral("%1 %2").arg(n).arg(frame->windowTitle());
        QAction* a = m_windowMenu->addAction(text);
        a->setCheckable(true);
        a->setChecked(frame == m_mdi->activeSubWindow());
        connect(a, &QAction::triggered, this, [this, frame = QPointer<QMdiSubWindow>(frame)] {
            if (frame)
                m_mdi->setActiveSubWindow(frame);
        });
        m_windowViewActions << a;
    }
}

void MainWindow::cascadeViews()
{
    // QMdiArea's own cascade sizes every window from its size hint, which a
    // scrolled view does not give.
    const QRect area = m_mdi->viewport()->rect();
    const int step = style()->pixelMetric(QStyle::PM_TitleBarHeight, nullptr, m_mdi) + 4;
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

void MainWindow::arrangeMinimisedViews()
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

void MainWindow::onTreeClicked(QTreeWidgetItem* item)
{
    if (!item)
        return;
    // By label text, so the labels and the comparison texts are the same strings.
    const QString text = item->text(0);
    for (const TreeItem& t : TreeItems())
        if (text == tr(t.label)) {
            runCommand(t.command);
            // A dialog's item stays highlighted no longer than its dialog.
            followInTree(m_mdi->activeSubWindow());
            return;
        }
}

void MainWindow::runCommand(int id)
{
    QAction* action = commandAction(id);
    if (action && !action->isEnabled())
        return;
    if (const CommandSpec* c = FindCommand(id))
        c->run(*this);
}

ViewSubWindow* MainWindow::viewFrame(ViewKind kind) const
{
    ViewSubWindow* f = m_frames[static_cast<std::size_t>(kind)];
    return f && !f->closed() ? f : nullptr;
}

ViewSubWindow* MainWindow::openView(ViewKind kind)
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
    connect(view, &BaseFormView::helpRequested, this, &MainWindow::showHelp);
    connect(frame, &ViewSubWindow::helpRequested, this, [this](BaseFormView* v) { showHelp(v->helpContext()); });
    view->ensureInitialised(); // the view loads itself from the image here
    if (auto* channels = qobject_cast<ChannelTableView*>(view)) {
        // The table's clipboard and row commands join the Edit menu while it is open.
        const std::vector<QAction*>& actions = channels->editActions();
        m_editMenu->insertActions(m_actions[Cmd::ChannelSetting], QList<QAction*>(actions.begin(), actions.end()));
    }
    storeUnrecorded([view] { view->SaveToImage(); });
    if (table)
        frame->showMaximized();
    else
        frame->show();
    m_mdi->setActiveSubWindow(frame);
    if (!table)
        frame->setFocus();
    return frame;
}

void MainWindow::onSubWindowActivated(QMdiSubWindow* window)
{
    // Leaving a view stores it; entering one reloads it, so each shows what the others wrote.
    auto* entered = qobject_cast<ViewSubWindow*>(window);
    if (!entered || entered == m_active)
        return; // the program losing focus changes nothing
    if (m_active && !m_active->closed())
        storeViewInStep(m_active);
    m_active = entered;
    followInTree(entered);
    m_history->setDefaultText(tr("Edit %1").arg(entered->windowTitle()));
    if (entered->view()->initialised())
        entered->view()->LoadFromImage();
}

std::vector<ViewSubWindow*> MainWindow::childFramesInZOrder() const
{
    // Top of the stack first.
    std::vector<ViewSubWindow*> frames;
    const QList<QMdiSubWindow*> stacked = m_mdi->subWindowList(QMdiArea::StackingOrder);
    for (auto it = stacked.rbegin(); it != stacked.rend(); ++it)
        if (auto* f = qobject_cast<ViewSubWindow*>(*it); f && !f->closed())
            frames.push_back(f);
    return frames;
}

void MainWindow::LoadViewsFromImage()
{
    for (ViewSubWindow* f : childFramesInZOrder())
        f->view()->LoadFromImage();
}

void MainWindow::StoreViewsToImage()
{
    // One step: what the views still held is, but for views left before,
    // the active view's edit.
    ViewSubWindow* active = qobject_cast<ViewSubWindow*>(m_mdi->activeSubWindow());
    auto step = m_document.step(tr("Edit %1").arg(active ? active->windowTitle() : appSettings().modelName));
    for (ViewSubWindow* f : childFramesInZOrder())
        f->view()->SaveToImage();
    m_document.change()[0xCC25] &= static_cast<std::uint8_t>(~0x03u); // the hidden "STE" field
}

void MainWindow::loadViewFromImage(ViewKind kind)
{
    if (ViewSubWindow* f = viewFrame(kind))
        f->view()->LoadFromImage();
}

void MainWindow::storeViewToImage(ViewKind kind)
{
    if (ViewSubWindow* f = viewFrame(kind))
        f->view()->SaveToImage();
}

void MainWindow::editVfos()
{
    auto step = m_document.step(tr("Edit %1").arg(tr("VFO")));
    VfoDialog dlg(m_document, this);
    dlg.exec();
}

void MainWindow::editFrequencyRange()
{
    // The table is reloaded afterwards; its unsaved edits go into the
    // document first so that the reload does not drop them.
    storeViewToImage(ViewKind::ChannelTable);
    auto step = m_document.step(tr("Edit %1").arg(tr("Frequency range")));
    {
        FrequencyRangeDialog dlg(m_document, appSettings().modelName, this);
        storeUnrecorded([&] {
            dlg.storePlan();
            EmptyOutOfBandChannels(m_document.bands(), m_document.change().image());
        });
        dlg.exec();
    } // the plan is stored as the dialog goes
    EmptyOutOfBandChannels(m_document.bands(), m_document.change().image());
    loadViewFromImage(ViewKind::ChannelTable);
}

void MainWindow::storeUnrecorded(const std::function<void()>& store)
{
    // What a view or dialog stores of what it just loaded is no edit: a
    // file with values it corrects is not modified by merely looking at it.
    const bool wasModified = m_document.isModified();
    m_history->setPaused(true);
    store();
    m_history->setPaused(false);
    if (!wasModified)
        m_document.markUnmodified();
}

void MainWindow::editCustomData()
{
    auto step = m_document.step(tr("Edit %1").arg(tr("Custom Data")));
    CustomDataDialog dlg(m_document, ProgramTransferSetup(), this);
    dlg.exec();
}

void MainWindow::choosePort()
{
    PortDialog dlg(appSettings().portName, this);
    if (dlg.exec() == QDialog::Accepted)
        m_comPane->setText(appSettings().portName);
}

void MainWindow::showAbout()
{
    AboutDialog dlg(this);
    dlg.exec();
}

void MainWindow::showHelp(int context)
{
    OpenHelpTopic(context, this);
}

void MainWindow::enterServiceMode()
{
    appSettings().serviceMode = true;
    QAction* custom = m_actions[Cmd::CustomData];
    const QList<QAction*> items = m_editMenu->actions();
    if (items.isEmpty() || items.last() != custom)
        m_editMenu->addAction(custom);
}

bool MainWindow::askServiceAccess()
{
    ServiceAccessDialog dlg(this);
    return dlg.exec() == QDialog::Accepted;
}

bool MainWindow::eventFilter(QObject* watched, QEvent* event)
{
    // Ctrl+F11 is looked at before any other handling, wherever the focus is.
    if (event->type() == QEvent::KeyPress) {
        auto* key = static_cast<QKeyEvent*>(event);
        auto* target = qobject_cast<QWidget*>(watched);
        if (key->key() == Qt::Key_F11 && (key->modifiers() & Qt::ControlModifier) && target &&
            target->window() == this) {
            if (askServiceAccess())
                enterServiceMode();
            return true;
        }
        // F1 in one of our dialogs opens the dialog's topic (its object name);
        // the views answer F1 themselves.
        if (key->key() == Qt::Key_F1 && key->modifiers() == Qt::NoModifier && target) {
            QWidget* window = target->window();
            bool numbered = false;
            const int topic = window->objectName().toInt(&numbered);
            if (window != this && numbered && qobject_cast<QDialog*>(window) && window->parentWidget() &&
                window->parentWidget()->window() == this) {
                OpenHelpTopic(topic, window);
                return true;
            }
        }
    }
    return QMainWindow::eventFilter(watched, event);
}

void MainWindow::closeEvent(QCloseEvent* event)
{
    if (!maybeSave()) {
        event->ignore();
        return;
    }
    // Saved or discarded: nothing is left to recover.
    if (m_recovery)
        m_recovery->remove();
    m_mdi->closeAllSubWindows();
    QSettings().setValue(QStringLiteral("MainWindow/Geometry"), saveGeometry());
    event->accept();
}
