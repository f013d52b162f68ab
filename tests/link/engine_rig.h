#pragma once

// A transfer on the fake port and fake clock, with a UI that records what the
// dialog would have shown.

#include "link/core/sim_radio.h"
#include "link/core/transfer_engine.h"
#include "tests/support/fake_port.h"

#include <cstdio>
#include <memory>
#include <string>
#include <vector>

inline std::string Hex(const std::vector<std::uint8_t>& bytes)
{
    std::string s;
    for (std::uint8_t b : bytes) {
        char buf[4];
        std::snprintf(buf, sizeof buf, s.empty() ? "%02X" : " %02X", b);
        s += buf;
    }
    return s;
}

// Every write as hex, in order.
inline std::vector<std::string> WrittenHex(const FakePort& port)
{
    std::vector<std::string> out;
    for (const auto& w : port.writes())
        out.push_back(Hex(w));
    return out;
}

// The port's events as short tokens: "sleep 2", "purge", "w 4D 02", "w [32]", "r 16=16".
inline std::vector<std::string> Trace(const FakePort& port)
{
    std::vector<std::string> out;
    for (const PortEvent& e : port.events()) {
        switch (e.kind) {
        case PortEvent::Kind::Open: out.push_back("open"); break;
        case PortEvent::Kind::Setup: out.push_back("setup"); break;
        case PortEvent::Kind::Purge: out.push_back("purge"); break;
        case PortEvent::Kind::Sleep: out.push_back("sleep " + std::to_string(e.requested)); break;
        case PortEvent::Kind::Write:
            out.push_back(e.bytes.size() > 8 ? "w [" + std::to_string(e.bytes.size()) + "]" : "w " + Hex(e.bytes));
            break;
        case PortEvent::Kind::Read:
            out.push_back("r " + std::to_string(e.requested) + "=" + std::to_string(e.result));
            break;
        case PortEvent::Kind::Close: out.push_back("close"); break;
        }
    }
    return out;
}

struct RecordingUi : TransferUi {
    explicit RecordingUi(LinkFlags& f, FakePort& p) : flags(f), port(p) {}

    void disableStart() override { ++disableStartCalls; }
    void progress(int position, int total, const std::string& percentText) override
    {
        steps.push_back({position, total, percentText});
        if (onProgress)
            onProgress(position);
    }
    void showMessage(const std::string& text) override
    {
        messages.push_back(text);
        writesAtMessage = static_cast<int>(port.writes().size());
    }
    bool askPassword() override
    {
        ++passwordAsks;
        return CheckLinkPassword(typedPassword);
    }
    void finished(int result) override
    {
        ++finishedCalls;
        finishedResult = result;
        busyAtFinish = flags.busy.load();
        portOpenAtFinish = port.isOpen();
    }

    struct Step {
        int position;
        int total;
        std::string percent;
    };
    LinkFlags& flags;
    FakePort& port;
    std::string typedPassword = "5317KD";
    std::function<void(int)> onProgress;
    std::vector<Step> steps;
    std::vector<std::string> messages;
    int writesAtMessage = -1;
    int disableStartCalls = 0;
    int passwordAsks = 0;
    int finishedCalls = 0;
    int finishedResult = -1;
    bool busyAtFinish = true;
    bool portOpenAtFinish = true;
};

// Fills an image with a pattern that differs from block to block.
inline RadioImage Pattern(std::uint32_t seed)
{
    RadioImage image{};
    std::uint32_t x = seed * 2654435761u + 1;
    for (auto& b : image) {
        x = x * 1664525u + 1013904223u;
        b = static_cast<std::uint8_t>(x >> 24);
    }
    image[SimRadio::kLockAddress] = 0; // unlocked unless a test says otherwise
    return image;
}

struct EngineRig {
    EngineRig() { flags.busy = true; } // as Start leaves it

    // A radio on the line, holding `memory`.
    SimRadio& attachRadio(const RadioImage& memory, SimRadio::Faults faults = {})
    {
        radio = std::make_unique<SimRadio>(memory, faults);
        port.attach(*radio);
        return *radio;
    }

    TransferOutcome run(TransferMode mode, std::vector<TransferRange> ranges)
    {
        TransferJob job;
        job.mode = mode;
        job.ranges = std::move(ranges);
        job.portName = "COM3";
        job.cmdHead = [this] {
            ++cmdHeadReads;
            if (onCmdHead)
                onCmdHead(cmdHeadReads);
            return cmdHead;
        };
        TransferEngine engine(port, clock, ui, flags);
        engine.setTrace(trace);
        return engine.run(job, document);
    }

    FakeClock clock;
    FakePort port{clock};
    LinkFlags flags;
    RecordingUi ui{flags, port};
    std::unique_ptr<SimRadio> radio;
    TransferTrace* trace = nullptr;
    RadioImage document = Pattern(99);
    std::string cmdHead;
    std::function<void(int)> onCmdHead;
    int cmdHeadReads = 0;
};

// Every path ends the same way: port closed, busy clear before the dialog is
// told, told exactly once, nothing done on a closed port.
#define EXPECT_ENDED(rig, outcome, expectedResult)                                                                     \
    do {                                                                                                               \
        EXPECT_EQ((outcome).result, (expectedResult));                                                                 \
        EXPECT_EQ((rig).ui.finishedCalls, 1);                                                                          \
        EXPECT_EQ((rig).ui.finishedResult, (expectedResult));                                                          \
        EXPECT_FALSE((rig).ui.busyAtFinish);                                                                           \
        EXPECT_FALSE((rig).ui.portOpenAtFinish);                                                                       \
        EXPECT_FALSE((rig).flags.busy.load());                                                                         \
        EXPECT_FALSE((rig).port.isOpen());                                                                             \
        EXPECT_EQ((rig).port.misuse(), 0);                                                                             \
    } while (0)

// Expected traces of the opening steps.
inline std::vector<std::string> WakeTokens(const Handshake& h = kDefaultHandshake)
{
    std::vector<std::string> t;
    for (int i = 0; i < kWakeUpSize; ++i)
        for (const std::string& s :
             {std::string("sleep 2"), std::string("purge"), "w " + Hex({h[static_cast<std::size_t>(i)]})})
            t.push_back(s);
    return t;
}

// Wake-up answered at once, identification, acknowledge.
inline std::vector<std::string> PassTokens(const Handshake& h = kDefaultHandshake)
{
    std::vector<std::string> t = WakeTokens(h);
    for (const std::string& s :
         {std::string("r 1=1"), std::string("purge"), "w " + Hex({h[7], h[8]}), std::string("r 16=16"),
          std::string("purge"), std::string("w 41"), std::string("r 1=1")})
        t.push_back(s);
    return t;
}

inline std::vector<std::string> LockTokens()
{
    return {"purge", "w 52 CC 00 80", "r 4=4", "r 128=128", "sleep 10", "purge", "w 41", "r 1=1"};
}

inline void Append(std::vector<std::string>& to, const std::vector<std::string>& more)
{
    to.insert(to.end(), more.begin(), more.end());
}

// How many wake-up sequences went out (their first byte, written alone).
inline int WakeSequences(const FakePort& port, std::uint8_t first = 0x02)
{
    int n = 0;
    for (const auto& w : port.writes())
        n += w.size() == 1 && w[0] == first;
    return n;
}
