#pragma once

#include "link/core/serial_port.h"

// The link's real time: the monotonic clock, and real sleeps.
class SteadyLinkClock : public LinkClock {
public:
    std::int64_t nowMs() override;
    void sleepMs(int ms) override;
};
