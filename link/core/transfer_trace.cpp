#include "link/core/transfer_trace.h"

#include <algorithm>
#include <charconv>
#include <cstdio>

namespace {
constexpr std::string_view kSent = "PC->radio";
constexpr std::string_view kReceived = "radio->PC";
constexpr std::string_view kPurge = "purge";
constexpr std::string_view kNote = "--";
constexpr std::string_view kFailed = "failed";
// Far longer than any transfer; bounds the times a replay adds up.
constexpr std::int64_t kMaxLogMs = 1'000'000'000;

std::vector<std::string_view> Words(std::string_view line)
{
    std::vector<std::string_view> words;
    std::size_t i = 0;
    while (i < line.size()) {
        while (i < line.size() && (line[i] == ' ' || line[i] == '\t' || line[i] == '\r'))
            ++i;
        const std::size_t start = i;
        while (i < line.size() && line[i] != ' ' && line[i] != '\t' && line[i] != '\r')
            ++i;
        if (i > start)
            words.push_back(line.substr(start, i - start));
    }
    return words;
}

template <typename T> bool Number(std::string_view text, T& out)
{
    const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), out);
    return ec == std::errc() && end == text.data() + text.size() && out >= 0;
}

bool HexByte(std::string_view text, std::uint8_t& out)
{
    unsigned v = 0;
    const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), v, 16);
    if (text.size() != 2 || ec != std::errc() || end != text.data() + text.size())
        return false;
    out = static_cast<std::uint8_t>(v);
    return true;
}

bool HexList(const std::vector<std::string_view>& words, std::size_t from, std::vector<std::uint8_t>& out)
{
    for (std::size_t i = from; i < words.size(); ++i) {
        std::uint8_t b = 0;
        if (!HexByte(words[i], b))
            return false;
        out.push_back(b);
    }
    return true;
}

// "3/128" -> 3 and 128; "150ms" -> 150.
bool Counts(std::string_view text, int& got, int& asked)
{
    const std::size_t slash = text.find('/');
    return slash != std::string_view::npos && Number(text.substr(0, slash), got) &&
           Number(text.substr(slash + 1), asked) && got <= asked;
}

bool Millis(std::string_view text, std::int64_t& ms)
{
    return text.size() > 2 && text.ends_with("ms") && Number(text.substr(0, text.size() - 2), ms);
}
} // namespace

std::string TraceHex(const std::uint8_t* bytes, int n)
{
    static constexpr char kDigits[] = "0123456789ABCDEF";
    std::string s;
    s.reserve(static_cast<std::size_t>(n) * 3);
    for (int i = 0; i < n; ++i) {
        if (i > 0)
            s += ' ';
        s += kDigits[bytes[i] >> 4];
        s += kDigits[bytes[i] & 0x0F];
    }
    return s;
}

TransferTrace::TransferTrace(LinkClock& clock, Sink sink)
    : m_clock(clock), m_sink(std::move(sink)), m_start(clock.nowMs())
{
}

void TransferTrace::line(std::string_view tag, std::string_view rest)
{
    char time[24];
    std::snprintf(time, sizeof time, "%8lld  ", static_cast<long long>(m_clock.nowMs() - m_start));
    std::string text = time;
    text += tag;
    if (!rest.empty()) {
        text += "  ";
        text += rest;
    }
    m_sink(text);
}

void TransferTrace::comment(std::string_view text)
{
    m_sink("# " + std::string(text));
}

void TransferTrace::note(std::string_view text)
{
    line(kNote, text);
}

void TransferTrace::sent(const std::uint8_t* bytes, int n, int result)
{
    if (result < 0) {
        line(kSent, kFailed);
        return;
    }
    if (result > 0)
        line(kSent, TraceHex(bytes, result));
    if (result < n)
        note("only " + std::to_string(result) + " of " + std::to_string(n) + " bytes went out");
}

void TransferTrace::received(const std::uint8_t* bytes, int asked, int got, std::int64_t startMs)
{
    if (got < 0) {
        line(kReceived, kFailed);
        return;
    }
    std::string rest =
        std::to_string(got) + "/" + std::to_string(asked) + " " + std::to_string(m_clock.nowMs() - startMs) + "ms";
    if (got > 0)
        rest += "  " + TraceHex(bytes, got);
    line(kReceived, rest);
}

void TransferTrace::purged()
{
    line(kPurge, {});
}

bool TracingPort::open(const std::string& name)
{
    const bool ok = m_port.open(name);
    if (ok)
        m_trace.note("open " + name);
    else
        m_trace.note("open " + name + " failed" +
                     (m_port.openFailure().reason.empty() ? std::string() : ": " + m_port.openFailure().reason));
    return ok;
}

void TracingPort::purge()
{
    m_port.purge();
    m_trace.purged();
}

int TracingPort::read(std::uint8_t* buf, int n)
{
    const std::int64_t start = m_trace.clock().nowMs();
    const int got = m_port.read(buf, n);
    m_trace.received(buf, n, got, start);
    return got;
}

int TracingPort::write(const std::uint8_t* buf, int n)
{
    const int result = m_port.write(buf, n);
    m_trace.sent(buf, n, result);
    return result;
}

void TracingPort::close()
{
    m_port.close();
    m_trace.note("close");
}

std::optional<ReplayScript> ParseTransferLog(std::string_view text, std::string* error)
{
    ReplayScript script;
    std::int64_t lastWriteMs = 0;
    int lineNumber = 0;
    const auto fail = [&](const std::string& why) {
        if (error)
            *error = "line " + std::to_string(lineNumber) + ": " + why;
        return std::nullopt;
    };
    // An event before the PC wrote anything belongs to a step that waits for nothing.
    const auto step = [&]() -> ReplayStep& {
        if (script.steps.empty()) {
            script.steps.emplace_back();
            script.steps.back().line = lineNumber;
        }
        return script.steps.back();
    };
    while (!text.empty()) {
        ++lineNumber;
        const std::size_t end = text.find('\n');
        const std::string_view line = text.substr(0, end);
        text = end == std::string_view::npos ? std::string_view() : text.substr(end + 1);
        const auto words = Words(line);
        if (words.empty() || words[0].starts_with('#'))
            continue;
        std::int64_t at = 0;
        if (words.size() < 2 || !Number(words[0], at) || at > kMaxLogMs)
            return fail("not a log line");
        const std::string_view tag = words[1];
        if (tag == kNote || tag == kPurge)
            continue;
        const std::int64_t after = std::max<std::int64_t>(0, at - lastWriteMs);
        if (tag == kSent) {
            if (words.size() == 3 && words[2] == kFailed) {
                step().hangUpAfterMs = after;
                continue;
            }
            ReplayStep s;
            s.line = lineNumber;
            if (words.size() < 3 || !HexList(words, 2, s.expect))
                return fail("PC->radio needs the bytes in hex");
            script.steps.push_back(std::move(s));
            lastWriteMs = at;
        } else if (tag == kReceived) {
            if (words.size() == 3 && words[2] == kFailed) {
                step().hangUpAfterMs = after;
                continue;
            }
            int got = 0, asked = 0;
            std::int64_t took = 0;
            ReplayStep::Answer answer;
            if (words.size() < 4 || !Counts(words[2], got, asked) || !Millis(words[3], took) || took > kMaxLogMs ||
                !HexList(words, 4, answer.bytes) || static_cast<int>(answer.bytes.size()) != got)
                return fail("radio->PC needs got/asked, the time taken and the bytes");
            if (got == 0)
                continue;
            // A whole answer arrived as the read returned; a partial one came
            // some time during the read, which then waited for more.
            answer.afterMs = got == asked ? after : std::max<std::int64_t>(0, at - took - lastWriteMs + 1);
            step().answers.push_back(std::move(answer));
        } else {
            return fail("unknown event \"" + std::string(tag) + "\"");
        }
    }
    return script;
}
