#include "tests/support/fake_port.h"

#include "link/core/radio_end.h"

#include <algorithm>
#include <limits>

FakePort::FakePort(FakeClock& clock) : m_clock(clock)
{
    m_clock.onSleep = [this](std::int64_t atMs, int ms) {
        if (!m_reading) // a read's own waiting is part of the read
            m_events.push_back({PortEvent::Kind::Sleep, atMs, {}, ms, 0});
    };
}

FakePort::~FakePort()
{
    m_clock.onSleep = nullptr;
}

void FakePort::attach(RadioEnd& radio)
{
    m_radio = &radio;
}

void FakePort::reply(std::span<const std::uint8_t> bytes, int delayMs)
{
    std::int64_t due = m_clock.nowMs() + std::max(delayMs, 0);
    if (!m_queued.empty())
        due = std::max(due, m_queued.back().dueMs);
    for (std::uint8_t b : bytes)
        m_queued.push_back({due, b});
}

void FakePort::reply(std::initializer_list<std::uint8_t> bytes, int delayMs)
{
    reply(std::span<const std::uint8_t>(bytes.begin(), bytes.size()), delayMs);
}

std::vector<std::vector<std::uint8_t>> FakePort::writes() const
{
    std::vector<std::vector<std::uint8_t>> out;
    for (const PortEvent& e : m_events)
        if (e.kind == PortEvent::Kind::Write && !e.bytes.empty())
            out.push_back(e.bytes);
    return out;
}

int FakePort::purges() const
{
    return static_cast<int>(std::count_if(m_events.begin(), m_events.end(),
                                          [](const PortEvent& e) { return e.kind == PortEvent::Kind::Purge; }));
}

void FakePort::log(PortEvent::Kind kind, std::vector<std::uint8_t> bytes, int requested, int result)
{
    m_events.push_back({kind, m_clock.nowMs(), std::move(bytes), requested, result});
}

bool FakePort::open(const std::string& name)
{
    if (m_open || m_openFails)
        return false;
    m_open = true;
    m_name = name;
    log(PortEvent::Kind::Open);
    return true;
}

void FakePort::setQueueSizes(int inBytes, int outBytes)
{
    m_queueIn = inBytes;
    m_queueOut = outBytes;
    log(PortEvent::Kind::Setup);
}

void FakePort::setTimeouts(const PortTimeouts& t)
{
    m_timeouts = t;
    log(PortEvent::Kind::Setup);
}

void FakePort::setLine(const LineSettings& s)
{
    m_line = s;
    log(PortEvent::Kind::Setup);
}

void FakePort::purge()
{
    if (!m_open) {
        ++m_misuse;
        return;
    }
    log(PortEvent::Kind::Purge);
    const std::int64_t now = m_clock.nowMs();
    if (m_radio)
        m_radio->purgeDue(now);
    while (!m_queued.empty() && m_queued.front().dueMs <= now)
        m_queued.pop_front();
}

int FakePort::read(std::uint8_t* buf, int n)
{
    if (!m_open) {
        ++m_misuse;
        return -1;
    }
    const std::int64_t start = m_clock.nowMs();
    m_reading = true;
    const int got = TimedRead(*this, m_clock, m_timeouts, buf, n);
    m_reading = false;
    std::vector<std::uint8_t> bytes;
    if (got > 0)
        bytes.assign(buf, buf + got);
    m_events.push_back({PortEvent::Kind::Read, start, std::move(bytes), n, got});
    return got;
}

int FakePort::write(const std::uint8_t* buf, int n)
{
    if (!m_open) {
        ++m_misuse;
        return -1;
    }
    if (failed()) {
        log(PortEvent::Kind::Write, {}, n, -1);
        return -1;
    }
    int out = n;
    bool dies = false;
    if (m_bytesLeft >= 0 && n > m_bytesLeft) {
        out = m_bytesLeft;
        dies = true;
    }
    if (m_bytesLeft >= 0)
        m_bytesLeft -= out;
    std::vector<std::uint8_t> sent(buf, buf + out);
    log(PortEvent::Kind::Write, sent, n, dies ? -1 : n);
    if (m_radio) {
        m_radio->receive(buf, out, m_clock.nowMs());
        if (tamper) {
            std::vector<std::uint8_t> answer;
            std::uint8_t b = 0;
            while (m_radio->take(&b, 1, std::numeric_limits<std::int64_t>::max() / 2'000'000) == 1)
                answer.push_back(b);
            tamper(std::span<const std::uint8_t>(sent), answer);
            reply(std::span<const std::uint8_t>(answer));
        }
    }
    if (dies)
        m_unplugged = true;
    if (onWrite && out > 0)
        onWrite(*this, std::span<const std::uint8_t>(sent));
    return dies ? -1 : n;
}

void FakePort::close()
{
    if (!m_open) {
        ++m_misuse;
        return;
    }
    m_open = false;
    log(PortEvent::Kind::Close);
}

int FakePort::take(std::uint8_t* out, int max, std::int64_t nowMs)
{
    if (fromRadio())
        return m_radio->take(out, max, nowMs);
    int n = 0;
    while (n < max && !m_queued.empty() && m_queued.front().dueMs <= nowMs) {
        out[n++] = m_queued.front().byte;
        m_queued.pop_front();
    }
    return n;
}

std::optional<std::int64_t> FakePort::nextDue() const
{
    if (fromRadio())
        return m_radio->nextDue();
    if (m_queued.empty())
        return std::nullopt;
    return m_queued.front().dueMs;
}

bool FakePort::failed() const
{
    return m_unplugged || (m_radio && m_radio->hungUp());
}
