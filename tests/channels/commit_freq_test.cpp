#include "channels/core/commit_freq.h"
#include "tests/support/test_document.h"

#include "channels/core/channel_row.h"
#include "document/band_table.h"

#include "tests/support/qstring_print.h"

#include <gtest/gtest.h>

#include <functional>
#include <ostream>

using namespace Qt::StringLiterals;

inline void PrintTo(const FreqCellCommit& c, std::ostream* os)
{
    *os << "{kind " << c.kind << ", text \"" << c.text.toStdString() << "\", rx " << c.rx << ", emptyRecord "
        << c.emptyRecord << '}';
}

namespace {

class CommitFreqTest : public ::testing::Test {
protected:
    void SetUp() override { TestBands().resetToFactory(); }
    void TearDown() override { TestBands().resetToFactory(); }
};

struct ValueCase {
    QString typed;
    std::int64_t want;
    std::function<void(BandTable&)> plan = [](BandTable&) {};
};

class TableFreq : public CommitFreqTest, public ::testing::WithParamInterface<ValueCase> {};

TEST_P(TableFreq, TypedValueGoesIntoABandAndOntoItsRaster)
{
    GetParam().plan(TestBands());
    EXPECT_EQ(TableFreqValue(TestBands(), GetParam().typed), GetParam().want) << GetParam().typed.toStdString();
}

void ClearBand(BandTable& t, int band)
{
    t.rxLower[static_cast<std::size_t>(band)] = 0;
    t.rxUpper[static_cast<std::size_t>(band)] = 0;
}

void Without30M(BandTable& table)
{
    ClearBand(table, 0);
}
void Without30MAnd50M(BandTable& table)
{
    ClearBand(table, 0);
    ClearBand(table, 1);
}

INSTANTIATE_TEST_SUITE_P(ChannelTable, TableFreq,
                         ::testing::Values(ValueCase{QString(), 0}, ValueCase{u"0"_s, 0}, ValueCase{u"."_s, 0},
                                           ValueCase{u"118.008"_s, 11800833}, // airband 8.33 kHz raster
                                           ValueCase{u"118.091"_s, 11809166}, ValueCase{u"118.0125"_s, 11801250},
                                           ValueCase{u"145.5137"_s, 14551250}, // SnapFreq: 6.25 kHz below
                                           ValueCase{u"145.5230"_s, 14552000}, // SnapFreq: 5 kHz below
                                           ValueCase{u"145.525"_s, 14552500},  // a 2.5 kHz multiple stays
                                           ValueCase{u"851.0037"_s, 85100000}, // 850M: 5 kHz
                                           ValueCase{u"851.0075"_s, 85100500}, ValueCase{u"851.0125"_s, 85101250},
                                           ValueCase{u"851.0083"_s, 85100500}, // no airband raster in 850M
                                           ValueCase{u"50.0"_s, 5000000},
                                           ValueCase{u"1000"_s, 2600000}, // no band: the lowest band with limits
                                           ValueCase{u"1000"_s, 4700000, Without30M},
                                           ValueCase{u"100"_s, 4700000, Without30M},
                                           ValueCase{u"50.0"_s, 6600000, Without30MAnd50M}));

struct RuleCase {
    const char* what;
    int row;
    int column;
    QString typed, rx, tx;
    FreqCellCommit want;
    std::function<void(BandTable&)> plan = [](BandTable&) {};
};

class Rule : public CommitFreqTest, public ::testing::WithParamInterface<RuleCase> {};

TEST_P(Rule, CommitFollowsTheRowAndColumn)
{
    const RuleCase& p = GetParam();
    p.plan(TestBands());
    EXPECT_EQ(CommitFreqRule(TestBands(), p.row, p.column, p.typed, p.rx, p.tx), p.want) << p.what;
}

FreqCellCommit Set(const QString& text)
{
    return {FreqCellCommit::kSetCell, text, 0, false};
}
FreqCellCommit Keep()
{
    return {};
}
FreqCellCommit NewChannel(std::uint32_t rx)
{
    return {FreqCellCommit::kNewChannel, QString(), rx, false};
}
FreqCellCommit Clear(bool emptyRecord)
{
    return {FreqCellCommit::kClearRow, QString(), 0, emptyRecord};
}

void NoVhf(BandTable& t)
{
    t.txEnabled[0] = false;
}
void NoTransmit(BandTable& t)
{
    t.txEnabled = {false, false};
}

const QString kVhf = u"145.00000"_s;
const QString kAir = u"118.00000"_s;

INSTANTIATE_TEST_SUITE_P(
    ChannelTable, Rule,
    ::testing::Values(
        RuleCase{"new channel", 5, kColumnRx, u"145.52"_s, QString(), QString(), NewChannel(14552000)},
        RuleCase{"new channel rastered", 5, kColumnRx, u"118.008"_s, QString(), QString(), NewChannel(11800833)},
        RuleCase{"receive changed", 5, kColumnRx, u"438.5"_s, kVhf, kVhf, Set(u"438.50000"_s)},
        RuleCase{"receive cleared", 5, kColumnRx, QString(), kVhf, kVhf, Clear(true)},
        RuleCase{"zero is empty", 5, kColumnRx, u"0.000"_s, kVhf, kVhf, Clear(true)},
        RuleCase{"empty row cleared", 5, kColumnRx, QString(), QString(), QString(), Clear(false)},
        RuleCase{"row 1 cannot be emptied", 1, kColumnRx, QString(), kVhf, kVhf, Keep()},
        RuleCase{"row 1 airband keeps old", 1, kColumnRx, u"118"_s, kVhf, kVhf, Set(kVhf)},
        RuleCase{"row 1 airband, old airband", 1, kColumnRx, u"118"_s, kAir, kVhf, Set(u"134.00000"_s)},
        RuleCase{"row 1 airband, VHF off", 1, kColumnRx, u"118"_s, kAir, kVhf, Set(u"400.00000"_s), NoVhf},
        RuleCase{"row 1 airband, no transmit", 1, kColumnRx, u"118"_s, kAir, kVhf, Set(QString()), NoTransmit},
        RuleCase{"row 1 UHF", 1, kColumnRx, u"446.00625"_s, kVhf, kVhf, Set(u"446.00625"_s)},
        RuleCase{"row 1 out of band goes to 30M", 1, kColumnRx, u"5"_s, kVhf, kVhf, Set(kVhf)},
        RuleCase{"transmit without receive", 5, kColumnTx, u"145"_s, QString(), QString(), Set(QString())},
        RuleCase{"transmit cleared stays", 5, kColumnTx, QString(), kVhf, kVhf, Keep()},
        RuleCase{"transmit set", 5, kColumnTx, u"145.6"_s, kVhf, kVhf, Set(u"145.60000"_s)},
        RuleCase{"transmit anywhere in a band", 5, kColumnTx, u"118.0"_s, kVhf, kVhf, Set(kAir)},
        RuleCase{"row 1 transmit airband keeps old", 1, kColumnTx, u"118.0"_s, kVhf, u"146.00000"_s,
                 Set(u"146.00000"_s)},
        RuleCase{"row 1 transmit, old airband", 1, kColumnTx, u"118.0"_s, kVhf, kAir, Set(u"134.00000"_s)},
        RuleCase{"row 1 transmit, old empty", 1, kColumnTx, u"118.0"_s, kVhf, QString(), Set(u"134.00000"_s)},
        RuleCase{"row 1 transmit UHF", 1, kColumnTx, u"446"_s, kVhf, kVhf, Set(u"446.00000"_s)},
        RuleCase{"row 1 transmit, no transmit band", 1, kColumnTx, u"50"_s, kVhf, kAir, Set(QString()), NoTransmit}));

} // namespace

namespace {

struct TxFollowCase {
    const char* what;
    const char* oldRx;
    const char* newRx;
    const char* tx;
    std::uint32_t offset;
    const char* want;
};

class TxFollow : public CommitFreqTest, public ::testing::WithParamInterface<TxFollowCase> {};

TEST_P(TxFollow, SimplexStaysSimplexAndAnOffsetIsKept)
{
    const TxFollowCase& p = GetParam();
    EXPECT_EQ(TxAfterRxChange(TestBands(), QString::fromLatin1(p.oldRx), QString::fromLatin1(p.newRx),
                              QString::fromLatin1(p.tx), p.offset),
              QString::fromLatin1(p.want))
        << p.what;
}

INSTANTIATE_TEST_SUITE_P(
    ChannelTable, TxFollow,
    ::testing::Values(
        TxFollowCase{"simplex follows", "146.52000", "147.00000", "146.52000", 60000, "147.00000"},
        TxFollowCase{"minus offset kept", "146.94000", "146.76000", "146.34000", 60000, "146.16000"},
        TxFollowCase{"plus offset kept", "442.00000", "443.00000", "447.00000", 500000, "448.00000"},
        TxFollowCase{"offset leaving the transmit bands", "178.00000", "179.80000", "178.60000", 60000, "178.60000"},
        TxFollowCase{"free transmit stays", "146.52000", "147.00000", "145.00000", 60000, "145.00000"},
        TxFollowCase{"receive only stays", "146.52000", "147.00000", "", 60000, ""},
        TxFollowCase{"no offset: only simplex follows", "146.52000", "147.00000", "147.12000", 0, "147.12000"}));

} // namespace
