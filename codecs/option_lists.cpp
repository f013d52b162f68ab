#include "codecs/option_lists.h"

namespace {

char16_t AsciiLower(char16_t c)
{
    return c >= u'A' && c <= u'Z' ? c + (u'a' - u'A') : c;
}

// Entries are ASCII; only ASCII letters fold, so no locale can make two
// different texts equal.
bool EqualsNoCase(const char* entry, const QString& text)
{
    const std::string_view e(entry);
    if (static_cast<qsizetype>(e.size()) != text.size())
        return false;
    for (std::size_t i = 0; i < e.size(); ++i)
        if (AsciiLower(static_cast<unsigned char>(e[i])) != AsciiLower(text[static_cast<qsizetype>(i)].unicode()))
            return false;
    return true;
}

} // namespace

int FindListIndex(OptionList list, const QString& text)
{
    for (std::size_t i = 0; i < list.size(); ++i)
        if (text == QLatin1String(list[i]))
            return static_cast<int>(i);
    return -1;
}

int ListIndexOf(OptionList list, const QString& text)
{
    const int i = FindListIndex(list, text);
    return i < 0 ? 0 : i;
}

int FindListIndexNoCase(OptionList list, const QString& text)
{
    for (std::size_t i = 0; i < list.size(); ++i)
        if (EqualsNoCase(list[i], text))
            return static_cast<int>(i);
    return -1;
}

bool AcceptsChar(const CharFilter& filter, QChar c)
{
    const char16_t u = c.unicode();
    if (u == 0 || u > 0x7F)
        return false;
    const char ch = static_cast<char>(u);
    if (filter.lettersAndDigits && ((ch >= 'a' && ch <= 'z') || (ch >= 'A' && ch <= 'Z') || (ch >= '0' && ch <= '9')))
        return true;
    return filter.chars.find(ch) != std::string_view::npos;
}
