#pragma once

#include "shell/core/recent_files.h"

#include <QCoreApplication>
#include <QString>

#include <array>
#include <cstdint>
#include <memory>

class Desktop;
class Document;
class MainWindow;
class QAction;
class QMenu;
class QSessionManager;
class QTimer;
class RecoveryFile;

// The document's files: New, Open, Save, Save As, the recent files, the
// recovery file written while the document is modified, and the backup of
// each completed read.
class DocumentFiles {
    Q_DECLARE_TR_FUNCTIONS(MainWindow) // the texts of the window's commands
public:
    DocumentFiles(MainWindow& window, Desktop& desktop);
    ~DocumentFiles();
    DocumentFiles(const DocumentFiles&) = delete;
    DocumentFiles& operator=(const DocumentFiles&) = delete;

    // Document operations, as the File commands run them. Save and Save As
    // are true when the document was written.
    void NewDocument();
    void OpenDocument();
    // A file named on the command line (a file manager's "Open with"): opened
    // as File > Open opens it; a file that is not ours gets the same message.
    bool openFile(const QString& path);
    bool SaveDocument();
    bool SaveDocumentAs();
    // Before the document is replaced or the program ends: the views are
    // stored, and when the document is modified the user is asked whether to
    // save it. False when the command must stop (Cancel, or a failed save).
    bool maybeSave();

    // File > 1..4: the recent file at index (0 is the newest).
    void openRecentFile(int index);
    const QStringList& recentFiles() const { return m_recent.files(); }
    // The recent files' items, after a separator, at the foot of the menu.
    void addRecentItemsTo(QMenu* menu);

    // Start-up: a recovery file left behind by a program that ended without
    // saving is offered; Recover opens it as a modified, untitled document.
    void offerRecovery();
    // Writes the modified document to the recovery file (every 30 seconds).
    void writeRecoveryFile();
    // The document was saved or its edits discarded: nothing left to recover.
    void dropRecoveryFile();
    void modifiedChanged(bool modified);
    // The desktop session ends: asked when it lets us, else kept for recovery.
    void commitData(QSessionManager& manager);
    QString userDataFolder() const;

    // After a completed read: what the radio held, saved as a parameter file.
    void backUpRadioData();
    // Where the last completed read was backed up; empty when it could not be.
    const QString& lastBackup() const { return m_lastBackup; }

    void setTitle(const QString& file);
    // A system error is critical; a file that is not ours, a warning.
    void reportFileError(const QString& text, bool systemCaption);

private:
    void rememberFile(const QString& path);
    void updateRecentMenu();

    MainWindow& m_window;
    Document& m_document;
    Desktop& m_desktop;
    RecentFileList m_recent;
    std::array<QAction*, RecentFileList::kSize> m_recentActions{};
    QAction* m_recentSeparator = nullptr;
    std::unique_ptr<RecoveryFile> m_recovery;
    QTimer* m_recoveryTimer;
    std::uint64_t m_recoveryRevision = 0;
    QString m_lastBackup;
};
