// The POSIX serial port against a pseudo-terminal whose master end plays the device.
#include "link/core/port_factory.h"
#include "link/core/port_failure_text.h"
#include "link/core/port_posix.h"
#include "link/core/pty_pair.h"

#include <gtest/gtest.h>

#include <chrono>
#include <cstdio>
#include <fcntl.h>
#include <poll.h>
#include <thread>
#include <unistd.h>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;
using std::chrono::milliseconds;

long long MsSince(Clock::time_point t)
{
    return std::chrono::duration_cast<milliseconds>(Clock::now() - t).count();
}

void MasterWrite(const PtyPair& pty, const std::vector<std::uint8_t>& bytes)
{
    std::size_t done = 0;
    while (done < bytes.size()) {
        const ssize_t n = ::write(pty.masterFd(), bytes.data() + done, bytes.size() - done);
        if (n > 0) {
            done += static_cast<std::size_t>(n);
        } else {
            pollfd p{pty.masterFd(), POLLOUT, 0};
            ASSERT_GE(::poll(&p, 1, 5000), 0);
        }
    }
}

// Whatever the master receives within `ms` after the last byte, up to `max` bytes.
std::vector<std::uint8_t> MasterRead(const PtyPair& pty, std::size_t max, int ms = 2000)
{
    std::vector<std::uint8_t> got;
    std::uint8_t buf[256];
    while (got.size() < max) {
        pollfd p{pty.masterFd(), POLLIN, 0};
        if (::poll(&p, 1, ms) <= 0)
            break;
        const ssize_t n = ::read(pty.masterFd(), buf, sizeof buf);
        if (n <= 0)
            break;
        got.insert(got.end(), buf, buf + n);
    }
    return got;
}

class PosixPortTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        std::string error;
        ASSERT_TRUE(m_pty.open(&error)) << error;
        ASSERT_TRUE(m_port.open(m_pty.slavePath()));
        m_port.setQueueSizes(1024, 512);
        m_port.setTimeouts(PortTimeouts{});
        m_port.setLine(LineSettings{});
    }

    PtyPair m_pty;
    PosixSerialPort m_port;
};

TEST_F(PosixPortTest, SecondOpenOfTheSameDeviceFailsUntilTheFirstCloses)
{
    EXPECT_TRUE(m_port.isOpen());
    PosixSerialPort other;
    EXPECT_FALSE(other.open(m_pty.slavePath()));
    EXPECT_FALSE(other.isOpen());
    EXPECT_EQ(other.openFailure().kind, PortOpenFailure::Kind::Busy);
    m_port.close();
    EXPECT_FALSE(m_port.isOpen());
    EXPECT_TRUE(other.open(m_pty.slavePath()));
    // Reopening the port object after close works as well.
    other.close();
    EXPECT_TRUE(m_port.open(m_pty.slavePath()));
}

TEST_F(PosixPortTest, ReadReturnsAsSoonAsTheRequestedCountHasArrived)
{
    m_port.setTimeouts(PortTimeouts{.readIntervalMs = 5000, .readTotalMultiplierMs = 0, .readTotalConstantMs = 20000});
    std::thread sender([this] {
        MasterWrite(m_pty, {1, 2, 3});
        std::this_thread::sleep_for(milliseconds(30));
        MasterWrite(m_pty, {4, 5});
    });
    std::uint8_t buf[5] = {};
    const auto t0 = Clock::now();
    const int n = m_port.read(buf, 5);
    const long long took = MsSince(t0);
    sender.join();
    ASSERT_EQ(n, 5);
    EXPECT_EQ(std::vector<std::uint8_t>(buf, buf + 5), (std::vector<std::uint8_t>{1, 2, 3, 4, 5}));
    EXPECT_LT(took, 5000); // neither time-out was waited for
}

TEST_F(PosixPortTest, ReadGivesUpAfterTheIntervalAndReturnsThePartialCount)
{
    m_port.setTimeouts(PortTimeouts{.readIntervalMs = 50, .readTotalMultiplierMs = 0, .readTotalConstantMs = 30000});
    MasterWrite(m_pty, {0x41, 0x42, 0x43});
    std::uint8_t buf[16] = {};
    const auto t0 = Clock::now();
    const int n = m_port.read(buf, 16);
    const long long took = MsSince(t0);
    ASSERT_EQ(n, 3);
    EXPECT_EQ(buf[0], 0x41);
    EXPECT_EQ(buf[2], 0x43);
    EXPECT_GE(took, 50);
    EXPECT_LT(took, 15000); // the 30 s total was not waited for
}

TEST_F(PosixPortTest, ReadWithNothingComingWaitsTheTotalAndReturnsZero)
{
    struct Case {
        int n;
        long long totalMs; // 100 + 50 per byte
    };
    for (const Case c : {Case{1, 150}, Case{4, 300}}) {
        std::uint8_t buf[4] = {};
        const auto t0 = Clock::now();
        EXPECT_EQ(m_port.read(buf, c.n), 0) << c.n;
        EXPECT_GE(MsSince(t0), c.totalMs) << c.n;
    }
}

TEST_F(PosixPortTest, EveryByteValueCrossesUnchangedBothWays)
{
    std::vector<std::uint8_t> all(256);
    for (int i = 0; i < 256; ++i)
        all[static_cast<std::size_t>(i)] = static_cast<std::uint8_t>(i);
    // No echo, no CR/LF translation, no XON/XOFF or interrupt characters taken out.
    ASSERT_EQ(m_port.write(all.data(), 256), 256);
    EXPECT_EQ(MasterRead(m_pty, 256), all);

    m_port.setTimeouts(PortTimeouts{.readIntervalMs = 2000, .readTotalMultiplierMs = 50, .readTotalConstantMs = 5000});
    MasterWrite(m_pty, all);
    std::vector<std::uint8_t> back(256);
    ASSERT_EQ(m_port.read(back.data(), 256), 256);
    EXPECT_EQ(back, all);
    EXPECT_TRUE(MasterRead(m_pty, 1, 50).empty()) << "nothing echoed back";
}

TEST_F(PosixPortTest, PurgeDiscardsWhatHasArrivedButNotWhatComesLater)
{
    MasterWrite(m_pty, {7, 8, 9, 10});
    std::uint8_t b = 0;
    ASSERT_EQ(m_port.read(&b, 1), 1); // the rest of that write has arrived too
    m_port.purge();
    EXPECT_EQ(m_port.read(&b, 1), 0);
    MasterWrite(m_pty, {0x41});
    ASSERT_EQ(m_port.read(&b, 1), 1);
    EXPECT_EQ(b, 0x41);
}

// The wake-up writes a byte, then purges before the next: written bytes reach
// the other end even when it is slow to read them.
TEST_F(PosixPortTest, PurgeAfterAWriteKeepsWhatWasSent)
{
    constexpr int kBytes = 200;
    for (int i = 0; i < kBytes; ++i) {
        const std::uint8_t b = static_cast<std::uint8_t>(i);
        ASSERT_EQ(m_port.write(&b, 1), 1);
        m_port.purge();
    }
    const std::vector<std::uint8_t> got = MasterRead(m_pty, kBytes, 200);
    ASSERT_EQ(got.size(), static_cast<std::size_t>(kBytes));
    for (int i = 0; i < kBytes; ++i)
        EXPECT_EQ(got[static_cast<std::size_t>(i)], i);
}

TEST_F(PosixPortTest, HangUpIsAFailureNotATimeOut)
{
    m_pty.close();
    std::uint8_t buf[4] = {};
    EXPECT_EQ(m_port.read(buf, 4), -1);
    EXPECT_EQ(m_port.write(buf, 4), -1);
}

TEST_F(PosixPortTest, HangUpDuringAReadEndsItWithAFailure)
{
    m_port.setTimeouts(PortTimeouts{.readIntervalMs = 20000, .readTotalMultiplierMs = 0, .readTotalConstantMs = 20000});
    MasterWrite(m_pty, {1, 2});
    std::thread dropper([this] {
        std::this_thread::sleep_for(milliseconds(50));
        m_pty.close();
    });
    std::uint8_t buf[8] = {};
    const auto t0 = Clock::now();
    const int n = m_port.read(buf, 8);
    const long long took = MsSince(t0);
    dropper.join();
    EXPECT_EQ(n, -1);
    EXPECT_LT(took, 10000); // did not sit out the time-outs
}

TEST(PosixPort, ClosedPortReadsAndWritesFail)
{
    PosixSerialPort port;
    std::uint8_t b = 0;
    EXPECT_EQ(port.read(&b, 1), -1);
    EXPECT_EQ(port.write(&b, 1), -1);
    port.purge();
    port.close();
}

TEST(PosixPort, OnlyExistingTerminalsOpen)
{
    char path[] = "/tmp/port_posix_test_XXXXXX";
    const int fd = ::mkstemp(path);
    ASSERT_GE(fd, 0);
    ::close(fd);
    using Kind = PortOpenFailure::Kind;
    const std::pair<std::string, Kind> cases[] = {
        {"/nonexistent/ttyUSB0", Kind::Missing},
        {"/dev/null", Kind::Other},
        {path, Kind::Other},
        {"SIM", Kind::Missing},
        {"", Kind::Missing},
    };
    for (const auto& [name, kind] : cases) {
        PosixSerialPort port;
        EXPECT_FALSE(port.open(name)) << name;
        EXPECT_FALSE(port.isOpen()) << name;
        EXPECT_FALSE(ProbePort(name)) << name;
        // The reason comes with the failure, for the message.
        EXPECT_EQ(port.openFailure().kind, kind) << name;
        EXPECT_FALSE(port.openFailure().reason.empty()) << name;
    }
    std::remove(path);
}

TEST(PosixPort, ProbeSeesFreeAndHeldPortsAndSendsNothing)
{
    PtyPair pty;
    ASSERT_TRUE(pty.open());
    EXPECT_TRUE(ProbePort(pty.slavePath()));
    EXPECT_TRUE(ProbePort(pty.slavePath())) << "the probe released the port";
    {
        PosixSerialPort holder;
        ASSERT_TRUE(holder.open(pty.slavePath()));
        EXPECT_FALSE(ProbePort(pty.slavePath()));
    }
    EXPECT_TRUE(ProbePort(pty.slavePath()));
    EXPECT_TRUE(MasterRead(pty, 1, 50).empty());
}

} // namespace

TEST(PortFailureText, ReasonAndAdviceFollowTheKind)
{
    using Kind = PortOpenFailure::Kind;
    const QString port = QStringLiteral("/dev/ttyUSB0");
    EXPECT_EQ(OpenPortFailText(port, {}).toStdString(), "Open port fail"); // a port that says nothing
    const QString denied = OpenPortFailText(port, {Kind::Permission, "Permission denied", "uucp"});
    EXPECT_TRUE(denied.startsWith(QStringLiteral("Open port fail\n\n/dev/ttyUSB0: Permission denied")));
    EXPECT_TRUE(denied.contains(QStringLiteral("\"uucp\""))) << denied.toStdString();
    EXPECT_TRUE(denied.contains(QStringLiteral("log out")));
    EXPECT_TRUE(OpenPortFailText(port, {Kind::Permission, "Permission denied", {}}).contains("\"dialout\""));
    EXPECT_TRUE(OpenPortFailText(port, {Kind::Busy, "in use", {}}).contains(QStringLiteral("ModemManager")));
    EXPECT_TRUE(OpenPortFailText(port, {Kind::Missing, "No such file or directory", {}}).contains("cable"));
}
