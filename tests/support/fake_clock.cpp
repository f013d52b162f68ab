#include "tests/support/fake_clock.h"

void FakeClock::sleepMs(int ms)
{
    if (ms <= 0)
        return;
    if (onSleep)
        onSleep(m_now, ms);
    m_now += ms;
}
