#pragma once

// Dialog template and control numbers of the basic-setting, DTMF and alarm
// forms. Controls carry their number as objectName; templates give the help
// topic of a view or page.

namespace BasicIds {
inline constexpr int kView = 150;
inline constexpr int kOptionPage = 151; // also the help topics of the pages
inline constexpr int kTotPage = 146;
inline constexpr int kKeyPage = 175;
inline constexpr int kNoPageHelp = 32789; // the view's own command

inline constexpr int kLeftPriority = 1101;
inline constexpr int kRightPriority = 1102;
inline constexpr int kSqlLeft = 1103;
inline constexpr int kAutoPowerOff = 1104;
inline constexpr int kBacklightBrightness = 1105;
inline constexpr int kBacklightColor = 1106;
inline constexpr int kBeep = 1107;
inline constexpr int kKeyLock = 1108;
inline constexpr int kPttLock = 1109;
inline constexpr int kHyperChannel = 1110;
inline constexpr int kRightFunctionKey = 1111;
inline constexpr int kTbst = 1112;
inline constexpr int kAniDisplay = 1113;
inline constexpr int kSilentMode = 1114;
inline constexpr int kSte = 1115;
inline constexpr int kAutoTransfer = 1116;
inline constexpr int kAutoContact = 1117;
inline constexpr int kAutoAm = 1118;
inline constexpr int kAmFunction = 1119;
inline constexpr int kSpanTransit = 1120;
inline constexpr int kScanMode = 1121;
inline constexpr int kScanResume = 1122;
inline constexpr int kScrambler = 1123;
inline constexpr int kSpanExitDelay = 1124;
inline constexpr int kSqlRight = 1125;
inline constexpr int kVolume = 1126;
inline constexpr int kVolumeSpin = 1127;

inline constexpr int kTot = 1130;     // 1130..1133: time-out, pre-alert, rekey, reset
inline constexpr int kTotSpin = 1134; // 1134..1137
inline constexpr int kKey = 1140;     // 1140..1143: P1..P4
} // namespace BasicIds

namespace DtmfIds {
inline constexpr int kView = 144;
inline constexpr int kCodePage = 145;
inline constexpr int kPttIdPage = 147;

inline constexpr int kGrid = 1022;
inline constexpr int kSpeed = 1150;
inline constexpr int kFirstDigitDelay = 1151;
inline constexpr int kFirstDigit = 1152;
inline constexpr int kHoldTime = 1153;
inline constexpr int kGroupCode = 1154;
inline constexpr int kDelimiter = 1155;
inline constexpr int kSideTone = 1156;
inline constexpr int kBeep = 1157;
inline constexpr int kSelfId = 1158;
inline constexpr int kStunCode = 1159;
inline constexpr int kDecodeResponse = 1160;
inline constexpr int kStunType = 1161;
inline constexpr int kAutoReset = 1163;
inline constexpr int kAutoResetSpin = 1164;
inline constexpr int kTypeEditor = 1170;
inline constexpr int kNumEditor = 1171;
inline constexpr int kAliasEditor = 1172;

inline constexpr int kPttIdType = 1180; // 1180..1183: PTT ID 1..4
inline constexpr int kPttIdUp = 1184;   // 1184..1187
inline constexpr int kPttIdDown = 1188; // 1188..1191
} // namespace DtmfIds

namespace AlarmIds {
inline constexpr int kView = 197;
inline constexpr int kAlarmType = 1200;
inline constexpr int kCycle = 1201;
inline constexpr int kCycleSpin = 1202;
inline constexpr int kTxTime = 1203;
inline constexpr int kTxTimeSpin = 1204;
inline constexpr int kRxTime = 1205;
inline constexpr int kRxTimeSpin = 1206;
inline constexpr int kEmiCode = 1207;
inline constexpr int kEmiCodeType = 1208;
inline constexpr int kRemoteEmiAlarm = 1209;
} // namespace AlarmIds
