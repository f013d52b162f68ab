#pragma once

#include "codecs/option_lists.h"
#include "document/radio_image.h"

#include <QString>

#include <array>
#include <cstdint>

// The two-tone systems and call table: where they lie and how the views'
// texts become bytes, kept free of widgets so the rules can be tested alone.
namespace TwoToneMap {
inline constexpr std::uint32_t kSystems = ImageMap::kTwoToneSystems; // 16 x 32
inline constexpr std::uint32_t kSystemSize = 32;
inline constexpr int kSystemCount = 16;
inline constexpr std::uint32_t kCalls = ImageMap::kTwoToneCalls; // 16 x 16
inline constexpr std::uint32_t kCallSize = 16;
inline constexpr int kCallCount = 16;

constexpr std::uint32_t SystemOffset(int n)
{
    return kSystems + kSystemSize * static_cast<std::uint32_t>(n);
}
constexpr std::uint32_t CallOffset(int k)
{
    return kCalls + kCallSize * static_cast<std::uint32_t>(k);
}
} // namespace TwoToneMap

// Decoder formats, in list order; "Off" first.
inline constexpr std::array TwoToneFormatList = {"Off", "A-B", "A-C", "A-D", "B-A", "B-C",    "B-D",    "C-A",
                                                 "C-B", "C-D", "D-A", "D-B", "D-C", "Long A", "Long B", "Long C"};
// Responses of the two-tone decoders and of the five-tone decoder and functions.
inline constexpr std::array SelCallResponseList = {"Off", "Remind", "Reply", "Remind+Reply"};
inline constexpr std::array TwoToneCallFormatList = {"Two", "Single"};

// A text outside the list stores 0x00; a code outside it shows "Off".
std::uint8_t TwoToneFormatCode(const QString& text);
QString TwoToneFormatText(std::uint8_t code);

// Four 2-bit response indexes, decoder 1 in bits 0-1.
std::uint8_t PackResponses(const std::array<int, 4>& responses);
std::array<int, 4> UnpackResponses(std::uint8_t packed);

// One system as its controls show it: one-decimal texts for the times and
// tones, "%d" for the auto reset time.
struct TwoToneSystem {
    QString alias;
    QString preCarrier, firstDuration, secondDuration, longDuration, interval, replyWait;
    QString autoReset;
    bool sideTone = false, beep = false, idleReply = false;
    std::array<QString, 4> tones;   // A..D
    std::array<QString, 4> formats; // decoder format texts
    std::array<int, 4> responses{}; // positions in SelCallResponseList
};
TwoToneSystem ReadTwoToneSystem(const RadioImage& image, int n);
// A system is in use when it has an alias or a first tone, or a call of the
// call table names it.
bool TwoToneSystemInUse(const RadioImage& image, int n);
// Bytes 6-7, 14-15 and 29 and the other flag bits keep what they hold.
void WriteTwoToneSystem(RadioImage& image, int n, const TwoToneSystem& system);

// One call-table entry as the grid's five cells show it.
struct TwoToneCall {
    QString first, second, format, system, alias;
    bool isEmpty() const { return first.isEmpty(); }
};
// An entry whose first tone is 0xFFFF or 0 reads as empty cells.
TwoToneCall ReadTwoToneCall(const RadioImage& image, int k);
// Empty first cell: 0xFF but format 0 and system 1. An empty second cell is
// tone 0xFFFF; a format other than "Single" is 0.
void WriteTwoToneCall(RadioImage& image, int k, const TwoToneCall& call);

// A typed call tone: text x 10 in exact decimal, held to 288.0..3116.0 Hz;
// printed "%.1f", or empty when it is 0.
QString NormaliseCallTone(const QString& text);
