// import-csv and export-csv: the channel list in CHIRP's CSV format.
#include "tools/cli/commands.h"

#include "channels/core/chirp_csv.h"
#include "channels/core/record_rules.h"
#include "document/band_plan.h"
#include "document/document.h"
#include "document/whole_file.h"

#include <QFile>

#include <cstdio>
#include <memory>
#include <numeric>
#include <vector>

namespace {

// The document as the channel table sees it once it has loaded: the band
// limits of the file's plan and the bands that plan enables.
bool OpenDocument(const QString& path, Document& doc)
{
    const FileResult r = doc.open(path);
    if (!r.ok) {
        std::fprintf(stderr, "programmer-cli: %s: %s\n", qPrintable(path), qPrintable(r.error));
        return false;
    }
    if (!r.warning.isEmpty())
        std::fprintf(stderr, "programmer-cli: %s: %s\n", qPrintable(path), qPrintable(r.warning));
    ComputeBandEnabled(doc.image(), doc.bands());
    return true;
}

int ImportUsage()
{
    std::fputs("usage: programmer-cli import-csv IN.csv FILE.dat OUT.dat [--first N]  (N = 1..800)\n", stderr);
    return kExitUsage;
}

} // namespace

int CliImportCsv(const QStringList& args)
{
    QStringList files;
    CsvImportOptions options;
    for (qsizetype i = 0; i < args.size(); ++i) {
        if (args[i] != QLatin1String("--first")) {
            files << args[i];
            continue;
        }
        bool ok = false;
        if (i + 1 < args.size())
            options.firstChannel = args[++i].toInt(&ok);
        if (!ok || options.firstChannel < 1 || options.firstChannel > kEditableChannels)
            return ImportUsage();
    }
    if (files.size() != 3)
        return ImportUsage();

    QFile in(files[0]);
    if (IsSpecialFile(files[0])) {
        std::fprintf(stderr, "programmer-cli: %s: %s\n", qPrintable(files[0]), qPrintable(SpecialFileText()));
        return kExitFailure;
    }
    if (!in.open(QIODevice::ReadOnly)) {
        std::fprintf(stderr, "programmer-cli: %s: %s\n", qPrintable(files[0]), qPrintable(in.errorString()));
        return kExitFailure;
    }
    if (in.size() > kCsvMaxBytes) {
        std::fprintf(stderr, "programmer-cli: %s: %s\n", qPrintable(files[0]), qPrintable(CsvTooLargeText()));
        return kExitFailure;
    }
    if (RefusedOutput(files[2]))
        return kExitFailure;
    const QByteArray text = in.readAll();
    Document doc;
    if (!OpenDocument(files[1], doc))
        return kExitFailure;
    // Into a copy: a file that cannot be taken at all writes nothing.
    auto image = std::make_unique<RadioImage>(doc.image());
    const CsvImportResult result = ImportChirpCsv(text, doc.bands(), *image, options);
    if (!result.ok) {
        std::fprintf(stderr, "programmer-cli: %s: %s\n", qPrintable(files[0]), qPrintable(result.error));
        return kExitFailure;
    }
    for (const CsvIssue& issue : result.issues)
        std::fprintf(stderr, "row %d, %s, %s: %s\n", issue.row, qPrintable(issue.column), qPrintable(issue.value),
                     qPrintable(issue.action));
    {
        auto change = doc.change();
        change.image() = *image;
    }
    const FileResult w = doc.saveAs(files[2]);
    if (!w.ok) {
        std::fprintf(stderr, "programmer-cli: %s: %s\n", qPrintable(files[2]), qPrintable(w.error));
        return kExitFailure;
    }
    std::printf("rows taken: %d, skipped: %d\n", result.taken, result.skipped);
    return result.exact() ? 0 : kExitAdjusted;
}

int CliExportCsv(const QStringList& args)
{
    if (args.size() != 2) {
        std::fputs("usage: programmer-cli export-csv FILE.dat OUT.csv\n", stderr);
        return kExitUsage;
    }
    if (RefusedOutput(args[1]))
        return kExitFailure;
    Document doc;
    if (!OpenDocument(args[0], doc))
        return kExitFailure;
    std::vector<int> channels(kEditableChannels);
    std::iota(channels.begin(), channels.end(), 1);
    if (const QString error = SaveWholeFile(args[1], ExportChirpCsv(doc.image(), channels)); !error.isEmpty()) {
        std::fprintf(stderr, "programmer-cli: %s: %s\n", qPrintable(args[1]), qPrintable(error));
        return kExitFailure;
    }
    return 0;
}
