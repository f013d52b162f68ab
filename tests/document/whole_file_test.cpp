// Files are replaced whole or not at all: short writes are finished or fail,
// and a failed save leaves the old file and no temporary file behind.
#include "document/whole_file.h"

#include "document/param_file.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#ifndef _WIN32
#include <sys/stat.h>
#endif

#include <memory>

namespace {

// Takes at most chunk bytes a call and budget bytes in all, then fails, as a
// filling disk does.
class FillingDevice : public QIODevice {
public:
    FillingDevice(qint64 chunk, qint64 budget) : m_chunk(chunk), m_budget(budget) { open(QIODevice::WriteOnly); }
    qint64 written = 0;

protected:
    qint64 readData(char*, qint64) override { return -1; }
    qint64 writeData(const char*, qint64 len) override
    {
        if (m_budget == 0)
            return -1;
        const qint64 n = std::min({len, m_chunk, m_budget});
        m_budget -= n;
        written += n;
        return n;
    }

private:
    qint64 m_chunk, m_budget;
};

TEST(WholeFile, WriteAllFinishesShortWritesAndFailsWhenNothingMoreGoes)
{
    const QByteArray data(69632, 'x');
    const struct {
        qint64 chunk, budget;
        bool ok;
    } cases[] = {
        {1 << 20, 1 << 20, true}, // one write
        {4096, 1 << 20, true},    // many short writes
        {4096, 32768, false},     // the disk fills after 32 KB
        {1 << 20, 0, false},      // nothing goes at all
    };
    for (const auto& c : cases) {
        FillingDevice out(c.chunk, c.budget);
        EXPECT_EQ(WriteAll(out, data), c.ok) << c.chunk << " " << c.budget;
        EXPECT_EQ(out.written, std::min<qint64>(data.size(), c.budget));
    }
}

TEST(WholeFile, AFailedSaveLeavesTheOldFileAndNoTemporaryFile)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString path = dir.path() + QStringLiteral("/radio.dat");
    {
        QFile f(path);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write("OLD CONTENT");
    }
    // Half of the new content goes, then the disk is full.
    const QString error = SaveWholeFile(path, [](QIODevice& out) {
        out.write(QByteArray(32768, 'n'));
        return false;
    });
    EXPECT_FALSE(error.isEmpty());
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    EXPECT_EQ(f.readAll(), QByteArray("OLD CONTENT"));
    f.close();
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden), QStringList{QStringLiteral("radio.dat")});

    // A whole save replaces it.
    EXPECT_EQ(SaveWholeFile(path, QByteArray(69632, 'n')), QString());
    EXPECT_EQ(QFileInfo(path).size(), 69632);
    // A folder that cannot be written to: the reason, and nothing made.
    EXPECT_FALSE(SaveWholeFile(dir.path() + QStringLiteral("/no/such/folder/x.dat"), QByteArray("x")).isEmpty());
}

TEST(WholeFile, LeftoversOfAKilledSaveAreRecognisableAndCleared)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString path = dir.path() + QStringLiteral("/radio.dat");
    ASSERT_EQ(SaveWholeFile(path, QByteArray("OLD")), QString());
    QFile::setPermissions(path, QFileDevice::ReadOwner | QFileDevice::WriteOwner);
    // What a kill between writing and renaming leaves, an hour ago and just now,
    // and a file of the user's that only looks alike.
    const struct {
        const char* name;
        int ageSeconds;
        bool kept;
    } files[] = {{".radio.dat.partial-AbC123", 3600, false},
                 {".radio.dat.partial-XyZ789", 5, true},
                 {".other.dat.partial-AbC123", 3600, true},
                 {"radio.dat.backup", 3600, true}};
    for (const auto& f : files) {
        QFile file(dir.path() + QLatin1Char('/') + QLatin1String(f.name));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write("x");
        file.flush(); // before the time is set, or closing would set it again
        file.setFileTime(QDateTime::currentDateTimeUtc().addSecs(-f.ageSeconds), QFileDevice::FileModificationTime);
    }
    ASSERT_EQ(SaveWholeFile(path, QByteArray("NEW")), QString());
    for (const auto& f : files)
        EXPECT_EQ(QFileInfo::exists(dir.path() + QLatin1Char('/') + QLatin1String(f.name)), f.kept) << f.name;
    // The saved file keeps its permissions.
    EXPECT_EQ(QFileInfo(path).permissions() & (QFileDevice::ReadGroup | QFileDevice::ReadOther),
              QFileDevice::Permissions());
    EXPECT_TRUE(QFileInfo(path).permissions() & QFileDevice::WriteOwner);

    // Saved through a link: the link stays, the file it points to is replaced.
    const QString link = dir.path() + QStringLiteral("/link.dat");
    ASSERT_TRUE(QFile::link(path, link));
    ASSERT_EQ(SaveWholeFile(link, QByteArray("LINKED")), QString());
    EXPECT_TRUE(QFileInfo(link).isSymLink());
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    EXPECT_EQ(f.readAll(), QByteArray("LINKED"));
}

#ifndef _WIN32
TEST(WholeFile, OnlyRegularFilesAreOpened)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString fifo = dir.path() + QStringLiteral("/fifo.dat");
    ASSERT_EQ(::mkfifo(fifo.toLocal8Bit().constData(), 0600), 0);
    const QString real = dir.path() + QStringLiteral("/real.dat");
    ASSERT_EQ(SaveWholeFile(real, QByteArray(69632, '\xFF')), QString());
    const QString link = dir.path() + QStringLiteral("/link.dat");
    ASSERT_TRUE(QFile::link(real, link));

    const struct {
        QString path;
        bool special, ok;
    } cases[] = {{fifo, true, false},
                 {dir.path(), true, false},
                 {dir.path() + QStringLiteral("/none.dat"), false, false}, // the system's reason
                 {real, false, true},
                 {link, false, true}};
    auto header = std::make_unique<HeaderBlock>();
    auto image = std::make_unique<RadioImage>();
    for (const auto& c : cases) {
        EXPECT_EQ(IsSpecialFile(c.path), c.special) << c.path.toStdString();
        // A FIFO would block the open; it is refused before.
        const FileResult r = ReadParamFile(c.path, *header, *image, false);
        EXPECT_EQ(r.ok, c.ok) << c.path.toStdString();
        EXPECT_EQ(r.error == SpecialFileText(), c.special);
    }
}
#endif

} // namespace
