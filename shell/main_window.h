#pragma once

#include "document/document.h"
#include "shell/core/recent_files.h"
#include "shell/view_catalog.h"

#include <QMainWindow>
#include <QPointer>

#include <array>
#include <functional>
#include <map>
#include <memory>
#include <optional>

class BaseFormView;
class ViewSubWindow;
class PrintController;
struct TransferSetup;
class DocumentHistory;
class RecoveryFile;
class QAction;
class QDockWidget;
class QLabel;
class QMdiArea;
class QMdiSubWindow;
class QMenu;
class QSessionManager;
class QTimer;
class QTreeWidget;
class QTreeWidgetItem;

// The program's main window: menus, toolbar, status bar, the navigation tree,
// and the area where each editing view lives in its own frame. Every command
// lands here.
class MainWindow : public QMainWindow {
    Q_OBJECT
public:
    // makeView makes the editing views; tests hand in their own.
    explicit MainWindow(ViewFactory makeView = MakeProgramView);
    ~MainWindow() override;

    // The document every view edits.
    Document& document() { return m_document; }

    // Document operations, as the File commands run them. Save and Save As
    // are true when the document was written.
    void NewDocument();
    void OpenDocument();
    // A file named on the command line (a file manager's "Open with"): opened
    // as File ▸ Open opens it; a file that is not ours gets the same message.
    bool openFile(const QString& path) { return openPath(path); }
    bool SaveDocument();
    bool SaveDocumentAs();
    void readFromRadio();
    void writeToRadio();
    // Help > Open transfer log: the last transfer's log, kept when Setting >
    // Keep transfer log is on.
    void openTransferLog();
    QString transferLogPath() const;
    // File > Import channels and Export channels: CHIRP's CSV format.
    void importChannels();
    void exportChannels();
    // For the import's start channel (0: each row's Location); tests replace it.
    std::function<int()> chooseFirstChannel;
    std::function<QString(const QString& folder)> chooseCsvFile;
    // File > 1..4: the recent file at index (0 is the newest).
    void openRecentFile(int index);
    const QStringList& recentFiles() const { return m_recent.files(); }

    // Before the document is replaced or the program ends: the views are
    // stored, and when the document is modified the user is asked whether to
    // save it. False when the command must stop (Cancel, or a failed save).
    bool maybeSave();

    // The history of edits behind Edit > Undo and Redo.
    DocumentHistory& history() { return *m_history; }
    void undo();
    void redo();

    // Start-up: a recovery file left behind by a program that ended without
    // saving is offered; Recover opens it as a modified, untitled document.
    void offerRecovery();
    // Writes the modified document to the recovery file (every 30 seconds).
    void writeRecoveryFile();
    // Folders for the recovery file and for radio backups when the program
    // folder cannot take them; tests point it elsewhere.
    QString userDataFolder;
    // Where the last completed read was backed up; empty when it could not be.
    const QString& lastBackup() const { return m_lastBackup; }

    // The two passes over the open views.
    void LoadViewsFromImage();
    void StoreViewsToImage();
    // The same for the view of one kind, when it is open.
    void loadViewFromImage(ViewKind kind);
    void storeViewToImage(ViewKind kind);

    // The commands that run a dialog over the document.
    void editVfos();
    // Edit > "Frequency range": the channel table is stored, the dialog runs,
    // channels of the first bank outside every band are emptied, and the
    // table shows the result.
    void editFrequencyRange();
    void editCustomData();
    void choosePort();
    void showAbout();
    PrintController& printController() { return *m_print; }

    // Opens (or brings forward) a view; null when it cannot be made.
    ViewSubWindow* openView(ViewKind kind);
    ViewSubWindow* viewFrame(ViewKind kind) const;
    // Runs a command by its identifier, as a menu item, toolbar button or tree item would.
    void runCommand(int id);
    QAction* commandAction(int id) const;

    const QString& currentFile() const { return m_document.path(); }
    QMdiArea* mdiArea() const { return m_mdi; }
    // Window > Cascade: each view at its own size where the workspace allows,
    // one title bar below the one before. Window > Arrange Icons: the
    // minimised views in a row along the foot of the workspace.
    void cascadeViews();
    void arrangeMinimisedViews();
    QMenu* windowMenu() const { return m_windowMenu; }
    QTreeWidget* tree() const { return m_tree; }
    QMenu* editMenu() const { return m_editMenu; }
    QLabel* comPane() const { return m_comPane; }

    // Service mode: on for the rest of the run; "Custom Data" joins the Edit menu once.
    void enterServiceMode();
    // Ctrl+F11's dialog; true when the right code was given.
    bool askServiceAccess();

    // For the file and message dialogs; tests replace them.
    std::function<QString(const QString& folder)> chooseOpenFile;
    std::function<QString(const QString& suggestedPath)> chooseSaveFile;
    std::function<bool()> confirmNew;

    // Opens the help page of a topic number (kHelpContents for the contents).
    void showHelp(int context);

protected:
    void closeEvent(QCloseEvent* event) override;
    // The modified mark follows the document alone: the MDI area sets and
    // clears the window's flag as maximised views come and go.
    void changeEvent(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // The kind of view a frame holds; nullopt for none of ours.
    std::optional<ViewKind> kindOf(const QMdiSubWindow* frame) const;
    void followInTree(const QMdiSubWindow* frame);
    void updateWindowMenu();
    void showTransferSummary(const QString& summary);
    TransferSetup transferSetup() const;

    void createActions();
    void createMenus();
    void createToolBar();
    void createStatusBar();
    void createTree();
    void onTreeClicked(QTreeWidgetItem* item);
    void onSubWindowActivated(QMdiSubWindow* window);
    void setTitle(const QString& file);
    void reportFileError(const QString& text, bool systemCaption);
    bool openPath(const QString& path);
    void rememberFile(const QString& path);
    void updateRecentMenu();
    void updateUndoActions();
    // After the document was replaced: the views store what they loaded, and
    // that is the unmodified point where a new history starts.
    void startHistory();
    // The load pass after an undo or redo, recording nothing of its own.
    void reloadViewsUnrecorded();
    // A store of what a view or dialog just loaded: not recorded, and part of
    // the unmodified state when the document was unmodified.
    void storeUnrecorded(const std::function<void()>& store);
    // One view's store as one named step of the history.
    void storeViewInStep(ViewSubWindow* frame);
    void onFocusChanged(QWidget* old, QWidget* now);
    void onModifiedChanged(bool modified);
    void onCommitData(QSessionManager& manager);
    void backUpRadioData();
    QString recoveryFolder() const;
    QStringList backupFolders() const;
    void openChannelTableAtTopLeft();
    std::vector<ViewSubWindow*> childFramesInZOrder() const;

    Document m_document;
    ViewFactory m_makeView;
    PrintController* m_print = nullptr;
    QMdiArea* m_mdi;
    QTreeWidget* m_tree = nullptr;
    QDockWidget* m_treeBar = nullptr;
    QMenu* m_editMenu = nullptr;
    QMenu* m_windowMenu = nullptr;
    QList<QAction*> m_windowViewActions;
    QLabel* m_comPane = nullptr;
    QLabel* m_freqPane = nullptr;
    std::map<int, QAction*> m_actions;
    DocumentHistory* m_history = nullptr;
    RecentFileList m_recent;
    std::array<QAction*, RecentFileList::kSize> m_recentActions{};
    QAction* m_recentSeparator = nullptr;
    std::unique_ptr<RecoveryFile> m_recovery;
    QTimer* m_recoveryTimer = nullptr;
    std::uint64_t m_recoveryRevision = 0;
    QString m_lastBackup;
    std::array<QPointer<ViewSubWindow>, kViewKindCount> m_frames;
    QPointer<ViewSubWindow> m_active;
};
