#include "link/core/loopback_port.h"

#include "link/core/sim_radio.h"

LoopbackPort::LoopbackPort(SimRadio& radio, LinkClock& clock) : radio_(radio), clock_(clock) {}

bool LoopbackPort::open(const std::string&)
{
    // Exclusive, like a real device; a radio whose line dropped stays unreachable.
    if (open_ || radio_.hungUp())
        return false;
    open_ = true;
    return true;
}

void LoopbackPort::purge()
{
    if (open_)
        radio_.purgeDue(clock_.nowMs());
}

int LoopbackPort::read(std::uint8_t* buf, int n)
{
    if (!open_)
        return -1;
    return TimedRead(*this, clock_, timeouts_, buf, n);
}

int LoopbackPort::write(const std::uint8_t* buf, int n)
{
    if (!open_ || radio_.hungUp())
        return -1;
    radio_.receive(buf, n, clock_.nowMs());
    return n;
}

int LoopbackPort::take(std::uint8_t* out, int max, std::int64_t nowMs)
{
    return radio_.take(out, max, nowMs);
}

std::optional<std::int64_t> LoopbackPort::nextDue() const
{
    return radio_.nextDue();
}

bool LoopbackPort::failed() const
{
    return radio_.hungUp();
}
