#pragma once

#include "link/core/transfer_trace.h"

#include <QFile>
#include <QString>

#include <string_view>

// A transfer log on disk, written line by line as the transfer goes, so that
// a transfer that hangs or a program that is killed still leaves what led up
// to it.
class TransferLogFile {
public:
    explicit TransferLogFile(const QString& path) : m_file(path) {}

    // Creates or empties the file; false with the system's reason in errorString().
    bool open();
    QString errorString() const { return m_file.errorString(); }
    bool isOpen() const { return m_file.isOpen(); }
    // A line could not be written (a full disk): the log is incomplete.
    bool failed() const { return m_failed; }
    void write(std::string_view line);
    TransferTrace::Sink sink()
    {
        return [this](std::string_view line) { write(line); };
    }

    // The lines a log starts with: the program that wrote it, the system, the time.
    static void WriteHeader(TransferTrace& trace, const QString& program);

private:
    QFile m_file;
    bool m_failed = false;
};
