#pragma once

#include "link/core/transfer_trace.h"

#include <QFile>
#include <QString>

#include <optional>
#include <string_view>

// A transfer log on disk, written line by line as the transfer goes, so that
// a transfer that hangs or a program that is killed still leaves what led up
// to it.
class TransferLogFile {
public:
    explicit TransferLogFile(const QString& path) : m_file(path) {}

    // Creates or empties the file and writes the header (the program, the
    // system, the time); the trace to hand the engine, or null with the
    // system's reason in errorString().
    TransferTrace* start(LinkClock& clock, const QString& program);
    QString errorString() const { return m_error.isEmpty() ? m_file.errorString() : m_error; }
    // Not started, or a line could not be written (a full disk): the log is missing or incomplete.
    bool failed() const { return m_failed || !m_file.isOpen(); }

private:
    void write(std::string_view line);

    QFile m_file;
    QString m_error; // the reason of the first failure, as the system gave it
    std::optional<TransferTrace> m_trace;
    bool m_failed = false;
};
