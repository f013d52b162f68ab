// What keeps a user's work: the undo history, the modified mark, the recent
// files, the recovery file and the backups of what the radio held.
#include "shell/main_window.h"

#include "controls/base_form_view.h"
#include "controls/cell_editors.h"
#include "controls/message_box.h"
#include "radio/core/model_info.h"
#include "shell/commands.h"
#include "shell/core/app_settings.h"
#include "shell/core/radio_backups.h"
#include "shell/core/recovery_file.h"
#include "shell/document_history.h"
#include "shell/recovery_dialog.h"
#include "shell/view_sub_window.h"

#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QLocale>
#include <QMdiArea>
#include <QMessageBox>
#include <QPointer>
#include <QPushButton>
#include <QSessionManager>
#include <QSettings>
#include <QStandardPaths>
#include <QStatusBar>
#include <QTimer>
#include <QUndoStack>

namespace {
// The framework's profile, where the recent files are kept.
QSettings Profile()
{
    return QSettings(QCoreApplication::organizationName(), QCoreApplication::applicationName());
}

ViewSubWindow* FrameOf(QWidget* w)
{
    for (; w; w = w->parentWidget())
        if (auto* f = qobject_cast<ViewSubWindow*>(w))
            return f;
    return nullptr;
}
} // namespace

// --- Undo and redo ---

void MainWindow::startHistory()
{
    m_history->setPaused(true);
    StoreViewsToImage();
    m_history->setPaused(false);
    // The views show what they stored (a value they corrected, a hidden field cleared).
    LoadViewsFromImage();
    m_document.markUnmodified();
    m_history->clear();
}

void MainWindow::storeViewInStep(ViewSubWindow* frame)
{
    if (!frame || frame->closed() || !frame->view()->initialised())
        return;
    auto step = m_document.step(tr("Edit %1").arg(frame->windowTitle()));
    frame->view()->SaveToImage();
}

void MainWindow::onFocusChanged(QWidget* old, QWidget* now)
{
    // A field left for another field of the same view is one step. Leaving
    // the view is handled by its activation, a command by its store pass.
    ViewSubWindow* frame = FrameOf(old);
    if (!frame || frame != FrameOf(now) || frame->closed() || !frame->view()->storesOnFieldLeave() ||
        old->window() != this)
        return;
    // After the focus events: the field's own rules run first.
    QPointer<ViewSubWindow> target(frame);
    QTimer::singleShot(0, this, [this, target] {
        if (!target || QApplication::activeModalWidget())
            return;
        // A cell being edited is not a field left: its commit comes later,
        // as a focus move of its own.
        CellEditor::KeepEditsOpen keep;
        storeViewInStep(target);
    });
}

void MainWindow::undo()
{
    // Whatever the active view still holds is the step undone first.
    storeViewInStep(qobject_cast<ViewSubWindow*>(m_mdi->activeSubWindow()));
    if (!m_history->stack()->canUndo())
        return;
    m_history->stack()->undo();
    reloadViewsUnrecorded();
}

void MainWindow::redo()
{
    if (!m_history->stack()->canRedo())
        return;
    m_history->stack()->redo();
    reloadViewsUnrecorded();
}

void MainWindow::reloadViewsUnrecorded()
{
    // A view that writes while it loads (channel 1 made to exist) is no step.
    m_history->setPaused(true);
    LoadViewsFromImage();
    m_history->setPaused(false);
}

void MainWindow::updateUndoActions()
{
    const QUndoStack* stack = m_history->stack();
    QAction* undo = m_actions[Cmd::EditUndo];
    QAction* redo = m_actions[Cmd::EditRedo];
    undo->setEnabled(stack->canUndo());
    redo->setEnabled(stack->canRedo());
    undo->setText(stack->canUndo() ? tr("&Undo %1").arg(stack->undoText()) : tr("&Undo"));
    redo->setText(stack->canRedo() ? tr("&Redo %1").arg(stack->redoText()) : tr("&Redo"));
}

// --- The modified mark and the recovery file ---

void MainWindow::onModifiedChanged(bool modified)
{
    setWindowModified(modified);
    if (modified) {
        m_recoveryTimer->start();
        return;
    }
    m_recoveryTimer->stop();
    if (m_recovery)
        m_recovery->remove();
}

void MainWindow::changeEvent(QEvent* event)
{
    QMainWindow::changeEvent(event);
    if (event->type() == QEvent::ModifiedChange && isWindowModified() != m_document.isModified())
        setWindowModified(m_document.isModified());
}

QString MainWindow::recoveryFolder() const
{
    return userDataFolder.isEmpty() ? QStandardPaths::writableLocation(QStandardPaths::AppDataLocation)
                                    : userDataFolder;
}

void MainWindow::writeRecoveryFile()
{
    // Nothing new since the last copy: the disk is left alone.
    if (!m_document.isModified() || (m_recovery && m_recovery->exists() && m_recoveryRevision == m_document.revision()))
        return;
    if (!m_recovery)
        m_recovery = std::make_unique<RecoveryFile>(recoveryFolder());
    if (m_recovery->write(m_document.header(), m_document.image()))
        m_recoveryRevision = m_document.revision();
}

void MainWindow::offerRecovery()
{
    const std::vector<RecoveryFile::LeftBehind> left = RecoveryFile::leftBehind(recoveryFolder());
    if (left.empty())
        return;
    RecoveryDialog dlg(left, appSettings().modelName, this);
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
    LoadViewsFromImage();
    m_history->clear();
    m_document.markModified();
    if (!r.warning.isEmpty()) {
        // Taken as far as it goes, as Open does; the file stays until the
        // user discards it, for what it held may be wanted another way.
        ShowMessage(this, QMessageBox::Warning, appSettings().modelName, r.warning);
    } else {
        RecoveryFile::discard(path);
    }
    writeRecoveryFile(); // now this program's own, until saved or discarded
}

void MainWindow::onCommitData(QSessionManager& manager)
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

void MainWindow::rememberFile(const QString& path)
{
    QSettings profile = Profile();
    m_recent.read(profile);
    m_recent.add(path);
    m_recent.write(profile);
    updateRecentMenu();
}

void MainWindow::updateRecentMenu()
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

void MainWindow::openRecentFile(int index)
{
    if (index < 0 || index >= m_recent.files().size())
        return;
    const QString path = m_recent.files()[index];
    if (!QFileInfo(path).isFile()) {
        ShowMessage(this, QMessageBox::Warning, appSettings().modelName,
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
    openPath(path);
}

// --- Backups of what the radio held ---

QStringList MainWindow::backupFolders() const
{
    return {appSettings().dataFolder + QStringLiteral("/backups"), recoveryFolder() + QStringLiteral("/backups")};
}

void MainWindow::backUpRadioData()
{
    const QString name = RadioBackups::FileName(appSettings().modelName, ReadModelIdentity(m_document.image()).serial,
                                                QDateTime::currentDateTime());
    m_lastBackup = RadioBackups::Save(backupFolders(), name, m_document.header(), m_document.image());
    if (m_lastBackup.isEmpty())
        statusBar()->showMessage(tr("The data read from the radio could not be backed up."));
    else
        statusBar()->showMessage(
            tr("What the radio held is backed up in %1").arg(QDir::toNativeSeparators(m_lastBackup)));
}
