// Where an installed, a portable and a read-only program keep their files,
// the first start's copy of Program.ini, the settings read through them, and
// the parameter file type recognised by its signature.
#include "shell/core/app_settings.h"
#include "shell/core/program_paths.h"

#include <QDir>
#include <QFile>
#include <QMimeDatabase>
#include <QStandardPaths>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <memory>

namespace {

void Write(const QString& path, const QByteArray& bytes)
{
    QDir().mkpath(QFileInfo(path).path());
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(bytes);
}

QByteArray Read(const QString& path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

TEST(ProgramPaths, ChosenByLayoutAndWritability)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString root = dir.path() + QLatin1Char('/');
    const QString user = root + QStringLiteral("home/.config/VRX/VRX");
    // A portable copy: everything beside the program.
    Write(root + QStringLiteral("portable/Default.dat"), "x");
    Write(root + QStringLiteral("portable/Program.ini"), "[Setup]\n");
    // An installed program: bin/ and share/programmer/.
    QDir().mkpath(root + QStringLiteral("usr/bin"));
    Write(root + QStringLiteral("usr/share/programmer/Default.dat"), "x");

    const QString portable = root + QStringLiteral("portable/");
    const QString bin = root + QStringLiteral("usr/bin/");
    const struct {
        const char* what;
        QString exe;
        std::function<bool(const QString&)> writable;
        QString resources, config;
        bool perUser;
    } cases[] = {
        {"portable, writable", portable, [](const QString&) { return true; }, portable, portable, false},
        {"portable, read-only folder", portable, [](const QString& p) { return !p.endsWith(QLatin1Char('/')); },
         portable, user + QLatin1Char('/'), true},
        {"portable, read-only Program.ini", portable,
         [](const QString& p) { return !p.endsWith(QStringLiteral("ini")); }, portable, user + QLatin1Char('/'), true},
        {"installed", bin, [](const QString&) { return true; },
         QDir::cleanPath(root + QStringLiteral("usr/share/programmer")) + QLatin1Char('/'), user + QLatin1Char('/'),
         true},
        {"nothing found",
         root + QStringLiteral("empty/"),
         {},
         root + QStringLiteral("empty/"),
         root + QStringLiteral("empty/"),
         false},
    };
    for (const auto& c : cases) {
        const ProgramPaths p = ResolveProgramPaths(c.exe, user, c.writable);
        EXPECT_EQ(p.resources, c.resources) << c.what;
        EXPECT_EQ(p.configFolder, c.config) << c.what;
        EXPECT_EQ(p.perUser, c.perUser) << c.what;
    }
}

TEST(ProgramPaths, WritableIsDecidedByTryingAndLeavesNothing)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString folder = dir.path() + QLatin1Char('/');
    Write(folder + QStringLiteral("Default.dat"), "x");
    Write(folder + QStringLiteral("Program.ini"), "[Setup]\n");
    EXPECT_TRUE(MayWriteByTrying(folder));
    EXPECT_TRUE(MayWriteByTrying(folder + QStringLiteral("Program.ini")));
    EXPECT_FALSE(ResolveProgramPaths(folder, dir.path() + QStringLiteral("/user")).perUser);
    // The probe leaves the folder and the file as they were.
    EXPECT_EQ(QDir(folder).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot).size(), 2);
    EXPECT_EQ(Read(folder + QStringLiteral("Program.ini")), QByteArray("[Setup]\n"));
    EXPECT_FALSE(MayWriteByTrying(folder + QStringLiteral("missing/")));

    QFile::setPermissions(folder + QStringLiteral("Program.ini"), QFileDevice::ReadOwner);
    QFile::setPermissions(folder, QFileDevice::ReadOwner | QFileDevice::ExeOwner);
    const bool root = MayWriteByTrying(folder); // root may write it all the same
    const ProgramPaths p = ResolveProgramPaths(folder, dir.path() + QStringLiteral("/user"));
    QFile::setPermissions(folder, QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    if (root)
        GTEST_SKIP() << "root may write a read-only folder";
    EXPECT_TRUE(p.perUser);
}

TEST(ProgramPaths, FirstStartCopiesTheShippedConfigurationOnce)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString root = dir.path() + QLatin1Char('/');
    Write(root + QStringLiteral("share/Program.ini"), "[Setup]\r\nCOM=COM1\r\nModel=QM4410\r\n");
    Write(root + QStringLiteral("share/Default.dat"), "x");
    QFile::setPermissions(root + QStringLiteral("share/Program.ini"), QFileDevice::ReadOwner | QFileDevice::ReadOther);

    ProgramPaths paths;
    paths.resources = root + QStringLiteral("share/");
    paths.configFolder = root + QStringLiteral("config/VRX/");
    paths.perUser = true;
    ASSERT_TRUE(CopyShippedConfig(paths));
    const QString mine = paths.configFolder + QStringLiteral("Program.ini");
    EXPECT_EQ(Read(mine), QByteArray("[Setup]\r\nCOM=COM1\r\nModel=QM4410\r\n"));
    EXPECT_TRUE(QFileInfo(mine).permissions() & QFileDevice::WriteOwner);

    // The user's own file is theirs: a second start leaves it alone.
    Write(mine, "[Setup]\r\nCOM=/dev/ttyUSB0\r\nModel=QM4410\r\n");
    ASSERT_TRUE(CopyShippedConfig(paths));
    EXPECT_EQ(Read(mine), QByteArray("[Setup]\r\nCOM=/dev/ttyUSB0\r\nModel=QM4410\r\n"));

    // Read through them: the user's port and model, DATA in the user's documents.
    QStandardPaths::setTestModeEnabled(true);
    ReadStartupSettings(paths);
    EXPECT_EQ(appSettings().portName, QStringLiteral("/dev/ttyUSB0"));
    EXPECT_EQ(appSettings().programFolder, paths.resources);
    EXPECT_TRUE(appSettings().dataFolder.endsWith(QStringLiteral("/QM4410")));
    EXPECT_FALSE(appSettings().dataFolder.startsWith(root));
    EXPECT_TRUE(QFileInfo(appSettings().dataFolder).isDir());
    QDir(appSettings().dataFolder).removeRecursively();
    // The port chosen in the program is kept in the user's file.
    appSettings().portName = QStringLiteral("COM4");
    WriteExitSettings();
    EXPECT_TRUE(Read(mine).contains("COM=COM4"));
    EXPECT_FALSE(Read(root + QStringLiteral("share/Program.ini")).contains("COM4"));

    // A program folder of its own copies nothing.
    paths.perUser = false;
    paths.configFolder = paths.resources;
    QFile::remove(mine);
    ASSERT_TRUE(CopyShippedConfig(paths));
    EXPECT_FALSE(QFileInfo::exists(mine));
}

TEST(ProgramPaths, ParameterFilesAreKnownByTheirSignature)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString mime = dir.path() + QStringLiteral("/mime/packages/");
    QDir().mkpath(mime);
    ASSERT_TRUE(QFile::copy(QStringLiteral(PROGRAMMER_SOURCE_DIR "/resources/linux/programmer.xml"),
                            mime + QStringLiteral("programmer.xml")));
    // Before the first QMimeDatabase: our folder first, then the system's.
    qputenv("XDG_DATA_DIRS", (dir.path() + QStringLiteral(":/usr/local/share:/usr/share")).toLocal8Bit());

    QByteArray ours(69632, '\xFF');
    ours.replace(0, 6, "QM4410");
    Write(dir.path() + QStringLiteral("/radio.dat"), ours);
    Write(dir.path() + QStringLiteral("/renamed.bin"), ours);
    QByteArray other = ours;
    other.replace(0, 6, "XM4410");
    Write(dir.path() + QStringLiteral("/other.dat"), other);

    QMimeDatabase db;
    const QString type = QStringLiteral("application/x-qm4410-parameters");
    EXPECT_EQ(db.mimeTypeForFile(dir.path() + QStringLiteral("/radio.dat")).name(), type);
    EXPECT_EQ(db.mimeTypeForFile(dir.path() + QStringLiteral("/renamed.bin")).name(), type);
    EXPECT_NE(db.mimeTypeForFile(dir.path() + QStringLiteral("/other.dat")).name(), type);
}

} // namespace
