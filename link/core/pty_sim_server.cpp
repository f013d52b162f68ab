#ifndef _WIN32

#include "link/core/pty_sim_server.h"

#include "link/core/sim_radio.h"

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

PtySimServer::PtySimServer(SimRadio& radio) : radio_(radio)
{
    if (::pipe(wake_) == 0) {
        MakeNonBlocking(wake_[0]);
        MakeNonBlocking(wake_[1]);
    } else {
        wake_[0] = wake_[1] = -1;
    }
}

PtySimServer::~PtySimServer()
{
    for (int fd : wake_) {
        if (fd >= 0)
            ::close(fd);
    }
}

bool PtySimServer::open(std::string* error)
{
    if (wake_[0] < 0) {
        if (error)
            *error = std::string("pipe: ") + std::strerror(errno);
        return false;
    }
    return pty_.open(error);
}

void PtySimServer::stop()
{
    const int saved = errno; // may run inside a signal handler
    const char byte = 1;
    if (wake_[1] >= 0) {
        [[maybe_unused]] const ssize_t n = ::write(wake_[1], &byte, 1);
    }
    errno = saved;
}

bool PtySimServer::flushPending()
{
    while (!pending_.empty()) {
        const ssize_t n = ::write(pty_.masterFd(), pending_.data(), pending_.size());
        if (n > 0) {
            pending_.erase(pending_.begin(), pending_.begin() + n);
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
    if (!pty_.isOpen() || wake_[0] < 0)
        return End::Failed;
    using Clock = std::chrono::steady_clock;
    const auto t0 = Clock::now();
    const auto now = [t0] { return std::chrono::duration_cast<std::chrono::milliseconds>(Clock::now() - t0).count(); };
    std::uint8_t buf[512];
    for (;;) {
        for (int n; (n = radio_.take(buf, static_cast<int>(sizeof buf), now())) > 0;)
            pending_.insert(pending_.end(), buf, buf + n);
        if (!flushPending())
            return End::Failed;
        if (radio_.hungUp()) {
            // Closing the master is what a pulled cable looks like to the client.
            pty_.close();
            pending_.clear();
            return End::HungUp;
        }

        int timeout = -1;
        if (const auto due = radio_.nextDue())
            timeout = static_cast<int>(std::clamp<std::int64_t>(*due - now(), 0, INT_MAX));
        pollfd p[2] = {{pty_.masterFd(), static_cast<short>(POLLIN | (pending_.empty() ? 0 : POLLOUT)), 0},
                       {wake_[0], POLLIN, 0}};
        const int r = ::poll(p, 2, timeout);
        if (r < 0) {
            if (errno == EINTR)
                continue;
            return End::Failed;
        }
        if (p[1].revents) {
            while (::read(wake_[0], buf, sizeof buf) > 0) {
            }
            // What the client sent before we were stopped still reaches the
            // radio, so a test can stop the server right after its last write.
            for (ssize_t n; (n = ::read(pty_.masterFd(), buf, sizeof buf)) > 0;)
                radio_.receive(buf, static_cast<int>(n), now());
            return End::Stopped;
        }
        if (p[0].revents & POLLIN) {
            const ssize_t n = ::read(pty_.masterFd(), buf, sizeof buf);
            if (n > 0)
                radio_.receive(buf, static_cast<int>(n), now());
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
