#pragma once

#include <QChar>
#include <QString>

#include <array>
#include <cstdint>

// Texts and codes shared by the channel, setting and signalling editors.

// Tone and code that a view falls back to when it must invent one, as the
// image bytes: CTCSS 100.0 Hz and DCS 023.
inline constexpr std::array<std::uint8_t, 2> kDefaultCtcssBytes = {0x00, 0x10};
inline constexpr std::array<std::uint8_t, 2> kDefaultDcsBytes = {0x23, 0x00};
QString DefaultCtcssText(); // "100.0"
QString DefaultDcsText();   // "023"

// Receive bands with rules of their own (indexes into the band plan).
inline constexpr int kAirbandIndex = 3; // "108M": new entries there get the AM flag
inline constexpr int kBand850Index = 8; // "850M": its own raster and step list

// Frequencies in 10 Hz units.
// Down to the 5 kHz or the 6.25 kHz raster, whichever is nearer below;
// multiples of 2.5 kHz and 6.25 kHz stay. Never rounds up.
std::int64_t SnapFreq(std::int64_t v);
// 8.33 kHz airband raster: kHz digits 08, 16, 33, 41, 58, 66, 83, 91 get their
// exact channel (118.008 -> 118.00833). Other values come back unchanged.
std::int64_t SnapAirbandRaster(std::int64_t v);
bool HasAirbandRaster(std::int64_t v);
// The raster of a typed receive frequency in receive band rxBand: the 850M
// band keeps to 5 kHz (or 12.5 kHz multiples); others take the airband
// raster when it matches, else SnapFreq. Transmit frequencies pass -1.
std::int64_t SnapChannelRaster(std::int64_t v, int rxBand);

// CTCSS tone text: 60.0..260.0 Hz printed "%3.1f", anything else "100.0".
QString NormaliseCtcssText(const QString& text);
// DCS code text: 0..777 printed "%03d", anything else "023".
QString NormaliseDcsText(const QString& text);

inline constexpr int kDefaultStepIndex = 6; // "12.5"
QString StepIndexToText(int index);         // "12.5" outside the list
int StepTextToIndex(const QString& text);   // case-insensitive; 0 when not found
QString SqlModeToText(int index);           // "Carrier" outside the list
int SqlModeFromText(const QString& text);   // case-insensitive; 0 when not found

// Four-bit digit codes of the DTMF, PTT ID and selective-call regions.
int HexCodeFromChar(QChar c);     // 0..15, or 255 for a non-hex character
QChar HexCharFromCode(int code);  // upper-case digit; NUL above 15
int DtmfCodeFromChar(QChar c);    // '*' 14, '#' 15, else as HexCodeFromChar
QChar DtmfCharFromCode(int code); // 0-9, A-D, '*', '#'; NUL above 15

// Selective-call tone in tenths of a hertz: 0 (off) stays, others are held
// to 288.0..3116.0 Hz.
int ClampToneFreq(int tenths);
