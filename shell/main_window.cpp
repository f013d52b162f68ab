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
#include "shell/csv_commands.h"
#include "shell/desktop.h"
#include "shell/document_files.h"
#include "shell/document_history.h"
#include "shell/edit_steps.h"
#include "shell/help.h"
#include "shell/print_content.h"
#include "shell/radio_transfers.h"
#include "shell/service_access_dialog.h"
#include "shell/transfer_setup.h"
#include "shell/view_sub_window.h"
#include "shell/view_windows.h"

#include <QApplication>
#include <QCloseEvent>
#include <QDialog>
#include <QIcon>
#include <QKeyEvent>
#include <QLabel>
#include <QMdiArea>
#include <QMenuBar>
#include <QScreen>
#include <QSessionManager>
#include <QSettings>
#include <QStatusBar>
#include <QToolBar>
#include <QUndoStack>

MainWindow::MainWindow(ViewFactory makeView, Desktop* desktop)
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
    if (!desktop) {
        m_ownDesktop = std::make_unique<Desktop>();
        desktop = m_ownDesktop.get();
    }
    m_history = new DocumentHistory(m_document, this);
    m_views = new ViewWindows(*this, m_document, std::move(makeView));
    connect(m_views, &ViewWindows::viewMade, this, &MainWindow::onViewMade);
    connect(m_views, &ViewWindows::switched, this, &MainWindow::onViewSwitched);
    connect(m_views, &ViewWindows::commandRequested, this, &MainWindow::runCommand);

    createActions();
    m_steps =
        std::make_unique<EditSteps>(*this, *m_history, *m_views, *m_actions[Cmd::EditUndo], *m_actions[Cmd::EditRedo]);
    m_files = std::make_unique<DocumentFiles>(*this, *desktop);
    m_transfers = std::make_unique<RadioTransfers>(*this, *m_actions[Cmd::KeepTransferLog]);
    m_csv = std::make_unique<CsvCommands>(*this, *desktop);
    createMenus();
    createToolBar();
    createStatusBar();
    m_views->createTree(appSettings().modelName, m_actions[Cmd::TreeView]);

    m_print = new PrintController(*this, m_document, appSettings().defaultFileName, appSettings().modelName);
    m_print->storeViews = [this] { StoreViewsToImage(); };
    m_print->content = [this](PrintSections sections) { return BuildPrintSheet(m_document, sections); };

    m_document.newFromDefaults(appSettings().programFolder);
    m_views->open(ViewKind::ChannelTable);
    m_comPane->setText(appSettings().portName);
    m_freqPane->setText(edition().freqPaneText);
    qApp->installEventFilter(this);

    connect(&m_document, &Document::modifiedChanged, this, [this](bool modified) {
        setWindowModified(modified);
        m_files->modifiedChanged(modified);
    });
    connect(qApp, &QGuiApplication::commitDataRequest, this,
            [this](QSessionManager& manager) { m_files->commitData(manager); });
    m_steps->startHistory();
}

MainWindow::~MainWindow()
{
    qApp->removeEventFilter(this);
    disconnect(qApp, nullptr, this, nullptr);
    disconnect(m_history->stack(), nullptr, this, nullptr);
    disconnect(&m_document, nullptr, this, nullptr);
    // The workspace outlives this part of the window while it is torn down.
    delete m_views;
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
    m_files->addRecentItemsTo(file);
    add(file, {0, Cmd::AppExit});
    m_editMenu = menuBar()->addMenu(tr("&Edit"));
    // "Custom Data" is not in the menu until the service mode adds it.
    add(m_editMenu, {Cmd::EditUndo, Cmd::EditRedo, 0, Cmd::ChannelSetting, Cmd::Vfo, Cmd::ScanChannel,
                     Cmd::BasicSetting, Cmd::Dtmf, Cmd::TwoTone, Cmd::FiveTone, Cmd::Model, Cmd::FrequencyRange});
    add(menuBar()->addMenu(tr("&Program")), {Cmd::Read, Cmd::Write});
    add(menuBar()->addMenu(tr("&View")), {Cmd::ViewToolbar, Cmd::ViewStatusBar, Cmd::TreeView});
    add(menuBar()->addMenu(tr("&Setting")), {Cmd::Port, 0, Cmd::KeepTransferLog});
    m_windowMenu = menuBar()->addMenu(tr("&Window"));
    add(m_windowMenu, {Cmd::WindowCascade, Cmd::WindowTile, Cmd::WindowArrange});
    m_views->listViewsIn(m_windowMenu);
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

void MainWindow::runCommand(int id)
{
    QAction* action = commandAction(id);
    if (action && !action->isEnabled())
        return;
    if (const CommandSpec* c = FindCommand(id))
        c->run(*this);
}

void MainWindow::onViewMade(ViewSubWindow* frame)
{
    BaseFormView* view = frame->view();
    connect(view, &BaseFormView::helpRequested, this, &MainWindow::showHelp);
    connect(frame, &ViewSubWindow::helpRequested, this, [this](BaseFormView* v) { showHelp(v->helpContext()); });
    if (auto* channels = qobject_cast<ChannelTableView*>(view)) {
        // The table's clipboard and row commands join the Edit menu while it is open.
        const std::vector<QAction*>& actions = channels->editActions();
        m_editMenu->insertActions(m_actions[Cmd::ChannelSetting], QList<QAction*>(actions.begin(), actions.end()));
    }
    m_steps->storeUnrecorded([view] { view->SaveToImage(); });
}

void MainWindow::onViewSwitched(ViewSubWindow* left, ViewSubWindow* entered)
{
    // Leaving a view stores it; entering one reloads it, so each shows what the others wrote.
    m_steps->storeViewInStep(left);
    m_history->setDefaultText(tr("Edit %1").arg(entered->windowTitle()));
    if (entered->view()->initialised())
        entered->view()->LoadFromImage();
}

void MainWindow::LoadViewsFromImage()
{
    for (ViewSubWindow* f : m_views->inZOrder())
        f->view()->LoadFromImage();
}

void MainWindow::StoreViewsToImage()
{
    // One step: what the views still held is, but for views left before,
    // the active view's edit.
    ViewSubWindow* active = qobject_cast<ViewSubWindow*>(m_views->area()->activeSubWindow());
    auto step = m_document.step(tr("Edit %1").arg(active ? active->windowTitle() : appSettings().modelName));
    for (ViewSubWindow* f : m_views->inZOrder())
        f->view()->SaveToImage();
    m_document.change()[0xCC25] &= static_cast<std::uint8_t>(~0x03u); // the hidden "STE" field
}

void MainWindow::loadViewFromImage(ViewKind kind)
{
    if (ViewSubWindow* f = m_views->subWindow(kind))
        f->view()->LoadFromImage();
}

void MainWindow::storeViewToImage(ViewKind kind)
{
    if (ViewSubWindow* f = m_views->subWindow(kind))
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
        m_steps->storeUnrecorded([&] {
            dlg.storePlan();
            EmptyOutOfBandChannels(m_document.bands(), m_document.change().image());
        });
        dlg.exec();
    } // the plan is stored as the dialog goes
    EmptyOutOfBandChannels(m_document.bands(), m_document.change().image());
    loadViewFromImage(ViewKind::ChannelTable);
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
    if (!m_files->maybeSave()) {
        event->ignore();
        return;
    }
    // Saved or discarded: nothing is left to recover.
    m_files->dropRecoveryFile();
    m_views->area()->closeAllSubWindows();
    QSettings().setValue(QStringLiteral("MainWindow/Geometry"), saveGeometry());
    event->accept();
}

void MainWindow::changeEvent(QEvent* event)
{
    QMainWindow::changeEvent(event);
    if (event->type() == QEvent::ModifiedChange && isWindowModified() != m_document.isModified())
        setWindowModified(m_document.isModified());
}
