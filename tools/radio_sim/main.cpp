// radio-sim: serves a parameter file's memory as a radio on a pseudo-terminal,
// so that the programmer (or anything else speaking the protocol) can read and
// write it through a real serial port.
#include "document/radio_image.h"
#include "link/core/handshake.h"
#include "link/core/pty_sim_server.h"
#include "link/core/replay_radio.h"
#include "link/core/sim_radio.h"

#include <algorithm>
#include <cerrno>
#include <charconv>
#include <csignal>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace {

constexpr char kUsage[] = "usage: radio-sim [options] FILE.dat\n"
                          "       radio-sim --replay FILE.log\n"
                          "Serves the radio memory held in FILE.dat on a pseudo-terminal and prints the\n"
                          "device path to give the programmer as its port. Stop it with Ctrl+C.\n"
                          "With --replay, answers as the radio of a transfer log (programmer-cli --trace,\n"
                          "or the program's transfer log) did, as long as the programmer does what it did.\n"
                          "\n"
                          "  --locked            set the lock byte (0xCC08) to 3: transfers ask for the password\n"
                          "  --silent            never answer anything\n"
                          "  --late-wakeup MS    answer the wake-up MS milliseconds late\n"
                          "  --refuse-block K    answer data block K (counting from 0) with a refusal\n"
                          "  --cut-reply K       cut the reply to data block K short\n"
                          "  --garbage K         answer data block K with garbage\n"
                          "  --hang-up-after K   drop the line when data block K is asked for (after K blocks)\n"
                          "  --pace              take and send bytes at the real 38,400 bit/s\n"
                          "  --cmd-head FIELDS   answer to a handshake changed as by CMD_HEAD (e.g. 2,50,52)\n"
                          "  --save OUT.dat      on exit, write FILE.dat's header and the radio's memory to OUT.dat\n"
                          "  --replay FILE.log   answer as the logged radio did (no FILE.dat or other options)\n"
                          "  -h, --help          show this text\n";

struct Options {
    std::string input;
    std::string save;
    std::string replay;
    bool radioOptions = false; // any option that makes no sense with --replay
    SimRadio::Faults faults;
    bool locked = false;
    bool help = false;
    std::optional<std::string> cmdHead;
};

std::optional<int> Count(std::string_view text)
{
    int v = 0;
    const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), v);
    if (ec != std::errc() || end != text.data() + text.size() || v < 0)
        return std::nullopt;
    return v;
}

// Returns nothing after printing why the arguments are wrong.
std::optional<Options> ParseArgs(int argc, char** argv)
{
    Options o;
    const auto fail = [](const std::string& why) {
        std::fprintf(stderr, "radio-sim: %s\n%s", why.c_str(), kUsage);
        return std::nullopt;
    };
    for (int i = 1; i < argc; ++i) {
        const std::string_view a = argv[i];
        const auto value = [&]() -> const char* { return i + 1 < argc ? argv[++i] : nullptr; };
        const auto number = [&](int& field) {
            const char* v = value();
            const auto n = v ? Count(v) : std::nullopt;
            if (n)
                field = *n;
            return n.has_value();
        };
        if (a == "-h" || a == "--help") {
            o.help = true;
            return o;
        } else if (a == "--replay") {
            const char* v = value();
            if (!v)
                return fail("--replay needs a transfer log");
            o.replay = v;
            continue;
        } else if (a == "--locked") {
            o.locked = true;
        } else if (a == "--silent") {
            o.faults.silent = true;
        } else if (a == "--pace") {
            o.faults.pace = true;
        } else if (a == "--late-wakeup") {
            if (!number(o.faults.wakeupDelayMs))
                return fail("--late-wakeup needs a number of milliseconds");
        } else if (a == "--refuse-block") {
            if (!number(o.faults.refuseBlock))
                return fail("--refuse-block needs a block number");
        } else if (a == "--cut-reply") {
            if (!number(o.faults.cutReplyBlock))
                return fail("--cut-reply needs a block number");
        } else if (a == "--garbage") {
            if (!number(o.faults.garbageBlock))
                return fail("--garbage needs a block number");
        } else if (a == "--hang-up-after") {
            if (!number(o.faults.hangUpAfterBlocks))
                return fail("--hang-up-after needs a block count");
        } else if (a == "--cmd-head") {
            const char* v = value();
            if (!v)
                return fail("--cmd-head needs the comma-separated fields");
            o.cmdHead = v;
        } else if (a == "--save") {
            const char* v = value();
            if (!v)
                return fail("--save needs a file name");
            o.save = v;
        } else if (a.starts_with("-") && a.size() > 1) {
            return fail("unknown option " + std::string(a));
        } else if (o.input.empty()) {
            o.input = a;
            continue;
        } else {
            return fail("only one parameter file can be served");
        }
        o.radioOptions = true;
    }
    if (!o.replay.empty()) {
        if (!o.input.empty() || o.radioOptions)
            return fail("--replay plays a log back: it takes no parameter file and no other option");
        return o;
    }
    if (o.input.empty())
        return fail("no parameter file given");
    return o;
}

// Only a regular file (or a link to one): a directory, a device or a FIFO
// would fail to read, never end, or never open.
bool IsReadableFile(const std::string& path)
{
    std::error_code ec;
    const auto status = std::filesystem::status(path, ec);
    if (ec) {
        std::fprintf(stderr, "radio-sim: cannot open %s: %s\n", path.c_str(), ec.message().c_str());
        return false;
    }
    if (!std::filesystem::is_regular_file(status)) {
        std::fprintf(stderr, "radio-sim: %s is not a regular file\n", path.c_str());
        return false;
    }
    return true;
}

// At most `limit` bytes from the start of a regular file; nothing, after a
// message, when it cannot be read. A limit keeps /dev/zero and the like finite.
std::optional<std::string> ReadStart(const std::string& path, std::size_t limit)
{
    if (!IsReadableFile(path))
        return std::nullopt;
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        std::fprintf(stderr, "radio-sim: cannot open %s: %s\n", path.c_str(), std::strerror(errno));
        return std::nullopt;
    }
    std::string bytes(limit, '\0');
    in.read(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    bytes.resize(static_cast<std::size_t>(in.gcount()));
    if (in.bad()) {
        std::fprintf(stderr, "radio-sim: cannot read %s\n", path.c_str());
        return std::nullopt;
    }
    return bytes;
}

std::optional<std::vector<std::uint8_t>> ReadParamFile(const std::string& path)
{
    // One byte more than a parameter file holds is enough to tell it is too long.
    const auto text = ReadStart(path, kParamFileSize + 1);
    if (!text)
        return std::nullopt;
    std::vector<std::uint8_t> bytes(text->begin(), text->end());
    // A short file would leave part of the radio's memory undefined.
    if (bytes.size() != kParamFileSize) {
        std::fprintf(stderr, "radio-sim: %s holds %zu bytes; a parameter file holds %zu\n", path.c_str(), bytes.size(),
                     kParamFileSize);
        return std::nullopt;
    }
    if (!HasSignature(bytes.data()))
        std::fprintf(stderr, "radio-sim: warning: %s does not start with the model's signature\n", path.c_str());
    return bytes;
}

std::optional<ReplayScript> ReadTransferLog(const std::string& path)
{
    // A whole read logs well under 2 MB; far more is not a transfer log.
    constexpr std::size_t kMaxLog = 64u << 20;
    const auto text = ReadStart(path, kMaxLog + 1);
    if (!text)
        return std::nullopt;
    if (text->size() > kMaxLog) {
        std::fprintf(stderr, "radio-sim: %s is too large for a transfer log\n", path.c_str());
        return std::nullopt;
    }
    std::string error;
    auto script = ParseTransferLog(*text, &error);
    if (!script) {
        std::fprintf(stderr, "radio-sim: %s is not a transfer log: %s\n", path.c_str(), error.c_str());
        return std::nullopt;
    }
    if (script->steps.empty()) {
        std::fprintf(stderr, "radio-sim: %s holds no transfer\n", path.c_str());
        return std::nullopt;
    }
    return script;
}

// Written beside the target first, so a failed save leaves no half file.
bool SaveParamFile(const std::string& path, const std::uint8_t* header, const RadioImage& memory)
{
    const std::string temp = path + ".part";
    {
        std::ofstream out(temp, std::ios::binary | std::ios::trunc);
        out.write(reinterpret_cast<const char*>(header), kHeaderSize);
        out.write(reinterpret_cast<const char*>(memory.data()), kImageSize);
        out.close();
        if (!out) {
            std::fprintf(stderr, "radio-sim: cannot write %s\n", temp.c_str());
            std::remove(temp.c_str());
            return false;
        }
    }
    if (std::rename(temp.c_str(), path.c_str()) != 0) {
        std::fprintf(stderr, "radio-sim: cannot write %s: %s\n", path.c_str(), std::strerror(errno));
        std::remove(temp.c_str());
        return false;
    }
    return true;
}

PtySimServer* g_server = nullptr;

extern "C" void OnStopSignal(int)
{
    if (g_server)
        g_server->stop();
}

void CatchStopSignals()
{
    struct sigaction sa {};
    sa.sa_handler = OnStopSignal;
    sigemptyset(&sa.sa_mask);
    for (int sig : {SIGINT, SIGTERM, SIGHUP})
        sigaction(sig, &sa, nullptr);
}

std::optional<PtySimServer::End> Serve(PtySimServer& server, const std::string& what)
{
    std::string error;
    if (!server.open(&error)) {
        std::fprintf(stderr, "radio-sim: no pseudo-terminal: %s\n", error.c_str());
        return std::nullopt;
    }
    g_server = &server;
    CatchStopSignals();

    // The path alone on standard output, for scripts; the rest goes to the terminal.
    std::printf("%s\n", server.devicePath().c_str());
    std::fflush(stdout);
    std::fprintf(stderr, "radio-sim: serving %s on %s; give the programmer that port. Ctrl+C stops.\n", what.c_str(),
                 server.devicePath().c_str());
    const PtySimServer::End end = server.serve();
    g_server = nullptr;
    switch (end) {
    case PtySimServer::End::Stopped: std::fprintf(stderr, "radio-sim: stopped"); break;
    case PtySimServer::End::HungUp: std::fprintf(stderr, "radio-sim: dropped the line as asked"); break;
    case PtySimServer::End::Failed:
        std::fprintf(stderr, "radio-sim: the pseudo-terminal failed: %s", std::strerror(errno));
        break;
    }
    return end;
}

int Replay(const std::string& log)
{
    auto script = ReadTransferLog(log);
    if (!script)
        return 1;
    ReplayRadio radio(std::move(*script));
    PtySimServer server(radio);
    const auto end = Serve(server, "the radio of " + log);
    if (!end)
        return 1;
    std::fprintf(stderr, " after %d of the log's %d writes\n", radio.stepsPlayed(), radio.steps());
    if (!radio.divergence().empty())
        std::fprintf(stderr, "radio-sim: the programmer left the log: %s\n", radio.divergence().c_str());
    return *end == PtySimServer::End::Failed ? 1 : 0;
}

} // namespace

int main(int argc, char** argv)
{
    const auto options = ParseArgs(argc, argv);
    if (!options)
        return 2;
    if (options->help) {
        std::fputs(kUsage, stdout);
        return 0;
    }
    if (!options->replay.empty())
        return Replay(options->replay);
    const auto file = ReadParamFile(options->input);
    if (!file)
        return 1;

    auto memory = std::make_unique<RadioImage>();
    std::copy(file->begin() + kHeaderSize, file->end(), memory->begin());
    SimRadio radio(*memory, options->faults);
    if (options->locked)
        radio.setLocked(true);
    if (options->cmdHead)
        radio.setHandshake(ParseCmdHead(*options->cmdHead));

    PtySimServer server(radio);
    const auto end = Serve(server, options->input);
    if (!end)
        return 1;
    const int status = *end == PtySimServer::End::Failed ? 1 : 0;
    std::fprintf(stderr, " after %d data block(s), %d wake-up(s)%s%s\n", radio.dataBlocks(), radio.wakeUps(),
                 radio.sawEndRead() ? ", ENDR" : "", radio.sawEndWrite() ? ", ENDW" : "");

    if (!options->save.empty()) {
        if (!SaveParamFile(options->save, file->data(), radio.memory()))
            return 1;
        std::fprintf(stderr, "radio-sim: saved the radio's memory to %s\n", options->save.c_str());
    }
    return status;
}
