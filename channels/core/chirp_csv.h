#pragma once

#include "channels/core/fix_up_image.h"
#include "document/band_table.h"
#include "document/radio_image.h"

#include <QByteArray>
#include <QString>

#include <vector>

// The bank A channel list in CHIRP's generic CSV format, the file most radio
// programming tools exchange. An import passes every row through the rules
// of the channel table and reports each value it could not take as it stood;
// an export writes what CHIRP writes, so CHIRP reads it back.

struct CsvIssue {
    int row = 0;    // 1-based data row of the input: the record after the header is 1
    QString column; // CHIRP's column name
    QString value;  // as the input had it
    QString action; // what was done instead, for the user
};

// A list of 800 channels is a few hundred kilobytes: a larger file is
// refused before it is read, so that memory stays bounded.
inline constexpr qint64 kCsvMaxBytes = 4 * 1024 * 1024;
QString CsvTooLargeText(); // "The file is larger than 4 MB: it is not a channel list."

struct CsvImportOptions {
    // 0: each row goes to the channel its Location names. 1..800: the rows go
    // to consecutive channels from this one, and Location is not read.
    int firstChannel = 0;
    // A paste into the table is an edit: the store pass checks the priority channels.
    PriorityCheck priority = PriorityCheck::Run;
};

struct CsvImportResult {
    bool ok = false; // false: the text could not be taken at all, nothing was written
    QString error;
    int taken = 0;   // rows written, exactly or adjusted
    int skipped = 0; // rows that left their channel as it was
    std::vector<CsvIssue> issues;

    bool exact() const { return ok && skipped == 0 && issues.empty(); }
};

// "Location,Name,Frequency,..." with the given separator, no line end.
QString ChirpCsvHeader(char separator);

// The present ones of the given bank A channels (1..800), in the given order,
// after the header; UTF-8, CRLF line ends as CHIRP writes them.
QByteArray ExportChirpCsv(const RadioImage& image, const std::vector<int>& channels, char separator = ',');

// CHIRP's CSV, or the same tab- or semicolon-separated (taken from the header
// line): UTF-8 with or without a byte order mark (UTF-16 with one), CRLF or
// LF, quoted fields with "" escapes, columns in any order. Only Frequency is
// required, and Location unless options.firstChannel is set. Each row taken
// replaces its channel's record; the consistency pass runs after the last.
CsvImportResult ImportChirpCsv(const QByteArray& text, const BandTable& bands, RadioImage& image,
                               const CsvImportOptions& options);
