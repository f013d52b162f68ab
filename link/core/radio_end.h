#pragma once

#include <cstdint>
#include <optional>

// The radio's end of an in-memory line, driven by time: the PC side hands it
// the bytes it sent with the current time and takes the answers whose time
// has come. The simulated radio and the replay of a transfer log are two.
class RadioEnd {
public:
    virtual ~RadioEnd() = default;
    // Bytes from the PC, received at time nowMs.
    virtual void receive(const std::uint8_t* data, int n, std::int64_t nowMs) = 0;
    // Moves the bytes due by nowMs into out (at most max); returns the count.
    virtual int take(std::uint8_t* out, int max, std::int64_t nowMs) = 0;
    // When the next pending byte (or the line's end) falls due; nothing when none.
    virtual std::optional<std::int64_t> nextDue() const = 0;
    // The PC purged its receive queue at nowMs: bytes already due are lost.
    virtual void purgeDue(std::int64_t nowMs) = 0;
    // True once the line dropped.
    virtual bool hungUp() const = 0;
};
