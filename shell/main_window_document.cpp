// The document commands of the main frame: New, Open, Save, Save As, and the
// transfers with the radio; the question before a modified document goes.
#include "shell/main_window.h"

#include "controls/base_form_view.h"
#include "controls/message_box.h"
#include "link/core/transfer_plan.h"
#include "link/transfer_dialog.h"
#include "shell/commands.h"
#include "shell/core/app_settings.h"
#include "shell/document_history.h"
#include "shell/transfer_setup.h"
#include "shell/view_sub_window.h"

#include <QCoreApplication>
#include <QDesktopServices>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QHeaderView>
#include <QMdiArea>
#include <QMessageBox>
#include <QScreen>
#include <QStatusBar>
#include <QTreeView>
#include <QUrl>

namespace {
const char* const kFilter = QT_TRANSLATE_NOOP("MainWindow", "Param Files (*.dat)");

// Qt's own file dialog opens too small for its columns; a native one sizes itself.
void SizeFileDialog(QFileDialog& dlg)
{
    constexpr QSize kSize(860, 520);
    dlg.resize(kSize.boundedTo(dlg.screen()->availableSize()));
    if (auto* details = dlg.findChild<QTreeView*>())
        details->header()->setSectionResizeMode(0, QHeaderView::Stretch);
}

QString DefaultOpen(QWidget* parent, const QString& folder)
{
    QFileDialog dlg(parent, QString(), folder, QCoreApplication::translate("MainWindow", kFilter));
    SizeFileDialog(dlg);
    dlg.setAcceptMode(QFileDialog::AcceptOpen);
    dlg.setFileMode(QFileDialog::ExistingFile);
    dlg.setDefaultSuffix(QStringLiteral("dat"));
    return dlg.exec() == QDialog::Accepted ? dlg.selectedFiles().value(0) : QString();
}

QString DefaultSave(QWidget* parent, const QString& suggested)
{
    QFileDialog dlg(parent, QString(), suggested, QCoreApplication::translate("MainWindow", kFilter));
    SizeFileDialog(dlg);
    dlg.setAcceptMode(QFileDialog::AcceptSave);
    dlg.setDefaultSuffix(QStringLiteral("dat"));
    dlg.selectFile(suggested);
    return dlg.exec() == QDialog::Accepted ? dlg.selectedFiles().value(0) : QString();
}
} // namespace

void MainWindow::setTitle(const QString& file)
{
    const QString model = TitleModelName();
    // "[*]" shows the modified mark the platform's way.
    setWindowTitle((file.isEmpty() ? model : model + QStringLiteral(" [ ") + file + QStringLiteral(" ]")) +
                   QStringLiteral("[*]"));
}

bool MainWindow::maybeSave()
{
    StoreViewsToImage();
    if (!m_document.isModified())
        return true;
    const QString name = currentFile().isEmpty() ? appSettings().defaultFileName : QFileInfo(currentFile()).fileName();
    switch (ShowMessage(this, QMessageBox::Question, appSettings().modelName, tr("Save changes to %1?").arg(name),
                        QMessageBox::Save | QMessageBox::Discard | QMessageBox::Cancel, QMessageBox::Save)) {
    case QMessageBox::Save: return SaveDocument();
    case QMessageBox::Discard: return true;
    default: return false;
    }
}

void MainWindow::reportFileError(const QString& text, bool systemCaption)
{
    // A system error is critical; a file that is not ours, a warning. The
    // latter has the system's default caption, the former the program's.
    ShowMessage(this, systemCaption ? QMessageBox::Warning : QMessageBox::Critical,
                systemCaption ? tr("Error") : appSettings().modelName, text);
}

void MainWindow::NewDocument()
{
    // Unsaved edits get the save question instead of "Clear all data!".
    StoreViewsToImage();
    if (m_document.isModified()) {
        if (!maybeSave())
            return;
    } else {
        const bool yes = confirmNew ? confirmNew()
                                    : ShowMessage(this, QMessageBox::Question, tr("Warnning"),
                                                  tr("Clear all data! ") + QLatin1Char('\n') + tr("continue?"),
                                                  QMessageBox::Yes | QMessageBox::No) == QMessageBox::Yes;
        if (!yes)
            return;
    }
    m_document.newFromDefaults(appSettings().programFolder);
    m_document.setPath(QString());
    setTitle(QString());
    LoadViewsFromImage();
    startHistory();
}

void MainWindow::OpenDocument()
{
    if (!maybeSave())
        return;
    const QString path =
        chooseOpenFile ? chooseOpenFile(appSettings().dataFolder) : DefaultOpen(this, appSettings().dataFolder);
    if (!path.isEmpty())
        openPath(path);
}

bool MainWindow::openPath(const QString& path)
{
    FileResult r = m_document.open(path);
    if (!r.ok) {
        reportFileError(r.error, r.error == FileDoesNotMatchText());
        return false;
    }
    LoadViewsFromImage();
    m_document.setPath(QDir::toNativeSeparators(QFileInfo(path).absoluteFilePath()));
    setTitle(currentFile());
    if (m_mdi->subWindowList().isEmpty())
        openChannelTableAtTopLeft();
    startHistory();
    rememberFile(currentFile());
    if (!r.warning.isEmpty())
        ShowMessage(this, QMessageBox::Warning, appSettings().modelName, r.warning);
    return true;
}

bool MainWindow::SaveDocument()
{
    if (currentFile().isEmpty())
        return SaveDocumentAs();
    StoreViewsToImage();
    FileResult r = m_document.save();
    if (!r.ok) {
        reportFileError(r.error, false);
        return false;
    }
    rememberFile(currentFile());
    return true;
}

bool MainWindow::SaveDocumentAs()
{
    StoreViewsToImage();
    const QString suggested = appSettings().dataFolder + QLatin1Char('/') + appSettings().defaultFileName;
    const QString path = chooseSaveFile ? chooseSaveFile(suggested) : DefaultSave(this, suggested);
    if (path.isEmpty())
        return false;
    FileResult r = m_document.saveAs(path);
    if (!r.ok) {
        reportFileError(r.error, false);
        return false;
    }
    m_document.setPath(QDir::toNativeSeparators(QFileInfo(path).absoluteFilePath()));
    setTitle(currentFile());
    rememberFile(currentFile());
    return true;
}

void MainWindow::openChannelTableAtTopLeft()
{
    if (ViewSubWindow* f = openView(ViewKind::ChannelTable)) {
        f->showNormal();
        f->move(0, 0);
        f->resize(ViewSize(ViewKind::ChannelTable));
    }
}

void MainWindow::readFromRadio()
{
    // A read replaces the document.
    if (!maybeSave())
        return;
    QString summary;
    const int result = TransferDialog::run(this, m_document, transferSetup(), TransferMode::Read, tr("Read"),
                                           FullReadRanges(), &summary);
    if (result != 1) {
        showTransferSummary(summary);
        return;
    }
    m_document.deriveBandLimits();
    // Backed up before any view can touch it: exactly what the radio held.
    backUpRadioData();
    LoadViewsFromImage();
    if (m_mdi->subWindowList().isEmpty())
        openChannelTableAtTopLeft();
    startHistory();
    showTransferSummary(summary);
}

void MainWindow::writeToRadio()
{
    StoreViewsToImage();
    QString summary;
    TransferDialog::run(this, m_document, transferSetup(), TransferMode::Write, tr("Write"),
                        FullWriteRanges(appSettings().serviceMode), &summary);
    showTransferSummary(summary);
}

TransferSetup MainWindow::transferSetup() const
{
    TransferSetup setup = ProgramTransferSetup();
    if (m_actions.at(Cmd::KeepTransferLog)->isChecked())
        setup.logPath = transferLogPath();
    return setup;
}

QString MainWindow::transferLogPath() const
{
    return recoveryFolder() + QLatin1Char('/') + QLatin1String(kTransferLogName);
}

void MainWindow::openTransferLog()
{
    const QString path = transferLogPath();
    if (!QFileInfo::exists(path)) {
        ShowMessage(this, QMessageBox::Information, appSettings().modelName,
                    tr("No transfer log has been kept yet. Switch on Setting > Keep transfer log, then read or "
                       "write the radio: the log of the last transfer is kept in\n%1")
                        .arg(QDir::toNativeSeparators(path)));
        return;
    }
    if (!QDesktopServices::openUrl(QUrl::fromLocalFile(path)))
        ShowMessage(
            this, QMessageBox::Information, appSettings().modelName,
            tr("No program could be started to show the transfer log. It is\n%1").arg(QDir::toNativeSeparators(path)));
}

void MainWindow::showTransferSummary(const QString& summary)
{
    // Long enough to be read after the dialog goes; failures had their message box.
    constexpr int kShownMs = 8000;
    if (!summary.isEmpty())
        statusBar()->showMessage(summary, kShownMs);
}
