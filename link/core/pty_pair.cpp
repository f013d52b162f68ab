#ifndef _WIN32

#include "link/core/pty_pair.h"

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <termios.h>
#include <unistd.h>

namespace {

std::string Reason(const char* what)
{
    return std::string(what) + ": " + std::strerror(errno);
}

} // namespace

PtyPair::~PtyPair()
{
    close();
}

bool PtyPair::open(std::string* error)
{
    close();
    std::string why;
    int m = ::posix_openpt(O_RDWR | O_NOCTTY);
    if (m < 0) {
        why = Reason("posix_openpt");
    } else if (::grantpt(m) != 0) {
        why = Reason("grantpt");
    } else if (::unlockpt(m) != 0) {
        why = Reason("unlockpt");
    } else if (const char* name = ::ptsname(m); name == nullptr) {
        why = Reason("ptsname");
    } else {
        slavePath_ = name;
        heldSlave_ = ::open(name, O_RDWR | O_NOCTTY | O_NONBLOCK | O_CLOEXEC);
        if (heldSlave_ < 0)
            why = Reason(name);
    }
    if (why.empty()) {
        // posix_openpt takes no O_NONBLOCK on every system; set it afterwards.
        ::fcntl(m, F_SETFD, FD_CLOEXEC);
        ::fcntl(m, F_SETFL, ::fcntl(m, F_GETFL) | O_NONBLOCK);
        termios t{};
        if (::tcgetattr(heldSlave_, &t) == 0) {
            ::cfmakeraw(&t);
            ::tcsetattr(heldSlave_, TCSANOW, &t);
        }
        master_ = m;
        return true;
    }
    if (m >= 0)
        ::close(m);
    if (heldSlave_ >= 0)
        ::close(heldSlave_);
    heldSlave_ = -1;
    slavePath_.clear();
    if (error)
        *error = why;
    return false;
}

void PtyPair::close()
{
    if (master_ >= 0)
        ::close(master_);
    if (heldSlave_ >= 0)
        ::close(heldSlave_);
    master_ = -1;
    heldSlave_ = -1;
}

#endif
