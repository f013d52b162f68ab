#ifndef _WIN32

#include "link/core/port_posix.h"

#include <algorithm>
#include <cctype>
#include <cerrno>
#include <chrono>
#include <climits>
#include <cstring>
#include <fcntl.h>
#include <grp.h>
#include <poll.h>
#include <string_view>
#include <sys/file.h>
#include <sys/ioctl.h>
#include <sys/stat.h>
#include <termios.h>
#include <thread>
#include <unistd.h>

namespace {

using Clock = std::chrono::steady_clock;

// Reads "COMn" or "\\.\COMn" (COM in any case, as the other platform allows);
// 0 when the name is neither.
int ComNumber(const std::string& name)
{
    std::string_view s = name;
    if (s.starts_with("\\\\.\\"))
        s.remove_prefix(4);
    if (s.size() < 4 || s.size() > 7)
        return 0;
    for (int i = 0; i < 3; ++i) {
        if (std::toupper(static_cast<unsigned char>(s[static_cast<std::size_t>(i)])) != "COM"[i])
            return 0;
    }
    int n = 0;
    for (char c : s.substr(3)) {
        if (c < '0' || c > '9')
            return 0;
        n = n * 10 + (c - '0');
    }
    return n;
}

PortOpenFailure FailureOf(int error, const std::string& path)
{
    PortOpenFailure f;
    f.reason = std::strerror(error);
    switch (error) {
    case ENOENT:
    case ENODEV:
    case ENXIO: f.kind = PortOpenFailure::Kind::Missing; break;
    case EACCES:
    case EPERM: {
        f.kind = PortOpenFailure::Kind::Permission;
        struct stat st {};
        if (::stat(path.c_str(), &st) == 0)
            if (const group* g = ::getgrgid(st.st_gid))
                f.group = g->gr_name;
        break;
    }
    case EBUSY:
    case EWOULDBLOCK: f.kind = PortOpenFailure::Kind::Busy; break;
    default: break;
    }
    return f;
}

// Opens the device without configuring it; -1 when absent, not a terminal or
// locked by another holder, with the reason in *failure.
int OpenLocked(const std::string& name, PortOpenFailure* failure = nullptr)
{
    const auto fail = [failure](PortOpenFailure f) {
        if (failure)
            *failure = std::move(f);
        return -1;
    };
    const std::string path = PosixDevicePath(name);
    if (path.empty())
        return fail({PortOpenFailure::Kind::Missing, "not a serial port name", {}});
    const int fd = ::open(path.c_str(), O_RDWR | O_NOCTTY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0)
        return fail(FailureOf(errno, path));
    if (!::isatty(fd)) {
        ::close(fd);
        return fail({PortOpenFailure::Kind::Other, "not a terminal device", {}});
    }
    // TIOCEXCL does not stop root, the advisory lock does. A file system
    // without locks is no reason to refuse the device.
    if (::flock(fd, LOCK_EX | LOCK_NB) != 0 && errno == EWOULDBLOCK) {
        ::close(fd);
        return fail({PortOpenFailure::Kind::Busy, "in use by another program", {}});
    }
    return fd;
}

enum class Wait { Ready, TimedOut, Failed };

// Waits until fd is ready for `events` or `until` has come; a hang-up or an
// error of the device is a failure.
Wait WaitFd(int fd, short events, Clock::time_point until)
{
    for (;;) {
        const auto left = until - Clock::now();
        if (left <= Clock::duration::zero())
            return Wait::TimedOut;
        const auto ms = std::chrono::ceil<std::chrono::milliseconds>(left).count();
        pollfd p{fd, events, 0};
        const int r = ::poll(&p, 1, static_cast<int>(std::min<long long>(ms, INT_MAX)));
        if (r < 0) {
            if (errno == EINTR)
                continue;
            return Wait::Failed;
        }
        if (r == 0)
            continue;
        if (p.revents & events)
            return Wait::Ready; // data left before a hang-up is still read
        if (p.revents & (POLLHUP | POLLERR | POLLNVAL))
            return Wait::Failed;
    }
}

Clock::time_point Deadline(Clock::time_point start, long long ms)
{
    // Both totals zero means no total time-out, as with the original driver.
    return ms > 0 ? start + std::chrono::milliseconds(ms) : Clock::time_point::max();
}

speed_t SpeedCode(int baud)
{
    static constexpr struct {
        int baud;
        speed_t code;
    } kSpeeds[] = {{1200, B1200},   {2400, B2400},   {4800, B4800},     {9600, B9600},    {19200, B19200},
                   {38400, B38400}, {57600, B57600}, {115200, B115200}, {230400, B230400}};
    for (const auto& s : kSpeeds) {
        if (s.baud == baud)
            return s.code;
    }
    return B0;
}

} // namespace

std::string PosixDevicePath(const std::string& portName)
{
    if (portName.starts_with("/"))
        return portName;
    if (const int n = ComNumber(portName); n >= 1)
        return "/dev/ttyS" + std::to_string(n - 1);
    return {};
}

PosixSerialPort::~PosixSerialPort()
{
    close();
}

bool PosixSerialPort::open(const std::string& name)
{
    close();
    m_failure = {};
    m_fd = OpenLocked(name, &m_failure);
    if (m_fd < 0)
        return false;
    m_setExclusive = ::ioctl(m_fd, TIOCEXCL) == 0;

    // Binary and raw, as the other platform's driver always is: no echo, no
    // line editing, no character translation, no XON/XOFF eating data bytes.
    // Hardware flow control stays as the driver has it.
    termios t{};
    if (::tcgetattr(m_fd, &t) == 0) {
        t.c_iflag &= ~static_cast<tcflag_t>(IGNBRK | BRKINT | PARMRK | ISTRIP | INLCR | IGNCR | ICRNL | IXON | IXOFF |
                                            IXANY | INPCK);
        t.c_oflag &= ~static_cast<tcflag_t>(OPOST);
        t.c_lflag &= ~static_cast<tcflag_t>(ECHO | ECHONL | ICANON | ISIG | IEXTEN);
        t.c_cflag &= ~static_cast<tcflag_t>(CSIZE | PARENB);
        t.c_cflag |= CS8 | CLOCAL | CREAD;
        // One byte satisfies a read, so an empty queue gives EAGAIN and a
        // zero-length read can only mean the line went away.
        t.c_cc[VMIN] = 1;
        t.c_cc[VTIME] = 0;
        ::tcsetattr(m_fd, TCSANOW, &t);
    }
    return true;
}

void PosixSerialPort::setQueueSizes(int, int) {}

void PosixSerialPort::setLine(const LineSettings& s)
{
    if (m_fd < 0)
        return;
    termios t{};
    if (::tcgetattr(m_fd, &t) != 0)
        return;
    if (const speed_t code = SpeedCode(s.baudRate); code != B0) {
        ::cfsetispeed(&t, code);
        ::cfsetospeed(&t, code);
    }
    t.c_cflag &= ~static_cast<tcflag_t>(CSIZE);
    switch (s.dataBits) {
    case 5: t.c_cflag |= CS5; break;
    case 6: t.c_cflag |= CS6; break;
    case 7: t.c_cflag |= CS7; break;
    default: t.c_cflag |= CS8; break;
    }
    // Parity is generated when asked for but never checked on input.
    if (s.parity)
        t.c_cflag |= PARENB;
    else
        t.c_cflag &= ~static_cast<tcflag_t>(PARENB);
    t.c_iflag &= ~static_cast<tcflag_t>(INPCK);
    if (s.stopBits == 2)
        t.c_cflag |= CSTOPB;
    else
        t.c_cflag &= ~static_cast<tcflag_t>(CSTOPB);
    t.c_cflag |= CLOCAL | CREAD;
    ::tcsetattr(m_fd, TCSANOW, &t);
}

void PosixSerialPort::purge()
{
    if (m_fd < 0)
        return;
    // Output is flushed only while some is still queued: write() has already
    // waited for it to leave. On a pseudo-terminal an output flush also drops
    // what the other end has not read yet, bytes that a real cable delivered.
    int queued = 0;
    const bool outputQueued = ::ioctl(m_fd, TIOCOUTQ, &queued) != 0 || queued > 0;
    ::tcflush(m_fd, outputQueued ? TCIOFLUSH : TCIFLUSH);
}

int PosixSerialPort::read(std::uint8_t* buf, int n)
{
    if (m_fd < 0)
        return -1;
    if (n <= 0)
        return 0;
    const auto start = Clock::now();
    const auto totalEnd =
        Deadline(start, static_cast<long long>(m_timeouts.readTotalMultiplierMs) * n + m_timeouts.readTotalConstantMs);
    int got = 0;
    Clock::time_point lastByte;
    while (got < n) {
        const ssize_t r = ::read(m_fd, buf + got, static_cast<std::size_t>(n - got));
        if (r > 0) {
            got += static_cast<int>(r);
            lastByte = Clock::now();
            continue;
        }
        if (r == 0)
            return -1; // end of file on a terminal: the line hung up
        if (errno == EINTR)
            continue;
        if (errno != EAGAIN && errno != EWOULDBLOCK)
            return -1;
        auto until = totalEnd;
        // The interval clock starts with the first byte and restarts with each one.
        if (got > 0 && m_timeouts.readIntervalMs > 0)
            until = std::min(until, lastByte + std::chrono::milliseconds(m_timeouts.readIntervalMs));
        const Wait w = WaitFd(m_fd, POLLIN, until);
        if (w == Wait::Failed)
            return -1;
        if (w == Wait::TimedOut)
            return got;
    }
    return got;
}

int PosixSerialPort::write(const std::uint8_t* buf, int n)
{
    if (m_fd < 0)
        return -1;
    if (n <= 0)
        return 0;
    const auto end = Deadline(Clock::now(), static_cast<long long>(m_timeouts.writeTotalMultiplierMs) * n +
                                                m_timeouts.writeTotalConstantMs);
    int done = 0;
    while (done < n) {
        const ssize_t r = ::write(m_fd, buf + done, static_cast<std::size_t>(n - done));
        if (r > 0) {
            done += static_cast<int>(r);
            continue;
        }
        if (r < 0 && errno == EINTR)
            continue;
        if (r < 0 && errno != EAGAIN && errno != EWOULDBLOCK)
            return -1;
        const Wait w = WaitFd(m_fd, POLLOUT, end);
        if (w == Wait::Failed)
            return -1;
        if (w == Wait::TimedOut)
            return done;
    }
    // A write completes once the bytes are on the wire: a purge right after
    // (the wake-up sequence pauses 2 ms, then purges) must not discard them.
    for (int queued = 0; ::ioctl(m_fd, TIOCOUTQ, &queued) == 0 && queued > 0;) {
        if (Clock::now() >= end)
            break;
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
    }
    return done;
}

void PosixSerialPort::close()
{
    if (m_fd < 0)
        return;
    // The exclusive mark outlives us when someone else holds the device too
    // (a pseudo-terminal's master side does); clear it so the next open works.
    if (m_setExclusive)
        ::ioctl(m_fd, TIOCNXCL);
    ::close(m_fd);
    m_fd = -1;
    m_setExclusive = false;
}

bool PosixSerialPort::probe(const std::string& name)
{
    const int fd = OpenLocked(name);
    if (fd < 0)
        return false;
    ::close(fd);
    return true;
}

#endif
