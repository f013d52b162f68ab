#include "signalling/core/two_tone_records.h"

#include "codecs/decimal.h"
#include "codecs/text_codecs.h"
#include "document/image_fields.h"
#include "signalling/core/code_text.h"

#include <algorithm>

namespace {
constexpr std::uint8_t kFormatCodes[] = {0x00, 0x12, 0x13, 0x14, 0x21, 0x23, 0x24, 0x31,
                                         0x32, 0x34, 0x41, 0x42, 0x43, 0x10, 0x20, 0x30};
static_assert(std::size(kFormatCodes) == TwoToneFormatList.size());

// System record bytes.
constexpr int kAliasSize = 6;
constexpr std::uint32_t kPreCarrier = 8;
constexpr std::uint32_t kFirstDuration = 9;
constexpr std::uint32_t kSecondDuration = 10;
constexpr std::uint32_t kLongDuration = 11;
constexpr std::uint32_t kInterval = 12;
constexpr std::uint32_t kFlags = 13;
constexpr std::uint8_t kSideToneBit = 0x01;
constexpr std::uint8_t kBeepBit = 0x02;
constexpr std::uint8_t kIdleReplyBit = 0x80;
constexpr std::uint32_t kTones = 16;
constexpr std::uint32_t kFormats = 24;
constexpr std::uint32_t kResponses = 28;
constexpr std::uint32_t kReplyWait = 30;
constexpr std::uint32_t kAutoReset = 31;

// Call entry bytes.
constexpr int kCallAliasSize = 8;
constexpr int kCallAliasShown = 6;
constexpr std::uint32_t kFirst = 8;
constexpr std::uint32_t kSecond = 10;
constexpr std::uint32_t kCallFormat = 12;
constexpr std::uint32_t kCallSystem = 13;
constexpr std::uint16_t kNoTone = 0xFFFF;

std::uint8_t Tenths8(const QString& text)
{
    return static_cast<std::uint8_t>(ScaleDecimal(text, 1));
}
std::uint16_t Tenths16(const QString& text)
{
    return static_cast<std::uint16_t>(ScaleDecimal(text, 1));
}
void SetBit(std::uint8_t& byte, std::uint8_t bit, bool on)
{
    byte = on ? static_cast<std::uint8_t>(byte | bit) : static_cast<std::uint8_t>(byte & ~bit);
}
} // namespace

std::uint8_t TwoToneFormatCode(const QString& text)
{
    const int i = FindListIndex(TwoToneFormatList, text);
    return i < 0 ? 0x00 : kFormatCodes[i];
}

QString TwoToneFormatText(std::uint8_t code)
{
    const auto* it = std::find(std::begin(kFormatCodes), std::end(kFormatCodes), code);
    const std::size_t i = it == std::end(kFormatCodes) ? 0 : static_cast<std::size_t>(it - std::begin(kFormatCodes));
    return QString::fromLatin1(TwoToneFormatList[i]);
}

std::uint8_t PackResponses(const std::array<int, 4>& responses)
{
    unsigned packed = 0;
    for (unsigned d = 0; d < 4; ++d)
        packed |= (static_cast<unsigned>(responses[d]) & 0x03u) << (2 * d);
    return static_cast<std::uint8_t>(packed);
}

std::array<int, 4> UnpackResponses(std::uint8_t packed)
{
    std::array<int, 4> r{};
    for (unsigned d = 0; d < 4; ++d)
        r[d] = (packed >> (2 * d)) & 0x03;
    return r;
}

TwoToneSystem ReadTwoToneSystem(const RadioImage& image, int n)
{
    const std::uint8_t* r = image.data() + TwoToneMap::SystemOffset(n);
    TwoToneSystem s;
    s.alias = ReadImageText(r, kAliasSize);
    s.preCarrier = FormatTenths(r[kPreCarrier]);
    s.firstDuration = FormatTenths(r[kFirstDuration]);
    s.secondDuration = FormatTenths(r[kSecondDuration]);
    s.longDuration = FormatTenths(r[kLongDuration]);
    s.interval = FormatTenths(r[kInterval]);
    s.replyWait = FormatTenths(r[kReplyWait]);
    s.autoReset = QString::number(r[kAutoReset]);
    s.sideTone = r[kFlags] & kSideToneBit;
    s.beep = r[kFlags] & kBeepBit;
    s.idleReply = r[kFlags] & kIdleReplyBit;
    for (std::size_t t = 0; t < 4; ++t) {
        s.tones[t] = FormatTenths(ReadWord(r + kTones + 2 * t));
        s.formats[t] = TwoToneFormatText(r[kFormats + t]);
    }
    s.responses = UnpackResponses(r[kResponses]);
    return s;
}

bool TwoToneSystemInUse(const RadioImage& image, int n)
{
    const std::uint8_t* r = image.data() + TwoToneMap::SystemOffset(n);
    const std::uint16_t firstTone = ReadWord(r + kTones);
    if (!ReadImageText(r, kAliasSize).isEmpty() || (firstTone != kNoTone && firstTone != 0))
        return true;
    for (int k = 0; k < TwoToneMap::kCallCount; ++k) {
        const TwoToneCall c = ReadTwoToneCall(image, k);
        if (!c.isEmpty() && c.system == QString::number(n + 1))
            return true;
    }
    return false;
}

void WriteTwoToneSystem(RadioImage& image, int n, const TwoToneSystem& s)
{
    std::uint8_t* r = image.data() + TwoToneMap::SystemOffset(n);
    WriteImageText(r, kAliasSize, s.alias);
    r[kPreCarrier] = Tenths8(s.preCarrier);
    r[kFirstDuration] = Tenths8(s.firstDuration);
    r[kSecondDuration] = Tenths8(s.secondDuration);
    r[kLongDuration] = Tenths8(s.longDuration);
    r[kInterval] = Tenths8(s.interval);
    r[kReplyWait] = Tenths8(s.replyWait);
    SetBit(r[kFlags], kSideToneBit, s.sideTone);
    SetBit(r[kFlags], kBeepBit, s.beep);
    SetBit(r[kFlags], kIdleReplyBit, s.idleReply);
    r[kAutoReset] = static_cast<std::uint8_t>(TextToInt(s.autoReset));
    for (std::size_t t = 0; t < 4; ++t) {
        WriteWord(r + kTones + 2 * t, Tenths16(s.tones[t]));
        r[kFormats + t] = TwoToneFormatCode(s.formats[t]);
    }
    r[kResponses] = PackResponses(s.responses);
}

TwoToneCall ReadTwoToneCall(const RadioImage& image, int k)
{
    const std::uint8_t* e = image.data() + TwoToneMap::CallOffset(k);
    TwoToneCall c;
    const std::uint16_t first = ReadWord(e + kFirst);
    if (first == kNoTone || first == 0)
        return c;
    c.first = FormatTenths(first);
    const std::uint16_t second = ReadWord(e + kSecond);
    if (second != kNoTone && second != 0)
        c.second = FormatTenths(second);
    c.format = QString::fromLatin1(TwoToneCallFormatList[e[kCallFormat] == 1 ? 1 : 0]);
    c.system = QString::number(e[kCallSystem]);
    c.alias = ReadImageText(e, kCallAliasShown);
    return c;
}

void WriteTwoToneCall(RadioImage& image, int k, const TwoToneCall& c)
{
    std::uint8_t* e = image.data() + TwoToneMap::CallOffset(k);
    std::fill_n(e, TwoToneMap::kCallSize, std::uint8_t{0xFF});
    if (c.isEmpty()) {
        e[kCallFormat] = 0;
        e[kCallSystem] = 1;
        return;
    }
    WriteWord(e + kFirst, Tenths16(c.first));
    WriteWord(e + kSecond, c.second.isEmpty() ? kNoTone : Tenths16(c.second));
    e[kCallFormat] = c.format == QLatin1String(TwoToneCallFormatList[1]) ? 1 : 0;
    e[kCallSystem] = static_cast<std::uint8_t>(TextToInt(c.system));
    WriteImageText(e, kCallAliasSize, c.alias);
}

QString NormaliseCallTone(const QString& text)
{
    const int value =
        ClampToneFreq(static_cast<int>(std::clamp<std::int64_t>(ScaleDecimal(text, 1), -(1 << 30), 1 << 30)));
    return value == 0 ? QString() : FormatTenths(value);
}
