#include "shell/core/recovery_file.h"

#include "document/param_file.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSysInfo>

#include <algorithm>

#ifdef Q_OS_UNIX
#include <cerrno>
#include <csignal>
#endif

namespace {
const char* const kPrefix = "unsaved-";

QString LockPathFor(const QString& dataPath)
{
    return dataPath.left(dataPath.size() - 4) + QStringLiteral(".lock");
}

// Whether the program that holds this lock runs. No lock file: it is gone.
// A lock names its process; where the system can say whether that process
// lives, its word is taken without touching the lock.
bool ProgramStillRuns(const QString& lockPath)
{
    if (!QFileInfo::exists(lockPath))
        return false;
    QLockFile lock(lockPath);
#ifdef Q_OS_UNIX
    qint64 pid = 0;
    QString host, app;
    if (lock.getLockInfo(&pid, &host, &app) && pid > 0 && host == QSysInfo::machineHostName())
        return ::kill(static_cast<pid_t>(pid), 0) == 0 || errno == EPERM;
#endif
    lock.setStaleLockTime(0);
    if (!lock.tryLock(0))
        return true;
    lock.unlock();
    return false;
}
} // namespace

RecoveryFile::RecoveryFile(const QString& folder)
{
    QDir().mkpath(folder);
    // Named by process and start time: a process number used again never
    // writes over a file left behind.
    const QString base =
        QDir(folder).filePath(QLatin1String(kPrefix) + QString::number(QCoreApplication::applicationPid()) +
                              QLatin1Char('-') + QString::number(QDateTime::currentMSecsSinceEpoch()));
    m_path = base + QStringLiteral(".dat");
    m_lock = std::make_unique<QLockFile>(base + QStringLiteral(".lock"));
    m_lock->setStaleLockTime(0); // only a program that is gone leaves a stale lock
    m_lock->tryLock(0);
}

RecoveryFile::~RecoveryFile() = default;

bool RecoveryFile::write(const HeaderBlock& header, const RadioImage& image)
{
    // Signed, so that it opens as any parameter file does.
    auto signedHeader = std::make_unique<HeaderBlock>(header);
    WriteSignature(*signedHeader);
    return WriteParamFile(m_path, *signedHeader, image).ok;
}

void RecoveryFile::remove()
{
    QFile::remove(m_path);
}

bool RecoveryFile::exists() const
{
    return QFileInfo::exists(m_path);
}

std::vector<RecoveryFile::LeftBehind> RecoveryFile::leftBehind(const QString& folder)
{
    std::vector<LeftBehind> found;
    const QFileInfoList files =
        QDir(folder).entryInfoList({QLatin1String(kPrefix) + QStringLiteral("*.dat")}, QDir::Files);
    found.reserve(static_cast<std::size_t>(files.size()));
    for (const QFileInfo& f : files) {
        if (ProgramStillRuns(LockPathFor(f.absoluteFilePath())))
            continue;
        found.push_back({f.absoluteFilePath(), f.lastModified(), f.size()});
    }
    std::sort(found.begin(), found.end(),
              [](const LeftBehind& a, const LeftBehind& b) { return a.written > b.written; });
    return found;
}

void RecoveryFile::discard(const QString& path)
{
    QFile::remove(path);
    QFile::remove(LockPathFor(path));
}
