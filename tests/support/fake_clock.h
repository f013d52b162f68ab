#pragma once

#include "link/core/serial_port.h"

#include <cstdint>
#include <functional>

// A clock that only moves when told to: sleeping advances it at once, so the
// link's waits cost no real time.
class FakeClock : public LinkClock {
public:
    explicit FakeClock(std::int64_t startMs = 0) : m_now(startMs) {}
    std::int64_t nowMs() override { return m_now; }
    void sleepMs(int ms) override;
    void advance(std::int64_t ms) { m_now += ms > 0 ? ms : 0; }

    // Sees every sleep (time at its start, length); the fake port logs them.
    std::function<void(std::int64_t atMs, int ms)> onSleep;

private:
    std::int64_t m_now;
};
