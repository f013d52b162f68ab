#pragma once

#include <cstdint>
#include <memory>
#include <string>

// The operations a transfer needs of a serial port, with the time-out
// semantics of the radio's original driver: a read returns when the requested
// count has arrived, when more than `readIntervalMs` pass between two bytes
// (after the first), or when readTotalConstantMs + readTotalMultiplierMs * n
// have passed in all. Writes are bounded the same way by the write time-outs.
struct PortTimeouts {
    int readIntervalMs = 50;
    int readTotalMultiplierMs = 50;
    int readTotalConstantMs = 100;
    int writeTotalMultiplierMs = 50;
    int writeTotalConstantMs = 50;
};

struct LineSettings {
    int baudRate = 38400;
    int dataBits = 8;
    bool parity = false; // no parity
    int stopBits = 1;
};

// Why a port could not be opened, for the user: the system's reason and
// what kind of trouble it is, which decides the advice.
struct PortOpenFailure {
    enum class Kind { Other, Missing, Permission, Busy };
    Kind kind = Kind::Other;
    std::string reason; // the system's words
    std::string group;  // Permission: the group that owns the device, when known
};

class SerialPort {
public:
    virtual ~SerialPort() = default;
    // Why the last open() failed; Other with no reason when the port does not say.
    virtual PortOpenFailure openFailure() const { return {}; }

    // Opens the device exclusively; false when absent, in use or not allowed.
    virtual bool open(const std::string& name) = 0;
    virtual bool isOpen() const = 0;
    virtual void setQueueSizes(int inBytes, int outBytes) = 0;
    virtual void setTimeouts(const PortTimeouts& t) = 0;
    virtual void setLine(const LineSettings& s) = 0;
    // Clears both driver queues (transmit and receive).
    virtual void purge() = 0;
    // Returns the count read (0..n), or -1 when the device failed (unplugged,
    // closed under us): a failure, not a time-out.
    virtual int read(std::uint8_t* buf, int n) = 0;
    // Returns the count written, or -1 when the device failed.
    virtual int write(const std::uint8_t* buf, int n) = 0;
    virtual void close() = 0;
};

// Time source of the link: the real one uses the steady clock and sleeps; the
// tests hand in a clock they move by hand.
class LinkClock {
public:
    virtual ~LinkClock() = default;
    virtual std::int64_t nowMs() = 0;
    virtual void sleepMs(int ms) = 0;
};
