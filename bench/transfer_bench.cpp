// Times full reads and writes through the real serial port code against the
// simulated radio on a pseudo-terminal, and compares them with the protocol's
// floor: every byte on the wire at 3,840 bytes/s plus the pauses the protocol
// mandates. Prints its figures; it passes or fails nothing.
#include "link/core/port_posix.h"
#include "link/core/pty_sim_server.h"
#include "link/core/sim_radio.h"
#include "link/core/steady_link_clock.h"
#include "link/core/transfer_engine.h"
#include "link/core/transfer_plan.h"

#include <chrono>
#include <cstdio>
#include <memory>
#include <thread>

namespace {

constexpr double kBytesPerSecond = 38400.0 / 10.0;

class QuietUi : public TransferUi {
public:
    void disableStart() override {}
    void progress(int, int, const std::string&) override {}
    void showMessage(const std::string& text) override { std::fprintf(stderr, "message: %s\n", text.c_str()); }
    bool askPassword() override { return false; }
    void finished(int) override {}
};

struct Floor {
    double wireSeconds = 0;
    double pauseSeconds = 0;
    double total() const { return wireSeconds + pauseSeconds; }
};

// Bytes both ways and mandated pauses of one transfer with an unlocked radio.
Floor ProtocolFloor(TransferMode mode, const std::vector<TransferRange>& ranges)
{
    long bytes = 0;
    double pausesMs = 0;
    const long pass = (7 + 1) + (2 + 16) + (1 + 1); // wake-up, identification, acknowledge
    bytes += 2 * pass;
    pausesMs += 2 * 7 * 2.0;      // 2 ms before each wake-up byte
    bytes += 4 + 4 + 128 + 1 + 1; // lock block and its acknowledge
    pausesMs += 10;
    for (const TransferBlock& b : DivideIntoBlocks(ranges)) {
        if (mode == TransferMode::Read) {
            bytes += 4 + 4 + b.length + 1 + 1;
            pausesMs += 10;
        } else {
            bytes += 4 + b.length + 1;
        }
    }
    bytes += 4; // end command
    return {bytes / kBytesPerSecond, pausesMs / 1000.0};
}

double TimeTransfer(TransferMode mode, const std::vector<TransferRange>& ranges, bool pace, bool& ok)
{
    auto memory = std::make_unique<RadioImage>();
    for (std::size_t i = 0; i < kImageSize; ++i)
        (*memory)[i] = static_cast<std::uint8_t>(i * 31 + 7);
    (*memory)[0xCC08] = 0;
    SimRadio::Faults faults;
    faults.pace = pace;
    SimRadio radio(*memory, faults);
    PtySimServer server(radio);
    std::string error;
    if (!server.open(&error)) {
        std::fprintf(stderr, "no pseudo-terminal: %s\n", error.c_str());
        ok = false;
        return 0;
    }
    std::thread serving([&server] { server.serve(); });

    PosixSerialPort port;
    SteadyLinkClock clock;
    QuietUi ui;
    LinkFlags flags;
    TryBeginTransfer(flags);
    TransferJob job;
    job.mode = mode;
    job.ranges = ranges;
    job.portName = server.devicePath();
    job.cmdHead = [] { return std::string(); };
    TransferEngine engine(port, clock, ui, flags);
    auto start = std::chrono::steady_clock::now();
    TransferOutcome outcome = engine.run(job, *memory);
    double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    server.stop();
    serving.join();
    ok = outcome.result == 1;
    return seconds;
}

void Report(const char* name, TransferMode mode, const std::vector<TransferRange>& ranges)
{
    const Floor floor = ProtocolFloor(mode, ranges);
    bool ok = false;
    double paced = TimeTransfer(mode, ranges, true, ok);
    std::printf("%-6s paced at 38,400 bit/s: %7.3f s, floor %7.3f s (wire %.3f s + pauses %.3f s), ratio %.4f%s\n",
                name, paced, floor.total(), floor.wireSeconds, floor.pauseSeconds, paced / floor.total(),
                ok ? "" : "  (TRANSFER FAILED)");
    double unpaced = TimeTransfer(mode, ranges, false, ok);
    const int blocks = CountBlocks(ranges);
    std::printf("%-6s unpaced: %7.3f s in all, %.3f ms per block beyond the mandated pauses%s\n", name, unpaced,
                (unpaced - floor.pauseSeconds) * 1000.0 / blocks, ok ? "" : "  (TRANSFER FAILED)");
}

} // namespace

int main()
{
    Report("read", TransferMode::Read, FullReadRanges());
    Report("write", TransferMode::Write, FullWriteRanges(false));
    return 0;
}
