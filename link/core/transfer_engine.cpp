#include "link/core/transfer_engine.h"

#include <algorithm>
#include <cstdio>

namespace {
constexpr std::uint8_t kAck = 'A';
constexpr int kWakeBytePauseMs = 2;
constexpr std::int64_t kWakeWaitMs = 500;
constexpr int kMaxWakeRetries = 8; // nine attempts in all, over both handshake passes
constexpr int kIdentSize = 16;
constexpr int kReplyHeaderSize = 4;
constexpr int kAckPauseMs = 10;
constexpr int kAckTries = 4;
constexpr std::uint32_t kLockBlockAddress = 0xCC00;
constexpr int kLockByteIndex = 8;
constexpr std::uint8_t kLockedValue = 3;
constexpr int kReceiveQueue = 1024;
constexpr int kTransmitQueue = 512;
} // namespace

bool TryBeginTransfer(LinkFlags& flags)
{
    bool idle = false;
    return flags.busy.compare_exchange_strong(idle, true);
}

TransferEngine::TransferEngine(SerialPort& port, LinkClock& clock, TransferUi& ui, LinkFlags& flags)
    : m_device(port), m_clock(clock), m_ui(ui), m_flags(flags)
{
}

TransferOutcome TransferEngine::run(const TransferJob& job, const RadioImage& image)
{
    TransferOutcome out;
    const bool read = job.mode == TransferMode::Read;
    m_flags.busy = true;
    m_flags.cancel = false;
    m_flags.interrupt = false;
    // A read fills a copy, so that a failed or cancelled read leaves the document as it was.
    if (read)
        out.received = std::make_unique<RadioImage>(image);
    m_wakeAttempts = 0;
    m_done = 0;
    m_total = CountBlocks(job.ranges);
    m_traced.reset();
    m_port = &m_device;
    if (m_trace) {
        m_traced = std::make_unique<TracingPort>(m_device, *m_trace);
        m_port = m_traced.get();
        note(std::string(read ? "read" : "write") + ", " + std::to_string(m_total) + " blocks in " +
             std::to_string(job.ranges.size()) + " range(s), port " + job.portName);
    }

    if (!RangesAreValid(job.ranges)) {
        out.result = finish(Status::Declined);
        return out;
    }
    if (!m_port->open(job.portName)) {
        m_ui.portOpenFailed(job.portName, m_port->openFailure());
        note(std::string("result: ") + kOpenPortFailMessage);
        m_flags.busy = false;
        m_ui.finished(0);
        return out;
    }
    m_ui.disableStart();
    m_port->setQueueSizes(kReceiveQueue, kTransmitQueue);
    m_port->setTimeouts(PortTimeouts{});
    m_port->setLine(LineSettings{});

    Status status = handshake(job);
    if (status == Status::Ok) {
        for (const TransferBlock& block : DivideIntoBlocks(job.ranges)) {
            status = read ? readBlock(block, *out.received) : writeBlock(block, image);
            if (status != Status::Ok)
                break;
        }
    }
    if (status == Status::Ok)
        status = sendEnd(read);
    out.result = finish(status);
    return out;
}

int TransferEngine::finish(Status status)
{
    int result = 0;
    const char* outcome = "declined";
    switch (status) {
    case Status::Ok:
        result = 1;
        outcome = "completed";
        break;
    case Status::CommError:
    case Status::PortFailed:
        outcome = status == Status::PortFailed ? "Communication error (the port failed)" : kCommunicationErrorMessage;
        m_ui.showMessage(kCommunicationErrorMessage);
        break;
    case Status::WriteRefused:
        outcome = kCommunicationErrorMessage;
        m_ui.showMessage(kCommunicationErrorMessage);
        sendEnd(false);
        break;
    case Status::Cancelled:
        outcome = "Cancelled";
        // Stopped on request; "ENDW" in a read too. If even that fails, the
        // radio was never told, and the user should know.
        if (sendEnd(false) != Status::Ok) {
            outcome = kCommunicationErrorMessage;
            m_ui.showMessage(kCommunicationErrorMessage);
        }
        break;
    case Status::Interrupted:
        outcome = kInterruptedMessage;
        m_ui.showMessage(kInterruptedMessage);
        break;
    case Status::Declined: break;
    }
    note(std::string("result: ") + outcome);
    if (m_port->isOpen())
        m_port->close();
    m_flags.busy = false;
    m_ui.finished(result);
    return result;
}

void TransferEngine::note(const std::string& text)
{
    if (m_trace)
        m_trace->note(text);
}

bool TransferEngine::send(const std::uint8_t* bytes, int n)
{
    return m_port->write(bytes, n) >= 0;
}

TransferEngine::Status TransferEngine::sendEnd(bool read)
{
    const std::uint8_t end[4] = {'E', 'N', 'D', static_cast<std::uint8_t>(read ? 'R' : 'W')};
    note(read ? "end command ENDR" : "end command ENDW");
    return send(end, 4) ? Status::Ok : Status::PortFailed;
}

TransferEngine::Status TransferEngine::handshake(const TransferJob& job)
{
    bool lockChecked = false;
    for (;;) {
        // CMD_HEAD may have changed since the last pass.
        const Handshake bytes = ParseCmdHead(job.cmdHead ? job.cmdHead() : std::string());
        if (m_trace)
            note(std::string(lockChecked ? "second" : "first") + " handshake pass, bytes " +
                 TraceHex(bytes.data(), kHandshakeSize));
        Status s = wakeUp(bytes);
        if (s == Status::Ok)
            s = identify(bytes);
        if (s == Status::Ok)
            s = acknowledge();
        if (s != Status::Ok || lockChecked)
            return s;
        bool locked = false;
        s = checkLock(locked);
        if (s != Status::Ok)
            return s;
        if (locked) {
            // What was typed stays out of the log: only whether it was accepted.
            note("asking for the password");
            const bool accepted = m_ui.askPassword();
            note(accepted ? "password accepted" : "password not accepted");
            if (!accepted)
                return Status::Declined;
        }
        lockChecked = true;
    }
}

TransferEngine::Status TransferEngine::wakeUp(const Handshake& bytes)
{
    for (;;) {
        note("wake-up");
        for (int i = 0; i < kWakeUpSize; ++i) {
            if (m_flags.interrupt)
                return Status::Interrupted;
            m_clock.sleepMs(kWakeBytePauseMs);
            m_port->purge();
            if (!send(&bytes[static_cast<std::size_t>(i)], 1))
                return Status::PortFailed;
        }
        std::uint8_t b = 0;
        int r = m_port->read(&b, 1);
        if (r < 0)
            return Status::PortFailed;
        if (r == 1 && b == kAck)
            return Status::Ok;
        const std::int64_t start = m_clock.nowMs();
        for (;;) {
            r = m_port->read(&b, 1);
            if (r < 0)
                return Status::PortFailed;
            if (r == 1 && b == kAck)
                return Status::Ok;
            if (m_flags.interrupt)
                return Status::Interrupted;
            if (m_clock.nowMs() - start > kWakeWaitMs)
                break;
        }
        if (m_wakeAttempts >= kMaxWakeRetries) {
            note("no answer to the wake-up: giving up");
            return Status::CommError;
        }
        ++m_wakeAttempts;
        note("no answer to the wake-up: retry " + std::to_string(m_wakeAttempts) + " of " +
             std::to_string(kMaxWakeRetries));
    }
}

TransferEngine::Status TransferEngine::identify(const Handshake& bytes)
{
    m_rx.fill(0);
    m_port->purge();
    if (!send(&bytes[kWakeUpSize], kHandshakeSize - kWakeUpSize))
        return Status::PortFailed;
    const int r = m_port->read(m_rx.data(), kIdentSize);
    if (r < 0)
        return Status::PortFailed;
    if (r < kIdentSize) {
        note("identification short: " + std::to_string(r) + " of " + std::to_string(kIdentSize) + " bytes");
        return Status::CommError;
    }
    return Status::Ok;
}

TransferEngine::Status TransferEngine::acknowledge()
{
    m_rx[0] = 0;
    m_port->purge();
    if (!send(&kAck, 1))
        return Status::PortFailed;
    const int r = m_port->read(m_rx.data(), 1);
    if (r < 0)
        return Status::PortFailed;
    return (r == 1 && m_rx[0] == kAck) ? Status::Ok : Status::CommError;
}

TransferEngine::Status TransferEngine::checkLock(bool& locked)
{
    m_port->purge();
    const std::uint8_t command[4] = {'R', kLockBlockAddress >> 8, kLockBlockAddress & 0xFF, kMaxBlockLength};
    if (!send(command, 4))
        return Status::PortFailed;
    std::uint8_t header[kReplyHeaderSize];
    if (m_port->read(header, kReplyHeaderSize) < 0)
        return Status::PortFailed;
    // The reply's length is not checked; a lock byte that never came reads as unlocked.
    m_rx.fill(0);
    if (m_port->read(m_rx.data(), kMaxBlockLength) < 0)
        return Status::PortFailed;
    locked = m_rx[kLockByteIndex] == kLockedValue;
    if (m_trace) {
        char text[48];
        std::snprintf(text, sizeof text, "lock byte %02X: %s", m_rx[kLockByteIndex], locked ? "locked" : "not locked");
        note(text);
    }
    m_clock.sleepMs(kAckPauseMs);
    // Only a dead line matters here; the answer itself is not checked.
    return acknowledge() == Status::PortFailed ? Status::PortFailed : Status::Ok;
}

TransferEngine::Status TransferEngine::readBlock(const TransferBlock& b, RadioImage& staging)
{
    m_port->purge();
    const std::uint8_t command[4] = {'R', static_cast<std::uint8_t>(b.address >> 8),
                                     static_cast<std::uint8_t>(b.address & 0xFF), static_cast<std::uint8_t>(b.length)};
    if (!send(command, 4))
        return Status::PortFailed;
    std::uint8_t header[kReplyHeaderSize];
    int r = m_port->read(header, kReplyHeaderSize);
    if (r < 0)
        return Status::PortFailed;
    // A short reply leaves the data misaligned or incomplete: nothing of it is kept.
    if (r < kReplyHeaderSize) {
        note("reply header short: " + std::to_string(r) + " of " + std::to_string(kReplyHeaderSize) + " bytes");
        return Status::CommError;
    }
    r = m_port->read(m_rx.data(), b.length);
    if (r < 0)
        return Status::PortFailed;
    if (r < b.length) {
        note("reply data short: " + std::to_string(r) + " of " + std::to_string(b.length) + " bytes");
        return Status::CommError;
    }
    std::copy_n(m_rx.begin(), b.length, staging.begin() + b.address);

    Status ack = Status::CommError;
    for (int i = 0; i < kAckTries && ack == Status::CommError; ++i) {
        if (i > 0)
            note("acknowledge again, try " + std::to_string(i + 1) + " of " + std::to_string(kAckTries));
        m_clock.sleepMs(kAckPauseMs);
        ack = acknowledge();
    }
    return ack == Status::Ok ? stepProgress() : ack;
}

TransferEngine::Status TransferEngine::writeBlock(const TransferBlock& b, const RadioImage& image)
{
    std::copy_n(image.begin() + b.address, b.length, m_tx.begin());
    m_rx[0] = 0;
    m_port->purge();
    const std::uint8_t command[4] = {'W', static_cast<std::uint8_t>(b.address >> 8),
                                     static_cast<std::uint8_t>(b.address & 0xFF), static_cast<std::uint8_t>(b.length)};
    if (!send(command, 4) || !send(m_tx.data(), b.length))
        return Status::PortFailed;
    const int r = m_port->read(m_rx.data(), 1);
    if (r < 0)
        return Status::PortFailed;
    if (r != 1 || m_rx[0] != kAck) {
        note(r == 1 ? "write refused" : "write not answered");
        return Status::WriteRefused;
    }
    return stepProgress();
}

TransferEngine::Status TransferEngine::stepProgress()
{
    ++m_done;
    m_ui.progress(m_done, m_total, std::to_string(m_done * 100 / m_total) + "%");
    if (m_flags.cancel)
        note("stop asked for: stopping after block " + std::to_string(m_done));
    return m_flags.cancel ? Status::Cancelled : Status::Ok;
}
