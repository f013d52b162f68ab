#pragma once

#include "link/core/serial_port.h"

#include <string>

// The name CreateFileA is given for a port name: "COM10" and above, which
// Windows knows only in the device namespace, become "\\.\COM10"; every
// other name ("COM3", "\\.\COM12", a device path) is used as it stands.
std::string WinDevicePath(const std::string& name);

#ifdef _WIN32

// A COM port through the Win32 communications calls.
class WinSerialPort final : public SerialPort {
public:
    WinSerialPort() = default;
    ~WinSerialPort() override;
    WinSerialPort(const WinSerialPort&) = delete;
    WinSerialPort& operator=(const WinSerialPort&) = delete;

    bool open(const std::string& name) override;
    PortOpenFailure openFailure() const override { return m_failure; }
    bool isOpen() const override { return m_handle != nullptr; }
    void setQueueSizes(int inBytes, int outBytes) override;
    void setTimeouts(const PortTimeouts& t) override;
    void setLine(const LineSettings& s) override;
    void purge() override;
    int read(std::uint8_t* buf, int n) override;
    int write(const std::uint8_t* buf, int n) override;
    void close() override;

    // Opens the port exclusively and closes it at once, configuring nothing.
    static bool probe(const std::string& name);

private:
    void* m_handle = nullptr; // HANDLE; nullptr when closed
    PortOpenFailure m_failure;
};

#endif
