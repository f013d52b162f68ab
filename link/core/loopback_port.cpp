#include "link/core/loopback_port.h"

#include "link/core/radio_end.h"

LoopbackPort::LoopbackPort(RadioEnd& radio, LinkClock& clock) : m_radio(radio), m_clock(clock) {}

bool LoopbackPort::open(const std::string&)
{
    // Exclusive, like a real device; a radio whose line dropped stays unreachable.
    if (m_open || m_radio.hungUp())
        return false;
    m_open = true;
    return true;
}

void LoopbackPort::purge()
{
    if (m_open)
        m_radio.purgeDue(m_clock.nowMs());
}

int LoopbackPort::read(std::uint8_t* buf, int n)
{
    if (!m_open)
        return -1;
    return TimedRead(*this, m_clock, m_timeouts, buf, n);
}

int LoopbackPort::write(const std::uint8_t* buf, int n)
{
    if (!m_open || m_radio.hungUp())
        return -1;
    m_radio.receive(buf, n, m_clock.nowMs());
    return n;
}

int LoopbackPort::take(std::uint8_t* out, int max, std::int64_t nowMs)
{
    return m_radio.take(out, max, nowMs);
}

std::optional<std::int64_t> LoopbackPort::nextDue() const
{
    return m_radio.nextDue();
}

bool LoopbackPort::failed() const
{
    return m_radio.hungUp();
}
