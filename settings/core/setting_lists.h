#pragma once

#include "codecs/option_lists.h"

#include <array>

// The fixed lists of the basic-setting, DTMF and alarm views, in the radio's
// own wording (not translated). Fields store positions in them.

namespace BasicLists {
inline constexpr std::array Sql = {"Off", "2", "5", "9", "Full"};
inline constexpr std::array AutoPowerOff = {"Off", "0.5", "1.0", "1.5", "2.0"};
inline constexpr std::array BacklightBrightness = {"Off", "1", "2", "3", "4"};
inline constexpr std::array BacklightColor = {"Off", "Blue", "Purple", "Red"};
inline constexpr std::array ManualAuto = {"Manual", "Auto"};
inline constexpr std::array PttLock = {"Off", "Right", "Left", "Both"};
inline constexpr std::array RightFunctionKey = {"Key1", "Key2"};
inline constexpr std::array Tbst = {"1000", "1450", "1750", "2100"};
inline constexpr int kTbstDefault = 2; // "1750"
inline constexpr std::array SilentMode = {"Off", "TX", "RX", "TX/RX"};
inline constexpr std::array Ste = {"Frequency", "120", "180", "240"};
inline constexpr std::array AutoContact = {"Connect remind", "Always remind"};
inline constexpr std::array AutoAm = {"Off", "Auto"};
inline constexpr std::array ScanMode = {"MEM", "MSM"};
inline constexpr std::array ScanResume = {"TO", "CO"};
inline constexpr int kSpanExitDelayCount = 51; // 0.0 .. 5.0 s

// Functions of the programmable keys P1..P4.
inline constexpr std::array KeyFunctions = {"Off",  "SCAN", "SQL.OFF", "TCALL", "PPTR", "PRI",   "LOW",
                                            "TONE", "MHz",  "REV",     "HOME",  "BAND", "VFO/MR"};
inline constexpr std::array<int, 4> kKeyDefaults = {11, 12, 7, 6}; // BAND, VFO/MR, TONE, LOW
} // namespace BasicLists

namespace DtmfLists {
inline constexpr std::array Speed = {"50", "75", "100"};
inline constexpr std::array FirstDigitDelay = {"50", "250", "450", "750", "1000"};
inline constexpr std::array FirstDigit = {"0", "100", "500", "1000"};
inline constexpr int kHoldTimeMax = 10;                                 // "0".."10"
inline constexpr std::array CodeChars = {"A", "B", "C", "D", "*", "#"}; // group code, delimiter
inline constexpr std::array DecodeResponse = {"Off", "Remind", "Reply", "Remind+Reply"};
inline constexpr std::array StunType = {"Tx Inhibit", "Rx/Tx Inhibit", "Kill"};
inline constexpr std::array CodeType = {"", "None", "ANI"}; // the grid's Type editor
inline constexpr std::array PttIdType = {"Up", "Down", "Both"};
// Defaults the checks select in lists left without a selection.
inline constexpr int kSpeedDefault = 50;            // by text
inline constexpr int kFirstDigitDelayDefault = 450; // by text
inline constexpr int kFirstDigitDefault = 100;      // by text
inline constexpr int kDecodeResponseDefault = 2;    // "Reply"
inline constexpr int kStunTypeDefault = 0;          // "Tx Inhibit"
} // namespace DtmfLists

namespace AlarmLists {
inline constexpr std::array AlarmType = {"Alarm", "Transpond+Background", "Transpond+Alarm", "Secret", "Both"};
inline constexpr std::array EmiCodeType = {"None", "DTMF"};
} // namespace AlarmLists
