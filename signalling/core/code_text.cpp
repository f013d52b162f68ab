#include "signalling/core/code_text.h"

#include "codecs/text_codecs.h"

#include <algorithm>

namespace {
constexpr bool IsPrintable(std::uint32_t c)
{
    return c >= 0x20 && c <= 0x7E;
}
} // namespace

void WriteCodeDigits(std::uint8_t* bytes, int size, const QString& text)
{
    std::fill_n(bytes, size, std::uint8_t{0xFF});
    const int n = std::min(size, static_cast<int>(text.size()));
    for (int i = 0; i < n; ++i) {
        const int code = HexCodeFromChar(text[i]);
        if (code > 15)
            break; // a stray character would hide the digits after it
        bytes[i] = static_cast<std::uint8_t>(code);
    }
}

QString ReadCodeDigits(const std::uint8_t* bytes, int size)
{
    QString text;
    for (int i = 0; i < size && bytes[i] <= 15; ++i)
        text.append(HexCharFromCode(bytes[i]));
    return text;
}

void WriteImageText(std::uint8_t* bytes, int size, const QString& text)
{
    std::fill_n(bytes, size, std::uint8_t{0xFF});
    const int n = std::min(size, static_cast<int>(text.size()));
    for (int i = 0; i < n && IsPrintable(text[i].unicode()); ++i)
        bytes[i] = static_cast<std::uint8_t>(text[i].unicode());
}

QString ReadImageText(const std::uint8_t* bytes, int size)
{
    QString text;
    for (int i = 0; i < size && IsPrintable(bytes[i]); ++i)
        text.append(QChar(bytes[i]));
    return text;
}
