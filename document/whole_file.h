#pragma once

#include <QByteArray>
#include <QString>

#include <functional>

class QIODevice;

// Files are replaced whole or not at all: the new content goes to a temporary
// file beside the target, and only when every byte of it was written and
// flushed does it take the target's place. A full disk, a short write or a
// failed flush leaves the old file as it was.

// Writes all size bytes, or fails: a write that takes fewer bytes than it was
// given is tried again with the rest, and one that takes none is a failure.
bool WriteAll(QIODevice& out, const char* data, qint64 size);
inline bool WriteAll(QIODevice& out, const QByteArray& bytes)
{
    return WriteAll(out, bytes.constData(), bytes.size());
}

// Something at path that is not a regular file (or a link to one): a FIFO, a
// device, a folder. Such a path is refused before it is opened, since opening
// or reading it could block or never end. A path where nothing exists is not
// special: opening it reports the system's reason.
bool IsSpecialFile(const QString& path);
// "This is not a regular file."
QString SpecialFileText();

// Whether two paths name the same file: the same device and inode where both
// exist, else the same path once links and ".." are resolved.
bool IsSameFile(const QString& a, const QString& b);

// Replaces path with what write puts into the device it is given; write
// returns false when it could not write everything. A target its user may
// not write, or that is not a regular file, is refused and left alone. Returns the system's
// reason on failure, an empty text on success.
QString SaveWholeFile(const QString& path, const std::function<bool(QIODevice&)>& write);
inline QString SaveWholeFile(const QString& path, const QByteArray& bytes)
{
    return SaveWholeFile(path, [&bytes](QIODevice& out) { return WriteAll(out, bytes); });
}
