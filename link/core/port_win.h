#pragma once

#ifdef _WIN32

#include "link/core/serial_port.h"

#include <string>

// A COM port through the Win32 communications calls. The name goes to
// CreateFileA unchanged ("COM3", "\\.\COM12").
class WinSerialPort final : public SerialPort {
public:
    WinSerialPort() = default;
    ~WinSerialPort() override;
    WinSerialPort(const WinSerialPort&) = delete;
    WinSerialPort& operator=(const WinSerialPort&) = delete;

    bool open(const std::string& name) override;
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
};

#endif
