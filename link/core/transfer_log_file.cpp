#include "link/core/transfer_log_file.h"

#include <QDateTime>
#include <QSysInfo>

TransferTrace* TransferLogFile::start(LinkClock& clock, const QString& program)
{
    if (!m_file.open(QIODevice::WriteOnly | QIODevice::Truncate))
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
    m_failed = m_file.write(bytes) != bytes.size() || !m_file.flush();
}
