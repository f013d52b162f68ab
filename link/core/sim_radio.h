#pragma once

#include "document/radio_image.h"
#include "link/core/handshake.h"
#include "link/core/radio_end.h"

#include <cstdint>
#include <deque>
#include <memory>
#include <optional>
#include <vector>

// Ways to misbehave, for tests and for radio-sim's options. Block numbers
// count data blocks from 0 (the lock block is not one). For a read block,
// "refuse" answers the acknowledges that follow it with "N"; "cut" sends
// the header and half the data; "garbage" sends junk (never "A") for the
// reply and for the acknowledges. For a write block, "refuse" answers "N",
// "cut" answers nothing and "garbage" a junk byte; only "cut" stores the data.
struct SimRadioFaults {
    bool silent = false;        // never answers anything
    int wakeupDelayMs = 0;      // the wake-up "A" comes this late
    int refuseBlock = -1;       // block k (0-based, counting data blocks) gets a wrong answer
    int cutReplyBlock = -1;     // the reply to block k is cut short
    int garbageBlock = -1;      // block k is answered with garbage
    int hangUpAfterBlocks = -1; // the line drops after k data blocks
    bool pace = false;          // bytes take 10 bits at 38,400 bit/s each, both directions
};

// A radio that answers the programming protocol byte for byte, holding its own
// 65,536-byte memory. It is driven by time: the PC side hands it the bytes it
// sent together with the current time, and takes the bytes whose due time has
// come. It never sleeps and never reads a clock, so it serves equally a fake
// clock in tests, the steady clock in the loopback port, and a pseudo-terminal.
class SimRadio : public RadioEnd {
public:
    // Ways to misbehave.
    using Faults = SimRadioFaults;

    explicit SimRadio(const RadioImage& memory);
    SimRadio(const RadioImage& memory, Faults faults);

    // Bytes from the PC, received at time nowMs.
    void receive(const std::uint8_t* data, int n, std::int64_t nowMs) override;
    // Moves the bytes due by nowMs into out (at most max); returns the count.
    int take(std::uint8_t* out, int max, std::int64_t nowMs) override;
    // Time at which the next pending byte becomes due; nothing when none pending.
    std::optional<std::int64_t> nextDue() const override;
    // The PC purged its receive queue at nowMs: bytes already due are lost.
    void purgeDue(std::int64_t nowMs) override;
    // True once the simulated line dropped (hang-up fault).
    bool hungUp() const override;

    const RadioImage& memory() const;
    void setLocked(bool locked); // lock byte (address 0xCC08) = 3, or 0 when unlocking
    bool sawEndRead() const;     // "ENDR" received
    bool sawEndWrite() const;    // "ENDW" received
    int dataBlocks() const;      // read and write blocks served so far (lock block excluded)

    // The nine handshake bytes it answers to (a radio set up for CMD_HEAD):
    // bytes 0..6 wake it, bytes 7..8 ask for the identification.
    void setHandshake(const Handshake& bytes);
    void setFaults(const Faults& faults);
    int wakeUps() const;      // wake-up sequences recognised so far
    bool lockChecked() const; // the lock block has been read at least once

    static constexpr std::uint32_t kLockAddress = 0xCC08;
    static constexpr std::uint8_t kLockedValue = 3;

private:
    enum class State { Asleep, Identifying, AwaitingAck, Session, Command, WriteData, EndCommand, Dead };
    enum class Fault { None, Refuse, Cut, Garbage };
    struct Pending {
        std::int64_t dueNs;
        std::uint8_t byte;
    };

    void process(std::uint8_t b, std::int64_t atNs);
    void asleep(std::uint8_t b, std::int64_t atNs);
    void session(std::uint8_t b, std::int64_t atNs);
    void blockCommand(std::int64_t atNs);
    void finishWrite(std::int64_t atNs);
    void emitBytes(const std::uint8_t* bytes, int n, std::int64_t atNs);
    void emitByte(std::uint8_t b, std::int64_t atNs) { emitBytes(&b, 1, atNs); }
    void emitJunk(int n, std::int64_t atNs);
    Fault faultFor(int block) const;

    std::unique_ptr<RadioImage> m_memory;
    Faults m_faults;
    Handshake m_handshake = kDefaultHandshake;
    std::deque<Pending> m_out;
    std::int64_t m_inFreeNs = 0;  // the PC's bytes arrive one after the other
    std::int64_t m_outFreeNs = 0; // and so do ours
    State m_state = State::Asleep;
    int m_wakeMatched = 0;
    int m_identMatched = 0;
    std::uint8_t m_command[4] = {};
    int m_commandLen = 0;
    std::vector<std::uint8_t> m_writeData;
    int m_writeLength = 0;
    Fault m_writeFault = Fault::None;
    Fault m_ackFault = Fault::None; // how the acknowledges after a read block are answered
    int m_blocksThisSession = 0;
    int m_dataBlocks = 0;
    int m_wakeUps = 0;
    bool m_lockChecked = false;
    bool m_endRead = false;
    bool m_endWrite = false;
    bool m_hungUp = false;
    std::uint32_t m_junkSeed = 0x2545F491u;
};
