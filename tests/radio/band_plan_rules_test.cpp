#include "radio/core/band_plan_rules.h"
#include "tests/support/test_document.h"

#include "channels/core/channel_record.h"
#include "codecs/bcd.h"
#include "document/band_plan.h"

#include <gtest/gtest.h>

#include <memory>
#include <ostream>
#include <vector>

using namespace BandPlanColumn;
using namespace Qt::StringLiterals;

// Readable QString values in failure messages.
inline void PrintTo(const QString& s, std::ostream* os)
{
    *os << '"' << s.toStdString() << '"';
}

namespace {

constexpr int k50M = 1, k60M = 2, k108M = 3, k150M = 4, k250M = 5, k450M = 7, k850M = 8;

class BandPlanRulesTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        TestBands().resetToFactory();
        m_image.fill(0xFF);
    }
    void TearDown() override { TestBands().resetToFactory(); }

    void putLimit(int band, std::uint32_t field, std::uint32_t v)
    {
        EncodeFreq(v, m_image.data() + BandPlan::RecordOffset(band) + field);
    }
    std::vector<std::uint8_t> record(int band) const
    {
        const auto at = m_image.begin() + BandPlan::RecordOffset(band);
        return {at, at + BandPlan::kRecordSize};
    }

    std::unique_ptr<RadioImage> m_owned = std::make_unique<RadioImage>();
    RadioImage& m_image = *m_owned;
};

// A plan with 150M and 450M at their factory limits, the rest empty.
BandPlanCells TwoBandPlan()
{
    BandPlanCells c;
    c.at(k150M, kRxLower) = u"134.00000"_s;
    c.at(k150M, kRxUpper) = u"180.00000"_s;
    c.at(k450M, kRxLower) = u"400.00000"_s;
    c.at(k450M, kRxUpper) = u"512.00000"_s;
    return c;
}

TEST(BandPlanPassword, ComparedExactly)
{
    EXPECT_TRUE(IsRangePassword(u"3625MFQ"_s));
    EXPECT_FALSE(IsRangePassword(u"3625mfq"_s));
    EXPECT_FALSE(IsRangePassword(u"3625MFQ "_s));
    EXPECT_FALSE(IsRangePassword(u"3625MF"_s));
    EXPECT_FALSE(IsRangePassword(QString()));
}

TEST(BandPlanCellsEditable, TransmitCellsOf108MAnd850MAreNot)
{
    EXPECT_TRUE(IsBandCellEditable(k108M, kRxLower));
    EXPECT_TRUE(IsBandCellEditable(k850M, kRxUpper));
    EXPECT_FALSE(IsBandCellEditable(k108M, kTxLower));
    EXPECT_FALSE(IsBandCellEditable(k850M, kTxUpper));
    EXPECT_TRUE(IsBandCellEditable(k150M, kTxUpper));
    EXPECT_FALSE(IsBandCellEditable(k150M, 0));
    EXPECT_FALSE(IsBandCellEditable(9, kRxLower));
}

TEST_F(BandPlanRulesTest, ReadShowsLimitsAndLeavesAbsentOnesEmpty)
{
    putLimit(k150M, BandPlan::kRxLower, 13600000);
    putLimit(k150M, BandPlan::kRxUpper, 17400000);
    putLimit(k150M, BandPlan::kTxLower, 14400000);
    std::fill_n(m_image.data() + BandPlan::RecordOffset(k150M) + BandPlan::kTxUpper, 4, 0x00);
    // Transmit limits of the airband and 850M are never shown.
    putLimit(k108M, BandPlan::kTxLower, 11800000);
    putLimit(k850M, BandPlan::kTxUpper, 90000000);

    const BandPlanCells c = ReadBandPlanCells(m_image);
    EXPECT_EQ(c.at(k150M, kRxLower), u"136.00000"_s);
    EXPECT_EQ(c.at(k150M, kRxUpper), u"174.00000"_s);
    EXPECT_EQ(c.at(k150M, kTxLower), u"144.00000"_s);
    EXPECT_EQ(c.at(k150M, kTxUpper), QString());
    EXPECT_EQ(c.at(k108M, kTxLower), QString());
    EXPECT_EQ(c.at(k850M, kTxUpper), QString());
    EXPECT_EQ(c.rows[0], (std::array<QString, 4>{})); // all 0xFF
}

struct NormaliseCase {
    int band;
    QString lower, upper;
    QString wantLower, wantUpper;
};

class Normalise : public ::testing::TestWithParam<NormaliseCase> {};

TEST_P(Normalise, ReceiveRangeKeptInsideHardLimits)
{
    const NormaliseCase& p = GetParam();
    BandPlanCells c;
    c.at(p.band, kRxLower) = p.lower;
    c.at(p.band, kRxUpper) = p.upper;
    c.at(p.band, kTxLower) = u"1.00000"_s; // transmit cells are left alone
    NormaliseBandPlan(c);
    EXPECT_EQ(c.at(p.band, kRxLower), p.wantLower);
    EXPECT_EQ(c.at(p.band, kRxUpper), p.wantUpper);
    EXPECT_EQ(c.at(p.band, kTxLower), u"1.00000"_s);
}

INSTANTIATE_TEST_SUITE_P(
    BandPlan, Normalise,
    ::testing::Values(NormaliseCase{k150M, u"136.0"_s, u"174"_s, u"136.00000"_s, u"174.00000"_s},
                      NormaliseCase{k150M, u"130"_s, u"174"_s, u"134.00000"_s, u"174.00000"_s},  // below lo
                      NormaliseCase{k150M, u"170"_s, u"150"_s, u"134.00000"_s, u"150.00000"_s},  // not below upper
                      NormaliseCase{k150M, u"150"_s, u"190"_s, u"150.00000"_s, u"180.00000"_s},  // upper above hi
                      NormaliseCase{k150M, u"150"_s, u"134"_s, u"134.00000"_s, u"180.00000"_s},  // upper not above lo
                      NormaliseCase{k150M, u"185"_s, u"190"_s, u"134.00000"_s, u"180.00000"_s},  // lower at or above hi
                      NormaliseCase{k150M, u"150"_s, QString(), u"134.00000"_s, u"180.00000"_s}, // lone lower
                      NormaliseCase{k450M, u"abc"_s, u"470"_s, u"400.00000"_s, u"470.00000"_s},  // not a number
                      NormaliseCase{k150M, QString(), u"170"_s, QString(), u"170"_s}));          // no lower: untouched

struct CommitCase {
    const char* what;
    int band;
    int column;
    QString typed;
    std::array<QString, 4> before;
    std::array<QString, 4> after;
};

class Commit : public ::testing::TestWithParam<CommitCase> {};

TEST_P(Commit, TypedTextFollowsTheRules)
{
    const CommitCase& p = GetParam();
    BandPlanCells c = TwoBandPlan();
    c.rows[static_cast<std::size_t>(p.band)] = p.before;
    CommitBandCell(c, p.band, p.column, p.typed);
    EXPECT_EQ(c.rows[static_cast<std::size_t>(p.band)], p.after) << p.what;
}

const QString E;
const QString Lo150 = u"134.00000"_s, Hi150 = u"180.00000"_s;

INSTANTIATE_TEST_SUITE_P(
    BandPlan, Commit,
    ::testing::Values(
        CommitCase{"empty pair takes the hard limits", k150M, kRxLower, u"140"_s, {E, E, E, E}, {Lo150, Hi150, E, E}},
        CommitCase{"lower below lo", k150M, kRxLower, u"130"_s, {u"140.00000"_s, Hi150, E, E}, {Lo150, Hi150, E, E}},
        CommitCase{"lower inside", k150M, kRxLower, u"144.0037"_s, {Lo150, Hi150, E, E}, {u"144.00000"_s, Hi150, E, E}},
        CommitCase{"lower not below upper",
                   k150M,
                   kRxLower,
                   u"175"_s,
                   {u"150.00000"_s, u"170.00000"_s, E, E},
                   {Lo150, u"170.00000"_s, E, E}},
        CommitCase{
            "lower with only itself filled", k150M, kRxLower, u"150"_s, {u"140.00000"_s, E, E, E}, {Lo150, E, E, E}},
        CommitCase{"upper above hi", k150M, kRxUpper, u"190"_s, {Lo150, u"170.00000"_s, E, E}, {Lo150, Hi150, E, E}},
        CommitCase{"upper inside", k150M, kRxUpper, u"174"_s, {Lo150, Hi150, E, E}, {Lo150, u"174.00000"_s, E, E}},
        CommitCase{"upper not above lower",
                   k150M,
                   kRxUpper,
                   u"150"_s,
                   {u"160.00000"_s, u"170.00000"_s, E, E},
                   {u"160.00000"_s, Hi150, E, E}},
        CommitCase{
            "transmit pair filled", k150M, kTxLower, u"150"_s, {Lo150, Hi150, E, E}, {Lo150, Hi150, Lo150, Hi150}},
        CommitCase{"transmit lower inside",
                   k150M,
                   kTxLower,
                   u"144"_s,
                   {Lo150, Hi150, Lo150, u"148.00000"_s},
                   {Lo150, Hi150, u"144.00000"_s, u"148.00000"_s}},
        CommitCase{"clearing transmit", k150M, kTxUpper, E, {Lo150, Hi150, Lo150, Hi150}, {Lo150, Hi150, E, E}},
        CommitCase{"clearing receive empties the row", k150M, kRxUpper, E, {Lo150, Hi150, Lo150, Hi150}, {E, E, E, E}},
        CommitCase{"clearing 50M", k50M, kRxLower, E, {u"47.00000"_s, u"54.00000"_s, E, E}, {E, E, E, E}},
        CommitCase{"airband transmit is not edited", k108M, kTxLower, u"120"_s, {E, E, E, E}, {E, E, E, E}}));

TEST(BandPlanCommit, LastTransmitBandCannotBeCleared)
{
    BandPlanCells c;
    c.at(k450M, kRxLower) = u"400.00000"_s;
    c.at(k450M, kRxUpper) = u"512.00000"_s;
    const BandPlanCells before = c;
    CommitBandCell(c, k450M, kRxLower, QString());
    EXPECT_EQ(c, before);
    CommitBandCell(c, k450M, kRxUpper, QString());
    EXPECT_EQ(c, before);

    // With 150M present, 450M can go.
    c.at(k150M, kRxLower) = u"134.00000"_s;
    CommitBandCell(c, k450M, kRxLower, QString());
    EXPECT_TRUE(c.at(k450M, kRxLower).isEmpty());
    EXPECT_TRUE(c.at(k450M, kRxUpper).isEmpty());
}

struct CheckCase {
    std::vector<int> filled;
    bool valid;
};

class Checks : public ::testing::TestWithParam<CheckCase> {};

TEST_P(Checks, ClosingChecksOnReceiveLowerCells)
{
    BandPlanCells c;
    for (int b : GetParam().filled)
        c.at(b, kRxLower) = u"1.00000"_s;
    EXPECT_EQ(IsBandPlanValid(c), GetParam().valid);
}

INSTANTIATE_TEST_SUITE_P(BandPlan, Checks,
                         ::testing::Values(CheckCase{{k150M}, true}, CheckCase{{k250M}, true},
                                           CheckCase{{k450M, 0, k108M, k850M}, true},
                                           CheckCase{{k50M, k60M, k150M}, false}, CheckCase{{k250M, k450M}, false},
                                           CheckCase{{k150M, k250M}, true}, CheckCase{{}, false},
                                           CheckCase{{0, k50M, 6, k850M}, false}));

TEST_F(BandPlanRulesTest, SaveWritesCellsAndTable)
{
    BandPlanCells c = TwoBandPlan();
    c.at(k150M, kRxLower) = u"136.00000"_s;
    c.at(k150M, kTxLower) = u"144.00000"_s;
    c.at(k150M, kTxUpper) = u"148.00000"_s;
    c.at(k450M, kRxUpper) = u"470.00000"_s;
    c.at(k850M, kRxLower) = u"900"_s; // normalised first: not below ... -> 750
    c.at(k850M, kRxUpper) = u"800.00000"_s;
    SaveBandPlan(c, m_image, TestBands());

    const BandTable& t = TestBands();
    EXPECT_EQ(BandPlan::Limit(m_image, k150M, BandPlan::kRxLower), 13600000u);
    EXPECT_EQ(BandPlan::Limit(m_image, k150M, BandPlan::kTxUpper), 14800000u);
    EXPECT_EQ(BandPlan::Limit(m_image, k850M, BandPlan::kRxLower), 75000000u);
    EXPECT_EQ(t.rxLower[k850M], 75000000u);
    EXPECT_EQ(t.rxLower[k150M], 13600000u);
    EXPECT_EQ(t.rxUpper[k450M], 47000000u);
    EXPECT_EQ(t.rxLower[0], 0u);
    EXPECT_TRUE(t.bandEnabled[k150M]);
    EXPECT_TRUE(t.bandEnabled[k450M]);
    EXPECT_FALSE(t.bandEnabled[k250M]);
    EXPECT_FALSE(t.bandEnabled[0]);
    // Transmit bands: 150M, and 450M while 250M is empty.
    EXPECT_EQ(t.txLower[0], 13600000u);
    EXPECT_EQ(t.txUpper[0], 18000000u);
    EXPECT_EQ(t.txLower[1], 40000000u);
    EXPECT_EQ(t.txUpper[1], 47000000u);
    EXPECT_TRUE(t.txEnabled[0]);
    EXPECT_TRUE(t.txEnabled[1]);
    // Empty cells become four zero bytes, whatever was there.
    EXPECT_EQ(record(0), std::vector<std::uint8_t>(16, 0x00));
    EXPECT_EQ(record(k450M),
              (std::vector<std::uint8_t>{0x00, 0x00, 0x00, 0x40, 0x00, 0x00, 0x00, 0x47, 0, 0, 0, 0, 0, 0, 0, 0}));
}

TEST_F(BandPlanRulesTest, SaveTakesTheUhfBandFrom250MWhenPresent)
{
    BandPlanCells c;
    c.at(k250M, kRxLower) = u"225.00000"_s;
    c.at(k250M, kRxUpper) = u"240.00000"_s;
    SaveBandPlan(c, m_image, TestBands());
    const BandTable& t = TestBands();
    EXPECT_EQ(t.txLower[1], 22500000u);
    EXPECT_EQ(t.txUpper[1], 24000000u);
    EXPECT_TRUE(t.txEnabled[1]);
    EXPECT_FALSE(t.txEnabled[0]);
    EXPECT_EQ(t.txLower[0], 0u); // 150M empty
}

TEST_F(BandPlanRulesTest, ErasedRecordReadsEmptyAndIsSavedAsZeros)
{
    putLimit(k150M, BandPlan::kRxLower, 13400000);
    putLimit(k150M, BandPlan::kRxUpper, 18000000);
    BandPlanCells c = ReadBandPlanCells(m_image);
    EXPECT_EQ(c.rows[k250M], (std::array<QString, 4>{}));
    SaveBandPlan(c, m_image, TestBands());
    EXPECT_EQ(record(k250M), std::vector<std::uint8_t>(16, 0x00));
}

TEST_F(BandPlanRulesTest, OutOfBandChannelsOfBankABecomeEmpty)
{
    TestBands().rxLower[k150M] = 14000000; // narrowed to 140..180
    NewChannelRecord(TestBands(), m_image, 1, 13600000);
    NewChannelRecord(TestBands(), m_image, 2, 14500000);
    NewChannelRecord(TestBands(), m_image, 3, 44000000);
    NewChannelRecord(TestBands(), m_image, 800, 13900000);
    NewChannelRecord(TestBands(), m_image, 801, 13600000); // bank B is not touched
    ChannelAt(m_image, 2).setName(u"KEEP"_s);
    m_image[ImageMap::ChannelOffset(4) + 10] = 0x12; // absent channel with stray bytes
    const std::vector<std::uint8_t> bankB(m_image.begin() + ImageMap::kBankB,
                                          m_image.begin() + ImageMap::kBankB + 0x6400);

    EmptyOutOfBandChannels(TestBands(), m_image);

    auto record = [this](int n) {
        const auto at = m_image.begin() + ImageMap::ChannelOffset(static_cast<std::uint32_t>(n));
        return std::vector<std::uint8_t>(at, at + 32);
    };
    auto expect = std::make_unique<RadioImage>();
    expect->fill(0xFF);
    WriteEmptyTableRecord(TestBands(), *expect, 1); // as the table stores an empty row
    const auto emptyRecord = std::vector<std::uint8_t>(expect->begin() + ImageMap::ChannelOffset(1),
                                                       expect->begin() + ImageMap::ChannelOffset(1) + 32);
    EXPECT_EQ(record(1), emptyRecord);
    EXPECT_EQ(record(800), emptyRecord);
    EXPECT_EQ(record(4), emptyRecord);
    EXPECT_EQ(ChannelAt(m_image, 2).rx(), 14500000u);
    EXPECT_EQ(ChannelAt(m_image, 2).name(), u"KEEP"_s);
    EXPECT_EQ(ChannelAt(m_image, 3).rx(), 44000000u);
    EXPECT_EQ(
        std::vector<std::uint8_t>(m_image.begin() + ImageMap::kBankB, m_image.begin() + ImageMap::kBankB + 0x6400),
        bankB);
}

} // namespace
