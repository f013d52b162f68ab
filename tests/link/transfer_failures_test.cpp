// Blocks that fail: wrong answers, short replies, a line that drops.

#include "engine_rig.h"

#include <gtest/gtest.h>

namespace {

std::size_t CountWrites(const FakePort& port, const std::string& hex)
{
    const auto w = WrittenHex(port);
    return static_cast<std::size_t>(std::count(w.begin(), w.end(), hex));
}

bool SameRange(const RadioImage& a, const RadioImage& b, std::uint32_t from, std::uint32_t to)
{
    return std::equal(a.begin() + from, a.begin() + to, b.begin() + from);
}

struct WriteFaultCase {
    const char* name;
    SimRadio::Faults faults;
};

TEST(TransferFailures, WrongWriteAnswerEndsWithEndwAfterTheMessage)
{
    SimRadio::Faults refuse, cut, garbage;
    refuse.refuseBlock = 2;
    cut.cutReplyBlock = 2;
    garbage.garbageBlock = 2;
    const WriteFaultCase cases[] = {{"refused", refuse}, {"no answer", cut}, {"garbage", garbage}};
    for (const auto& c : cases) {
        EngineRig rig;
        const RadioImage original = Pattern(30);
        rig.attachRadio(original, c.faults);
        const RadioImage before = rig.document;
        const auto outcome = rig.run(TransferMode::Write, FullWriteRanges(false));
        EXPECT_ENDED(rig, outcome, 0);
        EXPECT_EQ(rig.ui.messages, std::vector<std::string>{"Communication error"}) << c.name;
        const auto w = WrittenHex(rig.port);
        EXPECT_EQ(w.back(), "45 4E 44 57") << c.name;
        EXPECT_EQ(rig.ui.writesAtMessage, static_cast<int>(w.size()) - 1) << c.name; // ENDW after OK
        EXPECT_EQ(rig.ui.steps.size(), 2u) << c.name;
        EXPECT_EQ(rig.document, before) << c.name;
        // Blocks 0x0060 and 0x0080 arrived; 0x0100 is where the radio said no.
        EXPECT_TRUE(SameRange(rig.radio->memory(), before, 0x0060, 0x0100)) << c.name;
        EXPECT_TRUE(SameRange(rig.radio->memory(), original, 0x0180, 0x10000)) << c.name;
    }
}

TEST(TransferFailures, ShortReadReplyIsAnErrorAndKeepsNothing)
{
    EngineRig rig;
    SimRadio::Faults faults;
    faults.cutReplyBlock = 3;
    const RadioImage memory = Pattern(31);
    rig.attachRadio(memory, faults);
    const RadioImage before = rig.document;
    const auto outcome = rig.run(TransferMode::Read, FullReadRanges());
    EXPECT_ENDED(rig, outcome, 0);
    EXPECT_EQ(rig.ui.messages, std::vector<std::string>{"Communication error"});
    EXPECT_EQ(WrittenHex(rig.port).back(), "52 02 80 80"); // nothing after the short block
    EXPECT_EQ(rig.ui.steps.size(), 3u);
    ASSERT_TRUE(outcome.received);
    EXPECT_TRUE(SameRange(*outcome.received, memory, 0x0100, 0x0280));
    EXPECT_TRUE(SameRange(*outcome.received, before, 0x0280, 0x10000)); // no stale bytes
    EXPECT_EQ(rig.document, before);
}

// Two header bytes, a pause longer than the interval time-out, then the rest
// and two bytes more: the data read would fill up with shifted bytes.
TEST(TransferFailures, ShortReplyHeaderIsAnError)
{
    EngineRig rig;
    rig.attachRadio(Pattern(32));
    const RadioImage before = rig.document;
    std::vector<std::uint8_t> rest;
    rig.port.tamper = [&](std::span<const std::uint8_t> w, std::vector<std::uint8_t>& answer) {
        if (w.size() == 4 && w[0] == 'R' && w[1] == 0x01 && w[2] == 0x80) {
            rest.assign(answer.begin() + 2, answer.end());
            rest.insert(rest.end(), {0x11, 0x22});
            answer.resize(2);
        }
    };
    rig.port.onWrite = [&](FakePort& p, std::span<const std::uint8_t>) {
        if (!rest.empty())
            p.reply(rest, 60);
        rest.clear();
    };
    const auto outcome = rig.run(TransferMode::Read, FullReadRanges());
    EXPECT_ENDED(rig, outcome, 0);
    EXPECT_EQ(rig.ui.messages, std::vector<std::string>{"Communication error"});
    EXPECT_EQ(WrittenHex(rig.port).back(), "52 01 80 80");
    EXPECT_TRUE(SameRange(*outcome.received, before, 0x0180, 0x10000));
}

struct AckCase {
    int failures;
    int result;
    std::size_t ackWrites;
};

// Up to four acknowledge exchanges after a read block, each 10 ms after the last.
TEST(TransferFailures, ReadAcknowledgeIsTriedFourTimes)
{
    const AckCase cases[] = {{0, 1, 1}, {1, 1, 2}, {3, 1, 4}, {4, 0, 4}};
    for (const auto& c : cases) {
        EngineRig rig;
        rig.attachRadio(Pattern(33));
        int pending = -1;
        rig.port.tamper = [&](std::span<const std::uint8_t> w, std::vector<std::uint8_t>& answer) {
            if (w.size() == 4 && w[0] == 'R' && w[1] == 0xFE)
                pending = c.failures;
            else if (pending > 0 && w.size() == 1 && w[0] == 'A' && pending-- > 0)
                answer = {'N'};
        };
        const auto outcome = rig.run(TransferMode::Read, {kCustomDataRange});
        EXPECT_ENDED(rig, outcome, c.result);
        auto t = Trace(rig.port);
        const auto block = std::find(t.begin(), t.end(), "w 52 FE E0 20");
        ASSERT_NE(block, t.end());
        std::vector<std::string> expected = {"w 52 FE E0 20", "r 4=4", "r 32=32"};
        for (std::size_t i = 0; i < c.ackWrites; ++i)
            Append(expected, {"sleep 10", "purge", "w 41", "r 1=1"});
        Append(expected, {c.result ? "w 45 4E 44 52" : "close"});
        EXPECT_EQ(std::vector<std::string>(block, block + static_cast<long>(expected.size())), expected) << c.failures;
        EXPECT_EQ(rig.ui.messages.size(), c.result ? 0u : 1u);
    }
}

TEST(TransferFailures, RefusedOrGarbledReadBlockIsAnError)
{
    SimRadio::Faults refuse, garbage;
    refuse.refuseBlock = 1;
    garbage.garbageBlock = 1;
    for (const SimRadio::Faults& faults : {refuse, garbage}) {
        EngineRig rig;
        rig.attachRadio(Pattern(34), faults);
        const auto outcome = rig.run(TransferMode::Read, FullReadRanges());
        EXPECT_ENDED(rig, outcome, 0);
        EXPECT_EQ(rig.ui.messages, std::vector<std::string>{"Communication error"});
        EXPECT_EQ(rig.ui.steps.size(), 1u);
        EXPECT_EQ(CountWrites(rig.port, "45 4E 44 52"), 0u);
        EXPECT_EQ(CountWrites(rig.port, "45 4E 44 57"), 0u);
    }
}

struct UnplugCase {
    const char* name;
    TransferMode mode;
    // Set up the rig so that the line dies at the chosen moment.
    std::function<void(EngineRig&)> arrange;
};

void UnplugAfter(EngineRig& rig, const std::function<bool(std::span<const std::uint8_t>)>& when)
{
    rig.port.onWrite = [when](FakePort& p, std::span<const std::uint8_t> w) {
        if (when(w))
            p.unplug();
    };
}

// A dead line (read or write returning -1) ends the transfer at once: no retries,
// no end command, the port closed.
TEST(TransferFailures, PulledCableEndsAtOnce)
{
    auto nth = [](int n, std::size_t size) {
        auto count = std::make_shared<int>(0);
        return [=](std::span<const std::uint8_t> w) { return w.size() == size && ++*count == n; };
    };
    auto isCommand = [](std::uint8_t letter, int n) {
        auto count = std::make_shared<int>(0);
        return [=](std::span<const std::uint8_t> w) {
            return w.size() == 4 && w[0] == letter && w[1] != 0xCC && ++*count == n;
        };
    };
    const UnplugCase cases[] = {
        {"during the wake-up", TransferMode::Read, [&](EngineRig& r) { UnplugAfter(r, nth(3, 1)); }},
        {"after the identification request", TransferMode::Read, [&](EngineRig& r) { UnplugAfter(r, nth(1, 2)); }},
        {"after the lock command", TransferMode::Write,
         [&](EngineRig& r) { UnplugAfter(r, [](auto w) { return w.size() == 4 && w[1] == 0xCC; }); }},
        {"after the lock block's acknowledge", TransferMode::Read,
         [&](EngineRig& r) { UnplugAfter(r, nth(9, 1)); }}, // 7 wake-up bytes, 2 acknowledges
        {"after a read command", TransferMode::Read, [&](EngineRig& r) { UnplugAfter(r, isCommand('R', 5)); }},
        {"after a write block's data", TransferMode::Write, [&](EngineRig& r) { UnplugAfter(r, nth(5, 128)); }},
        {"radio hangs up in a read", TransferMode::Read,
         [](EngineRig& r) {
             SimRadio::Faults f;
             f.hangUpAfterBlocks = 5;
             r.attachRadio(Pattern(35), f);
         }},
        {"radio hangs up in a write", TransferMode::Write,
         [](EngineRig& r) {
             SimRadio::Faults f;
             f.hangUpAfterBlocks = 5;
             r.attachRadio(Pattern(35), f);
         }},
        {"write fails half way", TransferMode::Write,
         [](EngineRig& r) {
             r.port.onWrite = [](FakePort& p, std::span<const std::uint8_t> w) {
                 if (w.size() == 4 && w[1] == 0x10 && w[2] == 0x00)
                     p.failAfterBytes(60);
             };
         }},
        {"the end command", TransferMode::Read,
         [](EngineRig& r) {
             r.ui.onProgress = [&r](int position) {
                 if (position == 510)
                     r.port.unplug();
             };
         }},
        {"the end command after Exit", TransferMode::Write,
         [](EngineRig& r) {
             r.ui.onProgress = [&r](int position) {
                 if (position == 7) {
                     r.flags.cancel = true;
                     r.port.unplug();
                 }
             };
         }},
    };
    for (const auto& c : cases) {
        EngineRig rig;
        rig.attachRadio(Pattern(35));
        c.arrange(rig);
        const RadioImage before = rig.document;
        const auto outcome = rig.run(c.mode, c.mode == TransferMode::Read ? FullReadRanges() : FullWriteRanges(false));
        EXPECT_ENDED(rig, outcome, 0);
        EXPECT_EQ(rig.ui.messages, std::vector<std::string>{"Communication error"}) << c.name;
        const auto& ev = rig.port.events();
        const auto failed = std::find_if(ev.begin(), ev.end(), [](const PortEvent& e) {
            return (e.kind == PortEvent::Kind::Read || e.kind == PortEvent::Kind::Write) && e.result < 0;
        });
        ASSERT_NE(failed, ev.end()) << c.name;
        ASSERT_EQ(ev.end() - failed, 2) << c.name; // the failure, then close
        EXPECT_EQ(ev.back().kind, PortEvent::Kind::Close) << c.name;
        EXPECT_LT(rig.clock.nowMs(), 60000) << c.name; // no wake-up retries (9 x 764 ms)
        EXPECT_EQ(rig.document, before) << c.name;
    }
}

} // namespace
