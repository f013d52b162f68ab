#include "shell/core/program_paths.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>
#include <QTemporaryFile>

namespace {
const QString kDefaults = QStringLiteral("Default.dat");
const QString kConfig = QStringLiteral("Program.ini");

QString WithSlash(QString folder)
{
    if (!folder.endsWith(QLatin1Char('/')))
        folder += QLatin1Char('/');
    return folder;
}
} // namespace

bool MayWriteByTrying(const QString& path)
{
    if (QFileInfo(path).isDir()) {
        QTemporaryFile probe(QDir(path).filePath(QStringLiteral(".write-probe-XXXXXX")));
        return probe.open(); // removed again as probe goes
    }
    QFile file(path);
    return file.open(QIODevice::WriteOnly | QIODevice::Append);
}

ProgramPaths ResolveProgramPaths(const QString& exeFolder, const QString& userConfig,
                                 const std::function<bool(const QString&)>& writable)
{
    const auto mayWrite = [&](const QString& path) { return writable ? writable(path) : MayWriteByTrying(path); };
    ProgramPaths p;
    const QString shared = QDir::cleanPath(exeFolder + QStringLiteral("../share/programmer")) + QLatin1Char('/');
    if (QFileInfo::exists(exeFolder + kDefaults)) {
        p.resources = exeFolder;
        // A program folder the user may not write keeps nothing of theirs.
        const QFileInfo ini(exeFolder + kConfig);
        p.perUser = !mayWrite(exeFolder) || (ini.exists() && !mayWrite(ini.filePath()));
    } else if (QFileInfo::exists(shared + kDefaults)) {
        p.resources = shared;
        p.perUser = true;
    } else {
        p.resources = exeFolder; // nothing found: the program folder, as always
    }
    p.configFolder = p.perUser ? WithSlash(userConfig) : p.resources;
    return p;
}

QString ExecutableFolder()
{
    return QCoreApplication::applicationDirPath() + QLatin1Char('/');
}

ProgramPaths ThisProgramPaths()
{
    return ResolveProgramPaths(ExecutableFolder(), QStandardPaths::writableLocation(QStandardPaths::AppConfigLocation));
}

bool CopyShippedConfig(const ProgramPaths& paths)
{
    if (!paths.perUser || QFileInfo::exists(paths.configFolder + kConfig))
        return true;
    if (!QDir().mkpath(paths.configFolder))
        return false;
    const QString target = paths.configFolder + kConfig;
    if (!QFile::copy(paths.resources + kConfig, target))
        return false;
    // The shipped file is read-only; the user's copy is theirs to change.
    QFile::setPermissions(target, QFile::permissions(target) | QFileDevice::WriteOwner | QFileDevice::ReadOwner);
    return true;
}

QString UserDataFolder(const QString& modelName)
{
    QString base = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    if (base.isEmpty())
        base = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
    return base + QLatin1Char('/') + (modelName.isEmpty() ? QStringLiteral("programmer") : modelName);
}
