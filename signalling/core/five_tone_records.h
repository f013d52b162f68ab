#pragma once

#include "document/radio_image.h"

#include <QString>

#include <array>
#include <cstdint>

// Where the five-tone view keeps its fields in the image, and the record
// conversions it shares with nobody else but wants tested without widgets.
namespace FiveToneMap {
inline constexpr std::uint32_t kStandard = ImageMap::kFiveTone; // standard record in use
inline constexpr std::uint32_t kPreCarrier = 0xD2A8;            // timings in ms / 10
inline constexpr std::uint32_t kFirstExpand = 0xD2A9;
inline constexpr std::uint32_t kEndExitDelay = 0xD2AA;
inline constexpr std::uint32_t kReplyDelay = 0xD2AB;
inline constexpr std::uint32_t kFlags = 0xD2AF; // bit 0 side tone, bit 1 beep
inline constexpr std::uint8_t kSideToneBit = 0x01;
inline constexpr std::uint8_t kBeepBit = 0x02;
inline constexpr std::uint32_t kPttIdBegin = 0xD2B0;
inline constexpr std::uint32_t kPttIdEnd = 0xD2B8;
inline constexpr std::uint32_t kSelfId = 0xD2C0;
inline constexpr std::uint32_t kDecodeResponse = 0xD2C8;
inline constexpr std::uint32_t kAutoReset = 0xD2C9; // seconds, 0 = off
inline constexpr int kCodeDigits = 8;

inline constexpr std::uint32_t kContacts = 0xD2D0;
inline constexpr std::uint32_t kContactSize = 32;
inline constexpr int kContactCount = 16;
inline constexpr std::uint32_t kFunctions = 0xD4D0;
inline constexpr std::uint32_t kFunctionSize = 16;
inline constexpr int kFunctionCount = 8;

constexpr std::uint32_t ContactOffset(int n)
{
    return kContacts + kContactSize * static_cast<std::uint32_t>(n);
}
constexpr std::uint32_t FunctionOffset(int n)
{
    return kFunctions + kFunctionSize * static_cast<std::uint32_t>(n);
}

// Bytes of a standard record (image and header table alike).
inline constexpr std::size_t kStdIndex = 0;
inline constexpr std::size_t kStdWidth = 1;
inline constexpr std::size_t kStdGroup = 2;
inline constexpr std::size_t kStdRepeat = 3;
inline constexpr std::size_t kStdDelimiter = 4;
inline constexpr std::size_t kStdHeadSize = 8; // bytes a built-in standard takes from the image
} // namespace FiveToneMap

// Contact record: code, alias, code type and message. Byte 14 is never written.
struct FiveToneContact {
    QString code;
    QString alias;
    int codeType = 0; // position in "Off", "ANI", "Message"
    QString message;
};
FiveToneContact ReadFiveToneContact(const RadioImage& image, int n);
void WriteFiveToneContact(RadioImage& image, int n, const FiveToneContact& contact);

// Function record: ID, name, response and type.
struct FiveToneFunction {
    QString id;
    QString name;
    int response = 0; // position in "Off", "Remind", "Reply", "Remind+Reply"
    int type = 0;     // position in "Select", "Stun", "Kill", "Wake"
};
FiveToneFunction ReadFiveToneFunction(const RadioImage& image, int n);
void WriteFiveToneFunction(RadioImage& image, int n, const FiveToneFunction& function);

// The special tones of a standard as digit values: "A".."F" are 10..15 and
// a delimiter of 0 means none.
struct SpecialTones {
    int group = 10;
    int repeat = 14;
    int delimiter = 0;
};

// The standard the image record names (above 15 counts as ZVEI1); its
// record goes into that entry of the header's table: all 40 bytes for the
// user's standard, the first 8 for a built-in one, whose tones stay.
int TakeImageStandard(const RadioImage& image, HeaderBlock& header);
// Width and special tones into entry k; the digit tones (tenths of Hz), when
// given, only into the user's standard.
void StoreStandardEntry(HeaderBlock& header, int k, int width, const SpecialTones& tones,
                        const std::array<std::uint16_t, 16>* digitTones);
// Entry k into the image's standard record.
void PutStandardIntoImage(const HeaderBlock& header, int k, RadioImage& image);
std::uint16_t StandardTone(const HeaderBlock& header, int k, int digit);

// Group, repeat and delimiter never share a letter: when `changed` (0 group,
// 1 repeat, 2 delimiter) took a letter another one shows, that other one
// moves to the first letter of A..F none of the three shows (A when all are taken).
SpecialTones KeepSpecialTonesDistinct(SpecialTones tones, int changed);
