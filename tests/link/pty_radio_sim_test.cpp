// The radio-sim program as a user runs it: started on a parameter file, talked
// to on the device path it prints, stopped with a signal.
#include "document/radio_image.h"
#include "tests/link/pty_test_client.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <chrono>
#include <csignal>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <poll.h>
#include <spawn.h>
#include <string>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>
#include <vector>

extern char** environ;

namespace {

namespace fs = std::filesystem;

const std::string kRadioSim = std::string(PROGRAMMER_BIN_DIR) + "/radio-sim";

// A running radio-sim with its standard output on a pipe.
class SimProcess {
public:
    ~SimProcess()
    {
        if (m_pid > 0) {
            ::kill(m_pid, SIGKILL);
            ::waitpid(m_pid, nullptr, 0);
        }
        if (m_out >= 0)
            ::close(m_out);
    }

    bool start(const std::vector<std::string>& args)
    {
        int pipeFds[2];
        if (::pipe(pipeFds) != 0)
            return false;
        posix_spawn_file_actions_t actions;
        posix_spawn_file_actions_init(&actions);
        posix_spawn_file_actions_adddup2(&actions, pipeFds[1], STDOUT_FILENO);
        posix_spawn_file_actions_addclose(&actions, pipeFds[0]);
        std::vector<std::string> all = {kRadioSim};
        all.insert(all.end(), args.begin(), args.end());
        std::vector<char*> argv;
        argv.reserve(all.size() + 1);
        for (auto& a : all)
            argv.push_back(a.data());
        argv.push_back(nullptr);
        const int rc = ::posix_spawn(&m_pid, kRadioSim.c_str(), &actions, nullptr, argv.data(), environ);
        posix_spawn_file_actions_destroy(&actions);
        ::close(pipeFds[1]);
        m_out = pipeFds[0];
        if (rc != 0)
            m_pid = -1;
        return rc == 0;
    }

    // The first line the program prints; empty when it printed none in time.
    std::string firstLine()
    {
        std::string line;
        char c = 0;
        while (line.size() < 4096) {
            pollfd p{m_out, POLLIN, 0};
            if (::poll(&p, 1, 20000) <= 0 || ::read(m_out, &c, 1) != 1 || c == '\n')
                break;
            line += c;
        }
        return line;
    }

    // The exit status, or -1 when it has not ended within the wait.
    int wait(int seconds = 20)
    {
        for (int i = 0; i < seconds * 100; ++i) {
            int status = 0;
            const pid_t r = ::waitpid(m_pid, &status, WNOHANG);
            if (r == m_pid) {
                m_pid = -1;
                return WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
            }
            if (r < 0)
                return -1;
            std::this_thread::sleep_for(std::chrono::milliseconds(10));
        }
        return -1;
    }

    void signal(int sig) { ::kill(m_pid, sig); }

private:
    pid_t m_pid = -1;
    int m_out = -1;
};

std::vector<std::uint8_t> ReadAll(const fs::path& path)
{
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

class RadioSimTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        m_dir = fs::temp_directory_path() / ("radio_sim_test_" + std::to_string(::getpid()));
        fs::create_directories(m_dir);
        m_file.assign(kParamFileSize, 0);
        for (std::size_t i = 0; i < m_file.size(); ++i)
            m_file[i] = static_cast<std::uint8_t>(i * 13 + (i >> 9));
        const char sig[] = "QM4410";
        std::copy(sig, sig + 6, m_file.begin());
        m_file[6] = m_file[7] = 0xFF;
        m_file[kHeaderSize + 0xCC08] = 0; // unlocked
        m_input = m_dir / "in.dat";
        std::ofstream(m_input, std::ios::binary)
            .write(reinterpret_cast<const char*>(m_file.data()), static_cast<long>(m_file.size()));
    }
    void TearDown() override { fs::remove_all(m_dir); }

    fs::path m_dir;
    fs::path m_input;
    std::vector<std::uint8_t> m_file;
};

TEST_F(RadioSimTest, ServesTheFileAndSavesWhatWasWrittenOnSigterm)
{
    const fs::path output = m_dir / "out.dat";
    SimProcess sim;
    ASSERT_TRUE(sim.start({"--save", output.string(), m_input.string()}));
    const std::string path = sim.firstLine();
    ASSERT_FALSE(path.empty());
    {
        PtyTestClient client;
        ASSERT_TRUE(client.open(path)) << path;
        ASSERT_TRUE(client.handshake());
        const Bytes lock = client.exchange({'R', 0xCC, 0x00, 0x80}, 132);
        ASSERT_EQ(lock.size(), 132u);
        EXPECT_EQ(lock[4 + 8], 0);
        EXPECT_EQ(lock[4 + 1], m_file[kHeaderSize + 0xCC01]);
        ASSERT_EQ(client.exchange({'A'}, 1), Bytes{'A'});
        ASSERT_TRUE(client.handshake());
        EXPECT_EQ(client.exchange({'W', 0x01, 0x00, 0x03, 0xAA, 0xBB, 0xCC}, 1), Bytes{'A'});
        client.exchange({'E', 'N', 'D', 'W'}, 0);
    }
    sim.signal(SIGTERM);
    EXPECT_EQ(sim.wait(), 0);

    std::vector<std::uint8_t> expected = m_file;
    expected[kHeaderSize + 0x100] = 0xAA;
    expected[kHeaderSize + 0x101] = 0xBB;
    expected[kHeaderSize + 0x102] = 0xCC;
    EXPECT_EQ(ReadAll(output), expected);
    EXPECT_FALSE(fs::exists(m_dir / "out.dat.part"));
}

TEST_F(RadioSimTest, LockedAndLateRadio)
{
    SimProcess sim;
    ASSERT_TRUE(sim.start({"--locked", "--late-wakeup", "300", m_input.string()}));
    const std::string path = sim.firstLine();
    ASSERT_FALSE(path.empty());
    PtyTestClient client;
    ASSERT_TRUE(client.open(path));
    const auto t0 = std::chrono::steady_clock::now();
    ASSERT_TRUE(client.handshake());
    EXPECT_GE(std::chrono::steady_clock::now() - t0, std::chrono::milliseconds(300));
    const Bytes lock = client.exchange({'R', 0xCC, 0x00, 0x80}, 132);
    ASSERT_EQ(lock.size(), 132u);
    EXPECT_EQ(lock[4 + 8], 3);
    sim.signal(SIGINT);
    EXPECT_EQ(sim.wait(), 0);
}

TEST_F(RadioSimTest, DroppingTheLineEndsTheProgramAndStillSaves)
{
    const fs::path output = m_dir / "out.dat";
    SimProcess sim;
    ASSERT_TRUE(sim.start({"--hang-up-after", "0", "--save", output.string(), m_input.string()}));
    const std::string path = sim.firstLine();
    ASSERT_FALSE(path.empty());
    PtyTestClient client;
    ASSERT_TRUE(client.open(path));
    ASSERT_TRUE(client.handshake());
    ASSERT_EQ(client.exchange({'R', 0xCC, 0x00, 0x80}, 132).size(), 132u);
    client.port.purge();
    const std::uint8_t command[4] = {'R', 0x01, 0x00, 0x80};
    ASSERT_EQ(client.port.write(command, 4), 4);
    std::uint8_t buf[132];
    EXPECT_EQ(client.port.read(buf, 132), -1);
    EXPECT_EQ(sim.wait(), 0);
    EXPECT_EQ(ReadAll(output), m_file);
}

TEST_F(RadioSimTest, RefusesBadArgumentsAndFiles)
{
    const fs::path shortFile = m_dir / "short.dat";
    std::ofstream(shortFile, std::ios::binary).write("QM4410", 6);
    const struct {
        std::vector<std::string> args;
        int status;
    } cases[] = {
        {{}, 2},
        {{"--cut-reply", m_input.string()}, 2}, // the file name is no block number
        {{"--garbage", "-1", m_input.string()}, 2},
        {{"--bogus", m_input.string()}, 2},
        {{m_input.string(), m_input.string()}, 2},
        {{shortFile.string()}, 1},
        {{(m_dir / "missing.dat").string()}, 1},
    };
    for (const auto& c : cases) {
        SimProcess sim;
        ASSERT_TRUE(sim.start(c.args));
        EXPECT_EQ(sim.firstLine(), "");
        EXPECT_EQ(sim.wait(), c.status) << (c.args.empty() ? "" : c.args.front());
    }
}

} // namespace
