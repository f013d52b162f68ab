#include "shell/core/recent_files.h"

#include <QSettings>

namespace {
const char* const kGroup = "Recent File List";

// File names compare as the platform's file system does.
constexpr Qt::CaseSensitivity kPathCase =
#ifdef Q_OS_WIN
    Qt::CaseInsensitive;
#else
    Qt::CaseSensitive;
#endif
} // namespace

void RecentFileList::read(QSettings& settings)
{
    m_files.clear();
    settings.beginGroup(QLatin1String(kGroup));
    for (int i = 1; i <= kSize; ++i) {
        const QString path = settings.value(QStringLiteral("File%1").arg(i)).toString();
        if (!path.isEmpty() && !m_files.contains(path, kPathCase))
            m_files << path;
    }
    settings.endGroup();
}

void RecentFileList::write(QSettings& settings) const
{
    settings.beginGroup(QLatin1String(kGroup));
    for (int i = 1; i <= kSize; ++i) {
        const QString key = QStringLiteral("File%1").arg(i);
        if (i <= m_files.size())
            settings.setValue(key, m_files[i - 1]);
        else
            settings.remove(key);
    }
    settings.endGroup();
}

void RecentFileList::add(const QString& path)
{
    remove(path);
    m_files.prepend(path);
    while (m_files.size() > kSize)
        m_files.removeLast();
}

void RecentFileList::remove(const QString& path)
{
    m_files.removeIf([&path](const QString& f) { return f.compare(path, kPathCase) == 0; });
}
