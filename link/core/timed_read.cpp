#include "link/core/timed_read.h"

#include <algorithm>

int TimedRead(IncomingBytes& in, LinkClock& clock, const PortTimeouts& t, std::uint8_t* buf, int n)
{
    if (in.failed())
        return -1;
    if (n <= 0)
        return 0;
    const std::int64_t start = clock.nowMs();
    const std::int64_t deadline =
        start + t.readTotalConstantMs + static_cast<std::int64_t>(t.readTotalMultiplierMs) * n;
    int got = 0;
    std::int64_t lastByteAt = start;
    for (;;) {
        const std::int64_t now = clock.nowMs();
        const int k = in.take(buf + got, n - got, now);
        if (in.failed())
            return -1;
        if (k > 0) {
            got += k;
            lastByteAt = now;
        }
        if (got == n)
            return got;
        std::int64_t limit = deadline;
        if (got > 0 && t.readIntervalMs > 0)
            limit = std::min(limit, lastByteAt + t.readIntervalMs);
        const std::optional<std::int64_t> next = in.nextDue();
        if (next && *next <= limit) {
            if (*next > now)
                clock.sleepMs(static_cast<int>(*next - now));
            continue;
        }
        if (limit > now)
            clock.sleepMs(static_cast<int>(limit - now));
        return in.failed() ? -1 : got;
    }
}
