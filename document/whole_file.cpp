#include "document/whole_file.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QFileInfo>
#include <QTemporaryFile>

#include <filesystem>
#include <optional>
#include <system_error>

#ifdef Q_OS_WIN
#include <windows.h>
#endif

bool WriteAll(QIODevice& out, const char* data, qint64 size)
{
    while (size > 0) {
        const qint64 n = out.write(data, size);
        if (n <= 0)
            return false;
        data += n;
        size -= n;
    }
    return true;
}

bool IsSpecialFile(const QString& path)
{
    const QFileInfo info(path); // follows symbolic links
    return info.exists() && !info.isFile();
}

QString SpecialFileText()
{
    return QCoreApplication::translate("File", "This is not a regular file.");
}

bool IsSameFile(const QString& a, const QString& b)
{
    const std::filesystem::path pa(a.toStdU16String()), pb(b.toStdU16String());
    std::error_code ec;
    if (std::filesystem::exists(pa, ec) && std::filesystem::exists(pb, ec))
        return std::filesystem::equivalent(pa, pb, ec);
    const std::filesystem::path ca = std::filesystem::weakly_canonical(std::filesystem::absolute(pa, ec), ec);
    const std::filesystem::path cb = std::filesystem::weakly_canonical(std::filesystem::absolute(pb, ec), ec);
    return !ca.empty() && ca == cb;
}

namespace {
// The temporary file takes the target's place in one step, or the reason.
QString ReplaceFile(const QString& temp, const QString& target)
{
#ifdef Q_OS_WIN
    const QString from = QDir::toNativeSeparators(temp), to = QDir::toNativeSeparators(target);
    if (MoveFileExW(reinterpret_cast<const wchar_t*>(from.utf16()), reinterpret_cast<const wchar_t*>(to.utf16()),
                    MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH))
        return {};
    return qt_error_string(static_cast<int>(GetLastError()));
#else
    std::error_code ec;
    std::filesystem::rename(std::filesystem::path(temp.toStdU16String()),
                            std::filesystem::path(target.toStdU16String()), ec);
    return ec ? QString::fromLocal8Bit(ec.message().c_str()) : QString();
#endif
}

constexpr qint64 kStaleSeconds = 60;
// The longest file name most file systems take, in bytes.
constexpr qsizetype kNameMax = 255;

// ".radio.dat.partial-": hidden, and named so that a user who finds one can
// tell what it was.
QString PartialPrefix(const QString& fileName)
{
    // A long name is shortened so that the temporary name (with the six
    // characters QTemporaryFile adds) still fits: every legal name saves.
    const QString tail = QStringLiteral(".partial-");
    QString name = fileName;
    while (!name.isEmpty() &&
           QFile::encodeName(QLatin1Char('.') + name + tail + QStringLiteral("XXXXXX")).size() > kNameMax) {
        name.chop(name.size() > 1 && name.back().isLowSurrogate() ? 2 : 1);
    }
    return QLatin1Char('.') + name + tail;
}

// What a save killed between writing and renaming left behind. A younger
// one may belong to a save running right now.
void RemoveStalePartials(const QString& folder, const QString& fileName)
{
    const QDateTime limit = QDateTime::currentDateTimeUtc().addSecs(-kStaleSeconds);
    const QFileInfoList left = QDir(folder).entryInfoList({PartialPrefix(fileName) + QLatin1Char('*')},
                                                          QDir::Files | QDir::Hidden | QDir::System);
    for (const QFileInfo& f : left) {
        if (f.lastModified().toUTC() < limit)
            QFile::remove(f.filePath());
    }
}
} // namespace

QString SaveWholeFile(const QString& path, const std::function<bool(QIODevice&)>& write)
{
    // A link is kept, and the file it points to replaced.
    QString target = path;
    if (const QFileInfo info(path); info.isSymLink() && !info.canonicalFilePath().isEmpty())
        target = info.canonicalFilePath();
    const QFileInfo targetInfo(target);
    if (IsSpecialFile(target))
        return SpecialFileText();
    // A file its user may not write is never replaced, although the folder
    // would let a new one take its place. Opening it to append changes nothing.
    if (targetInfo.exists()) {
        QFile probe(target);
        if (!probe.open(QIODevice::WriteOnly | QIODevice::Append))
            return probe.errorString();
    }
    const QString folder = targetInfo.absolutePath();
    RemoveStalePartials(folder, targetInfo.fileName());

    std::optional<QTemporaryFile> f;
    f.emplace(folder + QLatin1Char('/') + PartialPrefix(targetInfo.fileName()) + QStringLiteral("XXXXXX"));
    if (!f->open())
        return f->errorString();
    // Flushed here, so that a disk that fills up while Qt empties its buffer
    // is noticed before the temporary file replaces the target.
    if (!write(*f) || !f->flush() || f->error() != QFileDevice::NoError) {
        QString why = f->error() != QFileDevice::NoError ? f->errorString() : QString();
        if (why.isEmpty())
            why = QCoreApplication::translate("File", "Not all of the file could be written (is the disk full?)");
        return why; // the temporary file goes with f, the target stays
    }
    // The new file gets the old one's permissions, or those of a new file.
    const QFileDevice::Permissions permissions =
        targetInfo.exists() ? targetInfo.permissions()
                            : QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ReadUser |
                                  QFileDevice::WriteUser | QFileDevice::ReadGroup | QFileDevice::ReadOther;
    f->setPermissions(permissions);
    const QString temp = f->fileName();
    // Gone before the rename: on Windows the temporary file object keeps a
    // handle after close(), and a file that is open cannot be moved.
    f->setAutoRemove(false);
    f.reset();
    QString error = ReplaceFile(temp, target);
    if (!error.isEmpty())
        QFile::remove(temp); // the target stays as it was
    return error;
}
