#pragma once

#include "shell/core/radio_image.h"

#include <cstdint>
#include <deque>
#include <optional>
#include <vector>

// A radio that answers the programming protocol byte for byte, holding its own
// 65,536-byte memory. It is driven by time: the PC side hands it the bytes it
// sent together with the current time, and takes the bytes whose due time has
// come. It never sleeps and never reads a clock, so it serves equally a fake
// clock in tests, the steady clock in the loopback port, and a pseudo-terminal.
class SimRadio {
public:
    // Ways to misbehave, for tests and for radio-sim's options.
    struct Faults {
        bool silent = false;              // never answers anything
        int wakeupDelayMs = 0;            // the wake-up "A" comes this late
        int refuseBlock = -1;             // block k (0-based, counting data blocks) gets a wrong answer
        int cutReplyBlock = -1;           // the reply to block k is cut short
        int garbageBlock = -1;            // block k is answered with garbage
        int hangUpAfterBlocks = -1;       // the line drops after k data blocks
        bool pace = false;                // bytes take 10 bits at 38,400 bit/s each, both directions
    };

    explicit SimRadio(const RadioImage& memory, Faults faults = {});

    // Bytes from the PC, received at time nowMs.
    void receive(const std::uint8_t* data, int n, std::int64_t nowMs);
    // Moves the bytes due by nowMs into out (at most max); returns the count.
    int take(std::uint8_t* out, int max, std::int64_t nowMs);
    // Time at which the next pending byte becomes due; nothing when none pending.
    std::optional<std::int64_t> nextDue() const;
    // The PC purged its receive queue at nowMs: bytes already due are lost.
    void purgeDue(std::int64_t nowMs);
    // True once the simulated line dropped (hang-up fault).
    bool hungUp() const;

    const RadioImage& memory() const;
    void setLocked(bool locked); // lock byte (address 0xCC08) = 3, or 0 when unlocking
    bool sawEndRead() const;     // "ENDR" received
    bool sawEndWrite() const;    // "ENDW" received
    int dataBlocks() const;      // read and write blocks served so far (lock block excluded)
};
