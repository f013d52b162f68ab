#pragma once

#include "document/radio_image.h"

#include <QString>

// The radio's identity record at 0xFF00: texts filled up with 0xFF, and the
// date of the last programming in BCD.
namespace ModelInfo {
inline constexpr std::uint32_t kSerial = 0xFF00;    // 8, letters and digits
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

namespace ModelInfo {
// The three editable fields together; the date and firmware are never written.
inline constexpr std::uint32_t kEditableEnd = 0xFF20;

// Character classes of the record (ASCII only: one byte per character).
bool IsLetterOrDigit(QChar c);
bool IsPrintable(QChar c);

// The keyboard filters of the edit boxes. The character is tested in upper
// case (ASCII letters only, as the radio's character set has no others) and,
// when it passes, goes on as typed. Backspace always passes.
bool AcceptsLetterOrDigitKey(QChar typed);
bool AcceptsPrintableKey(QChar typed);
} // namespace ModelInfo

// Writes the three editable fields: 0xFF00..0xFF1F become 0xFF, then each
// text is copied from its start while its characters are of the field's
// class, up to the field's length. Nothing outside that area changes.
void WriteModelIdentity(RadioImage& image, const QString& serial, const QString& modelName, const QString& modelCode);

// The free text just below the identity record, at 0xFEE0: up to 32 single-byte
// characters, ending at the first 0x00 or 0xFF.
namespace CustomData {
inline constexpr std::uint32_t kOffset = 0xFEE0;
inline constexpr int kLength = 32;
} // namespace CustomData

QString ReadCustomData(const RadioImage& image);
// 0xFEE0..0xFEFF become 0xFF, then up to 32 characters of the text go in
// unfiltered; a character outside Latin-1 is stored as '?'.
void WriteCustomData(RadioImage& image, const QString& text);
