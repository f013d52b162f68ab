#include "shell/csv_commands.h"

#include "channels/core/chirp_csv.h"
#include "channels/csv_report_dialog.h"
#include "document/document.h"
#include "document/whole_file.h"
#include "shell/core/app_settings.h"
#include "shell/desktop.h"
#include "shell/document_files.h"
#include "shell/main_window.h"

#include <QFile>

#include <numeric>

void CsvCommands::importChannels()
{
    m_window.StoreViewsToImage();
    const QString path = m_desktop.csvToImport(&m_window, appSettings().dataFolder);
    if (path.isEmpty())
        return;
    const std::optional<int> first = m_desktop.firstChannel(&m_window);
    if (!first)
        return;
    QFile file(path);
    if (IsSpecialFile(path)) {
        m_window.files().reportFileError(SpecialFileText(), false);
        return;
    }
    if (!file.open(QIODevice::ReadOnly)) {
        m_window.files().reportFileError(file.errorString(), false);
        return;
    }
    if (file.size() > kCsvMaxBytes) {
        m_window.files().reportFileError(CsvTooLargeText(), false);
        return;
    }
    const QByteArray text = file.readAll();
    Document& document = m_window.document();
    CsvImportOptions options;
    options.firstChannel = *first;
    CsvImportResult result;
    {
        auto step = document.step(tr("Import channels"));
        auto change = document.change();
        // Into a copy: a file that cannot be taken at all leaves the document alone.
        auto image = std::make_unique<RadioImage>(change.image());
        result = ImportChirpCsv(text, document.bands(), *image, options);
        if (result.ok)
            change.image() = *image;
    }
    m_window.LoadViewsFromImage();
    if (result.ok && result.issues.empty())
        return;
    CsvReportDialog dlg(result, &m_window);
    dlg.exec();
}

void CsvCommands::exportChannels()
{
    m_window.StoreViewsToImage();
    const QString suggested =
        appSettings().dataFolder + QLatin1Char('/') + appSettings().modelName + QStringLiteral(".csv");
    const QString path = m_desktop.csvToExport(&m_window, suggested);
    if (path.isEmpty())
        return;
    std::vector<int> channels(800);
    std::iota(channels.begin(), channels.end(), 1);
    if (const QString error = SaveWholeFile(path, ExportChirpCsv(m_window.document().image(), channels));
        !error.isEmpty())
        m_window.files().reportFileError(error, false);
}
