#pragma once

#include "link/core/serial_port.h"
#include "link/core/timed_read.h"
#include "tests/support/fake_clock.h"

#include <cstdint>
#include <deque>
#include <functional>
#include <span>
#include <string>
#include <vector>

class SimRadio;

// What the fake port saw, in order.
struct PortEvent {
    enum class Kind { Open, Setup, Purge, Write, Read, Sleep, Close };
    Kind kind = Kind::Open;
    std::int64_t atMs = 0;           // when it began
    std::vector<std::uint8_t> bytes; // written, or read
    int requested = 0;               // read: count asked for; sleep: milliseconds
    int result = 0;                  // count returned (-1: device failure)
};

// An in-memory serial port on a FakeClock. Its replies come either from an
// attached SimRadio or from bytes the test queues (typically from onWrite).
// Reads keep the driver's interval and total time-outs against the clock.
class FakePort : public SerialPort, private IncomingBytes {
public:
    explicit FakePort(FakeClock& clock);
    ~FakePort() override;
    FakePort(const FakePort&) = delete;
    FakePort& operator=(const FakePort&) = delete;

    void attach(SimRadio& radio);
    // Queues bytes from the radio, due delayMs from now (after any queued before).
    void reply(std::span<const std::uint8_t> bytes, int delayMs = 0);
    void reply(std::initializer_list<std::uint8_t> bytes, int delayMs = 0);
    // Called after every write that reached the line, with the bytes written.
    std::function<void(FakePort&, std::span<const std::uint8_t>)> onWrite;
    // Rewrites the attached radio's answer to each write before it goes on the
    // line (the radio must be unpaced: the answer is due at once).
    std::function<void(std::span<const std::uint8_t> written, std::vector<std::uint8_t>& answer)> tamper;

    void setOpenFails(bool fails) { openFails_ = fails; }
    // The device dies once `n` more bytes have been written; the write that
    // crosses the mark gets its first bytes out and returns -1.
    void failAfterBytes(int n) { bytesLeft_ = n; }
    // The cable is pulled: every read and write fails from now on.
    void unplug() { unplugged_ = true; }
    bool unplugged() const { return unplugged_; }

    const std::vector<PortEvent>& events() const { return events_; }
    std::vector<std::vector<std::uint8_t>> writes() const; // bytes of each write that got out
    int purges() const;
    int misuse() const { return misuse_; } // reads and writes while closed
    const std::string& openedName() const { return name_; }
    const PortTimeouts& timeouts() const { return timeouts_; }
    const LineSettings& line() const { return line_; }
    int queueIn() const { return queueIn_; }
    int queueOut() const { return queueOut_; }

    bool open(const std::string& name) override;
    bool isOpen() const override { return open_; }
    void setQueueSizes(int inBytes, int outBytes) override;
    void setTimeouts(const PortTimeouts& t) override;
    void setLine(const LineSettings& s) override;
    void purge() override;
    int read(std::uint8_t* buf, int n) override;
    int write(const std::uint8_t* buf, int n) override;
    void close() override;

private:
    struct Pending {
        std::int64_t dueMs;
        std::uint8_t byte;
    };
    int take(std::uint8_t* out, int max, std::int64_t nowMs) override;
    std::optional<std::int64_t> nextDue() const override;
    bool failed() const override;
    bool fromRadio() const { return radio_ && !tamper; }
    void log(PortEvent::Kind kind, std::vector<std::uint8_t> bytes = {}, int requested = 0, int result = 0);

    FakeClock& clock_;
    SimRadio* radio_ = nullptr;
    std::deque<Pending> queued_;
    std::vector<PortEvent> events_;
    PortTimeouts timeouts_;
    LineSettings line_;
    std::string name_;
    int queueIn_ = 0;
    int queueOut_ = 0;
    bool open_ = false;
    bool reading_ = false;
    bool openFails_ = false;
    bool unplugged_ = false;
    int bytesLeft_ = -1;
    int misuse_ = 0;
};
