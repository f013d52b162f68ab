#include "shell/document_files.h"

#include "controls/message_box.h"
#include "document/document.h"
#include "radio/core/model_info.h"
#include "shell/commands.h"
#include "shell/core/app_settings.h"
#include "shell/core/radio_backups.h"
#include "shell/core/recovery_file.h"
#include "shell/desktop.h"
#include "shell/document_history.h"
#include "shell/edit_steps.h"
#include "shell/main_window.h"
#include "shell/recovery_dialog.h"
#include "shell/view_windows.h"

#include <QAction>
#include <QDateTime>
#include <QDir>
#include <QFileInfo>
#include <QMdiArea>
#include <QMenu>
#include <QSessionManager>
#include <QSettings>
#include <QStatusBar>
#include <QTimer>

namespace {
// The framework's profile, where the recent files are kept.
QSettings Profile()
{
    return QSettings(QCoreApplication::organizationName(), QCoreApplication::applicationName());
}
} // namespace

DocumentFiles::DocumentFiles(MainWindow& window, Desktop& desktop)
    : m_window(window), m_document(window.document()), m_desktop(desktop), m_recoveryTimer(new QTimer(&window))
{
    for (int i = 0; i < RecentFileList::kSize; ++i) {
        auto* a = new QAction(&window);
        a->setObjectName(QString::number(Cmd::FileMru1 + i));
        a->setVisible(false);
        QObject::connect(a, &QAction::triggered, &window, [this, i] { openRecentFile(i); });
        m_recentActions[static_cast<std::size_t>(i)] = a;
    }
    m_recoveryTimer->setInterval(30 * 1000);
    QObject::connect(m_recoveryTimer, &QTimer::timeout, &window, [this] { writeRecoveryFile(); });
}

DocumentFiles::~DocumentFiles() = default;

void DocumentFiles::setTitle(const QString& file)
{
    const QString model = TitleModelName();
    // "[*]" shows the modified mark the platform's way.
    m_window.setWindowTitle((file.isEmpty() ? model : model + QStringLiteral(" [ ") + file + QStringLiteral(" ]")) +
                            QStringLiteral("[*]"));
}

bool DocumentFiles::maybeSave()
{
    m_window.StoreViewsToImage();
    if (!m_document.isModified())
        return true;
    const QString name =
        m_document.path().isEmpty() ? appSettings().defaultFileName : QFileInfo(m_document.path()).fileName();
    switch (ShowMessage(&m_window, QMessageBox::Question, appSettings().modelName, tr("Save changes to %1?").arg(name),
                        QMessageBox::Save | QMessageBox::Discard | QMessageBox::Cancel, QMessageBox::Save)) {
    case QMessageBox::Save: return SaveDocument();
    case QMessageBox::Discard: return true;
    default: return false;
    }
}

void DocumentFiles::reportFileError(const QString& text, bool systemCaption)
{
    // The latter has the system's default caption, the former the program's.
    ShowMessage(&m_window, systemCaption ? QMessageBox::Warning : QMessageBox::Critical,
                systemCaption ? tr("Error") : appSettings().modelName, text);
}

void DocumentFiles::NewDocument()
{
    // Unsaved edits get the save question instead of "Clear all data!".
    m_window.StoreViewsToImage();
    if (m_document.isModified()) {
        if (!maybeSave())
            return;
    } else if (!m_desktop.confirmNew(&m_window)) {
        return;
    }
    m_document.newFromDefaults(appSettings().programFolder);
    m_document.setPath(QString());
    setTitle(QString());
    m_window.LoadViewsFromImage();
    m_window.steps().startHistory();
}

void DocumentFiles::OpenDocument()
{
    if (!maybeSave())
        return;
    const QString path = m_desktop.openFile(&m_window, appSettings().dataFolder);
    if (!path.isEmpty())
        openFile(path);
}

bool DocumentFiles::openFile(const QString& path)
{
    FileResult r = m_document.open(path);
    if (!r.ok) {
        reportFileError(r.error, r.error == FileDoesNotMatchText());
        return false;
    }
    m_window.LoadViewsFromImage();
    m_document.setPath(QDir::toNativeSeparators(QFileInfo(path).absoluteFilePath()));
    setTitle(m_document.path());
    if (m_window.views().area()->subWindowList().isEmpty())
        m_window.views().openChannelTableAtTopLeft();
    m_window.steps().startHistory();
    rememberFile(m_document.path());
    if (!r.warning.isEmpty())
        ShowMessage(&m_window, QMessageBox::Warning, appSettings().modelName, r.warning);
    return true;
}

bool DocumentFiles::SaveDocument()
{
    if (m_document.path().isEmpty())
        return SaveDocumentAs();
    m_window.StoreViewsToImage();
    FileResult r = m_document.save();
    if (!r.ok) {
        reportFileError(r.error, false);
        return false;
    }
    rememberFile(m_document.path());
    return true;
}

bool DocumentFiles::SaveDocumentAs()
{
    m_window.StoreViewsToImage();
    const QString suggested = appSettings().dataFolder + QLatin1Char('/') + appSettings().defaultFileName;
    const QString path = m_desktop.saveFile(&m_window, suggested);
    if (path.isEmpty())
        return false;
    FileResult r = m_document.saveAs(path);
    if (!r.ok) {
        reportFileError(r.error, false);
        return false;
    }
    m_document.setPath(QDir::toNativeSeparators(QFileInfo(path).absoluteFilePath()));
    setTitle(m_document.path());
    rememberFile(m_document.path());
    return true;
}

// --- The recovery file ---

QString DocumentFiles::userDataFolder() const
{
    return m_desktop.userDataFolder();
}

void DocumentFiles::modifiedChanged(bool modified)
{
    if (modified) {
        m_recoveryTimer->start();
        return;
    }
    m_recoveryTimer->stop();
    dropRecoveryFile();
}

void DocumentFiles::dropRecoveryFile()
{
    if (m_recovery)
        m_recovery->remove();
}

void DocumentFiles::writeRecoveryFile()
{
    // Nothing new since the last copy: the disk is left alone.
    if (!m_document.isModified() || (m_recovery && m_recovery->exists() && m_recoveryRevision == m_document.revision()))
        return;
    if (!m_recovery)
        m_recovery = std::make_unique<RecoveryFile>(userDataFolder());
    if (m_recovery->write(m_document.header(), m_document.image()))
        m_recoveryRevision = m_document.revision();
}

void DocumentFiles::offerRecovery()
{
    const std::vector<RecoveryFile::LeftBehind> left = RecoveryFile::leftBehind(userDataFolder());
    if (left.empty())
        return;
    RecoveryDialog dlg(left, appSettings().modelName, &m_window);
    dlg.exec();
    if (dlg.choice() == RecoveryDialog::DiscardAll) {
        for (const RecoveryFile::LeftBehind& f : left)
            RecoveryFile::discard(f.path);
        return;
    }
    if (dlg.choice() != RecoveryDialog::Recover)
        return; // Later: all kept for another start
    const QString path = left[static_cast<std::size_t>(dlg.chosen())].path;
    FileResult r = m_document.open(path);
    if (!r.ok) {
        reportFileError(r.error, false);
        return; // kept: it may be wanted another time
    }
    m_document.setPath(QString());
    setTitle(QString());
    m_window.LoadViewsFromImage();
    m_window.history().clear();
    m_document.markModified();
    if (!r.warning.isEmpty()) {
        // Taken as far as it goes, as Open does; the file stays until the
        // user discards it, for what it held may be wanted another way.
        ShowMessage(&m_window, QMessageBox::Warning, appSettings().modelName, r.warning);
    } else {
        RecoveryFile::discard(path);
    }
    writeRecoveryFile(); // now this program's own, until saved or discarded
}

void DocumentFiles::commitData(QSessionManager& manager)
{
    // The desktop session is ending: ask when it lets us, otherwise keep the
    // edits in the recovery file for the next start.
    if (manager.allowsInteraction()) {
        const bool go = maybeSave();
        manager.release();
        if (!go)
            manager.cancel();
        return;
    }
    writeRecoveryFile();
}

// --- Recent files ---

void DocumentFiles::addRecentItemsTo(QMenu* menu)
{
    m_recentSeparator = menu->addSeparator();
    for (QAction* a : m_recentActions)
        menu->addAction(a);
    updateRecentMenu();
}

void DocumentFiles::rememberFile(const QString& path)
{
    QSettings profile = Profile();
    m_recent.read(profile);
    m_recent.add(path);
    m_recent.write(profile);
    updateRecentMenu();
}

void DocumentFiles::updateRecentMenu()
{
    {
        QSettings profile = Profile();
        m_recent.read(profile);
    }
    const QStringList& files = m_recent.files();
    for (int i = 0; i < RecentFileList::kSize; ++i) {
        QAction* a = m_recentActions[static_cast<std::size_t>(i)];
        const bool used = i < files.size();
        a->setVisible(used);
        if (used) {
            QString shown = QDir::toNativeSeparators(files[i]);
            a->setText(QStringLiteral("&%1 %2").arg(i + 1).arg(shown.replace(QLatin1Char('&'), QStringLiteral("&&"))));
            a->setStatusTip(QDir::toNativeSeparators(files[i]));
        }
    }
    if (m_recentSeparator)
        m_recentSeparator->setVisible(!files.isEmpty());
}

void DocumentFiles::openRecentFile(int index)
{
    if (index < 0 || index >= m_recent.files().size())
        return;
    const QString path = m_recent.files()[index];
    if (!QFileInfo(path).isFile()) {
        ShowMessage(&m_window, QMessageBox::Warning, appSettings().modelName,
                    tr("%1\nThis file no longer exists. It is removed from the recent files.")
                        .arg(QDir::toNativeSeparators(path)));
        QSettings profile = Profile();
        m_recent.read(profile);
        m_recent.remove(path);
        m_recent.write(profile);
        updateRecentMenu();
        return;
    }
    if (!maybeSave())
        return;
    openFile(path);
}

// --- Backups of what the radio held ---

void DocumentFiles::backUpRadioData()
{
    const QStringList folders = {appSettings().dataFolder + QStringLiteral("/backups"),
                                 userDataFolder() + QStringLiteral("/backups")};
    const QString name = RadioBackups::FileName(appSettings().modelName, ReadModelIdentity(m_document.image()).serial,
                                                QDateTime::currentDateTime());
    m_lastBackup = RadioBackups::Save(folders, name, m_document.header(), m_document.image());
    if (m_lastBackup.isEmpty())
        m_window.statusBar()->showMessage(tr("The data read from the radio could not be backed up."));
    else
        m_window.statusBar()->showMessage(
            tr("What the radio held is backed up in %1").arg(QDir::toNativeSeparators(m_lastBackup)));
}
