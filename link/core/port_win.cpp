#include "link/core/port_win.h"

#include <cctype>

std::string WinDevicePath(const std::string& name)
{
    // CreateFile finds COM1 to COM9 by their bare names only; from COM10 on
    // it needs the device namespace. A name typed into the configuration
    // file as "COM12" would otherwise never open.
    if (name.size() > 4 && (name[0] == 'C' || name[0] == 'c') && (name[1] == 'O' || name[1] == 'o') &&
        (name[2] == 'M' || name[2] == 'm')) {
        bool digits = true;
        for (std::size_t i = 3; i < name.size(); ++i)
            digits = digits && std::isdigit(static_cast<unsigned char>(name[i]));
        if (digits)
            return "\\\\.\\" + name;
    }
    return name;
}

#ifdef _WIN32

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
    HANDLE h = ::CreateFileA(WinDevicePath(name).c_str(), GENERIC_READ | GENERIC_WRITE, 0, nullptr, OPEN_EXISTING,
                             FILE_ATTRIBUTE_NORMAL, nullptr);
    return h == INVALID_HANDLE_VALUE ? nullptr : h;
}

std::string SystemMessage(DWORD code)
{
    char* text = nullptr;
    const DWORD n =
        ::FormatMessageA(FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS,
                         nullptr, code, 0, reinterpret_cast<char*>(&text), 0, nullptr);
    std::string message = n && text ? std::string(text, n) : "error " + std::to_string(code);
    if (text)
        ::LocalFree(text);
    while (!message.empty() &&
           (message.back() == '\n' || message.back() == '\r' || message.back() == ' ' || message.back() == '.'))
        message.pop_back();
    return message;
}

PortOpenFailure FailureOf(DWORD code)
{
    PortOpenFailure f;
    f.reason = SystemMessage(code);
    switch (code) {
    case ERROR_FILE_NOT_FOUND:
    case ERROR_PATH_NOT_FOUND:
    case ERROR_BAD_NETPATH:
    case ERROR_INVALID_NAME: f.kind = PortOpenFailure::Kind::Missing; break;
    // Windows answers "access denied" for a port another program holds.
    case ERROR_ACCESS_DENIED:
    case ERROR_SHARING_VIOLATION: f.kind = PortOpenFailure::Kind::Busy; break;
    default: break;
    }
    return f;
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
    m_failure = m_handle ? PortOpenFailure{} : FailureOf(::GetLastError());
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
