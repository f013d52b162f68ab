#include "shell/core/app_settings.h"

#include "shell/core/edition.h"
#include "shell/core/ini_file.h"

#include <QDir>
#include <QFileInfo>

Edition EnglishEdition()
{
    return {"QM4410", "QM4410.dat", QString(), 620, false};
}
Edition ChineseEdition()
{
    return {"RVC-717", "RVC-717.dat", "450-470MHz", 540, true};
}

namespace {
Edition& currentEdition()
{
    static Edition e = EnglishEdition();
    return e;
}
} // namespace

const Edition& edition()
{
    return currentEdition();
}
void setEdition(const Edition& e)
{
    currentEdition() = e;
}

AppSettings& appSettings()
{
    static AppSettings s;
    return s;
}

void ResetBuiltInSettings()
{
    AppSettings& s = appSettings();
    s = AppSettings{};
    s.portName = QStringLiteral("COM1");
    s.modelName = edition().builtInModelName;
    s.defaultFileName = edition().builtInDefaultFile;
}

void ReadStartupSettings(const QString& programFolder)
{
    ProgramPaths paths;
    paths.resources = programFolder;
    paths.configFolder = programFolder;
    ReadStartupSettings(paths);
}

void ReadStartupSettings(const ProgramPaths& paths)
{
    AppSettings& s = appSettings();
    const QString& programFolder = paths.resources;
    s.programFolder = programFolder;
    s.configFolder = paths.configFolder;
    s.perUser = paths.perUser;
    iniFile().SetFile(paths.configFolder, QStringLiteral("Program.ini"));
    const QString setup = QString::fromLatin1(IniKeys::kSetup);
    s.portName = iniFile().Read(setup, QString::fromLatin1(IniKeys::kCom), QString());
    s.helpFile = programFolder + QStringLiteral("enHelp.chm");
    s.modelName = iniFile().Read(setup, QString::fromLatin1(IniKeys::kModel), QString());
    s.defaultFileName = s.modelName + QStringLiteral(".dat");
    s.company = iniFile().Read(setup, QString::fromLatin1(IniKeys::kCompany), QString());

    if (paths.perUser) {
        s.dataFolder = UserDataFolder(s.modelName);
        QDir().mkpath(s.dataFolder);
    } else {
        s.dataFolder = programFolder + QStringLiteral("DATA");
        if (!QFileInfo::exists(s.dataFolder))
            QDir().mkdir(s.dataFolder);
    }
}

void WriteExitSettings()
{
    const AppSettings& s = appSettings();
    if (s.portName.isEmpty())
        return;
    iniFile().Write(QString::fromLatin1(IniKeys::kSetup), QString::fromLatin1(IniKeys::kCom), s.portName);
}

QString TitleModelName()
{
    return iniFile().Read(QString::fromLatin1(IniKeys::kSetup), QString::fromLatin1(IniKeys::kModel),
                          appSettings().modelName);
}
