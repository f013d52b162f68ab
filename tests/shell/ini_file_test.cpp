#include "shell/core/ini_file.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

const QByteArray kSample = "; programmer settings\r\n"
                           "[About]\r\n"
                           "Version = 2.1 \r\n"
                           "\r\n"
                           "[setup]\r\n"
                           "; the port\r\n"
                           "com=COM3\r\n"
                           "Model = \"QM 4410\"\r\n"
                           "Company='Acme'\r\n"
                           "Empty=\r\n"
                           "NoEquals\r\n"
                           "Model=second\r\n"
                           "\r\n"
                           "[Other]\r\n"
                           "COM=COM9\r\n";

struct ReadCase {
    const char* section;
    const char* key;
    const char* def;
    const char* expected;
};

TEST(IniRead, FollowsProfileStringRules)
{
    const ReadCase cases[] = {
        {"Setup", "COM", "x", "COM3"}, // names compare without case
        {"SETUP", "Com", "x", "COM3"},
        {"Setup", "Model", "x", "QM 4410"}, // one pair of quotes removed, first key wins
        {"Setup", "Company", "x", "Acme"},
        {"Setup", "Empty", "x", ""}, // present but empty: empty, not the default
        {"Setup", "Missing", "dflt", "dflt"},
        {"Setup", "", "dflt", "dflt"},   // empty key gives the default
        {"About", "Version", "", "2.1"}, // trimmed
        {"Other", "COM", "", "COM9"},    // other sections are apart
        {"Nowhere", "COM", "d", "d"},
        {"Setup", "; the port", "d", "d"}, // comments are not keys
    };
    for (const ReadCase& c : cases)
        EXPECT_EQ(IniReadText(kSample, c.section, c.key, c.def), QString::fromUtf8(c.expected))
            << c.section << "/" << c.key;
}

TEST(IniRead, CutsLongValuesAt255)
{
    QByteArray text = "[Setup]\nModel=" + QByteArray(300, 'x') + "\n";
    EXPECT_EQ(IniReadText(text, "Setup", "Model", "").size(), 255);
    EXPECT_EQ(IniReadText(text, "Setup", "None", QString(300, u'y')).size(), 255);
}

struct WriteCase {
    const char* name;
    QByteArray before;
    const char* section;
    const char* key;
    const char* value;
    QByteArray after;
};

TEST(IniWrite, ChangesOneLineAndKeepsTheRest)
{
    const WriteCase cases[] = {
        {"replace in place, CRLF kept", "; c\r\n[Setup]\r\nCOM = COM1 \r\nModel=M\r\n", "setup", "com", "COM4",
         "; c\r\n[Setup]\r\nCOM=COM4\r\nModel=M\r\n"},
        {"insert after the section's last line", "[Setup]\nModel=M\n\n[About]\nVersion=1\n", "Setup", "COM", "COM2",
         "[Setup]\nModel=M\nCOM=COM2\n\n[About]\nVersion=1\n"},
        {"section without final line break", "[Setup]\nModel=M", "Setup", "COM", "COM2", "[Setup]\nModel=M\nCOM=COM2"},
        {"new section at the end", "[About]\nVersion=1\n", "Setup", "COM", "COM5",
         "[About]\nVersion=1\n[Setup]\nCOM=COM5\n"},
        {"empty file", "", "Setup", "COM", "COM5", "[Setup]\nCOM=COM5\n"},
        {"last line without break", "[About]\nVersion=1", "Setup", "COM", "COM5",
         "[About]\nVersion=1\n[Setup]\nCOM=COM5\n"},
    };
    for (const WriteCase& c : cases)
        EXPECT_EQ(IniWriteText(c.before, c.section, c.key, c.value), c.after) << c.name;
}

TEST(IniFileOnDisk, WritesOnlyWithKeyAndValueAndCreatesTheFile)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    IniFile ini;
    ini.SetFile(dir.path() + "/", "Program.ini");
    EXPECT_EQ(ini.Read("Setup", "COM", "none"), "none"); // no file yet
    EXPECT_FALSE(ini.Write("Setup", "COM", ""));
    EXPECT_FALSE(ini.Write("Setup", "", "COM1"));
    EXPECT_FALSE(QFile::exists(ini.path()));
    EXPECT_FALSE(ini.Write("Setup", "COM", "COM1\n[Evil]"));
    EXPECT_TRUE(ini.Write("Setup", "COM", "/dev/ttyUSB0"));
    EXPECT_EQ(ini.Read("setup", "com", ""), "/dev/ttyUSB0");

    // A real file with comments, other sections and a long value survives a write.
    QFile f(ini.path());
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    const QByteArray original =
        "; header comment\r\n[Setup]\r\nCOM=COM1\r\nCompany=" + QByteArray(400, 'c') + "\r\n[About]\r\nVersion=9\r\n";
    f.write(original);
    f.close();
    EXPECT_TRUE(ini.Write("Setup", "COM", "COM7"));
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    QByteArray expected = original;
    expected.replace("COM=COM1", "COM=COM7");
    EXPECT_EQ(f.readAll(), expected);
}

} // namespace
