#include "link/core/sim_radio.h"

#include "engine_rig.h"

#include <gtest/gtest.h>

namespace {

using Bytes = std::vector<std::uint8_t>;

// Sends bytes one call at a time, as the wake-up does.
void SendEach(SimRadio& radio, const Bytes& bytes, std::int64_t atMs)
{
    for (std::uint8_t b : bytes)
        radio.receive(&b, 1, atMs);
}

void Send(SimRadio& radio, const Bytes& bytes, std::int64_t atMs)
{
    radio.receive(bytes.data(), static_cast<int>(bytes.size()), atMs);
}

Bytes TakeAll(SimRadio& radio, std::int64_t atMs)
{
    Bytes out(70000);
    out.resize(static_cast<std::size_t>(radio.take(out.data(), static_cast<int>(out.size()), atMs)));
    return out;
}

const Bytes kWake = {0x02, 'P', 'R', 'O', 'G', 'R', 'A'};
const Bytes kIdent = {'M', 0x02};

// Wakes the radio and opens a session; checks each answer on the way.
void OpenSession(SimRadio& radio, std::int64_t atMs = 0)
{
    SendEach(radio, kWake, atMs);
    ASSERT_EQ(TakeAll(radio, atMs), Bytes{'A'});
    Send(radio, kIdent, atMs);
    ASSERT_EQ(TakeAll(radio, atMs).size(), 16u);
    Send(radio, {'A'}, atMs);
    ASSERT_EQ(TakeAll(radio, atMs), Bytes{'A'});
}

TEST(SimRadio, AnswersTheHandshake)
{
    RadioImage memory = Pattern(1);
    SimRadio radio(memory);
    SendEach(radio, {0x33, 0x02, 'P'}, 0); // noise and a false start
    EXPECT_TRUE(TakeAll(radio, 0).empty());
    SendEach(radio, kWake, 0);
    EXPECT_EQ(TakeAll(radio, 0), Bytes{'A'});
    Send(radio, kIdent, 0);
    EXPECT_EQ(TakeAll(radio, 0), Bytes(memory.begin() + 0xFF00, memory.begin() + 0xFF10));
    Send(radio, {'A'}, 0);
    EXPECT_EQ(TakeAll(radio, 0), Bytes{'A'});
    EXPECT_EQ(radio.wakeUps(), 1);
}

TEST(SimRadio, IncompleteWakeUpGetsNoAnswer)
{
    SimRadio radio(Pattern(1));
    SendEach(radio, {0x02, 'P', 'R', 'O', 'G', 'R'}, 0);
    SendEach(radio, {'M', 0x02}, 0);
    EXPECT_TRUE(TakeAll(radio, 0).empty());
    EXPECT_EQ(radio.wakeUps(), 0);
}

TEST(SimRadio, AnswersAConfiguredHandshakeOnly)
{
    SimRadio radio(Pattern(1));
    radio.setHandshake({0xAA, 0xBB, 0xCC, 'O', 'G', 'R', 'A', 0x11, 0x22});
    SendEach(radio, kWake, 0);
    EXPECT_TRUE(TakeAll(radio, 0).empty());
    SendEach(radio, {0xAA, 0xBB, 0xCC, 'O', 'G', 'R', 'A'}, 0);
    EXPECT_EQ(TakeAll(radio, 0), Bytes{'A'});
    Send(radio, kIdent, 0);
    EXPECT_TRUE(TakeAll(radio, 0).empty());
    SendEach(radio, {0xAA, 0xBB, 0xCC, 'O', 'G', 'R', 'A'}, 0);
    EXPECT_EQ(TakeAll(radio, 0), Bytes{'A'});
    Send(radio, {0x11, 0x22}, 0);
    EXPECT_EQ(TakeAll(radio, 0).size(), 16u);
}

TEST(SimRadio, ReadsAndWritesBlocks)
{
    RadioImage memory = Pattern(2);
    SimRadio radio(memory);
    OpenSession(radio);

    Send(radio, {'R', 0x12, 0x80, 0x80}, 0);
    Bytes expected = {'W', 0x12, 0x80, 0x80};
    expected.insert(expected.end(), memory.begin() + 0x1280, memory.begin() + 0x1300);
    EXPECT_EQ(TakeAll(radio, 0), expected);
    Send(radio, {'A'}, 0);
    EXPECT_EQ(TakeAll(radio, 0), Bytes{'A'});

    Bytes write = {'W', 0xFE, 0xE0, 0x03, 7, 8, 9};
    Send(radio, write, 0);
    EXPECT_EQ(TakeAll(radio, 0), Bytes{'A'});
    EXPECT_EQ(radio.memory()[0xFEE0], 7);
    EXPECT_EQ(radio.memory()[0xFEE2], 9);
    EXPECT_EQ(radio.memory()[0xFEE3], memory[0xFEE3]);
    EXPECT_EQ(radio.dataBlocks(), 2);

    EXPECT_FALSE(radio.sawEndRead());
    Send(radio, {'E', 'N', 'D', 'R'}, 0);
    EXPECT_TRUE(radio.sawEndRead());
    EXPECT_FALSE(radio.sawEndWrite());
    EXPECT_TRUE(TakeAll(radio, 0).empty());
}

TEST(SimRadio, LockBlockIsNotADataBlock)
{
    SimRadio radio(Pattern(3));
    radio.setLocked(true);
    EXPECT_EQ(radio.memory()[0xCC08], 3);
    OpenSession(radio);
    Send(radio, {'R', 0xCC, 0x00, 0x80}, 0);
    const Bytes reply = TakeAll(radio, 0);
    ASSERT_EQ(reply.size(), 132u);
    EXPECT_EQ(reply[4 + 8], 3);
    EXPECT_EQ(radio.dataBlocks(), 0);
    EXPECT_TRUE(radio.lockChecked());
    // A new wake-up leaves the session; the same block later in a session is data.
    OpenSession(radio);
    Send(radio, {'R', 0xCB, 0x80, 0x80}, 0);
    Send(radio, {'R', 0xCC, 0x00, 0x80}, 0);
    EXPECT_EQ(TakeAll(radio, 0).size(), 264u);
    EXPECT_EQ(radio.dataBlocks(), 2);
    radio.setLocked(false);
    EXPECT_EQ(radio.memory()[0xCC08], 0);
}

TEST(SimRadio, PacedBytesTakeTenBitsEach)
{
    SimRadio::Faults faults;
    faults.pace = true;
    SimRadio radio(Pattern(4), faults);
    // Seven bytes sent at 0 are in after 7 x 0.26 ms; the "A" needs one more byte time.
    Send(radio, kWake, 0);
    EXPECT_EQ(radio.nextDue(), 3); // 8 x 260.4 us = 2.08 ms
    EXPECT_TRUE(TakeAll(radio, 2).empty());
    EXPECT_EQ(TakeAll(radio, 3), Bytes{'A'});
    EXPECT_EQ(radio.nextDue(), std::nullopt);

    Send(radio, kIdent, 10);
    EXPECT_EQ(TakeAll(radio, 10).size(), 0u);
    // 2 bytes in, 16 bytes out: the last is in after 18 x 260.4 us = 4.7 ms.
    EXPECT_EQ(radio.nextDue(), 11);
    EXPECT_EQ(TakeAll(radio, 14).size(), 13u);
    EXPECT_EQ(TakeAll(radio, 15).size(), 3u);
}

TEST(SimRadio, PurgeDropsOnlyWhatHasArrived)
{
    SimRadio radio(Pattern(5));
    OpenSession(radio, 0);
    SimRadio::Faults faults;
    faults.pace = true;
    radio.setFaults(faults);
    radio.purgeDue(1000);
    Send(radio, {'R', 0x10, 0x00, 0x80}, 1000); // 132 bytes answer over 34.4 ms
    radio.purgeDue(1020);
    const Bytes rest = TakeAll(radio, 1100);
    EXPECT_GT(rest.size(), 50u);
    EXPECT_LT(rest.size(), 132u);
}

TEST(SimRadio, WakeUpAnswerCanBeLate)
{
    SimRadio::Faults faults;
    faults.wakeupDelayMs = 400;
    SimRadio radio(Pattern(6), faults);
    SendEach(radio, kWake, 100);
    EXPECT_TRUE(TakeAll(radio, 499).empty());
    EXPECT_EQ(radio.nextDue(), 500);
    EXPECT_EQ(TakeAll(radio, 500), Bytes{'A'});
}

TEST(SimRadio, SilentRadioHearsButNeverAnswers)
{
    SimRadio::Faults faults;
    faults.silent = true;
    SimRadio radio(Pattern(7), faults);
    SendEach(radio, kWake, 0);
    Send(radio, kIdent, 0);
    Send(radio, {'A', 'W', 0x00, 0x60, 0x01, 0x55}, 0);
    EXPECT_TRUE(TakeAll(radio, 100000).empty());
    EXPECT_EQ(radio.memory()[0x0060], 0x55);
}

struct BlockFaultCase {
    const char* name;
    SimRadio::Faults faults;
    char letter;
    Bytes expectAnswer; // empty: checked by size below
    int answerSize;
    bool junk; // no "A" anywhere in the answer
    Bytes expectAck;
    bool stored;
};

TEST(SimRadio, BlockFaultsHitTheNamedBlockOnly)
{
    auto f = [](int refuse, int cut, int garbage) {
        SimRadio::Faults x;
        x.refuseBlock = refuse;
        x.cutReplyBlock = cut;
        x.garbageBlock = garbage;
        return x;
    };
    const BlockFaultCase cases[] = {
        {"read refused", f(1, -1, -1), 'R', {}, 4 + 16, false, {'N'}, false},
        {"read cut", f(-1, 1, -1), 'R', {}, 4 + 8, false, {'A'}, false},
        {"read garbage", f(-1, -1, 1), 'R', {}, 4 + 16, true, {}, false},
        {"write refused", f(1, -1, -1), 'W', {'N'}, 1, true, {}, false},
        {"write cut", f(-1, 1, -1), 'W', {}, 0, true, {}, true},
        {"write garbage", f(-1, -1, 1), 'W', {}, 1, true, {}, false},
    };
    for (const auto& c : cases) {
        RadioImage memory{};
        SimRadio radio(memory, c.faults);
        OpenSession(radio);
        for (int block = 0; block < 3; ++block) {
            const std::uint8_t lo = static_cast<std::uint8_t>(block * 0x10);
            Bytes cmd = {static_cast<std::uint8_t>(c.letter), 0x20, lo, 0x10};
            if (c.letter == 'W')
                cmd.insert(cmd.end(), 16, 0x77);
            Send(radio, cmd, 0);
            const Bytes answer = TakeAll(radio, 0);
            Send(radio, {'A'}, 0);
            const Bytes ack = TakeAll(radio, 0);
            if (block != 1) {
                EXPECT_EQ(answer.size(), c.letter == 'R' ? 20u : 1u) << c.name << block;
                EXPECT_EQ(ack, Bytes{'A'}) << c.name << block;
                continue;
            }
            EXPECT_EQ(static_cast<int>(answer.size()), c.answerSize) << c.name;
            if (!c.expectAnswer.empty()) {
                EXPECT_EQ(answer, c.expectAnswer) << c.name;
            }
            if (c.junk) {
                EXPECT_EQ(std::count(answer.begin(), answer.end(), 'A'), 0) << c.name;
            }
            if (c.letter == 'R') {
                ASSERT_EQ(ack.size(), 1u) << c.name;
                if (c.expectAck.empty()) {
                    EXPECT_NE(ack[0], 'A') << c.name;
                } else {
                    EXPECT_EQ(ack, c.expectAck) << c.name;
                }
            }
            if (c.letter == 'W') {
                EXPECT_EQ(radio.memory()[0x2010] == 0x77, c.stored) << c.name;
            }
        }
        EXPECT_EQ(radio.dataBlocks(), 3) << c.name;
    }
}

TEST(SimRadio, HangsUpAfterTheNamedNumberOfBlocks)
{
    SimRadio::Faults faults;
    faults.hangUpAfterBlocks = 2;
    SimRadio radio(Pattern(8), faults);
    OpenSession(radio);
    Send(radio, {'R', 0xCC, 0x00, 0x80}, 0); // lock block: not counted
    for (int i = 0; i < 2; ++i) {
        Send(radio, {'R', 0x01, 0x00, 0x80}, 0);
        EXPECT_EQ(TakeAll(radio, 0).size(), i == 0 ? 264u : 132u);
        EXPECT_FALSE(radio.hungUp());
    }
    Send(radio, {'R', 0x01, 0x80, 0x80}, 0);
    EXPECT_TRUE(radio.hungUp());
    EXPECT_TRUE(TakeAll(radio, 0).empty());
    EXPECT_EQ(radio.dataBlocks(), 2);
}

} // namespace
