#pragma once

#include "link/core/serial_port.h"

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

// The transfer log: one line an event, for bug reports and for replaying a
// radio's answers. Lines look like
//
//   # comment (the header)
//      614  PC->radio  02 50 52
//      764  radio->PC  1/1 150ms  41       got/asked, how long the read took
//      764  radio->PC  failed
//      766  purge
//      766  --  wake-up attempt 2          the engine's state and decisions
//
// Times are milliseconds since the log began. Nothing the user types goes in:
// the protocol never carries the password, and the log only sees the port.
class TransferTrace {
public:
    using Sink = std::function<void(std::string_view line)>; // one line, without its newline

    TransferTrace(LinkClock& clock, Sink sink);

    void comment(std::string_view text);
    void note(std::string_view text);
    void sent(const std::uint8_t* bytes, int n, int result);
    // A read of `asked` bytes that started at startMs and returned `got` (-1: failed).
    void received(const std::uint8_t* bytes, int asked, int got, std::int64_t startMs);
    void purged();

    LinkClock& clock() { return m_clock; }

private:
    void line(std::string_view tag, std::string_view rest);

    LinkClock& m_clock;
    Sink m_sink;
    std::int64_t m_start;
};

// A port that tells a trace everything that passes through it.
class TracingPort : public SerialPort {
public:
    TracingPort(SerialPort& port, TransferTrace& trace) : m_port(port), m_trace(trace) {}

    PortOpenFailure openFailure() const override { return m_port.openFailure(); }
    bool open(const std::string& name) override;
    bool isOpen() const override { return m_port.isOpen(); }
    void setQueueSizes(int inBytes, int outBytes) override { m_port.setQueueSizes(inBytes, outBytes); }
    void setTimeouts(const PortTimeouts& t) override { m_port.setTimeouts(t); }
    void setLine(const LineSettings& s) override { m_port.setLine(s); }
    void purge() override;
    int read(std::uint8_t* buf, int n) override;
    int write(const std::uint8_t* buf, int n) override;
    void close() override;

private:
    SerialPort& m_port;
    TransferTrace& m_trace;
};

// What a log says the radio did, as answers to the PC's writes: after the
// bytes of a step arrive, each answer falls due `afterMs` later.
struct ReplayStep {
    struct Answer {
        std::int64_t afterMs = 0;
        std::vector<std::uint8_t> bytes;
    };
    std::vector<std::uint8_t> expect; // what the PC wrote
    std::vector<Answer> answers;
    std::optional<std::int64_t> hangUpAfterMs; // the line failed
    int line = 0;                              // of the write in the log, for messages
};

struct ReplayScript {
    std::vector<ReplayStep> steps;
};

// Bytes as the log writes them: "02 50 52".
std::string TraceHex(const std::uint8_t* bytes, int n);

// Reads a transfer log; nothing, with the line and the reason in *error,
// when a line is not one the log writes.
std::optional<ReplayScript> ParseTransferLog(std::string_view text, std::string* error);
