#include "document/whole_file.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QSaveFile>

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

QString SaveWholeFile(const QString& path, const std::function<bool(QIODevice&)>& write)
{
    QSaveFile f(path);
    if (!f.open(QIODevice::WriteOnly))
        return f.errorString();
    // Flushed here, so that a disk that fills up while Qt empties its buffer
    // is noticed before the temporary file replaces the target.
    if (!write(f) || !f.flush() || f.error() != QFileDevice::NoError) {
        QString why = f.error() != QFileDevice::NoError ? f.errorString() : QString();
        if (why.isEmpty())
            why = QCoreApplication::translate("File", "Not all of the file could be written (is the disk full?)");
        f.cancelWriting(); // the temporary file goes, the target stays
        return why;
    }
    if (!f.commit())
        return f.errorString();
    return {};
}
