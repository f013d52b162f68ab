#include "channels/core/chirp_csv.h"

#include "channels/core/channel_row.h"
#include "channels/core/chirp_rows.h"
#include "channels/core/csv_text.h"
#include "channels/core/fix_up_image.h"
#include "channels/core/record_rules.h"

#include <QCoreApplication>

#include <array>
#include <optional>

using namespace ChirpRows;
using namespace CsvText;

QString CsvTooLargeText()
{
    return QCoreApplication::translate("ChirpCsv", "The file is larger than %1 MB: it is not a channel list.")
        .arg(kCsvMaxBytes / (1024 * 1024));
}

QString ChirpCsvHeader(char separator)
{
    QString header;
    for (const char* name : kColumnNames) {
        if (!header.isEmpty())
            header += QLatin1Char(separator);
        header += QLatin1String(name);
    }
    return header;
}

QByteArray ExportChirpCsv(const RadioImage& image, const std::vector<int>& channels, char separator)
{
    const QChar sep = QLatin1Char(separator);
    QString out = ChirpCsvHeader(separator) + QStringLiteral("\r\n");
    for (int n : channels) {
        if (n < 1 || n > kEditableChannels)
            continue;
        const ConstChannelRecord r = ChannelAt(image, n);
        if (!r.hasRx())
            continue;
        const std::array<QString, kColumnCount> fields = ExportRow(r, n);
        QString line = CsvField(fields[0], sep);
        for (std::size_t c = 1; c < fields.size(); ++c)
            line += sep + CsvField(fields[c], sep);
        out += line + QStringLiteral("\r\n");
    }
    return out.toUtf8();
}

CsvImportResult ImportChirpCsv(const QByteArray& bytes, const BandTable& bands, RadioImage& image,
                               const CsvImportOptions& options)
{
    CsvImportResult result;
    auto fail = [&result](const QString& error) {
        result.error = error;
        return result;
    };
    if (options.firstChannel < 0 || options.firstChannel > kEditableChannels)
        return fail(QCoreApplication::translate("ChirpCsv", "The first channel must be 1 to 800."));
    const std::optional<QString> text = DecodeText(bytes);
    if (!text)
        return fail(QCoreApplication::translate("ChirpCsv", "This is not a text file."));
    if (text->trimmed().isEmpty())
        return fail(QCoreApplication::translate("ChirpCsv", "The file is empty."));

    std::optional<UnclosedQuote> unclosed;
    const std::vector<CsvRecord> records = SplitRecords(*text, DetectSeparator(*text), unclosed);
    std::size_t header = 0;
    while (header < records.size() && IsBlankOrComment(records[header]))
        ++header;
    std::array<int, kColumnCount> at{};
    at.fill(-1);
    if (header < records.size())
        for (std::size_t i = 0; i < records[header].size(); ++i)
            for (std::size_t c = 0; c < kColumnNames.size(); ++c)
                if (at[c] < 0 &&
                    records[header][i].trimmed().compare(QLatin1String(kColumnNames[c]), Qt::CaseInsensitive) == 0)
                    at[c] = static_cast<int>(i);
    if (at[kFrequency] < 0)
        return fail(QCoreApplication::translate("ChirpCsv",
                                                "The file has no Frequency column: it is not a CHIRP channel list."));
    if (at[kLocation] < 0 && options.firstChannel == 0)
        return fail(QCoreApplication::translate(
            "ChirpCsv", "The file has no Location column: give the channel for its first row."));

    std::vector<int> rowOfChannel(kEditableChannels + 1, 0);
    int dataRows = 0;
    for (std::size_t i = header + 1; i < records.size(); ++i) {
        if (IsBlankOrComment(records[i]))
            continue;
        // The row that holds a quote left open, and the lines it swallowed, are not read.
        if (unclosed && i == unclosed->record) {
            const int from = static_cast<int>(i - header);
            const int to = from + static_cast<int>(unclosed->lineEnds);
            result.issues.push_back(
                {from, QString(), QString(),
                 to > from ? QCoreApplication::translate("ChirpCsv",
                                                         "unclosed quote from row %1: rows %1 to %2 were not read")
                                 .arg(from)
                                 .arg(to)
                           : QCoreApplication::translate("ChirpCsv", "unclosed quote from row %1: row %1 was not read")
                                 .arg(from)});
            ++result.skipped;
            continue;
        }
        const Row row(records[i], at);
        const int channel = options.firstChannel == 0 ? 0 : options.firstChannel + dataRows;
        ++dataRows;
        if (ImportRow(bands, image, result, rowOfChannel, row, static_cast<int>(i - header), channel))
            ++result.taken;
        else
            ++result.skipped;
    }
    // An import that takes no row leaves the image as it was.
    if (result.taken > 0)
        FixUpImage(bands, image, options.priority);
    result.ok = true;
    return result;
}
