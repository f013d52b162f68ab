// Feeds arbitrary radio answers to the transfer engine on the fake port and
// fake clock. Two ways: answers made entirely of fuzz bytes, or a simulated
// radio whose answers the fuzz input drops, cuts, garbles or delays. Whatever
// comes back, the engine must end (busy clear, port closed, told once), never
// report success without the whole exchange, and never let a byte into the
// staging image that did not arrive as data of the block it belongs to.

#include "link/core/sim_radio.h"
#include "link/core/transfer_engine.h"
#include "tests/support/fake_port.h"

#include <fuzzer/FuzzedDataProvider.h>

#include <algorithm>
#include <cstdlib>
#include <memory>

namespace {

void Check(bool ok)
{
    if (!ok)
        std::abort();
}

struct Ui : TransferUi {
    explicit Ui(LinkFlags& f, FuzzedDataProvider& d) : flags(f), data(d) {}
    void disableStart() override {}
    void progress(int position, int total, const std::string& percent) override
    {
        Check(position == ++steps && position <= total);
        Check(percent == std::to_string(position * 100 / total) + "%");
        if (data.remaining_bytes() > 0 && data.ConsumeIntegralInRange<int>(0, 63) == 0)
            flags.cancel = true;
    }
    void showMessage(const std::string& text) override
    {
        Check(text == kOpenPortFailMessage || text == kCommunicationErrorMessage);
        ++messages;
    }
    bool askPassword() override { return data.ConsumeBool(); }
    void finished(int result) override
    {
        Check(!flags.busy && finishedCalls++ == 0);
        finishedResult = result;
    }
    LinkFlags& flags;
    FuzzedDataProvider& data;
    int steps = 0;
    int messages = 0;
    int finishedCalls = 0;
    int finishedResult = -1;
};

std::vector<TransferRange> PickRanges(FuzzedDataProvider& data)
{
    switch (data.ConsumeIntegralInRange<int>(0, 4)) {
    case 0: return FullReadRanges();
    case 1: return FullWriteRanges(data.ConsumeBool());
    case 2: return {kCustomDataRange};
    case 3: {
        std::vector<TransferRange> r;
        const int n = data.ConsumeIntegralInRange<int>(0, 17);
        for (int i = 0; i < n; ++i) {
            std::uint32_t a = data.ConsumeIntegralInRange<std::uint32_t>(0, 0x10001);
            std::uint32_t b = data.ConsumeIntegralInRange<std::uint32_t>(0, 0x10001);
            r.push_back({a, b});
        }
        return r;
    }
    default: return {{0x0100, 0x0300}, {0xCC00, 0xCC80}};
    }
}

// Rebuilds what the staging image must hold from the port's log: the seed,
// with each read block's data where that block's reply arrived in full.
RadioImage ExpectedStaging(const FakePort& port, const RadioImage& seed)
{
    RadioImage expected = seed;
    const auto& ev = port.events();
    int idents = 0;
    for (std::size_t i = 0; i < ev.size(); ++i) {
        const PortEvent& e = ev[i];
        if (e.kind != PortEvent::Kind::Write)
            continue;
        idents += e.bytes.size() == 2;
        if (idents < 2 || e.bytes.size() != 4 || e.bytes[0] != 'R' || e.result < 0)
            continue;
        const std::uint32_t address = static_cast<std::uint32_t>(e.bytes[1] << 8 | e.bytes[2]);
        const int length = e.bytes[3];
        if (i + 2 >= ev.size() || ev[i + 1].kind != PortEvent::Kind::Read || ev[i + 2].kind != PortEvent::Kind::Read)
            continue;
        if (ev[i + 1].result != 4 || ev[i + 2].result != length)
            continue;
        std::copy(ev[i + 2].bytes.begin(), ev[i + 2].bytes.end(), expected.begin() + address);
    }
    return expected;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* bytes, std::size_t size)
{
    FuzzedDataProvider data(bytes, size);
    const TransferMode mode = data.ConsumeBool() ? TransferMode::Read : TransferMode::Write;
    const bool simulated = data.ConsumeBool();
    const std::vector<TransferRange> ranges = PickRanges(data);
    std::string cmdHead = data.ConsumeBool() ? data.ConsumeRandomLengthString(40) : std::string();

    FakeClock clock;
    FakePort port(clock);
    LinkFlags flags;
    Ui ui(flags, data);
    RadioImage image{};
    for (std::size_t i = 0; i < image.size(); ++i)
        image[i] = static_cast<std::uint8_t>(i * 7 + 3);
    const RadioImage seed = image;

    std::unique_ptr<SimRadio> radio;
    if (simulated) {
        radio = std::make_unique<SimRadio>(seed);
        radio->setHandshake(ParseCmdHead(cmdHead));
        radio->setLocked(data.ConsumeBool());
        port.attach(*radio);
        port.tamper = [&](std::span<const std::uint8_t>, std::vector<std::uint8_t>& answer) {
            if (data.remaining_bytes() == 0)
                return;
            switch (data.ConsumeIntegralInRange<int>(0, 15)) {
            case 0: answer.clear(); break;
            case 1: answer.resize(data.ConsumeIntegralInRange<std::size_t>(0, answer.size())); break;
            case 2:
                if (!answer.empty())
                    answer[data.ConsumeIntegralInRange<std::size_t>(0, answer.size() - 1)] ^=
                        data.ConsumeIntegral<std::uint8_t>();
                break;
            case 3: {
                const auto extra = data.ConsumeBytes<std::uint8_t>(data.ConsumeIntegral<std::uint8_t>());
                answer.insert(answer.end(), extra.begin(), extra.end());
                break;
            }
            case 4: port.unplug(); break;
            default: break;
            }
        };
    } else {
        port.onWrite = [&](FakePort& p, std::span<const std::uint8_t>) {
            if (data.remaining_bytes() == 0)
                return;
            const int delay = data.ConsumeIntegralInRange<int>(0, 900);
            const auto answer = data.ConsumeBytes<std::uint8_t>(data.ConsumeIntegralInRange<int>(0, 140));
            p.reply(answer, delay);
            if (data.ConsumeIntegralInRange<int>(0, 255) == 0)
                p.unplug();
        };
    }
    port.setOpenFails(data.ConsumeIntegralInRange<int>(0, 31) == 0);

    TransferJob job;
    job.mode = mode;
    job.ranges = ranges;
    job.portName = "FUZZ";
    job.cmdHead = [&] { return cmdHead; };
    flags.busy = true;
    TransferEngine engine(port, clock, ui, flags);
    const TransferOutcome outcome = engine.run(job, image);

    Check(outcome.result == 0 || outcome.result == 1);
    Check(!flags.busy && !port.isOpen() && port.misuse() == 0);
    Check(ui.finishedCalls == 1 && ui.finishedResult == outcome.result);
    Check(ui.messages <= 1);
    Check(image == seed); // the caller's image is never written
    Check((outcome.received != nullptr) == (mode == TransferMode::Read));

    const auto writes = port.writes();
    const std::vector<std::uint8_t> endRead = {'E', 'N', 'D', 'R'};
    const std::vector<std::uint8_t> endWrite = {'E', 'N', 'D', 'W'};
    if (outcome.result == 1) {
        Check(ui.messages == 0 && RangesAreValid(ranges));
        Check(ui.steps == CountBlocks(ranges));
        Check(!writes.empty() && writes.back() == (mode == TransferMode::Read ? endRead : endWrite));
    } else {
        Check(std::find(writes.begin(), writes.end(), endRead) == writes.end());
    }
    if (mode == TransferMode::Read)
        Check(*outcome.received == ExpectedStaging(port, seed));
    return 0;
}
