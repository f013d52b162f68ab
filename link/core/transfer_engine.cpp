#include "link/core/transfer_engine.h"

#include <algorithm>

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
    : port_(port), clock_(clock), ui_(ui), flags_(flags)
{
}

TransferOutcome TransferEngine::run(const TransferJob& job, const RadioImage& image)
{
    TransferOutcome out;
    const bool read = job.mode == TransferMode::Read;
    flags_.busy = true;
    flags_.cancel = false;
    // A read fills a copy, so that a failed or cancelled read leaves the document as it was.
    if (read)
        out.received = std::make_unique<RadioImage>(image);
    wakeAttempts_ = 0;
    done_ = 0;
    total_ = CountBlocks(job.ranges);

    if (!RangesAreValid(job.ranges)) {
        out.result = finish(Status::Declined);
        return out;
    }
    if (!port_.open(job.portName)) {
        ui_.showMessage(kOpenPortFailMessage);
        flags_.busy = false;
        ui_.finished(0);
        return out;
    }
    ui_.disableStart();
    port_.setQueueSizes(kReceiveQueue, kTransmitQueue);
    port_.setTimeouts(PortTimeouts{});
    port_.setLine(LineSettings{});

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
    switch (status) {
    case Status::Ok: result = 1; break;
    case Status::CommError:
    case Status::PortFailed: ui_.showMessage(kCommunicationErrorMessage); break;
    case Status::WriteRefused:
        ui_.showMessage(kCommunicationErrorMessage);
        sendEnd(false);
        break;
    case Status::Cancelled:
        // Stopped on request; "ENDW" in a read too. If even that fails, the
        // radio was never told, and the user should know.
        if (sendEnd(false) != Status::Ok)
            ui_.showMessage(kCommunicationErrorMessage);
        break;
    case Status::Declined: break;
    }
    if (port_.isOpen())
        port_.close();
    flags_.busy = false;
    ui_.finished(result);
    return result;
}

bool TransferEngine::send(const std::uint8_t* bytes, int n)
{
    return port_.write(bytes, n) >= 0;
}

TransferEngine::Status TransferEngine::sendEnd(bool read)
{
    const std::uint8_t end[4] = {'E', 'N', 'D', static_cast<std::uint8_t>(read ? 'R' : 'W')};
    return send(end, 4) ? Status::Ok : Status::PortFailed;
}

TransferEngine::Status TransferEngine::handshake(const TransferJob& job)
{
    bool lockChecked = false;
    for (;;) {
        // CMD_HEAD may have changed since the last pass.
        const Handshake bytes = ParseCmdHead(job.cmdHead ? job.cmdHead() : std::string());
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
        if (locked && !ui_.askPassword())
            return Status::Declined;
        lockChecked = true;
    }
}

TransferEngine::Status TransferEngine::wakeUp(const Handshake& bytes)
{
    for (;;) {
        for (int i = 0; i < kWakeUpSize; ++i) {
            clock_.sleepMs(kWakeBytePauseMs);
            port_.purge();
            if (!send(&bytes[static_cast<std::size_t>(i)], 1))
                return Status::PortFailed;
        }
        std::uint8_t b = 0;
        int r = port_.read(&b, 1);
        if (r < 0)
            return Status::PortFailed;
        if (r == 1 && b == kAck)
            return Status::Ok;
        const std::int64_t start = clock_.nowMs();
        for (;;) {
            r = port_.read(&b, 1);
            if (r < 0)
                return Status::PortFailed;
            if (r == 1 && b == kAck)
                return Status::Ok;
            if (clock_.nowMs() - start > kWakeWaitMs)
                break;
        }
        if (wakeAttempts_ >= kMaxWakeRetries)
            return Status::CommError;
        ++wakeAttempts_;
    }
}

TransferEngine::Status TransferEngine::identify(const Handshake& bytes)
{
    rx_.fill(0);
    port_.purge();
    if (!send(&bytes[kWakeUpSize], kHandshakeSize - kWakeUpSize))
        return Status::PortFailed;
    const int r = port_.read(rx_.data(), kIdentSize);
    if (r < 0)
        return Status::PortFailed;
    return r < kIdentSize ? Status::CommError : Status::Ok;
}

TransferEngine::Status TransferEngine::acknowledge()
{
    rx_[0] = 0;
    port_.purge();
    if (!send(&kAck, 1))
        return Status::PortFailed;
    const int r = port_.read(rx_.data(), 1);
    if (r < 0)
        return Status::PortFailed;
    return (r == 1 && rx_[0] == kAck) ? Status::Ok : Status::CommError;
}

TransferEngine::Status TransferEngine::checkLock(bool& locked)
{
    port_.purge();
    const std::uint8_t command[4] = {'R', kLockBlockAddress >> 8, kLockBlockAddress & 0xFF, kMaxBlockLength};
    if (!send(command, 4))
        return Status::PortFailed;
    std::uint8_t header[kReplyHeaderSize];
    if (port_.read(header, kReplyHeaderSize) < 0)
        return Status::PortFailed;
    // The reply's length is not checked; a lock byte that never came reads as unlocked.
    rx_.fill(0);
    if (port_.read(rx_.data(), kMaxBlockLength) < 0)
        return Status::PortFailed;
    locked = rx_[kLockByteIndex] == kLockedValue;
    clock_.sleepMs(kAckPauseMs);
    // Only a dead line matters here; the answer itself is not checked.
    return acknowledge() == Status::PortFailed ? Status::PortFailed : Status::Ok;
}

TransferEngine::Status TransferEngine::readBlock(const TransferBlock& b, RadioImage& staging)
{
    port_.purge();
    const std::uint8_t command[4] = {'R', static_cast<std::uint8_t>(b.address >> 8),
                                     static_cast<std::uint8_t>(b.address & 0xFF), static_cast<std::uint8_t>(b.length)};
    if (!send(command, 4))
        return Status::PortFailed;
    std::uint8_t header[kReplyHeaderSize];
    int r = port_.read(header, kReplyHeaderSize);
    if (r < 0)
        return Status::PortFailed;
    // A short reply leaves the data misaligned or incomplete: nothing of it is kept.
    if (r < kReplyHeaderSize)
        return Status::CommError;
    r = port_.read(rx_.data(), b.length);
    if (r < 0)
        return Status::PortFailed;
    if (r < b.length)
        return Status::CommError;
    std::copy_n(rx_.begin(), b.length, staging.begin() + b.address);

    Status ack = Status::CommError;
    for (int i = 0; i < kAckTries && ack == Status::CommError; ++i) {
        clock_.sleepMs(kAckPauseMs);
        ack = acknowledge();
    }
    return ack == Status::Ok ? stepProgress() : ack;
}

TransferEngine::Status TransferEngine::writeBlock(const TransferBlock& b, const RadioImage& image)
{
    std::copy_n(image.begin() + b.address, b.length, tx_.begin());
    rx_[0] = 0;
    port_.purge();
    const std::uint8_t command[4] = {'W', static_cast<std::uint8_t>(b.address >> 8),
                                     static_cast<std::uint8_t>(b.address & 0xFF), static_cast<std::uint8_t>(b.length)};
    if (!send(command, 4) || !send(tx_.data(), b.length))
        return Status::PortFailed;
    const int r = port_.read(rx_.data(), 1);
    if (r < 0)
        return Status::PortFailed;
    if (r != 1 || rx_[0] != kAck)
        return Status::WriteRefused;
    return stepProgress();
}

TransferEngine::Status TransferEngine::stepProgress()
{
    ++done_;
    ui_.progress(done_, total_, std::to_string(done_ * 100 / total_) + "%");
    return flags_.cancel ? Status::Cancelled : Status::Ok;
}
