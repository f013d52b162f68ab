#include "tests/support/fake_port.h"

#include "link/core/sim_radio.h"

#include <algorithm>
#include <limits>

FakePort::FakePort(FakeClock& clock) : clock_(clock)
{
    clock_.onSleep = [this](std::int64_t atMs, int ms) {
        if (!reading_) // a read's own waiting is part of the read
            events_.push_back({PortEvent::Kind::Sleep, atMs, {}, ms, 0});
    };
}

FakePort::~FakePort()
{
    clock_.onSleep = nullptr;
}

void FakePort::attach(SimRadio& radio)
{
    radio_ = &radio;
}

void FakePort::reply(std::span<const std::uint8_t> bytes, int delayMs)
{
    std::int64_t due = clock_.nowMs() + std::max(delayMs, 0);
    if (!queued_.empty())
        due = std::max(due, queued_.back().dueMs);
    for (std::uint8_t b : bytes)
        queued_.push_back({due, b});
}

void FakePort::reply(std::initializer_list<std::uint8_t> bytes, int delayMs)
{
    reply(std::span<const std::uint8_t>(bytes.begin(), bytes.size()), delayMs);
}

std::vector<std::vector<std::uint8_t>> FakePort::writes() const
{
    std::vector<std::vector<std::uint8_t>> out;
    for (const PortEvent& e : events_)
        if (e.kind == PortEvent::Kind::Write && !e.bytes.empty())
            out.push_back(e.bytes);
    return out;
}

int FakePort::purges() const
{
    return static_cast<int>(std::count_if(events_.begin(), events_.end(),
                                          [](const PortEvent& e) { return e.kind == PortEvent::Kind::Purge; }));
}

void FakePort::log(PortEvent::Kind kind, std::vector<std::uint8_t> bytes, int requested, int result)
{
    events_.push_back({kind, clock_.nowMs(), std::move(bytes), requested, result});
}

bool FakePort::open(const std::string& name)
{
    if (open_ || openFails_)
        return false;
    open_ = true;
    name_ = name;
    log(PortEvent::Kind::Open);
    return true;
}

void FakePort::setQueueSizes(int inBytes, int outBytes)
{
    queueIn_ = inBytes;
    queueOut_ = outBytes;
    log(PortEvent::Kind::Setup);
}

void FakePort::setTimeouts(const PortTimeouts& t)
{
    timeouts_ = t;
    log(PortEvent::Kind::Setup);
}

void FakePort::setLine(const LineSettings& s)
{
    line_ = s;
    log(PortEvent::Kind::Setup);
}

void FakePort::purge()
{
    if (!open_) {
        ++misuse_;
        return;
    }
    log(PortEvent::Kind::Purge);
    const std::int64_t now = clock_.nowMs();
    if (radio_)
        radio_->purgeDue(now);
    while (!queued_.empty() && queued_.front().dueMs <= now)
        queued_.pop_front();
}

int FakePort::read(std::uint8_t* buf, int n)
{
    if (!open_) {
        ++misuse_;
        return -1;
    }
    const std::int64_t start = clock_.nowMs();
    reading_ = true;
    const int got = TimedRead(*this, clock_, timeouts_, buf, n);
    reading_ = false;
    std::vector<std::uint8_t> bytes;
    if (got > 0)
        bytes.assign(buf, buf + got);
    events_.push_back({PortEvent::Kind::Read, start, std::move(bytes), n, got});
    return got;
}

int FakePort::write(const std::uint8_t* buf, int n)
{
    if (!open_) {
        ++misuse_;
        return -1;
    }
    if (failed()) {
        log(PortEvent::Kind::Write, {}, n, -1);
        return -1;
    }
    int out = n;
    bool dies = false;
    if (bytesLeft_ >= 0 && n > bytesLeft_) {
        out = bytesLeft_;
        dies = true;
    }
    if (bytesLeft_ >= 0)
        bytesLeft_ -= out;
    std::vector<std::uint8_t> sent(buf, buf + out);
    log(PortEvent::Kind::Write, sent, n, dies ? -1 : n);
    if (radio_) {
        radio_->receive(buf, out, clock_.nowMs());
        if (tamper) {
            std::vector<std::uint8_t> answer;
            std::uint8_t b = 0;
            while (radio_->take(&b, 1, std::numeric_limits<std::int64_t>::max() / 2'000'000) == 1)
                answer.push_back(b);
            tamper(std::span<const std::uint8_t>(sent), answer);
            reply(std::span<const std::uint8_t>(answer));
        }
    }
    if (dies)
        unplugged_ = true;
    if (onWrite && out > 0)
        onWrite(*this, std::span<const std::uint8_t>(sent));
    return dies ? -1 : n;
}

void FakePort::close()
{
    if (!open_) {
        ++misuse_;
        return;
    }
    open_ = false;
    log(PortEvent::Kind::Close);
}

int FakePort::take(std::uint8_t* out, int max, std::int64_t nowMs)
{
    if (fromRadio())
        return radio_->take(out, max, nowMs);
    int n = 0;
    while (n < max && !queued_.empty() && queued_.front().dueMs <= nowMs) {
        out[n++] = queued_.front().byte;
        queued_.pop_front();
    }
    return n;
}

std::optional<std::int64_t> FakePort::nextDue() const
{
    if (fromRadio())
        return radio_->nextDue();
    if (queued_.empty())
        return std::nullopt;
    return queued_.front().dueMs;
}

bool FakePort::failed() const
{
    return unplugged_ || (radio_ && radio_->hungUp());
}
