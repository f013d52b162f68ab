#include "shell/core/app_settings.h"
#include "shell/core/edition.h"
#include "shell/core/ini_file.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

QByteArray ReadAll(const QString& path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

TEST(AppSettings, BuiltInNamesDifferByEdition)
{
    setEdition(ChineseEdition());
    ResetBuiltInSettings();
    EXPECT_EQ(appSettings().modelName, "RVC-717");
    EXPECT_EQ(appSettings().defaultFileName, "RVC-717.dat");
    setEdition(EnglishEdition());
    ResetBuiltInSettings();
    EXPECT_EQ(appSettings().modelName, "QM4410");
    EXPECT_EQ(appSettings().portName, "COM1");
}

TEST(AppSettings, MissingFileGivesEmptyTextsAndNothingIsWrittenAtExit)
{
    QTemporaryDir dir;
    const QString folder = dir.path() + "/";
    ResetBuiltInSettings();
    ReadStartupSettings(folder);
    EXPECT_EQ(appSettings().portName, "");
    EXPECT_EQ(appSettings().modelName, ""); // not the built-in name
    EXPECT_EQ(appSettings().defaultFileName, ".dat");
    EXPECT_TRUE(QFileInfo(folder + "DATA").isDir());
    WriteExitSettings();
    EXPECT_FALSE(QFile::exists(folder + "Program.ini"));
}

TEST(AppSettings, StartupReadsAndExitWritesThePort)
{
    QTemporaryDir dir;
    const QString folder = dir.path() + "/";
    {
        QFile f(folder + "Program.ini");
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write("[Setup]\r\nCOM=COM3\r\nModel=QM4410\r\nCompany=Acme Radio\r\n[About]\r\nVersion=1.2\r\n");
    }
    QFile marker(folder + "DATA");
    ASSERT_TRUE(marker.open(QIODevice::WriteOnly)); // a file named DATA is left alone
    marker.close();
    ReadStartupSettings(folder);
    EXPECT_EQ(appSettings().portName, "COM3");
    EXPECT_EQ(appSettings().modelName, "QM4410");
    EXPECT_EQ(appSettings().defaultFileName, "QM4410.dat");
    EXPECT_EQ(appSettings().company, "Acme Radio");
    EXPECT_EQ(appSettings().helpFile, folder + "enHelp.chm");
    EXPECT_TRUE(QFileInfo(folder + "DATA").isFile());

    // Titles follow later edits of the file; a removed key falls back.
    iniFile().Write("Setup", "Model", "QM4410-B");
    EXPECT_EQ(TitleModelName(), "QM4410-B");
    {
        QFile f(folder + "Program.ini");
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write("[Setup]\r\nCOM=COM3\r\n");
    }
    EXPECT_EQ(TitleModelName(), "QM4410");

    appSettings().portName = "\\\\.\\COM12";
    WriteExitSettings();
    EXPECT_EQ(ReadAll(folder + "Program.ini"), QByteArray("[Setup]\r\nCOM=\\\\.\\COM12\r\n"));
}

} // namespace
