#include "link/core/sim_radio.h"

#include <algorithm>

namespace {
constexpr std::uint8_t kAck = 'A';
constexpr std::uint8_t kNak = 'N';
constexpr std::int64_t kNsPerMs = 1'000'000;
// 10 bits (start, 8 data, stop) at 38,400 bit/s.
constexpr std::int64_t kByteNs = 260'417;
constexpr std::uint32_t kLockBlock = 0xCC00;
constexpr std::uint32_t kIdentAddress = 0xFF00; // the model information answers the identification
constexpr int kIdentSize = 16;
} // namespace

SimRadio::SimRadio(const RadioImage& memory) : SimRadio(memory, Faults{}) {}

SimRadio::SimRadio(const RadioImage& memory, Faults faults)
    : memory_(std::make_unique<RadioImage>(memory)), faults_(faults)
{
}

void SimRadio::setHandshake(const Handshake& bytes)
{
    handshake_ = bytes;
}
void SimRadio::setFaults(const Faults& faults)
{
    faults_ = faults;
}
int SimRadio::wakeUps() const
{
    return wakeUps_;
}
bool SimRadio::lockChecked() const
{
    return lockChecked_;
}
bool SimRadio::hungUp() const
{
    return hungUp_;
}
const RadioImage& SimRadio::memory() const
{
    return *memory_;
}
bool SimRadio::sawEndRead() const
{
    return endRead_;
}
bool SimRadio::sawEndWrite() const
{
    return endWrite_;
}
int SimRadio::dataBlocks() const
{
    return dataBlocks_;
}

void SimRadio::setLocked(bool locked)
{
    (*memory_)[kLockAddress] = locked ? kLockedValue : 0;
}

void SimRadio::receive(const std::uint8_t* data, int n, std::int64_t nowMs)
{
    const std::int64_t nowNs = nowMs * kNsPerMs;
    for (int i = 0; i < n && !hungUp_; ++i) {
        // A byte counts as received once its stop bit is in.
        const std::int64_t at = std::max(nowNs, inFreeNs_) + (faults_.pace ? kByteNs : 0);
        inFreeNs_ = at;
        process(data[i], at);
    }
}

int SimRadio::take(std::uint8_t* out, int max, std::int64_t nowMs)
{
    int n = 0;
    while (n < max && !out_.empty() && out_.front().dueNs <= nowMs * kNsPerMs) {
        out[n++] = out_.front().byte;
        out_.pop_front();
    }
    return n;
}

std::optional<std::int64_t> SimRadio::nextDue() const
{
    if (out_.empty())
        return std::nullopt;
    return (out_.front().dueNs + kNsPerMs - 1) / kNsPerMs;
}

void SimRadio::purgeDue(std::int64_t nowMs)
{
    while (!out_.empty() && out_.front().dueNs <= nowMs * kNsPerMs)
        out_.pop_front();
}

void SimRadio::emitBytes(const std::uint8_t* bytes, int n, std::int64_t atNs)
{
    if (faults_.silent || hungUp_)
        return;
    for (int i = 0; i < n; ++i) {
        const std::int64_t due = std::max(atNs, outFreeNs_) + (faults_.pace ? kByteNs : 0);
        outFreeNs_ = due;
        out_.push_back({due, bytes[i]});
    }
}

void SimRadio::emitJunk(int n, std::int64_t atNs)
{
    for (int i = 0; i < n; ++i) {
        junkSeed_ = junkSeed_ * 1664525u + 1013904223u;
        std::uint8_t b = static_cast<std::uint8_t>(junkSeed_ >> 24);
        if (b == kAck)
            b = kNak;
        emitByte(b, atNs);
    }
}

SimRadio::Fault SimRadio::faultFor(int block) const
{
    if (block == faults_.refuseBlock)
        return Fault::Refuse;
    if (block == faults_.cutReplyBlock)
        return Fault::Cut;
    if (block == faults_.garbageBlock)
        return Fault::Garbage;
    return Fault::None;
}

void SimRadio::process(std::uint8_t b, std::int64_t atNs)
{
    switch (state_) {
    case State::Dead: return;
    case State::Asleep: asleep(b, atNs); return;
    case State::Identifying:
        if (b == handshake_[static_cast<std::size_t>(kWakeUpSize + identMatched_)]) {
            if (++identMatched_ == kHandshakeSize - kWakeUpSize) {
                emitBytes(memory_->data() + kIdentAddress, kIdentSize, atNs);
                state_ = State::AwaitingAck;
            }
            return;
        }
        state_ = State::Asleep; // a new wake-up, or noise
        asleep(b, atNs);
        return;
    case State::AwaitingAck:
        if (b == kAck) {
            emitByte(kAck, atNs);
            state_ = State::Session;
            blocksThisSession_ = 0;
            ackFault_ = Fault::None;
            return;
        }
        state_ = State::Asleep;
        asleep(b, atNs);
        return;
    case State::Session: session(b, atNs); return;
    case State::Command:
        command_[commandLen_++] = b;
        if (commandLen_ == 4)
            blockCommand(atNs);
        return;
    case State::WriteData:
        writeData_.push_back(b);
        if (static_cast<int>(writeData_.size()) == writeLength_)
            finishWrite(atNs);
        return;
    case State::EndCommand:
        command_[commandLen_++] = b;
        if (commandLen_ < 4)
            return;
        if (command_[1] == 'N' && command_[2] == 'D' && (command_[3] == 'R' || command_[3] == 'W')) {
            (command_[3] == 'R' ? endRead_ : endWrite_) = true;
            state_ = State::Asleep;
            wakeMatched_ = 0;
        } else {
            state_ = State::Session;
        }
        return;
    }
}

void SimRadio::asleep(std::uint8_t b, std::int64_t atNs)
{
    if (b == handshake_[static_cast<std::size_t>(wakeMatched_)])
        ++wakeMatched_;
    else
        wakeMatched_ = b == handshake_[0] ? 1 : 0;
    if (wakeMatched_ < kWakeUpSize)
        return;
    wakeMatched_ = 0;
    identMatched_ = 0;
    ++wakeUps_;
    emitByte(kAck, atNs + static_cast<std::int64_t>(faults_.wakeupDelayMs) * kNsPerMs);
    state_ = State::Identifying;
}

void SimRadio::session(std::uint8_t b, std::int64_t atNs)
{
    switch (b) {
    case kAck:
        if (ackFault_ == Fault::Refuse)
            emitByte(kNak, atNs);
        else if (ackFault_ == Fault::Garbage)
            emitJunk(1, atNs);
        else
            emitByte(kAck, atNs);
        return;
    case 'R':
    case 'W':
    case 'E':
        command_[0] = b;
        commandLen_ = 1;
        state_ = b == 'E' ? State::EndCommand : State::Command;
        return;
    default:
        // Only a new wake-up leaves a session without an end command.
        if (b == handshake_[0]) {
            state_ = State::Asleep;
            wakeMatched_ = 0;
            asleep(b, atNs);
        }
        return;
    }
}

void SimRadio::blockCommand(std::int64_t atNs)
{
    const std::uint8_t letter = command_[0];
    const std::uint32_t address = static_cast<std::uint32_t>(command_[1] << 8 | command_[2]);
    const int length = command_[3];
    // The programmer reads the lock block first thing in a session.
    const bool lockBlock = letter == 'R' && address == kLockBlock && length == 0x80 && blocksThisSession_ == 0;
    ++blocksThisSession_;
    ackFault_ = Fault::None;
    state_ = State::Session;

    if (!lockBlock && faults_.hangUpAfterBlocks >= 0 && dataBlocks_ >= faults_.hangUpAfterBlocks) {
        hungUp_ = true;
        out_.clear();
        state_ = State::Dead;
        return;
    }
    const Fault fault = lockBlock ? Fault::None : faultFor(dataBlocks_);
    if (letter == 'W') {
        writeFault_ = fault;
        writeLength_ = length;
        writeData_.clear();
        state_ = State::WriteData;
        if (length == 0)
            finishWrite(atNs);
        return;
    }
    if (lockBlock)
        lockChecked_ = true;
    else
        ++dataBlocks_;
    if (fault == Fault::Garbage) {
        emitJunk(4 + length, atNs);
        ackFault_ = Fault::Garbage;
        return;
    }
    const std::uint8_t header[4] = {'W', command_[1], command_[2], command_[3]};
    emitBytes(header, 4, atNs);
    const int sent = fault == Fault::Cut ? length / 2 : length;
    for (int i = 0; i < sent; ++i)
        emitByte((*memory_)[(address + static_cast<std::uint32_t>(i)) & 0xFFFFu], atNs);
    if (fault == Fault::Refuse)
        ackFault_ = Fault::Refuse;
}

void SimRadio::finishWrite(std::int64_t atNs)
{
    ++dataBlocks_;
    state_ = State::Session;
    const std::uint32_t address = static_cast<std::uint32_t>(command_[1] << 8 | command_[2]);
    if (writeFault_ == Fault::None || writeFault_ == Fault::Cut) {
        for (std::size_t i = 0; i < writeData_.size(); ++i)
            (*memory_)[(address + i) & 0xFFFFu] = writeData_[i];
    }
    switch (writeFault_) {
    case Fault::None: emitByte(kAck, atNs); break;
    case Fault::Refuse: emitByte(kNak, atNs); break;
    case Fault::Cut: break;
    case Fault::Garbage: emitJunk(1, atNs); break;
    }
}
