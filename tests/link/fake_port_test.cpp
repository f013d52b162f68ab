#include "link/core/loopback_port.h"
#include "link/core/sim_radio.h"
#include "link/core/steady_link_clock.h"
#include "tests/support/fake_port.h"

#include "engine_rig.h"

#include <gtest/gtest.h>

namespace {

using Bytes = std::vector<std::uint8_t>;

struct Arrival {
    int atMs;
    std::uint8_t byte;
};

struct ReadCase {
    const char* name;
    std::vector<Arrival> arrivals; // relative to the start of the read
    int requested;
    int expectCount;
    int expectElapsedMs;
};

// The driver's time-outs: 50 ms between bytes, 100 ms + 50 ms per byte in all.
TEST(FakePort, ReadKeepsTheDriversTimeouts)
{
    const ReadCase cases[] = {
        {"nothing, 1 byte", {}, 1, 0, 150},
        {"nothing, 16 bytes", {}, 16, 0, 900},
        {"nothing, 128 bytes", {}, 128, 0, 6500},
        {"all there", {{0, 1}, {0, 2}}, 2, 2, 0},
        {"comes late, within the total", {{149, 1}}, 1, 1, 149},
        {"comes at the total", {{150, 1}}, 1, 1, 150},
        {"comes after the total", {{151, 1}}, 1, 0, 150},
        {"gap of 50 ms is fine", {{10, 1}, {60, 2}}, 2, 2, 60},
        {"gap over 50 ms ends the read", {{10, 1}, {61, 2}}, 2, 1, 60},
        {"interval counts from the last byte", {{0, 1}, {40, 2}, {80, 3}, {120, 4}}, 4, 4, 120},
        {"stops at the count", {{0, 1}, {40, 2}, {80, 3}, {120, 4}, {160, 5}}, 3, 3, 80},
        {"total binds before the interval", {{180, 1}, {210, 2}}, 2, 1, 200},
    };
    for (const auto& c : cases) {
        FakeClock clock(1000);
        FakePort port(clock);
        ASSERT_TRUE(port.open("COM1"));
        port.setTimeouts(PortTimeouts{});
        for (const Arrival& a : c.arrivals)
            port.reply({a.byte}, a.atMs);
        Bytes buf(static_cast<std::size_t>(c.requested));
        EXPECT_EQ(port.read(buf.data(), c.requested), c.expectCount) << c.name;
        EXPECT_EQ(clock.nowMs() - 1000, c.expectElapsedMs) << c.name;
        for (int i = 0; i < c.expectCount; ++i)
            EXPECT_EQ(buf[static_cast<std::size_t>(i)], i + 1) << c.name;
    }
}

TEST(FakePort, PurgeDropsWhatHasArrivedOnly)
{
    FakeClock clock;
    FakePort port(clock);
    ASSERT_TRUE(port.open("COM1"));
    port.reply({1, 2});
    port.reply({3}, 20);
    clock.advance(10);
    port.purge();
    std::uint8_t b[3] = {};
    EXPECT_EQ(port.read(b, 3), 1);
    EXPECT_EQ(b[0], 3);
}

TEST(FakePort, FailuresAreFailuresNotTimeouts)
{
    FakeClock clock;
    FakePort port(clock);
    port.setOpenFails(true);
    EXPECT_FALSE(port.open("COM1"));
    port.setOpenFails(false);
    ASSERT_TRUE(port.open("COM1"));
    EXPECT_FALSE(port.open("COM1")); // exclusive

    const std::uint8_t data[4] = {1, 2, 3, 4};
    port.failAfterBytes(6);
    EXPECT_EQ(port.write(data, 4), 4);
    EXPECT_EQ(port.write(data, 4), -1); // two bytes got out
    EXPECT_EQ(port.writes().back(), (Bytes{1, 2}));
    EXPECT_TRUE(port.unplugged());
    std::uint8_t b = 0;
    const std::int64_t before = clock.nowMs();
    EXPECT_EQ(port.read(&b, 1), -1);
    EXPECT_EQ(clock.nowMs(), before); // no waiting on a dead line
    EXPECT_EQ(port.write(data, 1), -1);
    port.close();
    EXPECT_EQ(port.misuse(), 0);
    EXPECT_EQ(port.read(&b, 1), -1);
    EXPECT_EQ(port.misuse(), 1);
}

TEST(FakePort, LogsEventsWithTheirTimes)
{
    FakeClock clock(5);
    FakePort port(clock);
    ASSERT_TRUE(port.open("/dev/ttyUSB0"));
    EXPECT_EQ(port.openedName(), "/dev/ttyUSB0");
    clock.sleepMs(2);
    port.purge();
    const std::uint8_t b = 0x02;
    port.write(&b, 1);
    std::uint8_t in = 0;
    port.read(&in, 1);
    port.close();
    EXPECT_EQ(Trace(port), (std::vector<std::string>{"open", "sleep 2", "purge", "w 02", "r 1=0", "close"}));
    const auto& e = port.events();
    EXPECT_EQ(e[1].atMs, 5);
    EXPECT_EQ(e[2].atMs, 7);
    EXPECT_EQ(e[4].atMs, 7);
    EXPECT_EQ(e[5].atMs, 157);
}

TEST(FakePort, TamperRewritesTheRadiosAnswer)
{
    FakeClock clock;
    FakePort port(clock);
    SimRadio radio(Pattern(1));
    port.attach(radio);
    port.tamper = [](std::span<const std::uint8_t> written, Bytes& answer) {
        if (written.size() == 2)
            answer.resize(5);
    };
    ASSERT_TRUE(port.open("COM1"));
    port.setTimeouts(PortTimeouts{});
    for (std::uint8_t b : Bytes{0x02, 'P', 'R', 'O', 'G', 'R', 'A'})
        port.write(&b, 1);
    std::uint8_t buf[16] = {};
    EXPECT_EQ(port.read(buf, 1), 1);
    EXPECT_EQ(buf[0], 'A');
    const std::uint8_t ident[2] = {'M', 0x02};
    port.write(ident, 2);
    EXPECT_EQ(port.read(buf, 16), 5);
}

TEST(LoopbackPort, ServesTheRadioWithTheSameTimeouts)
{
    FakeClock clock;
    SimRadio::Faults faults;
    faults.wakeupDelayMs = 120;
    SimRadio radio(Pattern(2), faults);
    LoopbackPort port(radio, clock);
    ASSERT_TRUE(port.open("SIM"));
    EXPECT_FALSE(port.open("SIM"));
    port.setTimeouts(PortTimeouts{});
    const Bytes wake = {0x02, 'P', 'R', 'O', 'G', 'R', 'A'};
    EXPECT_EQ(port.write(wake.data(), 7), 7);
    std::uint8_t b = 0;
    EXPECT_EQ(port.read(&b, 1), 1);
    EXPECT_EQ(b, 'A');
    EXPECT_EQ(clock.nowMs(), 120);
    EXPECT_EQ(port.read(&b, 1), 0);
    EXPECT_EQ(clock.nowMs(), 270);
    port.close();
    EXPECT_EQ(port.read(&b, 1), -1);
}

TEST(LoopbackPort, DroppedLineFailsReadsAndWrites)
{
    FakeClock clock;
    SimRadio::Faults faults;
    faults.hangUpAfterBlocks = 0;
    SimRadio radio(Pattern(3), faults);
    LoopbackPort port(radio, clock);
    ASSERT_TRUE(port.open("SIM"));
    const Bytes session = {0x02, 'P', 'R', 'O', 'G', 'R', 'A', 'M', 0x02, 'A', 'R', 0x01, 0x00, 0x80};
    port.write(session.data(), static_cast<int>(session.size()));
    std::uint8_t b = 0;
    EXPECT_EQ(port.read(&b, 1), -1);
    EXPECT_EQ(port.write(&b, 1), -1);
    port.close();
    EXPECT_FALSE(port.open("SIM"));
}

TEST(SteadyLinkClock, MovesForwardAndSleeps)
{
    SteadyLinkClock clock;
    const std::int64_t t0 = clock.nowMs();
    clock.sleepMs(3);
    EXPECT_GE(clock.nowMs() - t0, 3);
    clock.sleepMs(0);
    clock.sleepMs(-5);
    EXPECT_GE(clock.nowMs(), t0);
}

} // namespace
