#include "shell/core/recovery_file.h"

#include "document/param_file.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <algorithm>

namespace {
const char* const kPrefix = "unsaved-";

QString LockPathFor(const QString& dataPath)
{
    return dataPath.left(dataPath.size() - 4) + QStringLiteral(".lock");
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
    for (const QFileInfo& f : files) {
        QLockFile lock(LockPathFor(f.absoluteFilePath()));
        lock.setStaleLockTime(0);
        if (!lock.tryLock(0))
            continue; // its program is still running
        lock.unlock();
        found.push_back({f.absoluteFilePath(), f.lastModified()});
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
