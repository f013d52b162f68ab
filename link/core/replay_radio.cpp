#include "link/core/replay_radio.h"

#include <algorithm>
#include <cstdio>

ReplayRadio::ReplayRadio(ReplayScript script) : m_script(std::move(script))
{
    // What happened before the PC's first write (a line dead from the start).
    if (!m_script.steps.empty() && m_script.steps.front().expect.empty())
        play(m_script.steps[m_step++], 0);
}

void ReplayRadio::play(const ReplayStep& step, std::int64_t nowMs)
{
    for (const ReplayStep::Answer& a : step.answers)
        for (std::uint8_t b : a.bytes)
            m_out.push_back({nowMs + a.afterMs, b});
    // Answers of one write may overtake those of the one before; keep the order of time.
    std::stable_sort(m_out.begin(), m_out.end(), [](const Pending& x, const Pending& y) { return x.dueMs < y.dueMs; });
    if (step.hangUpAfterMs && !m_hangUpAt)
        m_hangUpAt = nowMs + *step.hangUpAfterMs;
    checkHangUp(nowMs);
}

void ReplayRadio::checkHangUp(std::int64_t nowMs)
{
    if (m_hangUpAt && nowMs >= *m_hangUpAt)
        m_hungUp = true;
}

void ReplayRadio::receive(const std::uint8_t* data, int n, std::int64_t nowMs)
{
    checkHangUp(nowMs);
    for (int i = 0; i < n && !m_hungUp && m_divergence.empty(); ++i) {
        char text[160];
        if (m_step >= m_script.steps.size()) {
            std::snprintf(text, sizeof text, "the PC sent %02X after the log's last write", data[i]);
            m_divergence = text;
            break;
        }
        const ReplayStep& step = m_script.steps[m_step];
        const std::uint8_t expected = step.expect[m_matched];
        if (data[i] != expected) {
            std::snprintf(text, sizeof text, "the PC sent %02X where the log has %02X (line %d, byte %zu)", data[i],
                          expected, step.line, m_matched + 1);
            m_divergence = text;
            break;
        }
        if (++m_matched == step.expect.size()) {
            m_matched = 0;
            ++m_step;
            play(step, nowMs);
        }
    }
}

int ReplayRadio::take(std::uint8_t* out, int max, std::int64_t nowMs)
{
    int n = 0;
    while (n < max && !m_out.empty() && m_out.front().dueMs <= nowMs && !m_hungUp) {
        out[n++] = m_out.front().byte;
        m_out.pop_front();
    }
    checkHangUp(nowMs);
    return n;
}

std::optional<std::int64_t> ReplayRadio::nextDue() const
{
    if (m_hungUp)
        return std::nullopt;
    std::optional<std::int64_t> next;
    if (!m_out.empty())
        next = m_out.front().dueMs;
    if (m_hangUpAt && (!next || *m_hangUpAt < *next))
        next = m_hangUpAt;
    return next;
}

void ReplayRadio::purgeDue(std::int64_t nowMs)
{
    while (!m_out.empty() && m_out.front().dueMs <= nowMs)
        m_out.pop_front();
}
