#pragma once

#include "document/radio_image.h"

#include <QDateTime>
#include <QLockFile>
#include <QString>

#include <memory>
#include <vector>

// The modified document written aside, so that a crash loses at most the
// last half minute of work. Each running program has a file of its own,
// guarded by a lock, so a second program never takes the first one's file for
// one left behind.
class RecoveryFile {
public:
    // folder: the user's application-data folder; made when missing.
    explicit RecoveryFile(const QString& folder);
    ~RecoveryFile();

    // Atomic: the previous copy stays whole until the new one is complete.
    bool write(const HeaderBlock& header, const RadioImage& image);
    void remove();
    bool exists() const;
    const QString& path() const { return m_path; }

    struct LeftBehind {
        QString path;
        QDateTime written;
        qint64 size = 0;
    };
    // Files whose program is no longer running, newest first. Cheap for
    // thousands of files: a lock is only read, and tried only where the
    // system cannot say whether its process still runs.
    static std::vector<LeftBehind> leftBehind(const QString& folder);
    // Deletes a file left behind (after it was recovered or declined).
    static void discard(const QString& path);

private:
    QString m_path;
    std::unique_ptr<QLockFile> m_lock;
};
