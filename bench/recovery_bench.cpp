// 10,000 recovery files left by programs that are gone, each with the lock
// its program held: how long the start-up look through the folder takes.
#include "shell/core/recovery_file.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QSysInfo>
#include <QTemporaryDir>

#include <chrono>
#include <cstdio>

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    constexpr int kFiles = 10000;
    QTemporaryDir dir;
    const QByteArray data(69632, '\xFF');
    // A lock as QLockFile writes it, naming a process that no longer runs.
    const QByteArray lock = "999999999\nprogrammer-en\n" + QSysInfo::machineHostName().toUtf8() + "\n";
    for (int i = 0; i < kFiles; ++i) {
        const QString base = dir.filePath(QStringLiteral("unsaved-%1-1").arg(i));
        QFile f(base + QStringLiteral(".dat"));
        if (!f.open(QIODevice::WriteOnly) || f.write(data) != data.size())
            return 1;
        QFile l(base + QStringLiteral(".lock"));
        if (!l.open(QIODevice::WriteOnly) || l.write(lock) != lock.size())
            return 1;
    }
    const auto start = std::chrono::steady_clock::now();
    const auto found = RecoveryFile::leftBehind(dir.path());
    const double ms = std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
    std::printf("recovery files: %zu of %d found left behind in %.0f ms (%.3f ms a file)\n", found.size(), kFiles, ms,
                ms / kFiles);
    return found.size() == kFiles ? 0 : 1;
}
