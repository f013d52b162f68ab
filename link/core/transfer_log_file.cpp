#include "link/core/transfer_log_file.h"

#include "document/whole_file.h"

#include <QDateTime>
#include <QSysInfo>

#include <cerrno>
#include <cstring>

TransferTrace* TransferLogFile::start(LinkClock& clock, const QString& program)
{
    // A FIFO would block the open for as long as nobody reads it; a device
    // is no log.
    if (IsSpecialFile(m_file.fileName())) {
        m_error = SpecialFileText();
        return nullptr;
    }
    // Unbuffered, so that a failing write reports the system's own reason.
    if (!m_file.open(QIODevice::WriteOnly | QIODevice::Truncate | QIODevice::Unbuffered))
        return nullptr;
    m_trace.emplace(clock, [this](std::string_view line) { write(line); });
    m_trace->comment("QM4410 transfer log: " + program.toStdString() + " " PROGRAMMER_VERSION);
    m_trace->comment("system: " + QSysInfo::prettyProductName().toStdString() + ", Qt " + qVersion());
    m_trace->comment(
        "started: " +
        QDateTime::currentDateTimeUtc().toString(QStringLiteral("yyyy-MM-dd HH:mm:ss 'UTC'")).toStdString());
    m_trace->comment("time ms, event: PC->radio bytes | radio->PC got/asked time bytes | purge | -- engine");
    return &*m_trace;
}

void TransferLogFile::write(std::string_view line)
{
    if (m_failed)
        return;
    QByteArray bytes(line.data(), static_cast<qsizetype>(line.size()));
    bytes += '\n';
    // Flushed at once: the last lines are the ones a bug report needs.
    m_failed = !WriteAll(m_file, bytes) || !m_file.flush();
    if (m_failed) {
        const int error = errno;
        m_error = m_file.errorString();
        if (m_error.isEmpty() || m_error == QLatin1String("Unknown error"))
            m_error = QString::fromLocal8Bit(std::strerror(error));
    }
}
