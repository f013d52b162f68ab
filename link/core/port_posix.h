#pragma once

#ifndef _WIN32

#include "link/core/serial_port.h"

#include <string>

// The device a port name stands for on Linux and macOS: "COMn" and "\\.\COMn"
// are /dev/ttyS(n-1), a name starting with "/" is a device path as it stands.
// Empty when the name stands for no device.
std::string PosixDevicePath(const std::string& portName);

// A serial device (a UART, a USB adapter or a pseudo-terminal slave) driven
// with termios and poll(), giving the same time-out behaviour as the
// driver the protocol was made for: see SerialPort.
class PosixSerialPort final : public SerialPort {
public:
    PosixSerialPort() = default;
    ~PosixSerialPort() override;
    PosixSerialPort(const PosixSerialPort&) = delete;
    PosixSerialPort& operator=(const PosixSerialPort&) = delete;

    // Exclusive: a second open of the same device, by us or anyone honouring
    // flock or TIOCEXCL, fails. The line is put in raw mode at once.
    bool open(const std::string& name) override;
    bool isOpen() const override { return m_fd >= 0; }
    PortOpenFailure openFailure() const override { return m_failure; }
    // The terminal layer sizes its own queues; nothing to do.
    void setQueueSizes(int inBytes, int outBytes) override;
    void setTimeouts(const PortTimeouts& t) override { m_timeouts = t; }
    void setLine(const LineSettings& s) override;
    void purge() override;
    int read(std::uint8_t* buf, int n) override;
    int write(const std::uint8_t* buf, int n) override;
    void close() override;

    // Opens the device as open() would and releases it at once, configuring nothing.
    static bool probe(const std::string& name);

private:
    int m_fd = -1;
    PortOpenFailure m_failure;
    bool m_setExclusive = false;
    PortTimeouts m_timeouts;
};

#endif
