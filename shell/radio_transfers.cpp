#include "shell/radio_transfers.h"

#include "controls/message_box.h"
#include "link/core/transfer_plan.h"
#include "link/transfer_dialog.h"
#include "shell/core/app_settings.h"
#include "shell/document_files.h"
#include "shell/edit_steps.h"
#include "shell/main_window.h"
#include "shell/transfer_setup.h"
#include "shell/view_windows.h"

#include <QAction>
#include <QDesktopServices>
#include <QDir>
#include <QFileInfo>
#include <QMdiArea>
#include <QStatusBar>
#include <QUrl>

RadioTransfers::RadioTransfers(MainWindow& window, QAction& keepLog) : m_window(window), m_keepLog(keepLog) {}

void RadioTransfers::readFromRadio()
{
    if (!m_window.files().maybeSave())
        return;
    Document& document = m_window.document();
    QString summary;
    const int result = TransferDialog::run(&m_window, document, transferSetup(), TransferMode::Read, tr("Read"),
                                           FullReadRanges(), &summary);
    if (result != 1) {
        showTransferSummary(summary);
        return;
    }
    document.deriveBandLimits();
    // Backed up before any view can touch it: exactly what the radio held.
    m_window.files().backUpRadioData();
    m_window.LoadViewsFromImage();
    if (m_window.views().area()->subWindowList().isEmpty())
        m_window.views().openChannelTableAtTopLeft();
    m_window.steps().startHistory();
    showTransferSummary(summary);
}

void RadioTransfers::writeToRadio()
{
    m_window.StoreViewsToImage();
    QString summary;
    TransferDialog::run(&m_window, m_window.document(), transferSetup(), TransferMode::Write, tr("Write"),
                        FullWriteRanges(appSettings().serviceMode), &summary);
    showTransferSummary(summary);
}

TransferSetup RadioTransfers::transferSetup() const
{
    TransferSetup setup = ProgramTransferSetup();
    if (m_keepLog.isChecked())
        setup.logPath = transferLogPath();
    return setup;
}

QString RadioTransfers::transferLogPath() const
{
    return m_window.files().userDataFolder() + QLatin1Char('/') + QLatin1String(kTransferLogName);
}

void RadioTransfers::openTransferLog()
{
    const QString path = transferLogPath();
    if (!QFileInfo::exists(path)) {
        ShowMessage(&m_window, QMessageBox::Information, appSettings().modelName,
                    tr("No transfer log has been kept yet. Switch on Setting > Keep transfer log, then read or "
                       "write the radio: the log of the last transfer is kept in\n%1")
                        .arg(QDir::toNativeSeparators(path)));
        return;
    }
    if (!QDesktopServices::openUrl(QUrl::fromLocalFile(path)))
        ShowMessage(
            &m_window, QMessageBox::Information, appSettings().modelName,
            tr("No program could be started to show the transfer log. It is\n%1").arg(QDir::toNativeSeparators(path)));
}

void RadioTransfers::showTransferSummary(const QString& summary)
{
    // Long enough to be read after the dialog goes; failures had their message box.
    constexpr int kShownMs = 8000;
    if (!summary.isEmpty())
        m_window.statusBar()->showMessage(summary, kShownMs);
}
