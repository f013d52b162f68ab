#pragma once

// The programmer's side of the line for tests against a radio served on a
// pseudo-terminal.
#include "link/core/handshake.h"
#include "link/core/port_posix.h"

#include <algorithm>
#include <chrono>
#include <cstdint>
#include <string>
#include <thread>
#include <vector>

using Bytes = std::vector<std::uint8_t>;

// The protocol's side of the line. Time-outs are long so a slow machine only
// makes the test slower; every expected answer ends the read early.
class PtyTestClient {
public:
    bool open(const std::string& path)
    {
        if (!port.open(path))
            return false;
        port.setQueueSizes(1024, 512);
        port.setTimeouts(
            PortTimeouts{.readIntervalMs = 3000, .readTotalMultiplierMs = 50, .readTotalConstantMs = 10000});
        port.setLine(LineSettings{});
        return true;
    }

    Bytes exchange(const Bytes& command, int replyLength)
    {
        port.purge();
        if (port.write(command.data(), static_cast<int>(command.size())) != static_cast<int>(command.size()))
            return {};
        Bytes reply(static_cast<std::size_t>(replyLength));
        const int n = port.read(reply.data(), replyLength);
        reply.resize(static_cast<std::size_t>(std::max(n, 0)));
        return reply;
    }

    // Wake-up one byte at a time, 2 ms apart, then
    // identification and acknowledge; true when every answer came.
    bool handshake()
    {
        // No purge between the bytes, unlike the program: on a busy machine the
        // server thread may not have taken a byte yet, and a purge would drop it.
        for (int i = 0; i < kWakeUpSize; ++i) {
            std::this_thread::sleep_for(std::chrono::milliseconds(2));
            if (port.write(&kDefaultHandshake[static_cast<std::size_t>(i)], 1) != 1)
                return false;
        }
        std::uint8_t a = 0;
        if (port.read(&a, 1) != 1 || a != 'A')
            return false;
        if (exchange({kDefaultHandshake[7], kDefaultHandshake[8]}, 16).size() != 16)
            return false;
        return exchange({'A'}, 1) == Bytes{'A'};
    }

    PosixSerialPort port;
};
