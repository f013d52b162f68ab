#pragma once

#include "shell/core/radio_image.h"

#include <QString>

// The radio's identity record at 0xFF00: texts filled up with 0xFF, and the
// date of the last programming in BCD.
namespace ModelInfo {
inline constexpr std::uint32_t kSerial = 0xFF00;   // 8, letters and digits
inline constexpr std::uint32_t kModelName = 0xFF08; // 8, letters and digits
inline constexpr std::uint32_t kModelCode = 0xFF10; // 16, printable
inline constexpr std::uint32_t kFirmware = 0xFF20;  // 8, printable, shown only
inline constexpr std::uint32_t kYear = 0xFF28;      // BCD word, low byte first
inline constexpr std::uint32_t kMonth = 0xFF2A;
inline constexpr std::uint32_t kDay = 0xFF2B;
inline constexpr int kSerialLength = 8;
inline constexpr int kModelNameLength = 8;
inline constexpr int kModelCodeLength = 16;
inline constexpr int kFirmwareLength = 8;
} // namespace ModelInfo

struct ModelIdentity {
    QString serial;
    QString modelName;
    QString modelCode;
    QString firmware;
    QString lastProgramDate; // "YYYY-MM-DD", empty when not a calendar date
};

ModelIdentity ReadModelIdentity(const RadioImage& image);
// The date field as text, empty when it is not a valid calendar date.
QString FormatProgramDate(const RadioImage& image);
