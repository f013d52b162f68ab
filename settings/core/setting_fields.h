#pragma once

#include "document/image_fields.h"

#include <cstdint>

// Where the basic-setting, DTMF and alarm fields live in the image. Bytes and
// bits named nowhere here belong to no view and are never touched.

namespace BasicMap {
inline constexpr std::uint32_t kLeftPriority = 0xCC18; // 16-bit channel number, 0 = off
inline constexpr std::uint32_t kRightPriority = 0xCC1A;
inline constexpr std::uint32_t kSqlLeft = 0xCC20;
inline constexpr std::uint32_t kAutoPowerOff = 0xCC21; // tenths of an hour
inline constexpr std::uint32_t kBacklightBrightness = 0xCC22;
inline constexpr std::uint32_t kBacklightColor = 0xCC23;
inline constexpr BitField kBeep{0xCC24, 7, 1};
inline constexpr BitField kKeyLock{0xCC24, 6, 1};
inline constexpr BitField kPttLock{0xCC24, 4, 2};
inline constexpr BitField kHyperChannel{0xCC24, 1, 1};
inline constexpr BitField kRightFunctionKey{0xCC24, 0, 1};
inline constexpr BitField kTbst{0xCC25, 6, 2};
inline constexpr BitField kAniDisplay{0xCC25, 5, 1};
inline constexpr BitField kSilentMode{0xCC25, 2, 2};
inline constexpr BitField kSte{0xCC25, 0, 2};
inline constexpr BitField kAutoTransfer{0xCC26, 7, 1};
inline constexpr BitField kAutoContact{0xCC26, 6, 1};
inline constexpr BitField kAutoAm{0xCC26, 3, 1};
inline constexpr BitField kAmFunction{0xCC26, 2, 1};
inline constexpr BitField kSpanTransit{0xCC26, 1, 1};
inline constexpr BitField kScanMode{0xCC27, 2, 1};
inline constexpr BitField kScanResume{0xCC27, 0, 2};
inline constexpr std::uint32_t kScrambler = 0xCC28; // 16-bit, hertz
inline constexpr std::uint32_t kSpanExitDelay = 0xCC2C;
inline constexpr std::uint32_t kSqlRight = 0xCC2E;
inline constexpr std::uint32_t kVolume = 0xCC2F;
inline constexpr std::uint32_t kTot = 0xCC30;  // 4 bytes: time-out, pre-alert, rekey, reset
inline constexpr std::uint32_t kKeys = 0xCC38; // 4 bytes: P1..P4
} // namespace BasicMap

namespace DtmfMap {
inline constexpr std::uint32_t kSpeed = 0xD6B0;           // milliseconds
inline constexpr std::uint32_t kFirstDigitDelay = 0xD6B1; // milliseconds / 50
inline constexpr std::uint32_t kFirstDigit = 0xD6B2;      // milliseconds / 50
inline constexpr std::uint32_t kHoldTime = 0xD6B3;        // seconds
inline constexpr std::uint32_t kGroupCode = 0xD6B4;       // DTMF code
inline constexpr std::uint32_t kDelimiter = 0xD6B5;       // DTMF code
inline constexpr std::uint32_t kPttIdTypes = 0xD6B6;      // 2 bits per PTT ID
inline constexpr BitField kSideTone{0xD6B7, 0, 1};
inline constexpr BitField kBeep{0xD6B7, 1, 1};
inline constexpr std::uint32_t kSelfId = 0xD6B8;
inline constexpr int kSelfIdLength = 8;
inline constexpr std::uint32_t kStunCode = 0xD6C8; // 16 bytes, the last always 0xFF
inline constexpr int kStunCodeBytes = 16;
inline constexpr int kStunCodeLength = 15;
inline constexpr std::uint32_t kDecodeResponse = 0xD6D8;
inline constexpr std::uint32_t kStunType = 0xD6DA;
inline constexpr std::uint32_t kAutoResetTime = 0xD6DB;

inline constexpr std::uint32_t kPttIdCodes = ImageMap::kPttIdCodes; // 4 x 32 bytes
inline constexpr int kPttIdCount = 4;
inline constexpr int kPttIdRecordSize = 32;
inline constexpr int kPttIdCodeLength = 16; // "Up" at byte 0, "Down" at byte 16
constexpr BitField PttIdTypeField(int n)
{
    return {kPttIdTypes, 2 * (n - 1), 2};
} // n = 1..4
constexpr std::uint32_t PttIdRecord(int n)
{
    return kPttIdCodes + kPttIdRecordSize * static_cast<std::uint32_t>(n - 1);
}

inline constexpr std::uint32_t kCodes = ImageMap::kDtmfCodes; // 16 x 24 bytes
inline constexpr int kCodeCount = 16;
inline constexpr int kCodeRecordSize = 24;
inline constexpr int kCodeNumLength = 16;   // bytes 0..15
inline constexpr int kCodeAliasOffset = 16; // bytes 16..21
inline constexpr int kCodeAliasLength = 6;
inline constexpr int kCodeTypeOffset = 23;
constexpr std::uint32_t CodeRecord(int k)
{
    return kCodes + kCodeRecordSize * static_cast<std::uint32_t>(k - 1);
} // k = 1..16
} // namespace DtmfMap

namespace AlarmMap {
inline constexpr std::uint32_t kAlarmType = 0xCC70;
inline constexpr std::uint32_t kCycle = 0xCC71; // 0 = continuous
inline constexpr std::uint32_t kTxTime = 0xCC72;
inline constexpr std::uint32_t kRxTime = 0xCC73;
inline constexpr std::uint32_t kEmiCode = 0xCC76; // DTMF code number, 0 = none
inline constexpr BitField kEmiCodeType{0xCC77, 0, 2};
inline constexpr BitField kRemoteEmiAlarm{0xCC77, 7, 1};
} // namespace AlarmMap
