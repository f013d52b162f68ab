#include "codecs/bcd.h"
#include "document/band_plan.h"
#include "document/band_table.h"
#include "document/five_tone_table.h"
#include "document/param_file.h"
#include "tests/support/test_document.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

QByteArray ValidFile(std::uint8_t imageFill = 0x5A)
{
    QByteArray bytes(static_cast<qsizetype>(kParamFileSize), static_cast<char>(imageFill));
    const char sig[] = {'Q', 'M', '4', '4', '1', '0', '\xFF', '\xFF'};
    bytes.replace(0, 8, QByteArray(sig, 8));
    return bytes;
}

void WriteFile(const QString& path, const QByteArray& bytes)
{
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(bytes);
}

QByteArray ReadAll(const QString& path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

class ParamFileTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_dir.isValid());
        TestImage().fill(0x11);
        TestHeader().fill(0x22);
        TestBands().resetToFactory();
    }
    QString path(const char* name) const { return m_dir.path() + "/" + name; }
    QTemporaryDir m_dir;
};

TEST_F(ParamFileTest, SignatureDecidesAndNothingElse)
{
    struct Case {
        const char* name;
        int patchAt;
        char value;
        bool accepted;
    } cases[] = {
        {"valid", -1, 0, true},
        {"bytes 8..15 differ", 9, 'x', true},
        {"sixth byte differs", 5, '1', false},
        {"end mark differs", 7, '\0', false},
        {"lower case", 0, 'q', false},
    };
    for (const Case& c : cases) {
        QByteArray bytes = ValidFile();
        if (c.patchAt >= 0)
            bytes[c.patchAt] = c.value;
        WriteFile(path("f.dat"), bytes);
        TestImage().fill(0x11);
        TestHeader().fill(0x22);
        FileResult r = TestDocument().open(path("f.dat"));
        EXPECT_EQ(r.ok, c.accepted) << c.name;
        if (c.accepted) {
            EXPECT_EQ(TestImage()[0x1234], 0x5A) << c.name;
        } else {
            EXPECT_EQ(r.error, "File does not match") << c.name;
            EXPECT_EQ(TestImage()[0x1234], 0x11) << c.name; // document untouched
            EXPECT_EQ(TestHeader()[0], 0x22) << c.name;
        }
    }
}

TEST_F(ParamFileTest, OpenRefreshesToneTableAndBandLimits)
{
    QByteArray bytes = ValidFile(0xFF);
    std::uint8_t lim[4];
    EncodeFreq(13600000, lim);
    bytes.replace(static_cast<qsizetype>(kHeaderSize) + static_cast<qsizetype>(BandPlan::RecordOffset(4)), 4,
                  QByteArray(reinterpret_cast<const char*>(lim), 4));
    WriteFile(path("f.dat"), bytes);
    ASSERT_TRUE(TestDocument().open(path("f.dat")).ok);
    EXPECT_EQ(TestBands().rxLower[4], 13600000u);
    EXPECT_EQ(TestBands().rxLower[0], 0u);
    // ZVEI1 digit 0 is 2400.0 Hz; the file held 0xFF there.
    std::size_t at = FiveTone::StandardOffset(0) + FiveTone::kTonesOffset;
    EXPECT_EQ(TestHeader()[at] | TestHeader()[at + 1] << 8, 24000);
    EXPECT_EQ(TestHeader()[FiveTone::StandardOffset(15) + 8], 0xFF); // the user's own stays
}

TEST_F(ParamFileTest, ShortAndLongFiles)
{
    struct Case {
        qsizetype size;
        bool ok;
        bool warned;
    } cases[] = {{4, false, false},
                 {8, true, true},
                 {5000, true, true},
                 {static_cast<qsizetype>(kParamFileSize), true, false},
                 {static_cast<qsizetype>(kParamFileSize) + 100, true, false}};
    for (const Case& c : cases) {
        QByteArray bytes = ValidFile(0x33);
        bytes.resize(c.size, '\x33');
        WriteFile(path("f.dat"), bytes);
        TestImage().fill(0x11);
        FileResult r = TestDocument().open(path("f.dat"));
        EXPECT_EQ(r.ok, c.ok) << c.size;
        EXPECT_EQ(!r.warning.isEmpty(), c.warned) << c.size;
        if (!c.ok)
            continue;
        // What the file lacks is erased memory, never the previous document.
        std::size_t imageBytes = c.size > static_cast<qsizetype>(kHeaderSize)
                                     ? std::min<std::size_t>(static_cast<std::size_t>(c.size) - kHeaderSize, kImageSize)
                                     : 0;
        if (imageBytes > 0) {
            EXPECT_EQ(TestImage()[imageBytes - 1], 0x33) << c.size;
        }
        if (imageBytes < kImageSize) {
            EXPECT_EQ(TestImage()[imageBytes], 0xFF) << c.size;
        }
    }
}

TEST_F(ParamFileTest, SaveAsWritesSignatureAndRoundTrips)
{
    TestHeader().fill(0x00);
    for (std::size_t i = 0; i < kImageSize; ++i)
        TestImage()[i] = static_cast<std::uint8_t>(i * 7);
    ASSERT_TRUE(TestDocument().saveAs(path("out.dat")).ok);
    QByteArray bytes = ReadAll(path("out.dat"));
    ASSERT_EQ(bytes.size(), static_cast<qsizetype>(kParamFileSize));
    EXPECT_EQ(bytes.left(16), QByteArray("QM4410\xFF\xFF\x56\x02\x00\x07\xFF\xFF\xFF\xFF", 16));
    EXPECT_EQ(TestHeader()[8], 0x56); // the document's header took the signature

    const RadioImage saved = TestImage();
    TestImage().fill(0);
    ASSERT_TRUE(TestDocument().open(path("out.dat")).ok);
    EXPECT_EQ(TestImage(), saved);

    // Save writes the header as it stands, without a new signature.
    TestHeader()[9] = 0x77;
    TestDocument().setPath(path("plain.dat"));
    ASSERT_TRUE(TestDocument().save().ok);
    EXPECT_EQ(static_cast<std::uint8_t>(ReadAll(path("plain.dat"))[9]), 0x77);
}

TEST_F(ParamFileTest, FailuresLeaveDocumentAndOldFileAlone)
{
    // Unreadable: missing file, and a folder.
    FileResult missing = TestDocument().open(path("none.dat"));
    EXPECT_FALSE(missing.ok);
    EXPECT_FALSE(missing.error.isEmpty());
    QDir(m_dir.path()).mkdir("folder.dat");
    EXPECT_FALSE(TestDocument().open(path("folder.dat")).ok);
    EXPECT_EQ(TestImage()[0], 0x11);

    // A save that cannot complete reports why, and Save As takes no signature.
    FileResult r = TestDocument().saveAs(path("folder.dat"));
    EXPECT_FALSE(r.ok);
    EXPECT_FALSE(r.error.isEmpty());
    EXPECT_EQ(TestHeader()[0], 0x22);
    TestDocument().setPath(path("no/such/folder/x.dat"));
    EXPECT_FALSE(TestDocument().save().ok);
}

} // namespace
