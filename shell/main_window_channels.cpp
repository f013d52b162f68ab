// File > Import channels and Export channels: the channel list in CHIRP's CSV format.
#include "shell/main_window.h"

#include "channels/core/chirp_csv.h"
#include "channels/csv_report_dialog.h"
#include "document/whole_file.h"
#include "shell/core/app_settings.h"

#include <QFile>
#include <QFileDialog>
#include <QInputDialog>
#include <QMessageBox>

#include <numeric>

namespace {
const char* const kCsvFilter = QT_TRANSLATE_NOOP("MainWindow", "CSV files (*.csv);;All files (*)");
}

void MainWindow::importChannels()
{
    StoreViewsToImage();
    const QString path = chooseCsvFile ? chooseCsvFile(appSettings().dataFolder)
                                       : QFileDialog::getOpenFileName(this, tr("Import channels"),
                                                                      appSettings().dataFolder, tr(kCsvFilter));
    if (path.isEmpty())
        return;
    bool ok = true;
    const int first =
        chooseFirstChannel
            ? chooseFirstChannel()
            : QInputDialog::getInt(this, tr("Import channels"),
                                   tr("First channel for the rows (0: the channel in each row's Location):"), 0, 0, 800,
                                   1, &ok);
    if (!ok)
        return;
    QFile file(path);
    if (IsSpecialFile(path)) {
        reportFileError(SpecialFileText(), false);
        return;
    }
    if (!file.open(QIODevice::ReadOnly)) {
        reportFileError(file.errorString(), false);
        return;
    }
    if (file.size() > kCsvMaxBytes) {
        reportFileError(CsvTooLargeText(), false);
        return;
    }
    const QByteArray text = file.readAll();
    CsvImportOptions options;
    options.firstChannel = first;
    CsvImportResult result;
    {
        auto step = m_document.step(tr("Import channels"));
        auto change = m_document.change();
        // Into a copy: a file that cannot be taken at all leaves the document alone.
        auto image = std::make_unique<RadioImage>(change.image());
        result = ImportChirpCsv(text, m_document.bands(), *image, options);
        if (result.ok)
            change.image() = *image;
    }
    LoadViewsFromImage();
    if (result.ok && result.issues.empty())
        return;
    CsvReportDialog dlg(result, this);
    dlg.exec();
}

void MainWindow::exportChannels()
{
    StoreViewsToImage();
    const QString suggested =
        appSettings().dataFolder + QLatin1Char('/') + appSettings().modelName + QStringLiteral(".csv");
    const QString path = chooseCsvFile
                             ? chooseCsvFile(suggested)
                             : QFileDialog::getSaveFileName(this, tr("Export channels"), suggested, tr(kCsvFilter));
    if (path.isEmpty())
        return;
    std::vector<int> channels(800);
    std::iota(channels.begin(), channels.end(), 1);
    if (const QString error = SaveWholeFile(path, ExportChirpCsv(m_document.image(), channels)); !error.isEmpty())
        reportFileError(error, false);
}
