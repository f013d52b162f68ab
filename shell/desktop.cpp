#include "shell/desktop.h"

#include "controls/message_box.h"

#include <QCoreApplication>
#include <QFileDialog>
#include <QHeaderView>
#include <QInputDialog>
#include <QScreen>
#include <QStandardPaths>
#include <QTreeView>

namespace {
const char* const kFilter = QT_TRANSLATE_NOOP("MainWindow", "Param Files (*.dat)");
const char* const kCsvFilter = QT_TRANSLATE_NOOP("MainWindow", "CSV files (*.csv);;All files (*)");

// Qt's own file dialog opens too small for its columns; a native one sizes itself.
void SizeFileDialog(QFileDialog& dlg)
{
    constexpr QSize kSize(860, 520);
    dlg.resize(kSize.boundedTo(dlg.screen()->availableSize()));
    if (auto* details = dlg.findChild<QTreeView*>())
        details->header()->setSectionResizeMode(0, QHeaderView::Stretch);
}
} // namespace

QString Desktop::openFile(QWidget* parent, const QString& folder)
{
    QFileDialog dlg(parent, QString(), folder, tr(kFilter));
    SizeFileDialog(dlg);
    dlg.setAcceptMode(QFileDialog::AcceptOpen);
    dlg.setFileMode(QFileDialog::ExistingFile);
    dlg.setDefaultSuffix(QStringLiteral("dat"));
    return dlg.exec() == QDialog::Accepted ? dlg.selectedFiles().value(0) : QString();
}

QString Desktop::saveFile(QWidget* parent, const QString& suggestedPath)
{
    QFileDialog dlg(parent, QString(), suggestedPath, tr(kFilter));
    SizeFileDialog(dlg);
    dlg.setAcceptMode(QFileDialog::AcceptSave);
    dlg.setDefaultSuffix(QStringLiteral("dat"));
    dlg.selectFile(suggestedPath);
    return dlg.exec() == QDialog::Accepted ? dlg.selectedFiles().value(0) : QString();
}

bool Desktop::confirmNew(QWidget* parent)
{
    return ShowMessage(parent, QMessageBox::Question, tr("Warnning"),
                       tr("Clear all data! ") + QLatin1Char('\n') + tr("continue?"),
                       QMessageBox::Yes | QMessageBox::No) == QMessageBox::Yes;
}

QString Desktop::csvToImport(QWidget* parent, const QString& folder)
{
    return QFileDialog::getOpenFileName(parent, tr("Import channels"), folder, tr(kCsvFilter));
}

QString Desktop::csvToExport(QWidget* parent, const QString& suggestedPath)
{
    return QFileDialog::getSaveFileName(parent, tr("Export channels"), suggestedPath, tr(kCsvFilter));
}

std::optional<int> Desktop::firstChannel(QWidget* parent)
{
    bool ok = true;
    const int first = QInputDialog::getInt(parent, tr("Import channels"),
                                           tr("First channel for the rows (0: the channel in each row's Location):"), 0,
                                           0, 800, 1, &ok);
    return ok ? std::optional<int>(first) : std::nullopt;
}

QString Desktop::userDataFolder() const
{
    return QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
}
