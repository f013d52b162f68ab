#pragma once

#include <QStringList>

class QSettings;

// The files last opened or saved, newest first, as the framework's profile
// keeps them ("Recent File List", File1 to File4).
class RecentFileList {
public:
    static constexpr int kSize = 4;

    void read(QSettings& settings);
    void write(QSettings& settings) const;

    // To the top; an entry already there moves up instead of repeating.
    void add(const QString& path);
    void remove(const QString& path);
    const QStringList& files() const { return m_files; }

private:
    QStringList m_files;
};
