// programmer-cli print: the printout of a parameter file as a PDF file, the
// same pages File > Export PDF writes, without a display.
#include "tools/cli/commands.h"

#include "document/document.h"
#include "printing/core/print_layout.h"
#include "printing/print_renderer.h"
#include "shell/print_content.h"

#include <QCoreApplication>
#include <QMarginsF>
#include <QPageLayout>
#include <QPageSize>
#include <QTranslator>

#include <cstdio>

namespace {
constexpr char kUsage[] = "usage: programmer-cli print FILE.dat OUT.pdf [--sections LIST] [--language en|zh]\n"
                          "                            [--page a4|letter]\n";
constexpr double kMarginMm = 12.7;
} // namespace

int CliPrint(const QStringList& args)
{
    QStringList files;
    PrintSections sections = kAllPrintSections;
    QString language = QStringLiteral("en");
    QPageSize::PageSizeId page = QPageSize::A4;
    for (qsizetype i = 0; i < args.size(); ++i) {
        const QString& a = args[i];
        const bool hasValue = i + 1 < args.size();
        if (a == QLatin1String("--sections") && hasValue) {
            QString unknown;
            const std::optional<PrintSections> parsed = ParsePrintSections(args[++i], &unknown);
            if (!parsed || *parsed == 0) {
                std::fprintf(stderr,
                             "programmer-cli: unknown section '%s'; the sections are "
                             "channels,scan,settings,dtmf,alarm,twotone,fivetone,model\n",
                             qPrintable(unknown));
                return kExitUsage;
            }
            sections = *parsed;
        } else if (a == QLatin1String("--language") && hasValue) {
            language = args[++i].toLower();
            if (language != QLatin1String("en") && language != QLatin1String("zh")) {
                std::fputs(kUsage, stderr);
                return kExitUsage;
            }
        } else if (a == QLatin1String("--page") && hasValue) {
            const QString size = args[++i].toLower();
            if (size != QLatin1String("a4") && size != QLatin1String("letter")) {
                std::fputs(kUsage, stderr);
                return kExitUsage;
            }
            page = size == QLatin1String("a4") ? QPageSize::A4 : QPageSize::Letter;
        } else if (a.startsWith(QLatin1String("--"))) {
            std::fputs(kUsage, stderr);
            return kExitUsage;
        } else {
            files << a;
        }
    }
    if (files.size() != 2) {
        std::fputs(kUsage, stderr);
        return kExitUsage;
    }

    if (RefusedOutput(files[1]))
        return kExitFailure;
    QTranslator texts;
    if (language == QLatin1String("zh") && texts.load(QStringLiteral(":/i18n/programmer_zh.qm")))
        QCoreApplication::installTranslator(&texts);

    Document doc;
    const FileResult opened = doc.open(files[0]);
    if (!opened.ok) {
        std::fprintf(stderr, "programmer-cli: %s: %s\n", qPrintable(files[0]), qPrintable(opened.error));
        return kExitFailure;
    }
    if (!opened.warning.isEmpty()) // a short file, as export-csv says
        std::fprintf(stderr, "programmer-cli: %s: %s\n", qPrintable(files[0]), qPrintable(opened.warning));
    PrintRenderer renderer;
    renderer.setJobName(PrintJobName(files[0], QString()));
    renderer.setSheet(BuildPrintSheet(doc, sections));
    const QPageLayout layout(QPageSize(page), QPageLayout::Portrait,
                             QMarginsF(kMarginMm, kMarginMm, kMarginMm, kMarginMm), QPageLayout::Millimeter);
    const QString error = WritePrintPdf(renderer, files[1], layout);
    if (!error.isEmpty()) {
        std::fprintf(stderr, "programmer-cli: %s: %s\n", qPrintable(files[1]), qPrintable(error));
        return kExitFailure;
    }
    std::printf("Printed %s: %d pages\n", qPrintable(files[1]), renderer.pageCount());
    return 0;
}
