#pragma once

#include "link/core/serial_port.h"

#include <cstdint>
#include <optional>

// The far end of an in-memory line: bytes that become due at known times.
class IncomingBytes {
public:
    virtual ~IncomingBytes() = default;
    // Moves the bytes due by nowMs into out (at most max); returns the count.
    virtual int take(std::uint8_t* out, int max, std::int64_t nowMs) = 0;
    // When the next pending byte becomes due; nothing when none is pending.
    virtual std::optional<std::int64_t> nextDue() const = 0;
    // The line is gone: reads fail instead of timing out.
    virtual bool failed() const = 0;
};

// A read with the serial driver's time-outs, waiting on `clock` (a fake clock
// just moves on): returns when n bytes have arrived, when more than the interval
// time-out passes after a byte, or when the total time-out has passed; -1 once
// the line has failed.
int TimedRead(IncomingBytes& in, LinkClock& clock, const PortTimeouts& t, std::uint8_t* buf, int n);
