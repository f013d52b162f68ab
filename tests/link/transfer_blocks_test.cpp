// The blocks of a transfer: full images, progress, cancel.

#include "engine_rig.h"

#include "link/core/loopback_port.h"
#include "link/core/steady_link_clock.h"

#include <gtest/gtest.h>

namespace {

// The block commands on the wire, as hex.
std::vector<std::string> BlockCommands(const FakePort& port, char letter)
{
    std::vector<std::string> out;
    int idents = 0;
    for (const auto& w : port.writes()) {
        idents += w.size() == 2;
        if (idents == 2 && w.size() == 4 && w[0] == static_cast<std::uint8_t>(letter))
            out.push_back(Hex(w));
    }
    return out;
}

std::vector<std::string> ExpectedCommands(char letter, const std::vector<TransferRange>& ranges)
{
    std::vector<std::string> out;
    for (const TransferBlock& b : DivideIntoBlocks(ranges))
        out.push_back(Hex({static_cast<std::uint8_t>(letter), static_cast<std::uint8_t>(b.address >> 8),
                           static_cast<std::uint8_t>(b.address & 0xFF), static_cast<std::uint8_t>(b.length)}));
    return out;
}

bool SameRange(const RadioImage& a, const RadioImage& b, std::uint32_t from, std::uint32_t to)
{
    return std::equal(a.begin() + from, a.begin() + to, b.begin() + from);
}

TEST(TransferBlocks, FullReadBringsTheRadiosMemory)
{
    EngineRig rig;
    const RadioImage memory = Pattern(20);
    rig.attachRadio(memory);
    const RadioImage before = rig.document;
    const auto outcome = rig.run(TransferMode::Read, FullReadRanges());
    EXPECT_ENDED(rig, outcome, 1);
    EXPECT_TRUE(rig.ui.messages.empty());
    EXPECT_EQ(BlockCommands(rig.port, 'R'), ExpectedCommands('R', FullReadRanges()));
    EXPECT_EQ(BlockCommands(rig.port, 'R').front(), "52 01 00 80");
    EXPECT_EQ(BlockCommands(rig.port, 'R').back(), "52 FF 80 80");
    EXPECT_TRUE(SameRange(*outcome.received, memory, 0x0100, 0x10000));
    EXPECT_TRUE(SameRange(*outcome.received, before, 0x0000, 0x0100));
    EXPECT_EQ(rig.document, before);
    EXPECT_EQ(WrittenHex(rig.port).back(), "45 4E 44 52");
    EXPECT_TRUE(rig.radio->sawEndRead());
    EXPECT_FALSE(rig.radio->sawEndWrite());
}

TEST(TransferBlocks, FullWriteSendsTheDocument)
{
    for (bool service : {false, true}) {
        EngineRig rig;
        const RadioImage original = Pattern(21);
        rig.attachRadio(original);
        rig.document[SimRadio::kLockAddress] = 0;
        const RadioImage before = rig.document;
        const auto ranges = FullWriteRanges(service);
        const auto outcome = rig.run(TransferMode::Write, ranges);
        EXPECT_ENDED(rig, outcome, 1);
        EXPECT_EQ(rig.document, before);
        EXPECT_EQ(BlockCommands(rig.port, 'W'), ExpectedCommands('W', ranges));
        const RadioImage& radio = rig.radio->memory();
        const std::uint32_t tail = service ? 0xFEE0 : 0xFF00;
        EXPECT_TRUE(SameRange(radio, original, 0x0000, 0x0060));
        EXPECT_TRUE(SameRange(radio, before, 0x0060, 0xF400));
        EXPECT_TRUE(SameRange(radio, original, 0xF400, tail));
        EXPECT_TRUE(SameRange(radio, before, tail, 0x10000));
        EXPECT_EQ(WrittenHex(rig.port).back(), "45 4E 44 57");
        EXPECT_TRUE(rig.radio->sawEndWrite());
        // Each command is followed by its data in a second write.
        const auto w = WrittenHex(rig.port);
        const auto first = std::find(w.begin(), w.end(), "57 00 60 20");
        ASSERT_NE(first, w.end());
        EXPECT_EQ(rig.port.writes()[static_cast<std::size_t>(first - w.begin()) + 1].size(), 32u);
        const bool sentCustom = std::find(w.begin(), w.end(), "57 FE E0 20") != w.end();
        EXPECT_EQ(sentCustom, service);
    }
}

struct ProgressCase {
    const char* name;
    TransferMode mode;
    std::vector<TransferRange> ranges;
    int steps;
};

TEST(TransferBlocks, ProgressStepsOncePerBlockAndEndsAt100)
{
    const ProgressCase cases[] = {
        {"read", TransferMode::Read, FullReadRanges(), 510},
        {"write", TransferMode::Write, FullWriteRanges(false), 490},
        {"service write", TransferMode::Write, FullWriteRanges(true), 491},
        {"custom data", TransferMode::Read, {kCustomDataRange}, 1},
    };
    for (const auto& c : cases) {
        EngineRig rig;
        rig.attachRadio(Pattern(22));
        const auto outcome = rig.run(c.mode, c.ranges);
        EXPECT_ENDED(rig, outcome, 1);
        ASSERT_EQ(static_cast<int>(rig.ui.steps.size()), c.steps) << c.name;
        for (int i = 0; i < c.steps; ++i) {
            const auto& s = rig.ui.steps[static_cast<std::size_t>(i)];
            EXPECT_EQ(s.position, i + 1) << c.name;
            EXPECT_EQ(s.total, c.steps) << c.name;
            EXPECT_EQ(s.percent, std::to_string((i + 1) * 100 / c.steps) + "%") << c.name;
        }
        EXPECT_EQ(rig.ui.steps.back().percent, "100%") << c.name;
    }
}

TEST(TransferBlocks, ExitStopsAfterTheCurrentBlockWithEndw)
{
    for (TransferMode mode : {TransferMode::Read, TransferMode::Write}) {
        EngineRig rig;
        rig.attachRadio(Pattern(23));
        const RadioImage before = rig.document;
        rig.ui.onProgress = [&](int position) {
            if (position == 3)
                rig.flags.cancel = true;
        };
        const char letter = mode == TransferMode::Read ? 'R' : 'W';
        const auto outcome = rig.run(mode, FullWriteRanges(false));
        EXPECT_ENDED(rig, outcome, 0);
        EXPECT_TRUE(rig.ui.messages.empty());
        EXPECT_EQ(rig.ui.steps.size(), 3u);
        EXPECT_EQ(BlockCommands(rig.port, letter).size(), 3u);
        EXPECT_EQ(WrittenHex(rig.port).back(), "45 4E 44 57"); // ENDW, in a read too
        EXPECT_TRUE(rig.radio->sawEndWrite());
        EXPECT_FALSE(rig.radio->sawEndRead());
        EXPECT_EQ(rig.document, before);
    }
}

TEST(TransferBlocks, ExitDuringWakeUpLetsTheFirstBlockThrough)
{
    EngineRig rig;
    rig.attachRadio(Pattern(24));
    rig.port.onWrite = [&](FakePort&, std::span<const std::uint8_t>) { rig.flags.cancel = true; };
    const auto outcome = rig.run(TransferMode::Read, FullReadRanges());
    EXPECT_ENDED(rig, outcome, 0);
    EXPECT_EQ(rig.ui.steps.size(), 1u);
    EXPECT_EQ(BlockCommands(rig.port, 'R'), std::vector<std::string>{"52 01 00 80"});
    EXPECT_EQ(WrittenHex(rig.port).back(), "45 4E 44 57");
}

TEST(TransferBlocks, StartClearsAStaleExit)
{
    EngineRig rig;
    rig.attachRadio(Pattern(25));
    rig.flags.cancel = true; // Exit pressed before Start
    const auto outcome = rig.run(TransferMode::Read, {kCustomDataRange});
    EXPECT_ENDED(rig, outcome, 1);
}

// Paced at 38,400 bit/s, a full read spends on the line what the bytes need:
// per block 4 + 132 + 1 + 1 bytes of 260 us and the 10 ms pause.
TEST(TransferBlocks, PacedFullReadKeepsTheWireRate)
{
    EngineRig rig;
    SimRadio::Faults faults;
    faults.pace = true;
    const RadioImage memory = Pattern(26);
    rig.attachRadio(memory, faults);
    const auto outcome = rig.run(TransferMode::Read, FullReadRanges());
    EXPECT_ENDED(rig, outcome, 1);
    EXPECT_TRUE(SameRange(*outcome.received, memory, 0x0100, 0x10000));
    const double perBlockMs = 10 + 138 * 10.0 / 38.4;
    EXPECT_GT(rig.clock.nowMs(), static_cast<std::int64_t>(510 * perBlockMs));
    EXPECT_LT(rig.clock.nowMs(), static_cast<std::int64_t>(510 * (perBlockMs + 4) + 1000));
}

// The program's "SIM" port: the simulated radio at the real wire rate.
TEST(TransferBlocks, SimPortWorksOnTheSteadyClock)
{
    struct QuietUi : TransferUi {
        void disableStart() override {}
        void progress(int, int, const std::string&) override {}
        void showMessage(const std::string& text) override { messages.push_back(text); }
        bool askPassword() override { return false; }
        void finished(int) override {}
        std::vector<std::string> messages;
    } ui;
    SimRadio::Faults faults;
    faults.pace = true;
    const RadioImage memory = Pattern(27);
    SimRadio radio(memory, faults);
    SteadyLinkClock clock;
    LoopbackPort port(radio, clock);
    LinkFlags flags;
    TransferEngine engine(port, clock, ui, flags);
    TransferJob job;
    job.mode = TransferMode::Read;
    job.ranges = {kCustomDataRange};
    job.portName = "SIM";
    const RadioImage document{};
    const auto outcome = engine.run(job, document);
    EXPECT_EQ(outcome.result, 1);
    EXPECT_TRUE(ui.messages.empty());
    EXPECT_TRUE(SameRange(*outcome.received, memory, 0xFEE0, 0xFF00));
    EXPECT_TRUE(radio.sawEndRead());
    EXPECT_FALSE(port.isOpen());
}

} // namespace
