#pragma once

#ifndef _WIN32

#include <string>

// A pseudo-terminal whose master end plays the device and whose slave path is
// what a program opens as its serial port. The pair keeps a slave descriptor
// of its own, in raw mode, so that the master does not see a hang-up between
// two clients and nothing is echoed before a client configures the line.
class PtyPair {
public:
    PtyPair() = default;
    ~PtyPair();
    PtyPair(const PtyPair&) = delete;
    PtyPair& operator=(const PtyPair&) = delete;

    // Creates the pair; false (with the reason in *error) when the system has none to give.
    bool open(std::string* error = nullptr);
    bool isOpen() const { return m_master >= 0; }

    // Non-blocking master descriptor; -1 when closed.
    int masterFd() const { return m_master; }
    const std::string& slavePath() const { return m_slavePath; }

    // Drops the line: every client of the slave sees a hang-up.
    void close();

private:
    int m_master = -1;
    int m_heldSlave = -1;
    std::string m_slavePath;
};

#endif
