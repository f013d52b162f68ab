// The simulated radio served on a pseudo-terminal, talked to through the real
// POSIX port the way the programmer does.
#include "link/core/pty_sim_server.h"
#include "link/core/sim_radio.h"
#include "tests/link/pty_test_client.h"

#include <gtest/gtest.h>

#include <memory>
#include <thread>
#include <vector>

namespace {

std::unique_ptr<RadioImage> PatternImage()
{
    auto image = std::make_unique<RadioImage>();
    for (std::size_t i = 0; i < image->size(); ++i)
        (*image)[i] = static_cast<std::uint8_t>(i * 7 + (i >> 8));
    (*image)[SimRadio::kLockAddress] = 0;
    return image;
}

// Runs the server on its own thread for the life of the object.
class Served {
public:
    explicit Served(SimRadio& radio) : server(radio)
    {
        std::string error;
        opened = server.open(&error);
        EXPECT_TRUE(opened) << error;
        if (opened)
            thread = std::thread([this] { end = server.serve(); });
    }
    ~Served() { finish(); }
    PtySimServer::End finish()
    {
        if (thread.joinable()) {
            server.stop();
            thread.join();
        }
        return end;
    }

    PtySimServer server;
    bool opened = false;
    std::thread thread;
    PtySimServer::End end = PtySimServer::End::Failed;
};

TEST(PtySimServer, AnswersTheHandshakeAndServesTheLockBlock)
{
    const auto image = PatternImage();
    SimRadio radio(*image);
    radio.setLocked(true);
    Served served(radio);
    ASSERT_TRUE(served.opened);

    PtyTestClient client;
    ASSERT_TRUE(client.open(served.server.devicePath()));
    ASSERT_TRUE(client.handshake());
    const Bytes lock = client.exchange({'R', 0xCC, 0x00, 0x80}, 4 + 128);
    ASSERT_EQ(lock.size(), 4u + 128u);
    EXPECT_EQ(lock[4 + 8], SimRadio::kLockedValue);
    EXPECT_EQ(lock[4 + 0], (*image)[0xCC00]);
    EXPECT_EQ(lock[4 + 127], (*image)[0xCC7F]);

    EXPECT_EQ(served.finish(), PtySimServer::End::Stopped);
    EXPECT_TRUE(radio.lockChecked());
}

TEST(PtySimServer, WrittenBlockReachesTheRadioAndSessionsFollowEachOther)
{
    const auto image = PatternImage();
    SimRadio radio(*image);
    Served served(radio);
    ASSERT_TRUE(served.opened);
    {
        PtyTestClient client;
        ASSERT_TRUE(client.open(served.server.devicePath()));
        ASSERT_TRUE(client.handshake());
        ASSERT_EQ(client.exchange({'R', 0xCC, 0x00, 0x80}, 132).size(), 132u);
        ASSERT_EQ(client.exchange({'A'}, 1), Bytes{'A'});
        ASSERT_TRUE(client.handshake());
        Bytes block = {'W', 0x01, 0x00, 0x04, 0x11, 0x13, 0x0D, 0x0A}; // bytes a tty likes to eat
        EXPECT_EQ(client.exchange(block, 1), Bytes{'A'});
        EXPECT_EQ(client.exchange({'E', 'N', 'D', 'W'}, 0), Bytes{});
    }
    {
        // The port is free again once the first client has closed it.
        PtyTestClient again;
        ASSERT_TRUE(again.open(served.server.devicePath()));
        ASSERT_TRUE(again.handshake());
        ASSERT_EQ(again.exchange({'R', 0xCC, 0x00, 0x80}, 132).size(), 132u);
        ASSERT_EQ(again.exchange({'A'}, 1), Bytes{'A'});
        ASSERT_TRUE(again.handshake());
        const Bytes read = again.exchange({'R', 0x01, 0x00, 0x04}, 8);
        ASSERT_EQ(read.size(), 8u);
        EXPECT_EQ(Bytes(read.begin() + 4, read.end()), (Bytes{0x11, 0x13, 0x0D, 0x0A}));
    }
    EXPECT_EQ(served.finish(), PtySimServer::End::Stopped);
    EXPECT_TRUE(radio.sawEndWrite());
    EXPECT_EQ(radio.memory()[0x100], 0x11);
    EXPECT_EQ(radio.memory()[0x103], 0x0A);
    EXPECT_EQ(radio.memory()[0x104], (*image)[0x104]);
}

TEST(PtySimServer, BytesSentBeforeTheStopStillReachTheRadio)
{
    const auto image = PatternImage();
    SimRadio radio(*image);
    Served served(radio);
    ASSERT_TRUE(served.opened);

    PtyTestClient client;
    ASSERT_TRUE(client.open(served.server.devicePath()));
    ASSERT_TRUE(client.handshake());
    const std::uint8_t end[4] = {'E', 'N', 'D', 'R'};
    ASSERT_EQ(client.port.write(end, 4), 4);
    client.port.close();
    EXPECT_EQ(served.finish(), PtySimServer::End::Stopped);
    EXPECT_TRUE(radio.sawEndRead());
}

TEST(PtySimServer, DroppedLineLooksLikeAPulledCable)
{
    const auto image = PatternImage();
    SimRadio::Faults faults;
    faults.hangUpAfterBlocks = 0;
    SimRadio radio(*image, faults);
    Served served(radio);
    ASSERT_TRUE(served.opened);

    PtyTestClient client;
    ASSERT_TRUE(client.open(served.server.devicePath()));
    ASSERT_TRUE(client.handshake());
    ASSERT_EQ(client.exchange({'R', 0xCC, 0x00, 0x80}, 132).size(), 132u);
    const std::uint8_t command[4] = {'R', 0x01, 0x00, 0x80};
    ASSERT_EQ(client.port.write(command, 4), 4);
    std::uint8_t buf[132];
    EXPECT_EQ(client.port.read(buf, 132), -1);
    served.thread.join();
    EXPECT_EQ(served.end, PtySimServer::End::HungUp);
    EXPECT_TRUE(radio.hungUp());
}

TEST(PtySimServer, SilentRadioLeavesTheReadToItsTimeOut)
{
    const auto image = PatternImage();
    SimRadio::Faults faults;
    faults.silent = true;
    SimRadio radio(*image, faults);
    Served served(radio);
    ASSERT_TRUE(served.opened);

    PosixSerialPort port;
    ASSERT_TRUE(port.open(served.server.devicePath()));
    port.setTimeouts(PortTimeouts{});
    const Bytes wake(kDefaultHandshake.begin(), kDefaultHandshake.begin() + kWakeUpSize);
    ASSERT_EQ(port.write(wake.data(), kWakeUpSize), kWakeUpSize);
    std::uint8_t a = 0;
    EXPECT_EQ(port.read(&a, 1), 0);
    EXPECT_EQ(served.finish(), PtySimServer::End::Stopped);
    EXPECT_EQ(radio.wakeUps(), 1);
}

TEST(PtySimServer, StopBeforeServeEndsItAtOnce)
{
    const auto image = PatternImage();
    SimRadio radio(*image);
    PtySimServer server(radio);
    ASSERT_TRUE(server.open());
    server.stop();
    EXPECT_EQ(server.serve(), PtySimServer::End::Stopped);
}

TEST(PtySimServer, ServeWithoutAPseudoTerminalFails)
{
    const auto image = PatternImage();
    SimRadio radio(*image);
    PtySimServer server(radio);
    EXPECT_EQ(server.serve(), PtySimServer::End::Failed);
}

} // namespace
