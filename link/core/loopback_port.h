#pragma once

#include "link/core/serial_port.h"
#include "link/core/timed_read.h"

class RadioEnd;

// The simulated radio behind the serial port interface: what the program's
// "SIM" port talks to (on the steady clock), and what tests may use on a fake
// clock. The radio and the clock belong to the caller and must outlive it.
class LoopbackPort : public SerialPort, private IncomingBytes {
public:
    LoopbackPort(RadioEnd& radio, LinkClock& clock);

    bool open(const std::string& name) override;
    bool isOpen() const override { return m_open; }
    void setQueueSizes(int, int) override {}
    void setTimeouts(const PortTimeouts& t) override { m_timeouts = t; }
    void setLine(const LineSettings&) override {}
    void purge() override;
    int read(std::uint8_t* buf, int n) override;
    int write(const std::uint8_t* buf, int n) override;
    void close() override { m_open = false; }

private:
    int take(std::uint8_t* out, int max, std::int64_t nowMs) override;
    std::optional<std::int64_t> nextDue() const override;
    bool failed() const override;

    RadioEnd& m_radio;
    LinkClock& m_clock;
    PortTimeouts m_timeouts;
    bool m_open = false;
};
