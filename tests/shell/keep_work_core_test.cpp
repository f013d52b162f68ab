// The pieces that keep a user's work outside the window: the recent-file
// list, the backups of what the radio held, and the recovery files.
#include "document/param_file.h"
#include "shell/core/radio_backups.h"
#include "shell/core/recent_files.h"
#include "shell/core/recovery_file.h"

#include <QDir>
#include <QFile>
#include <QSettings>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <memory>

namespace {

TEST(RecentFiles, NewestFirstFourAtMostKeptInTheProfile)
{
    QTemporaryDir dir;
    QSettings profile(dir.filePath("profile.ini"), QSettings::IniFormat);
    RecentFileList list;
    for (const char* f : {"/a.dat", "/b.dat", "/c.dat", "/d.dat", "/e.dat", "/c.dat"})
        list.add(QString::fromLatin1(f));
    EXPECT_EQ(list.files(), (QStringList{"/c.dat", "/e.dat", "/d.dat", "/b.dat"}));
    list.remove(QStringLiteral("/d.dat"));
    list.write(profile);
    EXPECT_EQ(profile.value("Recent File List/File1").toString(), "/c.dat");
    EXPECT_FALSE(profile.contains("Recent File List/File4")); // an old fourth entry goes too

    RecentFileList again;
    again.read(profile);
    EXPECT_EQ(again.files(), (QStringList{"/c.dat", "/e.dat", "/b.dat"}));
}

TEST(RadioBackups, NamedByModelSerialAndTime)
{
    const QDateTime when(QDate(2026, 12, 7), QTime(9, 5, 3));
    EXPECT_EQ(RadioBackups::FileName("QM4410", "A12345", when), "QM4410-A12345-20261207-090503.dat");
    EXPECT_EQ(RadioBackups::FileName("QM4410", "  ", when), "QM4410-20261207-090503.dat");
    EXPECT_EQ(RadioBackups::FileName("QM 4410", "a/b:c", when), "QM_4410-a_b_c-20261207-090503.dat");
}

TEST(RadioBackups, WrittenAsParameterFilesAndTheNewestKept)
{
    QTemporaryDir dir;
    auto header = std::make_unique<HeaderBlock>();
    auto image = std::make_unique<RadioImage>();
    header->fill(0);
    image->fill(0x5A);
    // A folder that cannot be made (a file stands in its way) gives way to the next.
    QFile blocker(dir.filePath("blocked"));
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    const QString folder = dir.filePath("backups");
    QFile other(dir.filePath("backups/notes.dat")); // not a backup: never deleted
    ASSERT_TRUE(QDir().mkpath(folder));
    ASSERT_TRUE(other.open(QIODevice::WriteOnly));
    other.close();

    QString last;
    for (int second = 0; second < 5; ++second) {
        const QString name = RadioBackups::FileName(second % 2 ? "QM4410" : "ZZ", "S1",
                                                    QDateTime(QDate(2026, 1, 1), QTime(0, 0, second)));
        last = RadioBackups::Save({dir.filePath("blocked/sub"), folder}, name, *header, *image, 3);
        ASSERT_FALSE(last.isEmpty());
    }
    EXPECT_TRUE(last.startsWith(folder));
    const QStringList kept = QDir(folder).entryList({"*.dat"}, QDir::Files, QDir::Name);
    EXPECT_EQ(kept, (QStringList{"QM4410-S1-20260101-000003.dat", "ZZ-S1-20260101-000002.dat",
                                 "ZZ-S1-20260101-000004.dat", "notes.dat"}));

    auto readHeader = std::make_unique<HeaderBlock>();
    auto readImage = std::make_unique<RadioImage>();
    ASSERT_TRUE(ReadParamFile(last, *readHeader, *readImage, true).ok); // signed: it opens
    EXPECT_EQ(*readImage, *image);
    EXPECT_TRUE(RadioBackups::Save({dir.filePath("blocked/sub")}, "x-20260101-000000.dat", *header, *image).isEmpty());
}

TEST(RecoveryFile, OnlyFilesOfProgramsThatAreGoneAreOffered)
{
    QTemporaryDir dir;
    auto header = std::make_unique<HeaderBlock>();
    auto image = std::make_unique<RadioImage>();
    header->fill(0);
    image->fill(1);
    auto mine = std::make_unique<RecoveryFile>(dir.filePath("data"));
    ASSERT_TRUE(mine->write(*header, *image));
    EXPECT_TRUE(RecoveryFile::leftBehind(dir.filePath("data")).empty()); // this program is running

    // Another program's file without its lock: that program is gone.
    ASSERT_TRUE(QFile::copy(mine->path(), dir.filePath("data/unsaved-1.dat")));
    const auto left = RecoveryFile::leftBehind(dir.filePath("data"));
    ASSERT_EQ(left.size(), 1u);
    EXPECT_TRUE(left[0].path.endsWith("unsaved-1.dat"));
    auto readHeader = std::make_unique<HeaderBlock>();
    auto readImage = std::make_unique<RadioImage>();
    EXPECT_TRUE(ReadParamFile(left[0].path, *readHeader, *readImage, true).ok);
    EXPECT_EQ(*readImage, *image);
    RecoveryFile::discard(left[0].path);
    EXPECT_TRUE(RecoveryFile::leftBehind(dir.filePath("data")).empty());

    // This program ends without removing its file: the next start finds it.
    const QString path = mine->path();
    mine.reset();
    ASSERT_EQ(RecoveryFile::leftBehind(dir.filePath("data")).size(), 1u);
    EXPECT_EQ(RecoveryFile::leftBehind(dir.filePath("data"))[0].path, path);
}

} // namespace
