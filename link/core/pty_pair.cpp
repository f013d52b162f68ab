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
        m_slavePath = name;
        m_heldSlave = ::open(name, O_RDWR | O_NOCTTY | O_NONBLOCK | O_CLOEXEC);
        if (m_heldSlave < 0)
            why = Reason(name);
    }
    if (why.empty()) {
        // posix_openpt takes no O_NONBLOCK on every system; set it afterwards.
        ::fcntl(m, F_SETFD, FD_CLOEXEC);
        ::fcntl(m, F_SETFL, ::fcntl(m, F_GETFL) | O_NONBLOCK);
        termios t{};
        if (::tcgetattr(m_heldSlave, &t) == 0) {
            ::cfmakeraw(&t);
            ::tcsetattr(m_heldSlave, TCSANOW, &t);
        }
        m_master = m;
        return true;
    }
    if (m >= 0)
        ::close(m);
    if (m_heldSlave >= 0)
        ::close(m_heldSlave);
    m_heldSlave = -1;
    m_slavePath.clear();
    if (error)
        *error = why;
    return false;
}

void PtyPair::close()
{
    if (m_master >= 0)
        ::close(m_master);
    if (m_heldSlave >= 0)
        ::close(m_heldSlave);
    m_master = -1;
    m_heldSlave = -1;
}

#endif
