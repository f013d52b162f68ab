#ifndef _WIN32

#include "link/core/pty_sim_server.h"

#include "link/core/radio_end.h"

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <climits>
#include <cstring>
#include <fcntl.h>
#include <poll.h>
#include <unistd.h>

namespace {

void MakeNonBlocking(int fd)
{
    ::fcntl(fd, F_SETFL, ::fcntl(fd, F_GETFL) | O_NONBLOCK);
    ::fcntl(fd, F_SETFD, FD_CLOEXEC);
}

} // namespace

PtySimServer::PtySimServer(RadioEnd& radio) : m_radio(radio)
{
    if (::pipe(m_wake) == 0) {
        MakeNonBlocking(m_wake[0]);
        MakeNonBlocking(m_wake[1]);
    } else {
        m_wake[0] = m_wake[1] = -1;
    }
}

PtySimServer::~PtySimServer()
{
    for (int fd : m_wake) {
        if (fd >= 0)
            ::close(fd);
    }
}

bool PtySimServer::open(std::string* error)
{
    if (m_wake[0] < 0) {
        if (error)
            *error = std::string("pipe: ") + std::strerror(errno);
        return false;
    }
    return m_pty.open(error);
}

void PtySimServer::stop()
{
    const int saved = errno; // may run inside a signal handler
    const char byte = 1;
    if (m_wake[1] >= 0) {
        [[maybe_unused]] const ssize_t n = ::write(m_wake[1], &byte, 1);
    }
    errno = saved;
}

bool PtySimServer::flushPending()
{
    while (!m_pending.empty()) {
        const ssize_t n = ::write(m_pty.masterFd(), m_pending.data(), m_pending.size());
        if (n > 0) {
            m_pending.erase(m_pending.begin(), m_pending.begin() + n);
        } else if (n < 0 && errno == EINTR) {
            continue;
        } else if (n < 0 && (errno == EAGAIN || errno == EWOULDBLOCK)) {
            return true; // the client is not reading; poll tells when there is room
        } else {
            return false;
        }
    }
    return true;
}

PtySimServer::End PtySimServer::serve()
{
    if (!m_pty.isOpen() || m_wake[0] < 0)
        return End::Failed;
    using Clock = std::chrono::steady_clock;
    const auto t0 = Clock::now();
    const auto now = [t0] { return std::chrono::duration_cast<std::chrono::milliseconds>(Clock::now() - t0).count(); };
    std::uint8_t buf[512];
    for (;;) {
        for (int n; (n = m_radio.take(buf, static_cast<int>(sizeof buf), now())) > 0;)
            m_pending.insert(m_pending.end(), buf, buf + n);
        if (!flushPending())
            return End::Failed;
        if (m_radio.hungUp()) {
            // Closing the master is what a pulled cable looks like to the client.
            m_pty.close();
            m_pending.clear();
            return End::HungUp;
        }

        int timeout = -1;
        if (const auto due = m_radio.nextDue())
            timeout = static_cast<int>(std::clamp<std::int64_t>(*due - now(), 0, INT_MAX));
        pollfd p[2] = {{m_pty.masterFd(), static_cast<short>(POLLIN | (m_pending.empty() ? 0 : POLLOUT)), 0},
                       {m_wake[0], POLLIN, 0}};
        const int r = ::poll(p, 2, timeout);
        if (r < 0) {
            if (errno == EINTR)
                continue;
            return End::Failed;
        }
        if (p[1].revents) {
            while (::read(m_wake[0], buf, sizeof buf) > 0) {
            }
            // What the client sent before we were stopped still reaches the
            // radio, so a test can stop the server right after its last write.
            for (ssize_t n; (n = ::read(m_pty.masterFd(), buf, sizeof buf)) > 0;)
                m_radio.receive(buf, static_cast<int>(n), now());
            return End::Stopped;
        }
        if (p[0].revents & POLLIN) {
            const ssize_t n = ::read(m_pty.masterFd(), buf, sizeof buf);
            if (n > 0)
                m_radio.receive(buf, static_cast<int>(n), now());
            else if (n < 0 && errno != EAGAIN && errno != EWOULDBLOCK && errno != EINTR)
                return End::Failed;
        } else if (p[0].revents & (POLLERR | POLLNVAL)) {
            return End::Failed;
        } else if (p[0].revents & POLLHUP) {
            // No client holds the slave (some systems say so even while we
            // hold it ourselves): wait for one without spinning.
            ::poll(&p[1], 1, 10);
        }
    }
}

#endif
