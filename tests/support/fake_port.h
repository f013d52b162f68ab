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

class RadioEnd;

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

    void attach(RadioEnd& radio);
    // Queues bytes from the radio, due delayMs from now (after any queued before).
    void reply(std::span<const std::uint8_t> bytes, int delayMs = 0);
    void reply(std::initializer_list<std::uint8_t> bytes, int delayMs = 0);
    // Called after every write that reached the line, with the bytes written.
    std::function<void(FakePort&, std::span<const std::uint8_t>)> onWrite;
    // Rewrites the attached radio's answer to each write before it goes on the
    // line (the radio must be unpaced: the answer is due at once).
    std::function<void(std::span<const std::uint8_t> written, std::vector<std::uint8_t>& answer)> tamper;

    void setOpenFails(bool fails) { m_openFails = fails; }
    // The device dies once `n` more bytes have been written; the write that
    // crosses the mark gets its first bytes out and returns -1.
    void failAfterBytes(int n) { m_bytesLeft = n; }
    // The cable is pulled: every read and write fails from now on.
    void unplug() { m_unplugged = true; }
    bool unplugged() const { return m_unplugged; }

    const std::vector<PortEvent>& events() const { return m_events; }
    std::vector<std::vector<std::uint8_t>> writes() const; // bytes of each write that got out
    int purges() const;
    int misuse() const { return m_misuse; } // reads and writes while closed
    const std::string& openedName() const { return m_name; }
    const PortTimeouts& timeouts() const { return m_timeouts; }
    const LineSettings& line() const { return m_line; }
    int queueIn() const { return m_queueIn; }
    int queueOut() const { return m_queueOut; }

    bool open(const std::string& name) override;
    bool isOpen() const override { return m_open; }
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
    bool fromRadio() const { return m_radio && !tamper; }
    void log(PortEvent::Kind kind, std::vector<std::uint8_t> bytes = {}, int requested = 0, int result = 0);

    FakeClock& m_clock;
    RadioEnd* m_radio = nullptr;
    std::deque<Pending> m_queued;
    std::vector<PortEvent> m_events;
    PortTimeouts m_timeouts;
    LineSettings m_line;
    std::string m_name;
    int m_queueIn = 0;
    int m_queueOut = 0;
    bool m_open = false;
    bool m_reading = false;
    bool m_openFails = false;
    bool m_unplugged = false;
    int m_bytesLeft = -1;
    int m_misuse = 0;
};
