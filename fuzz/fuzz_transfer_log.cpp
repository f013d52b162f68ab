// Feeds arbitrary text to radio-sim's replay as a transfer log: parsing never
// fails other than by saying so, and a transfer against whatever radio a log
// describes ends as every transfer must (busy clear, port closed, told once),
// logging as it goes.

#include "link/core/replay_radio.h"
#include "link/core/transfer_engine.h"
#include "link/core/transfer_trace.h"
#include "tests/support/fake_port.h"

#include <cstdlib>
#include <string>
#include <string_view>

namespace {

void Check(bool ok)
{
    if (!ok)
        std::abort();
}

struct Ui : TransferUi {
    explicit Ui(LinkFlags& f) : flags(f) {}
    void disableStart() override {}
    void progress(int, int, const std::string&) override {}
    void showMessage(const std::string&) override { ++messages; }
    bool askPassword() override { return true; }
    void finished(int) override { Check(!flags.busy && finishedCalls++ == 0); }
    LinkFlags& flags;
    int messages = 0;
    int finishedCalls = 0;
};

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* bytes, std::size_t size)
{
    const std::string_view text(reinterpret_cast<const char*>(bytes), size);
    std::string error;
    auto script = ParseTransferLog(text, &error);
    if (!script) {
        Check(error.starts_with("line "));
        return 0;
    }
    ReplayRadio radio(std::move(*script));
    FakeClock clock;
    FakePort port(clock);
    port.attach(radio);
    LinkFlags flags;
    Ui ui(flags);
    std::size_t logged = 0;
    TransferTrace trace(clock, [&logged](std::string_view line) {
        Check(line.find('\n') == std::string_view::npos);
        logged += line.size();
    });
    TransferJob job;
    job.mode = size % 2 ? TransferMode::Read : TransferMode::Write;
    job.ranges = {{0x0100, 0x0300}, {0xCC00, 0xCC80}};
    job.portName = "FUZZ";
    flags.busy = true;
    TransferEngine engine(port, clock, ui, flags);
    engine.setTrace(&trace);
    const RadioImage image{};
    const TransferOutcome outcome = engine.run(job, image);
    Check(outcome.result == 0 || outcome.result == 1);
    Check(!flags.busy && !port.isOpen() && port.misuse() == 0 && ui.finishedCalls == 1 && ui.messages <= 1);
    Check(logged > 0);
    return 0;
}
