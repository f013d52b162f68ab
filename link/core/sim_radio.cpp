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
    : m_memory(std::make_unique<RadioImage>(memory)), m_faults(faults)
{
}

void SimRadio::setHandshake(const Handshake& bytes)
{
    m_handshake = bytes;
}
void SimRadio::setFaults(const Faults& faults)
{
    m_faults = faults;
}
int SimRadio::wakeUps() const
{
    return m_wakeUps;
}
bool SimRadio::lockChecked() const
{
    return m_lockChecked;
}
bool SimRadio::hungUp() const
{
    return m_hungUp;
}
const RadioImage& SimRadio::memory() const
{
    return *m_memory;
}
bool SimRadio::sawEndRead() const
{
    return m_endRead;
}
bool SimRadio::sawEndWrite() const
{
    return m_endWrite;
}
int SimRadio::dataBlocks() const
{
    return m_dataBlocks;
}

void SimRadio::setLocked(bool locked)
{
    (*m_memory)[kLockAddress] = locked ? kLockedValue : 0;
}

void SimRadio::receive(const std::uint8_t* data, int n, std::int64_t nowMs)
{
    const std::int64_t nowNs = nowMs * kNsPerMs;
    for (int i = 0; i < n && !m_hungUp; ++i) {
        // A byte counts as received once its stop bit is in.
        const std::int64_t at = std::max(nowNs, m_inFreeNs) + (m_faults.pace ? kByteNs : 0);
        m_inFreeNs = at;
        process(data[i], at);
    }
}

int SimRadio::take(std::uint8_t* out, int max, std::int64_t nowMs)
{
    int n = 0;
    while (n < max && !m_out.empty() && m_out.front().dueNs <= nowMs * kNsPerMs) {
        out[n++] = m_out.front().byte;
        m_out.pop_front();
    }
    return n;
}

std::optional<std::int64_t> SimRadio::nextDue() const
{
    if (m_out.empty())
        return std::nullopt;
    return (m_out.front().dueNs + kNsPerMs - 1) / kNsPerMs;
}

void SimRadio::purgeDue(std::int64_t nowMs)
{
    while (!m_out.empty() && m_out.front().dueNs <= nowMs * kNsPerMs)
        m_out.pop_front();
}

void SimRadio::emitBytes(const std::uint8_t* bytes, int n, std::int64_t atNs)
{
    if (m_faults.silent || m_hungUp)
        return;
    for (int i = 0; i < n; ++i) {
        const std::int64_t due = std::max(atNs, m_outFreeNs) + (m_faults.pace ? kByteNs : 0);
        m_outFreeNs = due;
        m_out.push_back({due, bytes[i]});
    }
}

void SimRadio::emitJunk(int n, std::int64_t atNs)
{
    for (int i = 0; i < n; ++i) {
        m_junkSeed = m_junkSeed * 1664525u + 1013904223u;
        std::uint8_t b = static_cast<std::uint8_t>(m_junkSeed >> 24);
        if (b == kAck)
            b = kNak;
        emitByte(b, atNs);
    }
}

SimRadio::Fault SimRadio::faultFor(int block) const
{
    if (block == m_faults.refuseBlock)
        return Fault::Refuse;
    if (block == m_faults.cutReplyBlock)
        return Fault::Cut;
    if (block == m_faults.garbageBlock)
        return Fault::Garbage;
    return Fault::None;
}

void SimRadio::process(std::uint8_t b, std::int64_t atNs)
{
    switch (m_state) {
    case State::Dead: return;
    case State::Asleep: asleep(b, atNs); return;
    case State::Identifying:
        if (b == m_handshake[static_cast<std::size_t>(kWakeUpSize) + static_cast<std::size_t>(m_identMatched)]) {
            if (++m_identMatched == kHandshakeSize - kWakeUpSize) {
                emitBytes(m_memory->data() + kIdentAddress, kIdentSize, atNs);
                m_state = State::AwaitingAck;
            }
            return;
        }
        m_state = State::Asleep; // a new wake-up, or noise
        asleep(b, atNs);
        return;
    case State::AwaitingAck:
        if (b == kAck) {
            emitByte(kAck, atNs);
            m_state = State::Session;
            m_blocksThisSession = 0;
            m_ackFault = Fault::None;
            return;
        }
        m_state = State::Asleep;
        asleep(b, atNs);
        return;
    case State::Session: session(b, atNs); return;
    case State::Command:
        m_command[m_commandLen++] = b;
        if (m_commandLen == 4)
            blockCommand(atNs);
        return;
    case State::WriteData:
        m_writeData.push_back(b);
        if (static_cast<int>(m_writeData.size()) == m_writeLength)
            finishWrite(atNs);
        return;
    case State::EndCommand:
        m_command[m_commandLen++] = b;
        if (m_commandLen < 4)
            return;
        if (m_command[1] == 'N' && m_command[2] == 'D' && (m_command[3] == 'R' || m_command[3] == 'W')) {
            (m_command[3] == 'R' ? m_endRead : m_endWrite) = true;
            m_state = State::Asleep;
            m_wakeMatched = 0;
        } else {
            m_state = State::Session;
        }
        return;
    }
}

void SimRadio::asleep(std::uint8_t b, std::int64_t atNs)
{
    if (b == m_handshake[static_cast<std::size_t>(m_wakeMatched)])
        ++m_wakeMatched;
    else
        m_wakeMatched = b == m_handshake[0] ? 1 : 0;
    if (m_wakeMatched < kWakeUpSize)
        return;
    m_wakeMatched = 0;
    m_identMatched = 0;
    ++m_wakeUps;
    emitByte(kAck, atNs + static_cast<std::int64_t>(m_faults.wakeupDelayMs) * kNsPerMs);
    m_state = State::Identifying;
}

void SimRadio::session(std::uint8_t b, std::int64_t atNs)
{
    switch (b) {
    case kAck:
        if (m_ackFault == Fault::Refuse)
            emitByte(kNak, atNs);
        else if (m_ackFault == Fault::Garbage)
            emitJunk(1, atNs);
        else
            emitByte(kAck, atNs);
        return;
    case 'R':
    case 'W':
    case 'E':
        m_command[0] = b;
        m_commandLen = 1;
        m_state = b == 'E' ? State::EndCommand : State::Command;
        return;
    default:
        // Only a new wake-up leaves a session without an end command.
        if (b == m_handshake[0]) {
            m_state = State::Asleep;
            m_wakeMatched = 0;
            asleep(b, atNs);
        }
        return;
    }
}

void SimRadio::blockCommand(std::int64_t atNs)
{
    const std::uint8_t letter = m_command[0];
    const std::uint32_t address = static_cast<std::uint32_t>(m_command[1] << 8 | m_command[2]);
    const int length = m_command[3];
    // The programmer reads the lock block first thing in a session.
    const bool lockBlock = letter == 'R' && address == kLockBlock && length == 0x80 && m_blocksThisSession == 0;
    ++m_blocksThisSession;
    m_ackFault = Fault::None;
    m_state = State::Session;

    if (!lockBlock && m_faults.hangUpAfterBlocks >= 0 && m_dataBlocks >= m_faults.hangUpAfterBlocks) {
        m_hungUp = true;
        m_out.clear();
        m_state = State::Dead;
        return;
    }
    const Fault fault = lockBlock ? Fault::None : faultFor(m_dataBlocks);
    if (letter == 'W') {
        m_writeFault = fault;
        m_writeLength = length;
        m_writeData.clear();
        m_state = State::WriteData;
        if (length == 0)
            finishWrite(atNs);
        return;
    }
    if (lockBlock)
        m_lockChecked = true;
    else
        ++m_dataBlocks;
    if (fault == Fault::Garbage) {
        emitJunk(4 + length, atNs);
        m_ackFault = Fault::Garbage;
        return;
    }
    const std::uint8_t header[4] = {'W', m_command[1], m_command[2], m_command[3]};
    emitBytes(header, 4, atNs);
    const int sent = fault == Fault::Cut ? length / 2 : length;
    for (int i = 0; i < sent; ++i)
        emitByte((*m_memory)[(address + static_cast<std::uint32_t>(i)) & 0xFFFFu], atNs);
    if (fault == Fault::Refuse)
        m_ackFault = Fault::Refuse;
}

void SimRadio::finishWrite(std::int64_t atNs)
{
    ++m_dataBlocks;
    m_state = State::Session;
    const std::uint32_t address = static_cast<std::uint32_t>(m_command[1] << 8 | m_command[2]);
    if (m_writeFault == Fault::None || m_writeFault == Fault::Cut) {
        for (std::size_t i = 0; i < m_writeData.size(); ++i)
            (*m_memory)[(address + i) & 0xFFFFu] = m_writeData[i];
    }
    switch (m_writeFault) {
    case Fault::None: emitByte(kAck, atNs); break;
    case Fault::Refuse: emitByte(kNak, atNs); break;
    case Fault::Cut: break;
    case Fault::Garbage: emitJunk(1, atNs); break;
    }
}
