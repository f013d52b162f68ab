// link-check: reads or writes a whole radio image through the transfer engine
// over the platform's own serial port, without Qt. Built for Windows with
// MinGW, it runs under Wine against radio-sim on a pseudo-terminal; built
// natively, it drives the POSIX port the same way.
#include "document/radio_image.h"
#include "link/core/handshake.h"
#include "link/core/steady_link_clock.h"
#include "link/core/transfer_engine.h"
#include "link/core/transfer_plan.h"

#ifdef _WIN32
#include "link/core/port_win.h"
#else
#include "link/core/port_posix.h"
#endif

#include <chrono>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace {

constexpr int kExitFailure = 1;
constexpr int kExitUsage = 2;

constexpr char kUsage[] = "usage: link-check read PORT OUT.bin [--password TEXT]\n"
                          "       link-check write PORT IN [--password TEXT]\n"
                          "read writes the raw 65,536-byte image (bytes outside the read range are 0xFF),\n"
                          "and nothing when the read fails; write sends a raw image or a 69,632-byte\n"
                          "parameter file. Exit status 0 on success, 1 on failure.\n";

class ConsoleUi : public TransferUi {
public:
    explicit ConsoleUi(std::optional<std::string> password) : m_password(std::move(password)) {}
    void disableStart() override {}
    void progress(int position, int total, const std::string& percentText) override
    {
        const int tenth = total > 0 ? position * 10 / total : 10;
        if (tenth != m_lastTenth || position == total)
            std::fprintf(stderr, "%s (%d of %d blocks)\n", percentText.c_str(), position, total);
        m_lastTenth = tenth;
        m_blocks = position;
    }
    void showMessage(const std::string& text) override { std::fprintf(stderr, "link-check: %s\n", text.c_str()); }
    void portOpenFailed(const std::string& port, const PortOpenFailure& failure) override
    {
        std::fprintf(stderr, "link-check: %s: %s%s%s\n", kOpenPortFailMessage, port.c_str(),
                     failure.reason.empty() ? "" : ": ", failure.reason.c_str());
    }
    bool askPassword() override
    {
        if (!m_password) {
            std::fputs("link-check: the radio is locked; give its password with --password\n", stderr);
            return false;
        }
        if (!CheckLinkPassword(*m_password)) {
            std::fputs("link-check: wrong password; nothing was transferred\n", stderr);
            return false;
        }
        return true;
    }
    void finished(int) override {}
    int blocks() const { return m_blocks; }

private:
    std::optional<std::string> m_password;
    int m_lastTenth = -1;
    int m_blocks = 0;
};

std::optional<std::vector<std::uint8_t>> ReadFile(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    if (!in)
        return std::nullopt;
    return std::vector<std::uint8_t>(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

// Written beside the target and renamed over it: a failed run leaves no half file.
bool WriteFile(const std::string& path, const RadioImage& image)
{
    const std::string temp = path + ".part";
    {
        std::ofstream out(temp, std::ios::binary | std::ios::trunc);
        out.write(reinterpret_cast<const char*>(image.data()), static_cast<std::streamsize>(image.size()));
        if (!out.flush())
            return false;
    }
    std::error_code ec;
    std::filesystem::rename(temp, path, ec);
    if (ec)
        std::filesystem::remove(temp, ec);
    return !ec;
}

} // namespace

int main(int argc, char** argv)
{
    std::vector<std::string_view> positional;
    std::optional<std::string> password;
    for (int i = 1; i < argc; ++i) {
        const std::string_view a = argv[i];
        if (a == "--password" && i + 1 < argc) {
            password = argv[++i];
        } else if (a.starts_with("--")) {
            std::fputs(kUsage, stderr);
            return kExitUsage;
        } else {
            positional.push_back(a);
        }
    }
    if (positional.size() != 3 || (positional[0] != "read" && positional[0] != "write")) {
        std::fputs(kUsage, stderr);
        return kExitUsage;
    }
    const bool reading = positional[0] == "read";
    const std::string path(positional[2]);

    auto image = std::make_unique<RadioImage>();
    image->fill(0xFF);
    if (!reading) {
        const auto bytes = ReadFile(path);
        if (!bytes) {
            std::fprintf(stderr, "link-check: cannot read %s\n", path.c_str());
            return kExitFailure;
        }
        if (bytes->size() != kImageSize && bytes->size() != kParamFileSize) {
            std::fprintf(stderr, "link-check: %s holds %zu bytes; an image holds %zu, a parameter file %zu\n",
                         path.c_str(), bytes->size(), kImageSize, kParamFileSize);
            return kExitFailure;
        }
        std::copy(bytes->end() - static_cast<std::ptrdiff_t>(kImageSize), bytes->end(), image->begin());
    }

    TransferJob job;
    job.mode = reading ? TransferMode::Read : TransferMode::Write;
    job.ranges = reading ? FullReadRanges() : FullWriteRanges(false);
    job.portName = std::string(positional[1]);
    job.cmdHead = [] { return std::string(); };

#ifdef _WIN32
    WinSerialPort port;
#else
    PosixSerialPort port;
#endif
    SteadyLinkClock clock;
    ConsoleUi ui(password);
    LinkFlags flags;
    if (!TryBeginTransfer(flags))
        return kExitFailure;
    TransferEngine engine(port, clock, ui, flags);
    const auto start = std::chrono::steady_clock::now();
    TransferOutcome outcome = engine.run(job, *image);
    const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();

    const bool ok = outcome.result == 1;
    std::printf("%s %s: %d of %d blocks in %.1f s: %s\n", reading ? "read" : "write", job.portName.c_str(), ui.blocks(),
                CountBlocks(job.ranges), seconds, ok ? "done" : "failed");
    if (!ok)
        return kExitFailure;
    if (reading) {
        ApplyRanges(*outcome.received, job.ranges, *image);
        if (!WriteFile(path, *image)) {
            std::fprintf(stderr, "link-check: cannot write %s\n", path.c_str());
            return kExitFailure;
        }
    }
    return 0;
}
