#pragma once

#ifndef _WIN32

#include "link/core/pty_pair.h"

#include <cstdint>
#include <string>
#include <vector>

class RadioEnd;

// Serves a radio end (the simulated radio, a replayed log) on a pseudo-terminal: bytes a program writes to the slave
// path go to the radio, the radio's answers come back when they fall due.
// serve() runs on whatever thread calls it until stop() or until the radio
// drops the line; the radio belongs to that thread meanwhile.
class PtySimServer {
public:
    enum class End {
        Stopped, // stop() was called
        HungUp,  // the radio dropped the line; the pseudo-terminal is closed
        Failed,  // the pseudo-terminal failed
    };

    explicit PtySimServer(RadioEnd& radio);
    ~PtySimServer();
    PtySimServer(const PtySimServer&) = delete;
    PtySimServer& operator=(const PtySimServer&) = delete;

    // Creates the pseudo-terminal; false with the reason in *error.
    bool open(std::string* error = nullptr);
    // The path a program opens as its port, e.g. "/dev/pts/3".
    const std::string& devicePath() const { return m_pty.slavePath(); }

    End serve();
    // From any thread or from a signal handler; a stop before serve() makes
    // serve() return at once. Bytes a client wrote before the stop still
    // reach the radio.
    void stop();

private:
    bool flushPending();

    RadioEnd& m_radio;
    PtyPair m_pty;
    int m_wake[2] = {-1, -1};
    std::vector<std::uint8_t> m_pending; // answers due but not yet taken by the pseudo-terminal
};

#endif
