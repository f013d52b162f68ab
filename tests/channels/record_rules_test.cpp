#include "channels/core/record_rules.h"
#include "tests/support/test_document.h"

#include "channels/core/channel_record.h"
#include "document/band_table.h"

#include "tests/channels/band_plan_fixture.h"
#include "tests/support/qstring_print.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <initializer_list>
#include <optional>
#include <tuple>
#include <vector>

using namespace Qt::StringLiterals;

namespace {

// The lookups read the process-wide band table: every test starts from the
// factory plan and leaves it so.
class RecordRules : public ::testing::Test {
protected:
    void SetUp() override { TestBands().resetToFactory(); }
    void TearDown() override { TestBands().resetToFactory(); }
};

struct TextCase {
    int number;
    const char* typed;
    const char* old;
    const char* expected;
};

TEST_F(RecordRules, ChannelReceive)
{
    const TextCase cases[] = {
        {5, "145.5", "", "145.50000"},
        {5, "20.0", "145.00000", "145.00000"}, // out of every band: the old value
        {5, "20.0", "", "26.00000"},           // no old value: the first band's lower limit
        {5, "20.0", "25.00000", "26.00000"},   // an old value out of band does not count
        {5, "118.008", "", "118.00833"},       // airband raster
        {5, "145.0083", "", "145.00833"},
        {5, "145.5137", "", "145.51250"},
        {5, "851.0037", "", "851.00000"},
        {5, "851.0075", "", "851.00500"}, // 850M keeps to 5 kHz
        {5, "851.0125", "", "851.01250"}, // or 12.5 kHz multiples
        {5, "", "145.00000", ""},
        {800, "433.0", "145.00000", "433.00000"},
        // Channels 1 and 801 stay on 150M or 450M, with the plain raster.
        {1, "50.0", "145.00000", "145.00000"},
        {1, "433.0", "145.00000", "433.00000"},
        {1, "145.0083", "145.00000", "145.00625"},
        {1, "", "145.00000", "145.00000"},
        {1, "50.0", "", "134.00000"},
        {1, "50.0", "60.00000", "134.00000"},
        {801, "118.0", "438.50000", "438.50000"},
        {801, "440", "438.50000", "440.00000"},
    };
    for (const TextCase& c : cases)
        EXPECT_EQ(AcceptChannelRx(TestBands(), c.number, QString::fromLatin1(c.typed), QString::fromLatin1(c.old)),
                  QString::fromLatin1(c.expected))
            << c.number << " " << c.typed << " over " << c.old;
}

TEST_F(RecordRules, ChannelOneFallsBackToTheEnabledTransmitBand)
{
    OnlyBands({7});
    EXPECT_EQ(AcceptChannelRx(TestBands(), 1, u"50.0"_s, QString()), u"400.00000");
    EXPECT_EQ(AcceptChannelRx(TestBands(), 1, u"145.0"_s, QString()), u"400.00000"); // 150M is not in this plan
    OnlyBands({0});
    EXPECT_EQ(AcceptChannelRx(TestBands(), 1, u"50.0"_s, QString()), u"50.0"); // nothing to fall back on
}

TEST_F(RecordRules, ChannelReceiveWithoutAnyBandKeepsTheTypedValue)
{
    OnlyBands({});
    EXPECT_EQ(AcceptChannelRx(TestBands(), 5, u"20.0037"_s, QString()), u"20.00000");
}

TEST_F(RecordRules, ChannelTransmit)
{
    const TextCase cases[] = {
        {5, "", "145.60000", "145.60000"}, // cannot be cleared
        {5, "20", "145.60000", "145.60000"},
        {5, "20", "", "26.00000"},
        {5, "146.0083", "145.60000", "146.00833"},
        {5, "851.0075", "", "851.00750"}, // no 850M raster on the transmit side
        {1, "50", "145.00000", "145.00000"},
        {1, "50", "20.00000", "134.00000"},
        {1, "440.0037", "145.00000", "440.00000"},
    };
    for (const TextCase& c : cases)
        EXPECT_EQ(AcceptChannelTx(TestBands(), c.number, QString::fromLatin1(c.typed), QString::fromLatin1(c.old)),
                  QString::fromLatin1(c.expected))
            << c.number << " " << c.typed << " over " << c.old;
}

TEST_F(RecordRules, EdgeReceive)
{
    const TextCase cases[] = {
        {0, "430.0", "", "430.00000"},
        {0, "20.0", "145.00000", "145.00000"},
        {0, "20.0", "", "20.00000"}, // a new edge keeps what was typed
        {0, "20.0037", "", "20.00000"},
        {0, "", "145.00000", ""},
        {0, "851.0075", "", "851.00500"},
        {0, "118.0166", "", "118.01666"},
        // Values a record would store as absent leave a new edge empty.
        {0, "1000", "", ""},
        {0, "0.5", "", ""},
        {0, "0", "", ""},
        {0, "1000", "145.00000", "145.00000"},
    };
    for (const TextCase& c : cases)
        EXPECT_EQ(AcceptEdgeRx(TestBands(), QString::fromLatin1(c.typed), QString::fromLatin1(c.old)),
                  QString::fromLatin1(c.expected))
            << c.typed << " over " << c.old;
}

TEST_F(RecordRules, EdgeTransmit)
{
    struct Case {
        const char* typed;
        const char* atFocus;
        const char* rx;
        const char* expected;
    };
    const Case cases[] = {
        {"145.6", "145.00000", "145.00000", "145.60000"},
        {"", "145.60000", "145.00000", "145.60000"},
        {"20", "145.60000", "145.00000", "145.60000"},
        {"20", "25.00000", "145.00000", "145.00000"}, // neither in a band: the receive text
        {"20", "", "145.00000", "20.00000"},
        {"1000", "", "145.00000", "145.00000"},
        {"851.0075", "", "851.00000", "851.00500"}, // with the 850M raster
        {"145.6", "145.00000", "", ""},             // no receive frequency, no transmit
    };
    for (const Case& c : cases)
        EXPECT_EQ(AcceptEdgeTx(TestBands(), QString::fromLatin1(c.typed), QString::fromLatin1(c.atFocus),
                               QString::fromLatin1(c.rx)),
                  QString::fromLatin1(c.expected))
            << c.typed << " focus " << c.atFocus << " rx " << c.rx;
}

TEST_F(RecordRules, VfoFrequency)
{
    const TextCase cases[] = {
        {4, "120.0", "", "120.00000"}, // the 150M VFO also takes the airband
        {4, "118.008", "", "118.00833"},  {4, "200.0", "", "134.00000"},
        {4, "", "", "134.00000"},         {7, "433.0125", "", "433.01250"},
        {7, "500.0037", "", "500.00000"}, {7, "120.0", "", "400.00000"},
        {8, "851.0075", "", "851.00500"}, {0, "30.0", "", "30.00000"},
        {9, "120.0", "", "134.00000"}, // transmit VFOs use the transmit limits
        {9, "179.0", "", "179.00000"},    {10, "", "", "400.00000"},
    };
    for (const TextCase& c : cases)
        EXPECT_EQ(AcceptVfoFreq(TestBands(), c.number, QString::fromLatin1(c.typed)), QString::fromLatin1(c.expected))
            << c.number << " " << c.typed;
}

TEST_F(RecordRules, VfoAirbandDoesNotNeedTheAirbandInThePlan)
{
    OnlyBands({4, 7});
    EXPECT_EQ(AcceptVfoFreq(TestBands(), 4, u"120.0"_s), u"120.00000");
    EXPECT_EQ(AcceptVfoFreq(TestBands(), 4, u"133.995"_s), u"133.99500");
    EXPECT_EQ(AcceptVfoFreq(TestBands(), 4, u"107.9"_s), u"134.00000");
    EXPECT_EQ(AcceptVfoFreq(TestBands(), 9, u"120.0"_s), u"134.00000");
}

TEST_F(RecordRules, VfoFrequencyFollowsNarrowedLimits)
{
    TestBands().rxLower[7] = 43000000;
    TestBands().rxUpper[7] = 44000000;
    EXPECT_EQ(AcceptVfoFreq(TestBands(), 7, u"420.0"_s), u"430.00000");
    EXPECT_EQ(AcceptVfoFreq(TestBands(), 7, u"435.0"_s), u"435.00000");
}

TEST_F(RecordRules, Offset)
{
    const std::pair<const char*, const char*> cases[] = {
        {"60", "7.60000"},       {"0.6037", "0.60000"}, {"0.607", "0.60625"}, {"50", "50.00000"},
        {"50.00001", "7.60000"}, {"", "0.00000"},       {"7.6", "7.60000"},
    };
    for (const auto& [typed, expected] : cases)
        EXPECT_EQ(NormaliseOffsetText(QString::fromLatin1(typed)), QString::fromLatin1(expected)) << typed;
}

TEST_F(RecordRules, Steps)
{
    const QStringList all = {"2.5", "5.0", "6.25", "7.5", "8.33", "10", "12.5", "15", "20", "25", "30", "50", "100"};
    const QStringList band850 = {"5.0", "10", "12.5", "15", "20", "25", "30", "50", "100"};
    EXPECT_EQ(StepChoices(TestBands(), std::nullopt), all);
    EXPECT_EQ(StepChoices(TestBands(), 14500000), all);
    EXPECT_EQ(StepChoices(TestBands(), 85100000), band850);
    EXPECT_EQ(StepChoices(TestBands(), 2000000), all);
    EXPECT_EQ(KeptChoice(band850, u"2.5"_s, u"12.5"_s), u"12.5");
    EXPECT_EQ(KeptChoice(band850, u"25"_s, u"12.5"_s), u"25");
}

TEST_F(RecordRules, SqlModes)
{
    const QStringList carrier = {"Carrier"};
    const QStringList signalling = {"Carrier", "Signaling"};
    const QStringList tone = {"Carrier", "Tone"};
    const QStringList all = {"Carrier", "Tone", "Signaling", "Signaling & Tone", "Signalling | Tone"};
    struct Case {
        unsigned decode, signalling;
        QStringList expected;
    };
    const Case cases[] = {
        {DecodeType::kOff, 0, carrier},     {DecodeType::kCtcssEncode, 0, carrier},
        {DecodeType::kOff, 1, signalling},  {DecodeType::kCtcssEncode, 3, signalling},
        {DecodeType::kCtcssCodec, 0, tone}, {DecodeType::kDcsCodec, 0, tone},
        {DecodeType::kCtcssCodec, 2, all},  {DecodeType::kDcsCodec, 3, all},
    };
    for (const Case& c : cases)
        EXPECT_EQ(SqlModeChoices(c.decode, c.signalling), c.expected) << c.decode << " " << c.signalling;
}

TEST_F(RecordRules, EdgeOffsetDirection)
{
    using namespace OffsetDirection;
    const std::uint32_t rx = 14500000, off = 60000;
    struct Case {
        unsigned stored;
        std::optional<std::uint32_t> tx;
        unsigned expected;
    };
    const Case cases[] = {
        {kFree, rx, kFree},          {kFree, rx + off, kFree}, {kPlus, rx + off, kPlus},
        {kPlus, rx, kSimplex},       {kPlus, rx - off, kFree}, {kMinus, rx - off, kMinus},
        {kSimplex, rx + off, kFree}, {kSimplex, rx, kSimplex}, {kMinus, std::nullopt, kFree},
    };
    for (const Case& c : cases)
        EXPECT_EQ(EdgeOffsetDirection(c.stored, rx, c.tx, off), c.expected) << c.stored << " " << c.tx.value_or(0);
}

TEST_F(RecordRules, VfoTransmit)
{
    using namespace OffsetDirection;
    struct Case {
        std::uint32_t rx;
        unsigned direction;
        std::uint32_t offset;
        std::uint32_t tx;
        unsigned written;
    };
    const Case cases[] = {
        {14500000, kPlus, 5000000, 14500000, kSimplex}, // 195 MHz leaves 150M
        {14500000, kPlus, 760000, 15260000, kPlus},       {14500000, kMinus, 60000, 14440000, kMinus},
        {13400000, kMinus, 60000, 13400000, kSimplex},    {2600000, kMinus, 5000000, 2600000, kSimplex}, // below zero
        {14500000, kSimplex, 760000, 14500000, kSimplex}, {43000000, kPlus, 500000, 43500000, kPlus},
    };
    for (const Case& c : cases) {
        const VfoTransmit t = DeriveVfoTransmit(TestBands(), c.rx, c.direction, c.offset);
        EXPECT_EQ(t.tx, c.tx) << c.rx << " " << c.direction << " " << c.offset;
        EXPECT_EQ(t.direction, c.written) << c.rx << " " << c.direction << " " << c.offset;
    }
}

TEST_F(RecordRules, VfoTabsFollowTheEnabledBands)
{
    auto records = [] {
        std::vector<std::pair<int, int>> out;
        for (const VfoTab& t : VfoTabs(TestBands()))
            out.emplace_back(t.record, t.transmit ? -t.nameBand : t.nameBand);
        return out;
    };
    using Tabs = std::vector<std::pair<int, int>>;
    // Every band but the airband, then the two transmit VFOs; with 250M
    // enabled the UHF one is named after it.
    EXPECT_EQ(records(), (Tabs{{0, 0}, {1, 1}, {2, 2}, {4, 4}, {5, 5}, {6, 6}, {7, 7}, {8, 8}, {9, -4}, {10, -5}}));
    OnlyBands({4, 7});
    EXPECT_EQ(records(), (Tabs{{4, 4}, {7, 7}, {9, -4}, {10, -7}}));
    OnlyBands({3, 5});
    EXPECT_EQ(records(), (Tabs{{5, 5}, {10, -5}}));
    OnlyBands({});
    EXPECT_TRUE(VfoTabs(TestBands()).empty());
}

TEST_F(RecordRules, ChannelNumbers)
{
    const std::pair<const char*, int> typed[] = {{"0", 1}, {"999", 800}, {"", 1}, {"5", 5}, {"800", 800}};
    for (const auto& [text, channel] : typed)
        EXPECT_EQ(ClampChannelNumber(QString::fromLatin1(text)), channel) << text;
    const std::tuple<int, int, int> steps[] = {{800, 1, 1}, {1, -1, 800}, {5, 1, 6}, {5, -1, 4}, {799, 1, 800}};
    for (const auto& [from, delta, to] : steps)
        EXPECT_EQ(StepChannelNumber(from, delta), to) << from << " " << delta;
}

} // namespace
