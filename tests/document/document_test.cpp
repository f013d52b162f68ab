// The document: changes counted by their bytes, the band limits following the
// band plan, and files taken whole or not at all.
#include "document/band_plan.h"
#include "document/document.h"

#include "codecs/bcd.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QTemporaryDir>

#include <utility>
#include <vector>

namespace {
constexpr std::uint32_t kBand4Record = ImageMap::kBandPlan + 16 * 4;

void SetBand4(Document::Change& c, std::uint32_t lower, std::uint32_t upper)
{
    EncodeFreq(lower, c.image().data() + kBand4Record);
    EncodeFreq(upper, c.image().data() + kBand4Record + 4);
}
} // namespace

TEST(DocumentTest, RevisionCountsChangedBytesAndReportsTheirRange)
{
    Document doc;
    std::vector<std::pair<std::uint32_t, std::uint32_t>> spy;
    QObject::connect(&doc, &Document::changed,
                     [&spy](std::uint32_t first, std::uint32_t last) { spy.emplace_back(first, last); });
    const std::uint64_t start = doc.revision();
    struct Step {
        std::uint32_t at;
        std::uint8_t value;
        bool counts;
    };
    // Writing the same byte again is no change; nested changes count once.
    for (const Step s : {Step{0x1234, 7, true}, Step{0x1234, 7, false}, Step{0x0000, 0, false}}) {
        const std::uint64_t before = doc.revision();
        doc.change()[s.at] = s.value;
        EXPECT_EQ(doc.revision(), before + (s.counts ? 1 : 0)) << std::hex << s.at;
    }
    {
        auto outer = doc.change();
        outer[0x0100] = 1;
        doc.change()[0xFFFF] = 2;
        EXPECT_EQ(doc.revision(), start + 1); // nothing told until the outer change ends
    }
    EXPECT_EQ(doc.revision(), start + 2);
    using Span = std::pair<std::uint32_t, std::uint32_t>;
    ASSERT_EQ(spy.size(), 2u);
    EXPECT_EQ(spy[0], Span(0x1234, 0x1235));
    EXPECT_EQ(spy[1], Span(0x0100, 0x10000));
    // A header change counts too, with an empty image range.
    doc.change().header()[100] = 9;
    EXPECT_EQ(doc.revision(), start + 3);
    EXPECT_EQ(spy.back().first, spy.back().second);
}

TEST(DocumentTest, BandLimitsFollowEveryChangeOfTheBandPlanButNotNew)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    Document doc;
    {
        auto c = doc.change();
        SetBand4(c, 14400000, 14800000);
    }
    EXPECT_EQ(doc.bands().rxLower[4], 14400000u);
    EXPECT_EQ(doc.bands().txUpper[0], 14800000u); // the VHF transmit band follows band 4
    // A change elsewhere leaves the limits alone, even ones set by hand.
    doc.bands().rxUpper[0] = 123;
    doc.change()[0x2000] = 0x55;
    EXPECT_EQ(doc.bands().rxUpper[0], 123u);

    // New takes the file's plan but keeps the limits; Open derives them.
    const QString folder = dir.path() + QLatin1Char('/');
    HeaderBlock h{};
    auto m = std::make_unique<RadioImage>();
    m->fill(0xFF);
    EncodeFreq(13600000, m->data() + kBand4Record);
    EncodeFreq(17400000, m->data() + kBand4Record + 4);
    WriteSignature(h);
    ASSERT_TRUE(WriteParamFile(folder + "Default.dat", h, *m).ok);
    ASSERT_TRUE(doc.newFromDefaults(folder).ok);
    EXPECT_EQ(BandPlan::Limit(doc.image(), 4, BandPlan::kRxLower), 13600000u);
    EXPECT_EQ(doc.bands().rxLower[4], 14400000u);
    ASSERT_TRUE(doc.open(folder + "Default.dat").ok);
    EXPECT_EQ(doc.bands().rxLower[4], 13600000u);
    EXPECT_EQ(doc.path(), folder + "Default.dat");
}

TEST(DocumentTest, FailedOpenAndSaveLeaveTheDocumentAsItWas)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    Document doc;
    doc.change()[0x0103] = 0x14;
    const std::uint64_t revision = doc.revision();
    QFile bad(dir.filePath("bad.dat"));
    ASSERT_TRUE(bad.open(QIODevice::WriteOnly));
    bad.write(QByteArray(kParamFileSize, 'x'));
    bad.close();
    for (const QString& path : {dir.filePath("bad.dat"), dir.filePath("missing.dat")}) {
        EXPECT_FALSE(doc.open(path).ok) << qPrintable(path);
        EXPECT_EQ(doc.revision(), revision);
        EXPECT_EQ(doc.image()[0x0103], 0x14);
        EXPECT_TRUE(doc.path().isEmpty());
    }
    // Save As into a folder that does not exist: the header keeps no signature.
    EXPECT_FALSE(doc.saveAs(dir.filePath("no/such/folder.dat")).ok);
    EXPECT_FALSE(HasSignature(doc.header().data()));
    ASSERT_TRUE(doc.saveAs(dir.filePath("good.dat")).ok);
    EXPECT_TRUE(HasSignature(doc.header().data()));
    EXPECT_EQ(doc.revision(), revision); // saving changes no data
    EXPECT_EQ(doc.path(), dir.filePath("good.dat"));
}

TEST(DocumentTest, RecordedChangesGoBackAndForthAndKeepTheModifiedState)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    Document doc;
    std::vector<DocumentDelta> history;
    std::vector<bool> modified;
    QObject::connect(&doc, &Document::changeRecorded, [&history](const DocumentDelta& d) { history.push_back(d); });
    QObject::connect(&doc, &Document::modifiedChanged, [&modified](bool m) { modified.push_back(m); });
    ASSERT_TRUE(doc.saveAs(dir.filePath("a.dat")).ok);
    EXPECT_FALSE(doc.isModified());

    // Two bytes close together make one run; one far away a run of its own.
    {
        auto c = doc.change();
        c[0x1000] = 1;
        c[0x1000 + kRunGap] = 2;
        c[0x8000] = 3;
        c.header()[20] = 4;
    }
    doc.change()[0x1000] = 9;
    ASSERT_EQ(history.size(), 2u);
    ASSERT_EQ(history[0].image.size(), 2u);
    EXPECT_EQ(history[0].image[0].offset, 0x1000u);
    EXPECT_EQ(history[0].image[0].after().size(), kRunGap + 1);
    EXPECT_EQ(history[0].header.size(), 1u);
    EXPECT_LT(history[1].byteCount(), 100u); // a one-byte edit costs bytes, not an image
    EXPECT_TRUE(doc.isModified());

    // Back, then forward again: the bytes follow and nothing new is recorded.
    const RadioImage edited = doc.image();
    for (auto it = history.rbegin(); it != history.rend(); ++it)
        doc.applyDelta(*it, false);
    EXPECT_EQ(doc.image()[0x1000], 0);
    EXPECT_EQ(doc.image()[0x8000], 0);
    EXPECT_EQ(doc.header()[20], 0);
    EXPECT_FALSE(doc.isModified()); // the bytes are the saved ones again
    for (const DocumentDelta& d : history)
        doc.applyDelta(d, true);
    EXPECT_EQ(doc.image(), edited);
    EXPECT_EQ(history.size(), 2u);

    ASSERT_TRUE(doc.save().ok);
    EXPECT_FALSE(doc.isModified());
    EXPECT_EQ(modified, (std::vector<bool>{true, false, true, false}));
}
