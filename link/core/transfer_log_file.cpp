#include "link/core/transfer_log_file.h"

#include <QDateTime>
#include <QSysInfo>

bool TransferLogFile::open()
{
    return m_file.open(QIODevice::WriteOnly | QIODevice::Truncate);
}

void TransferLogFile::write(std::string_view line)
{
    if (m_failed || !m_file.isOpen())
        return;
    QByteArray bytes(line.data(), static_cast<qsizetype>(line.size()));
    bytes += '\n';
    // Flushed at once: the last lines are the ones a bug report needs.
    m_failed = m_file.write(bytes) != bytes.size() || !m_file.flush();
}

void TransferLogFile::WriteHeader(TransferTrace& trace, const QString& program)
{
    trace.comment("QM4410 transfer log: " + program.toStdString() + " " PROGRAMMER_VERSION);
    trace.comment("system: " + QSysInfo::prettyProductName().toStdString() + ", Qt " + qVersion());
    trace.comment("started: " +
                  QDateTime::currentDateTimeUtc().toString(QStringLiteral("yyyy-MM-dd HH:mm:ss 'UTC'")).toStdString());
    trace.comment("time ms, event: PC->radio bytes | radio->PC got/asked time bytes | purge | -- engine");
}
