#ifdef _WIN32

#include "link/core/port_win.h"

#ifndef WIN32_LEAN_AND_MEAN
#define WIN32_LEAN_AND_MEAN
#endif
#ifndef NOMINMAX
#define NOMINMAX
#endif
#include <windows.h>

namespace {

// Read and write, not shared, existing device only, no overlapped I/O.
HANDLE OpenComm(const std::string& name)
{
    HANDLE h = ::CreateFileA(name.c_str(), GENERIC_READ | GENERIC_WRITE, 0, nullptr, OPEN_EXISTING,
                             FILE_ATTRIBUTE_NORMAL, nullptr);
    return h == INVALID_HANDLE_VALUE ? nullptr : h;
}

} // namespace

WinSerialPort::~WinSerialPort()
{
    close();
}

bool WinSerialPort::open(const std::string& name)
{
    close();
    m_handle = OpenComm(name);
    return m_handle != nullptr;
}

// The results of the set-up calls are not checked: a port that refuses them
// shows up as a silent radio.
void WinSerialPort::setQueueSizes(int inBytes, int outBytes)
{
    if (m_handle)
        ::SetupComm(m_handle, static_cast<DWORD>(inBytes), static_cast<DWORD>(outBytes));
}

void WinSerialPort::setTimeouts(const PortTimeouts& t)
{
    if (!m_handle)
        return;
    COMMTIMEOUTS ct{};
    ct.ReadIntervalTimeout = static_cast<DWORD>(t.readIntervalMs);
    ct.ReadTotalTimeoutMultiplier = static_cast<DWORD>(t.readTotalMultiplierMs);
    ct.ReadTotalTimeoutConstant = static_cast<DWORD>(t.readTotalConstantMs);
    ct.WriteTotalTimeoutMultiplier = static_cast<DWORD>(t.writeTotalMultiplierMs);
    ct.WriteTotalTimeoutConstant = static_cast<DWORD>(t.writeTotalConstantMs);
    ::SetCommTimeouts(m_handle, &ct);
}

void WinSerialPort::setLine(const LineSettings& s)
{
    if (!m_handle)
        return;
    DCB dcb{};
    dcb.DCBlength = sizeof(DCB);
    if (!::GetCommState(m_handle, &dcb))
        return;
    // Only these fields change; flow control, DTR and RTS stay as the driver has them.
    dcb.BaudRate = static_cast<DWORD>(s.baudRate);
    dcb.fBinary = 1;
    dcb.fParity = 0;
    dcb.ByteSize = static_cast<BYTE>(s.dataBits);
    dcb.Parity = static_cast<BYTE>(s.parity ? EVENPARITY : NOPARITY);
    dcb.StopBits = static_cast<BYTE>(s.stopBits == 2 ? TWOSTOPBITS : ONESTOPBIT);
    ::SetCommState(m_handle, &dcb);
}

void WinSerialPort::purge()
{
    if (m_handle)
        ::PurgeComm(m_handle, PURGE_TXCLEAR | PURGE_RXCLEAR);
}

int WinSerialPort::read(std::uint8_t* buf, int n)
{
    if (!m_handle)
        return -1;
    if (n <= 0)
        return 0;
    DWORD got = 0;
    // Synchronous, bounded by the time-outs; a failed call is a device that went away.
    if (!::ReadFile(m_handle, buf, static_cast<DWORD>(n), &got, nullptr))
        return -1;
    return static_cast<int>(got);
}

int WinSerialPort::write(const std::uint8_t* buf, int n)
{
    if (!m_handle)
        return -1;
    if (n <= 0)
        return 0;
    DWORD written = 0;
    if (!::WriteFile(m_handle, buf, static_cast<DWORD>(n), &written, nullptr))
        return -1;
    return static_cast<int>(written);
}

void WinSerialPort::close()
{
    if (m_handle)
        ::CloseHandle(m_handle);
    m_handle = nullptr;
}

bool WinSerialPort::probe(const std::string& name)
{
    HANDLE h = OpenComm(name);
    if (!h)
        return false;
    ::CloseHandle(h);
    return true;
}

#endif
