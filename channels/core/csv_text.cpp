#include "channels/core/csv_text.h"

#include <QStringDecoder>

#include <algorithm>
#include <utility>

namespace CsvText {

std::optional<QString> DecodeText(QByteArray bytes)
{
    if (bytes.startsWith("\xEF\xBB\xBF"))
        bytes.remove(0, 3);
    QString text;
    const auto bom = QStringConverter::encodingForData(bytes);
    if (bom && *bom != QStringConverter::Utf8) {
        QStringDecoder decode(*bom);
        text = decode(bytes);
    } else {
        QStringDecoder decode(QStringConverter::Utf8);
        text = decode(bytes);
        // Spreadsheets on Windows save in the ANSI code page; the letters it
        // adds to ASCII are none the radio can show anyway.
        if (decode.hasError())
            text = QString::fromLatin1(bytes);
    }
    if (text.startsWith(QChar(0xFEFF)))
        text.remove(0, 1);
    if (text.contains(QChar(0)))
        return std::nullopt;
    return text;
}

// The header line decides: a tab from a spreadsheet, ';' as CHIRP wrote where
// the decimal point is a comma, else ','.
QChar DetectSeparator(const QString& text)
{
    qsizetype start = 0;
    while (start < text.size()) {
        qsizetype end = text.indexOf(u'\n', start);
        if (end < 0)
            end = text.size();
        const QStringView line = QStringView(text).mid(start, end - start).trimmed();
        start = end + 1;
        if (line.isEmpty() || line.startsWith(u'#'))
            continue;
        if (line.contains(u'\t'))
            return u'\t';
        return !line.contains(u',') && line.contains(u';') ? u';' : u',';
    }
    return u',';
}

// A value as the report shows it: a long one cut, so that a field of
// megabytes does not fill the report.
QString ShownValue(const QString& value)
{
    constexpr qsizetype kShown = 40;
    return value.size() <= kShown ? value : value.left(kShown) + QChar(0x2026);
}

// Records as Python's csv reader splits them: a field that starts with a
// quote runs to the closing quote, "" inside it is one quote, and separators
// and line ends inside it are text.
std::vector<CsvRecord> SplitRecords(const QString& text, QChar separator, std::optional<UnclosedQuote>& unclosed)
{
    std::vector<CsvRecord> records;
    CsvRecord record;
    const qsizetype n = text.size();
    qsizetype i = 0;
    while (i < n) {
        QString field;
        if (text[i] == u'"') {
            const qsizetype opened = i;
            for (++i; i < n; ++i) {
                if (text[i] != u'"')
                    field += text[i];
                else if (i + 1 < n && text[i + 1] == u'"')
                    field += text[++i];
                else
                    break;
            }
            if (i >= n) {
                // Lines as the text ends them (LF, CRLF or CR alone); a last line end starts no row.
                QStringView rest = QStringView(text).mid(opened);
                while (rest.endsWith(u'\n') || rest.endsWith(u'\r'))
                    rest.chop(1);
                const qsizetype lf = rest.count(u'\n');
                unclosed = UnclosedQuote{records.size(), lf > 0 ? lf : rest.count(u'\r')};
            }
            i = std::min(i + 1, n); // past the closing quote; what follows it is text, as Python reads it
        }
        qsizetype end = i;
        while (end < n && text[end] != separator && text[end] != u'\r' && text[end] != u'\n')
            ++end;
        field += QStringView(text).mid(i, end - i);
        record.push_back(std::move(field));
        i = end;
        if (i < n && text[i] == separator) {
            if (++i == n)
                record.emplace_back();
            continue;
        }
        // A line end, or the end of the text.
        if (i < n && text[i] == u'\r' && i + 1 < n && text[i + 1] == u'\n')
            ++i;
        ++i;
        records.push_back(std::exchange(record, CsvRecord()));
    }
    if (!record.empty()) // the text ended on a separator
        records.push_back(std::move(record));
    return records;
}

// Blank lines carry nothing; CHIRP skips lines whose first field starts with '#'.
bool IsBlankOrComment(const CsvRecord& record)
{
    if (!record.empty() && record.front().trimmed().startsWith(u'#'))
        return true;
    return std::all_of(record.begin(), record.end(), [](const QString& f) { return f.trimmed().isEmpty(); });
}

// Quoted as Python's csv writer quotes: only where the field needs it.
QString CsvField(const QString& field, QChar separator)
{
    if (!field.contains(separator) && !field.contains(u'"') && !field.contains(u'\r') && !field.contains(u'\n'))
        return field;
    QString quoted = field;
    quoted.replace(u'"', QStringLiteral("\"\""));
    return u'"' + quoted + u'"';
}

} // namespace CsvText
