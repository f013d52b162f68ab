#pragma once

#include "document/document.h"
#include "shell/view_catalog.h"

#include <QMainWindow>

#include <map>
#include <memory>

class BaseFormView;
class CsvCommands;
class Desktop;
class DocumentFiles;
class DocumentHistory;
class EditSteps;
class PrintController;
class QAction;
class QLabel;
class QMenu;
class RadioTransfers;
class ViewSubWindow;
class ViewWindows;

// The program's main window: menus, toolbar, status bar and the workspace.
// It owns the document and wires the parts that run the commands: the
// document's files, the transfers with the radio, CSV, printing and the view
// windows. Every command is run from here, by its identifier.
class MainWindow : public QMainWindow {
    Q_OBJECT
public:
    // makeView makes the editing views; desktop answers the file dialogs and
    // questions and gives the user's data folder (null: the real desktop).
    // Tests hand in their own.
    explicit MainWindow(ViewFactory makeView = MakeProgramView, Desktop* desktop = nullptr);
    ~MainWindow() override;

    // The document every view edits.
    Document& document() { return m_document; }
    DocumentFiles& files() { return *m_files; }
    RadioTransfers& transfers() { return *m_transfers; }
    CsvCommands& csv() { return *m_csv; }
    ViewWindows& views() { return *m_views; }
    PrintController& printController() { return *m_print; }

    // The history of edits behind Edit > Undo and Redo, and the steps the
    // views' edits make in it.
    DocumentHistory& history() { return *m_history; }
    EditSteps& steps() { return *m_steps; }

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
    // Opens the help page of a topic number (kHelpContents for the contents).
    void showHelp(int context);
    // Service mode: on for the rest of the run; "Custom Data" joins the Edit menu once.
    void enterServiceMode();
    // Ctrl+F11's dialog; true when the right code was given.
    bool askServiceAccess();

    // Runs a command by its identifier, as a menu item, toolbar button or tree item would.
    void runCommand(int id);
    QAction* commandAction(int id) const;

    QMenu* editMenu() const { return m_editMenu; }
    QMenu* windowMenu() const { return m_windowMenu; }
    QLabel* comPane() const { return m_comPane; }

protected:
    void closeEvent(QCloseEvent* event) override;
    // The modified mark follows the document alone: the MDI area sets and
    // clears the window's flag as maximised views come and go.
    void changeEvent(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void createActions();
    void createMenus();
    void createToolBar();
    void createStatusBar();
    void onViewMade(ViewSubWindow* frame);
    void onViewSwitched(ViewSubWindow* left, ViewSubWindow* entered);

    Document m_document;
    std::unique_ptr<Desktop> m_ownDesktop;
    DocumentHistory* m_history = nullptr;
    ViewWindows* m_views = nullptr;
    std::unique_ptr<EditSteps> m_steps;
    std::unique_ptr<DocumentFiles> m_files;
    std::unique_ptr<RadioTransfers> m_transfers;
    std::unique_ptr<CsvCommands> m_csv;
    PrintController* m_print = nullptr;
    QMenu* m_editMenu = nullptr;
    QMenu* m_windowMenu = nullptr;
    QLabel* m_comPane = nullptr;
    QLabel* m_freqPane = nullptr;
    std::map<int, QAction*> m_actions;
};
