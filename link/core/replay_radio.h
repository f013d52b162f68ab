#pragma once

#include "link/core/radio_end.h"
#include "link/core/transfer_trace.h"

#include <cstdint>
#include <deque>
#include <string>

// Answers as the radio of a transfer log did: when the PC's bytes match the
// log's next write, the answers the log shows for it fall due as long after
// as they came then. A PC that leaves the log's path gets no more answers.
class ReplayRadio : public RadioEnd {
public:
    explicit ReplayRadio(ReplayScript script);

    void receive(const std::uint8_t* data, int n, std::int64_t nowMs) override;
    int take(std::uint8_t* out, int max, std::int64_t nowMs) override;
    std::optional<std::int64_t> nextDue() const override;
    void purgeDue(std::int64_t nowMs) override;
    bool hungUp() const override { return m_hungUp; }

    // Where and how the PC left the log's path; empty while it follows it.
    const std::string& divergence() const { return m_divergence; }
    int stepsPlayed() const { return static_cast<int>(m_step); }
    int steps() const { return static_cast<int>(m_script.steps.size()); }

private:
    struct Pending {
        std::int64_t dueMs;
        std::uint8_t byte;
    };
    void play(const ReplayStep& step, std::int64_t nowMs);
    void checkHangUp(std::int64_t nowMs);

    ReplayScript m_script;
    std::size_t m_step = 0;
    std::size_t m_matched = 0;
    std::deque<Pending> m_out;
    std::optional<std::int64_t> m_hangUpAt;
    bool m_hungUp = false;
    std::string m_divergence;
};
