#pragma once

#include <QByteArray>
#include <QChar>
#include <QString>

#include <cstddef>
#include <optional>
#include <vector>

// Comma-separated text as Python's csv module reads and writes it, which is
// what CHIRP and the spreadsheets that edit its files exchange.
namespace CsvText {

using CsvRecord = std::vector<QString>;

// The text of a file: UTF-8 with or without a byte order mark, UTF-16 with
// one, else Latin-1; nullopt for binary data.
std::optional<QString> DecodeText(QByteArray bytes);
// The header line decides: a tab, ';' where the decimal point is a comma, else ','.
QChar DetectSeparator(const QString& text);
// A value as a report shows it: a long one cut.
QString ShownValue(const QString& value);

// A quoted field that never closed: the record it began in, and how many
// line ends it swallowed.
struct UnclosedQuote {
    std::size_t record = 0;
    qsizetype lineEnds = 0;
};

// Records as Python's csv reader splits them; unclosed is set when a quoted
// field never closed.
std::vector<CsvRecord> SplitRecords(const QString& text, QChar separator, std::optional<UnclosedQuote>& unclosed);
// Blank lines carry nothing; CHIRP skips lines whose first field starts with '#'.
bool IsBlankOrComment(const CsvRecord& record);
// A field quoted as Python's csv writer quotes: only where it needs it.
QString CsvField(const QString& field, QChar separator);

} // namespace CsvText
