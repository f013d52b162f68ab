#pragma once

#include <array>
#include <cstdint>
#include <string_view>

// The nine handshake bytes: 0..6 wake the radio up, 7..8 ask for its
// identification.
inline constexpr int kHandshakeSize = 9;
inline constexpr int kWakeUpSize = 7;
using Handshake = std::array<std::uint8_t, kHandshakeSize>;

// 02 "PROGRAM" 02
inline constexpr Handshake kDefaultHandshake = {0x02, 'P', 'R', 'O', 'G', 'R', 'A', 'M', 0x02};

// The handshake with CMD_HEAD applied: comma-separated fields for positions 0
// to 8 in order; a field that reads as a hexadecimal number (leading blanks, a
// sign and a "0x" prefix allowed, as scanf's "%X") replaces its byte with the
// number's low 8 bits; any other field keeps the default byte. Fields after
// the ninth are ignored.
Handshake ParseCmdHead(std::string_view cmdHead);

// One CMD_HEAD field read as "%X" would; false when it holds no number.
bool ParseHexByte(std::string_view field, std::uint8_t& out);

// The password that unlocks a locked radio, compared without regard to case.
bool CheckLinkPassword(std::string_view typed);
