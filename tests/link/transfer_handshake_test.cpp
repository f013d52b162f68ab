// The opening of a transfer: port set-up, handshake passes, lock check.

#include "engine_rig.h"

#include <gtest/gtest.h>

namespace {

std::vector<std::string> Opening()
{
    std::vector<std::string> t = {"open", "setup", "setup", "setup"};
    Append(t, PassTokens());
    Append(t, LockTokens());
    Append(t, PassTokens());
    return t;
}

TEST(TransferHandshake, ReadOnTheWire)
{
    EngineRig rig;
    const RadioImage memory = Pattern(1);
    rig.attachRadio(memory);
    const RadioImage before = rig.document;
    const auto outcome = rig.run(TransferMode::Read, {kCustomDataRange});

    std::vector<std::string> expected = Opening();
    Append(expected, {"purge", "w 52 FE E0 20", "r 4=4", "r 32=32", "sleep 10", "purge", "w 41", "r 1=1",
                      "w 45 4E 44 52", "close"});
    EXPECT_EQ(Trace(rig.port), expected);
    EXPECT_ENDED(rig, outcome, 1);
    EXPECT_TRUE(rig.ui.messages.empty());
    EXPECT_EQ(rig.ui.disableStartCalls, 1);
    EXPECT_EQ(rig.port.openedName(), "COM3");
    EXPECT_EQ(rig.port.queueIn(), 1024);
    EXPECT_EQ(rig.port.queueOut(), 512);
    const PortTimeouts& t = rig.port.timeouts();
    EXPECT_EQ(std::vector<int>({t.readIntervalMs, t.readTotalMultiplierMs, t.readTotalConstantMs,
                                t.writeTotalMultiplierMs, t.writeTotalConstantMs}),
              std::vector<int>({50, 50, 100, 50, 50}));
    EXPECT_EQ(rig.port.line().baudRate, 38400);
    EXPECT_EQ(rig.port.line().dataBits, 8);
    EXPECT_FALSE(rig.port.line().parity);
    EXPECT_EQ(rig.port.line().stopBits, 1);

    ASSERT_TRUE(outcome.received);
    EXPECT_TRUE(std::equal(memory.begin() + 0xFEE0, memory.begin() + 0xFF00, outcome.received->begin() + 0xFEE0));
    EXPECT_TRUE(std::equal(before.begin(), before.begin() + 0xFEE0, outcome.received->begin()));
    EXPECT_EQ(rig.document, before);
    EXPECT_TRUE(rig.radio->sawEndRead());
}

TEST(TransferHandshake, WriteOnTheWireReadsTheLockBlockFirst)
{
    EngineRig rig;
    rig.attachRadio(RadioImage{});
    const auto outcome = rig.run(TransferMode::Write, {kCustomDataRange});

    std::vector<std::string> expected = Opening();
    Append(expected, {"purge", "w 57 FE E0 20", "w [32]", "r 1=1", "w 45 4E 44 57", "close"});
    EXPECT_EQ(Trace(rig.port), expected);
    EXPECT_ENDED(rig, outcome, 1);
    EXPECT_FALSE(outcome.received);
    const auto writes = rig.port.writes();
    EXPECT_EQ(writes[writes.size() - 2],
              std::vector<std::uint8_t>(rig.document.begin() + 0xFEE0, rig.document.begin() + 0xFF00));
    EXPECT_TRUE(rig.radio->lockChecked());
    EXPECT_TRUE(rig.radio->sawEndWrite());
}

TEST(TransferHandshake, WakeUpBytesGoOut2MsApart)
{
    EngineRig rig;
    rig.attachRadio(Pattern(2));
    rig.run(TransferMode::Read, {kCustomDataRange});
    std::vector<std::int64_t> times;
    for (const PortEvent& e : rig.port.events())
        if (e.kind == PortEvent::Kind::Write && times.size() < 7)
            times.push_back(e.atMs);
    EXPECT_EQ(times, (std::vector<std::int64_t>{2, 4, 6, 8, 10, 12, 14}));
}

struct CmdHeadCase {
    const char* cmdHead;
    Handshake onWire;
};

TEST(TransferHandshake, CmdHeadChangesTheHandshakeBytes)
{
    const Handshake d = kDefaultHandshake;
    const CmdHeadCase cases[] = {
        {"", d},
        {"2,50,52,4F,47,52,41,4D,2", d},
        {"AA,BB,CC", {0xAA, 0xBB, 0xCC, 0x4F, 0x47, 0x52, 0x41, 0x4D, 0x02}},
        {"2,zz,52", d},
        {"1FF", {0xFF, 0x50, 0x52, 0x4F, 0x47, 0x52, 0x41, 0x4D, 0x02}},
        {"2,50,52,4F,47,52,41,4D,2,99", d},
        {"11,12,13,14,15,16,17,18,19", {0x11, 0x12, 0x13, 0x14, 0x15, 0x16, 0x17, 0x18, 0x19}},
    };
    for (const auto& c : cases) {
        EngineRig rig;
        rig.attachRadio(Pattern(3)).setHandshake(c.onWire);
        rig.cmdHead = c.cmdHead;
        const auto outcome = rig.run(TransferMode::Read, {kCustomDataRange});
        EXPECT_EQ(outcome.result, 1) << c.cmdHead;
        std::vector<std::string> expected = {"open", "setup", "setup", "setup"};
        Append(expected, PassTokens(c.onWire));
        const auto trace = Trace(rig.port);
        ASSERT_GE(trace.size(), expected.size());
        EXPECT_EQ(std::vector<std::string>(trace.begin(), trace.begin() + static_cast<long>(expected.size())), expected)
            << c.cmdHead;
        EXPECT_EQ(rig.cmdHeadReads, 2) << c.cmdHead;
    }
}

TEST(TransferHandshake, CmdHeadIsReadAgainForTheSecondPass)
{
    EngineRig rig;
    SimRadio& radio = rig.attachRadio(Pattern(4));
    const Handshake second = {0x7E, 0x50, 0x52, 0x4F, 0x47, 0x52, 0x41, 0x4D, 0x03};
    rig.onCmdHead = [&](int reads) {
        if (reads == 2) {
            rig.cmdHead = "7E,,,,,,,,3";
            radio.setHandshake(second);
        }
    };
    const auto outcome = rig.run(TransferMode::Read, {kCustomDataRange});
    EXPECT_ENDED(rig, outcome, 1);
    EXPECT_EQ(WakeSequences(rig.port, 0x02), 1);
    EXPECT_EQ(WakeSequences(rig.port, 0x7E), 1);
    const auto w = WrittenHex(rig.port);
    EXPECT_NE(std::find(w.begin(), w.end(), "4D 03"), w.end());
}

struct DelayCase {
    int delayMs;
    int result;
    int wakeSequences; // over both passes
};

// The first read gives up after 150 ms, then reads go on while no more than
// 500 ms have passed after it: answers up to 750 ms late still count.
TEST(TransferHandshake, LateWakeUpAnswers)
{
    const DelayCase cases[] = {
        {0, 1, 2},
        {150, 1, 2},
        {151, 1, 2},
        {400, 1, 2},
        {750, 1, 2},
        // Later, each answer lands while the next attempt purges: nine attempts, then an error.
        {751, 0, 9},
    };
    for (const auto& c : cases) {
        EngineRig rig;
        SimRadio::Faults faults;
        faults.wakeupDelayMs = c.delayMs;
        rig.attachRadio(Pattern(5), faults);
        const auto outcome = rig.run(TransferMode::Read, {kCustomDataRange});
        EXPECT_ENDED(rig, outcome, c.result);
        EXPECT_EQ(WakeSequences(rig.port), c.wakeSequences) << c.delayMs;
    }
}

// The wait ends only when more than 500 ms have passed after a read: a stray
// byte exactly 500 ms into the wait lets one more read catch the "A".
TEST(TransferHandshake, WaitOfExactly500MsIsNotOver)
{
    EngineRig rig;
    rig.attachRadio(Pattern(14));
    bool first = true;
    rig.port.tamper = [&](std::span<const std::uint8_t> w, std::vector<std::uint8_t>& answer) {
        if (first && w.size() == 1 && w[0] == 'A' && !answer.empty()) {
            first = false;
            answer.clear();
            rig.port.reply({0x55}, 150 + 500);
            rig.port.reply({'A'}, 150 + 600);
        }
    };
    const auto outcome = rig.run(TransferMode::Read, {kCustomDataRange});
    EXPECT_ENDED(rig, outcome, 1);
    EXPECT_EQ(WakeSequences(rig.port), 2);
}

TEST(TransferHandshake, SilentRadioGetsNineWakeUpsAndNothingElse)
{
    EngineRig rig;
    SimRadio::Faults faults;
    faults.silent = true;
    rig.attachRadio(Pattern(6), faults);
    const auto outcome = rig.run(TransferMode::Read, FullReadRanges());
    EXPECT_ENDED(rig, outcome, 0);
    EXPECT_EQ(rig.ui.messages, std::vector<std::string>{"Communication error"});
    std::vector<std::string> expected;
    for (int i = 0; i < 9; ++i)
        for (const char* b : {"02", "50", "52", "4F", "47", "52", "41"})
            expected.push_back(b);
    EXPECT_EQ(WrittenHex(rig.port), expected);
    // Each attempt: 7 x 2 ms, a 150 ms read, then four more until over 500 ms.
    EXPECT_EQ(rig.clock.nowMs(), 9 * (14 + 150 + 4 * 150));
    EXPECT_TRUE(rig.ui.steps.empty());
    EXPECT_EQ(*outcome.received, rig.document);
}

TEST(TransferHandshake, AttemptCounterCarriesOverToTheSecondPass)
{
    EngineRig rig;
    SimRadio::Faults silent;
    silent.silent = true;
    SimRadio& radio = rig.attachRadio(Pattern(7), silent);
    int sequences = 0;
    rig.port.onWrite = [&](FakePort&, std::span<const std::uint8_t> w) {
        if (w.size() == 1 && w[0] == 0x02 && ++sequences == 6)
            radio.setFaults({}); // the sixth attempt of the first pass is answered
        if (w.size() == 4 && w[0] == 'R')
            radio.setFaults(silent); // and nothing after the lock block
    };
    const auto outcome = rig.run(TransferMode::Read, FullReadRanges());
    EXPECT_ENDED(rig, outcome, 0);
    EXPECT_EQ(rig.ui.messages, std::vector<std::string>{"Communication error"});
    // Five failures before, four in the second pass: nine failed attempts in all.
    EXPECT_EQ(WakeSequences(rig.port), 6 + 4);
    EXPECT_EQ(WrittenHex(rig.port).back(), "41");
}

struct PasswordCase {
    const char* typed;
    int result;
};

TEST(TransferHandshake, LockedRadioAsksForThePassword)
{
    const PasswordCase cases[] = {
        {"5317KD", 1}, {"5317kd", 1}, {"", 0}, {"5317", 0}, {"wrong", 0},
    };
    for (const auto& c : cases) {
        for (TransferMode mode : {TransferMode::Read, TransferMode::Write}) {
            EngineRig rig;
            rig.attachRadio(Pattern(8)).setLocked(true);
            rig.ui.typedPassword = c.typed;
            const auto outcome = rig.run(mode, {kCustomDataRange});
            EXPECT_ENDED(rig, outcome, c.result);
            EXPECT_EQ(rig.ui.passwordAsks, 1) << c.typed;
            EXPECT_TRUE(rig.ui.messages.empty()) << c.typed;
            const auto w = WrittenHex(rig.port);
            if (c.result == 0) {
                // Ends right after the lock block's acknowledge: no end command.
                EXPECT_EQ(w.size(), 7u + 3u + 1u) << c.typed;
                EXPECT_EQ(w.back(), "41") << c.typed;
                EXPECT_EQ(w[w.size() - 2], "52 CC 00 80") << c.typed;
            } else {
                EXPECT_EQ(WakeSequences(rig.port), 2) << c.typed;
                EXPECT_EQ(w.back(), mode == TransferMode::Read ? "45 4E 44 52" : "45 4E 44 57");
            }
        }
    }
}

TEST(TransferHandshake, OnlyLockByteThreeIsLocked)
{
    for (std::uint8_t value : {0x00, 0x01, 0x02, 0x04, 0x13, 0xFF}) {
        EngineRig rig;
        RadioImage memory = Pattern(9);
        memory[SimRadio::kLockAddress] = value;
        rig.attachRadio(memory);
        const auto outcome = rig.run(TransferMode::Read, {kCustomDataRange});
        EXPECT_ENDED(rig, outcome, 1);
        EXPECT_EQ(rig.ui.passwordAsks, 0) << int(value);
    }
}

TEST(TransferHandshake, OpenFailureSendsNothing)
{
    EngineRig rig;
    rig.attachRadio(Pattern(10));
    rig.port.setOpenFails(true);
    const auto outcome = rig.run(TransferMode::Write, FullWriteRanges(false));
    EXPECT_ENDED(rig, outcome, 0);
    EXPECT_EQ(rig.ui.messages, std::vector<std::string>{"Open port fail"});
    EXPECT_TRUE(rig.port.events().empty());
    EXPECT_EQ(rig.ui.disableStartCalls, 0);
}

struct OpeningFaultCase {
    const char* name;
    int pass; // 1 or 2
    std::function<void(std::vector<std::uint8_t>&)> identAnswer;
    std::function<void(std::vector<std::uint8_t>&)> ackAnswer;
};

TEST(TransferHandshake, IdentificationFailuresEndWithoutEndCommand)
{
    auto keep = [](std::vector<std::uint8_t>&) {};
    const OpeningFaultCase cases[] = {
        {"15 bytes", 1, [](auto& a) { a.resize(15); }, keep},
        {"no identification", 1, [](auto& a) { a.clear(); }, keep},
        {"acknowledge refused", 1, keep, [](auto& a) { a = {'N'}; }},
        {"no acknowledge", 1, keep, [](auto& a) { a.clear(); }},
        {"15 bytes, second pass", 2, [](auto& a) { a.resize(15); }, keep},
        {"acknowledge refused, second pass", 2, keep, [](auto& a) { a = {'N'}; }},
    };
    for (const auto& c : cases) {
        EngineRig rig;
        rig.attachRadio(Pattern(11));
        int idents = 0;
        bool ackNext = false;
        rig.port.tamper = [&](std::span<const std::uint8_t> w, std::vector<std::uint8_t>& answer) {
            const bool ack = ackNext && w.size() == 1 && w[0] == 'A';
            ackNext = false;
            if (w.size() == 2 && ++idents == c.pass) {
                c.identAnswer(answer);
                ackNext = true;
            } else if (ack && idents == c.pass) {
                c.ackAnswer(answer);
            }
        };
        const auto outcome = rig.run(TransferMode::Read, FullReadRanges());
        EXPECT_ENDED(rig, outcome, 0);
        EXPECT_EQ(rig.ui.messages, std::vector<std::string>{"Communication error"}) << c.name;
        const auto w = WrittenHex(rig.port);
        EXPECT_EQ(WakeSequences(rig.port), c.pass) << c.name;
        EXPECT_TRUE(w.back() == "4D 02" || w.back() == "41") << c.name;
        EXPECT_TRUE(rig.ui.steps.empty()) << c.name;
    }
}

TEST(TransferHandshake, LockBlockAnswersAreNotChecked)
{
    const std::function<void(std::vector<std::uint8_t>&)> cases[] = {
        [](auto& a) { a.resize(4 + 5); }, // no lock byte: reads as unlocked
        [](auto& a) { a.clear(); },
    };
    for (const auto& tamperLock : cases) {
        EngineRig rig;
        rig.attachRadio(Pattern(12)).setLocked(true);
        bool lockAck = false;
        rig.port.tamper = [&](std::span<const std::uint8_t> w, std::vector<std::uint8_t>& answer) {
            if (w.size() == 4 && w[0] == 'R' && w[1] == 0xCC) {
                tamperLock(answer);
                lockAck = true;
            } else if (lockAck && w.size() == 1) {
                answer = {'N'}; // the acknowledge after it is not checked either
                lockAck = false;
            }
        };
        const auto outcome = rig.run(TransferMode::Read, {kCustomDataRange});
        EXPECT_ENDED(rig, outcome, 1);
        EXPECT_EQ(rig.ui.passwordAsks, 0);
    }
}

TEST(TransferHandshake, InvalidRangesOpenNothing)
{
    for (const std::vector<TransferRange>& ranges :
         {std::vector<TransferRange>{}, std::vector<TransferRange>(17, kCustomDataRange),
          std::vector<TransferRange>{{0xFF00, 0x10001}}}) {
        EngineRig rig;
        rig.attachRadio(Pattern(13));
        const auto outcome = rig.run(TransferMode::Read, ranges);
        EXPECT_ENDED(rig, outcome, 0);
        EXPECT_TRUE(rig.port.events().empty());
    }
}

TEST(TransferHandshake, StartClaimsTheLinkOnce)
{
    LinkFlags flags;
    EXPECT_TRUE(TryBeginTransfer(flags));
    EXPECT_FALSE(TryBeginTransfer(flags));
    EXPECT_TRUE(flags.busy);
    flags.busy = false;
    EXPECT_TRUE(TryBeginTransfer(flags));
}

} // namespace
