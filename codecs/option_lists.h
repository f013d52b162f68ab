#pragma once

#include <QChar>
#include <QString>

#include <array>
#include <span>
#include <string_view>

// The fixed option lists of the editors. A field that stores a list choice
// stores its zero-based position, so neither texts nor order may change.
// They are the radio's own wording and stay English in every edition.

using OptionList = std::span<const char* const>;

// CTCSS tones (Hz); stored as the tone value, not the position.
inline constexpr std::array CtcssToneList = {
    "63.0",  "67.0",  "69.3",  "71.9",  "74.4",  "77.0",  "79.7",  "82.5",  "85.4",  "88.5",  "91.5",  "94.8",  "97.4",
    "100.0", "103.5", "107.2", "110.9", "114.8", "118.8", "123.0", "127.3", "131.8", "136.5", "141.3", "146.2", "151.4",
    "156.7", "159.8", "162.2", "165.5", "167.9", "171.3", "173.8", "177.3", "179.9", "183.5", "186.2", "189.9", "192.8",
    "196.6", "199.5", "203.5", "206.5", "210.7", "218.1", "225.7", "229.1", "233.6", "241.8", "250.3", "254.1"};

// DCS codes (octal digits); stored as the code, not the position.
inline constexpr std::array DcsCodeList = {
    "017", "023", "025", "026", "031", "032", "036", "043", "047", "051", "053", "054", "065", "071", "072", "073",
    "074", "114", "115", "116", "122", "125", "131", "132", "134", "143", "145", "152", "155", "156", "162", "165",
    "172", "174", "205", "212", "223", "225", "226", "243", "244", "245", "246", "251", "252", "255", "261", "263",
    "265", "266", "271", "274", "306", "311", "315", "325", "331", "332", "343", "346", "351", "356", "364", "365",
    "371", "411", "412", "413", "423", "431", "432", "445", "446", "452", "454", "455", "462", "464", "465", "466",
    "503", "506", "516", "523", "526", "532", "546", "565", "606", "612", "624", "627", "631", "632", "645", "654",
    "662", "664", "703", "712", "723", "731", "732", "734", "743", "754"};

inline constexpr std::array DcsPolarityList = {"Positive", "Decode Invert", "Encode Invert", "Invert"};
inline constexpr std::array DecodeTypeList = {"Off", "Ctcss Encode", "Ctcss Codec", "Dcs Codec"};
inline constexpr std::array TxPowerList = {"Low", "Middle 2", "Middle 1", "High"};
inline constexpr std::array ScanModeList = {"Allow", "Skip", "Priority"};
inline constexpr std::array DisplayTypeList = {"Frequency", "Name"};
inline constexpr std::array BandwidthList = {"Wide", "Middle", "Narrow"};
inline constexpr std::array OffOnList = {"Off", "On"};
inline constexpr std::array BusyLockList = {"Off", "Carrier", "2 Tone"};
// The last entry's spelling and bar are the radio's; keep them.
inline constexpr std::array SqlModeList = {"Carrier", "Tone", "Signaling", "Signaling & Tone", "Signalling | Tone"};
inline constexpr std::array OptionSignalingList = {"Off", "2 Tone", "5 Tone", "DTMF"};
inline constexpr std::array PttIdList = {"Off", "PTTID 1", "PTTID 2", "PTTID 3", "PTTID 4", "5 Tone"};
// Channel steps in kHz.
inline constexpr std::array StepList = {"2.5", "5.0", "6.25", "7.5", "8.33", "10", "12.5",
                                        "15",  "20",  "25",   "30",  "50",   "100"};
// Stored value 3 (a free transmit frequency) has no entry.
inline constexpr std::array OffsetDirectionList = {"Off", "-", "+"};

// Position of the first entry equal to text (exact, case-sensitive): the
// write-back rule of grid cells, where a text in no entry stores 0.
int ListIndexOf(OptionList list, const QString& text);
// The same, but -1 when no entry matches.
int FindListIndex(OptionList list, const QString& text);
// ASCII case-insensitive variant; -1 when no entry matches.
int FindListIndexNoCase(OptionList list, const QString& text);

// Characters an edit box accepts as typed; Backspace (0x08) is in every set
// so that it keeps working.
struct CharFilter {
    std::string_view chars;
    bool lettersAndDigits = false; // any ASCII letter or digit as well
};

inline constexpr CharFilter FreqCharFilter{"0123456789.\b", false};
inline constexpr CharFilter NameCharFilter{" +-*/#\b", true};
inline constexpr CharFilter DigitCharFilter{"0123456789\b", false};
inline constexpr CharFilter DtmfCharFilter{"0123456789ABCD*#\b", false};
inline constexpr CharFilter HexCharFilter{"0123456789ABCDEF\b", false};

bool AcceptsChar(const CharFilter& filter, QChar c);
