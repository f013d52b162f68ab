#include "link/core/handshake.h"

namespace {
int HexDigit(char c)
{
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return -1;
}

bool IsBlank(char c)
{
    return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r';
}

char Upper(char c)
{
    return (c >= 'a' && c <= 'z') ? static_cast<char>(c - 'a' + 'A') : c;
}
} // namespace

bool ParseHexByte(std::string_view field, std::uint8_t& out)
{
    std::size_t i = 0;
    while (i < field.size() && IsBlank(field[i]))
        ++i;
    bool negative = false;
    if (i < field.size() && (field[i] == '+' || field[i] == '-')) {
        negative = field[i] == '-';
        ++i;
    }
    // "0x" is a prefix only when a digit follows; otherwise the "0" is the number.
    if (i + 2 < field.size() && field[i] == '0' && (field[i + 1] == 'x' || field[i + 1] == 'X') &&
        HexDigit(field[i + 2]) >= 0)
        i += 2;
    std::uint32_t value = 0; // wraps like a 32-bit unsigned; only the low 8 bits matter
    bool any = false;
    for (; i < field.size() && HexDigit(field[i]) >= 0; ++i) {
        value = value * 16u + static_cast<std::uint32_t>(HexDigit(field[i]));
        any = true;
    }
    if (!any)
        return false;
    if (negative)
        value = 0u - value;
    out = static_cast<std::uint8_t>(value & 0xFFu);
    return true;
}

Handshake ParseCmdHead(std::string_view cmdHead)
{
    Handshake bytes = kDefaultHandshake;
    if (cmdHead.empty())
        return bytes;
    std::size_t pos = 0;
    for (int i = 0; i < kHandshakeSize; ++i) {
        const std::size_t comma = cmdHead.find(',', pos);
        const std::string_view field =
            cmdHead.substr(pos, comma == std::string_view::npos ? std::string_view::npos : comma - pos);
        std::uint8_t b = 0;
        if (ParseHexByte(field, b))
            bytes[static_cast<std::size_t>(i)] = b;
        if (comma == std::string_view::npos)
            break;
        pos = comma + 1;
    }
    return bytes;
}

bool CheckLinkPassword(std::string_view typed)
{
    constexpr std::string_view kPassword = "5317KD";
    if (typed.size() != kPassword.size())
        return false;
    for (std::size_t i = 0; i < typed.size(); ++i)
        if (Upper(typed[i]) != kPassword[i])
            return false;
    return true;
}
