#include "settings/core/dtmf_rules.h"

#include "codecs/text_codecs.h"
#include "settings/core/setting_fields.h"

#include <algorithm>

QString ReadDtmfDigits(const std::uint8_t* bytes, int maxLength)
{
    QString text;
    for (int i = 0; i < maxLength; ++i) {
        const QChar c = DtmfCharFromCode(bytes[i]);
        if (c.isNull())
            break;
        text.append(c);
    }
    return text;
}

void WriteDtmfDigits(const QString& text, std::uint8_t* dest, int maxLength)
{
    const int n = std::min(static_cast<int>(text.size()), maxLength);
    for (int i = 0; i < n; ++i)
        dest[i] = static_cast<std::uint8_t>(DtmfCodeFromChar(text[i]));
}

bool IsAliasChar(QChar c)
{
    return c.unicode() >= 0x20 && c.unicode() <= 0x7E;
}

QString ReadAlias(const std::uint8_t* bytes, int maxLength)
{
    QString text;
    for (int i = 0; i < maxLength && IsAliasChar(QChar(char16_t{bytes[i]})); ++i)
        text.append(QChar(char16_t{bytes[i]}));
    return text;
}

DtmfCodeRow DecodeCodeRecord(const std::uint8_t* record)
{
    DtmfCodeRow row;
    switch (record[DtmfMap::kCodeTypeOffset]) {
    case 0: row.type = QStringLiteral("None"); break;
    case 1: row.type = QStringLiteral("ANI"); break;
    default: return row; // no code: an empty row
    }
    row.num = ReadDtmfDigits(record, DtmfMap::kCodeNumLength);
    row.alias = ReadAlias(record + DtmfMap::kCodeAliasOffset, DtmfMap::kCodeAliasLength);
    return row;
}

void EncodeCodeRecord(const DtmfCodeRow& row, std::uint8_t* record)
{
    std::fill_n(record, DtmfMap::kCodeRecordSize, std::uint8_t{0xFF});
    if (row.type == QLatin1String("None"))
        record[DtmfMap::kCodeTypeOffset] = 0;
    else if (row.type == QLatin1String("ANI"))
        record[DtmfMap::kCodeTypeOffset] = 1;
    else
        return; // the row's other cells mean nothing without a type
    WriteDtmfDigits(row.num, record, DtmfMap::kCodeNumLength);
    const int n = std::min(static_cast<int>(row.alias.size()), DtmfMap::kCodeAliasLength);
    for (int i = 0; i < n; ++i) {
        // Only printable ASCII reads back; anything else would cut the alias short.
        const QChar c = row.alias[i];
        record[DtmfMap::kCodeAliasOffset + i] = static_cast<std::uint8_t>(IsAliasChar(c) ? c.unicode() : u'?');
    }
}

QString RowNumText(int row)
{
    return QStringLiteral("%1").arg(row, 6, 10, QLatin1Char('0'));
}

QString RowAliasText(int row)
{
    return QStringLiteral("DTMF%1").arg(row, 2, 10, QLatin1Char('0'));
}

QString WithoutChars(const QString& text, const QString& chars)
{
    QString out;
    for (const QChar c : text)
        if (!chars.contains(c))
            out.append(c);
    return out;
}

GroupAndDelimiter SeparateGroupAndDelimiter(const QString& group, const QString& delimiter, bool delimiterPicked)
{
    GroupAndDelimiter r{group, delimiter};
    if (group.compare(delimiter, Qt::CaseInsensitive) != 0)
        return r;
    if (delimiterPicked)
        r.group =
            group.compare(QLatin1String("D"), Qt::CaseInsensitive) == 0 ? QStringLiteral("A") : QStringLiteral("D");
    else
        r.delimiter = delimiter == QLatin1String("*") ? QStringLiteral("A") : QStringLiteral("*");
    return r;
}

QString CleanAniNum(const QString& num, const QString& delimiter, int row)
{
    const QString cleaned = WithoutChars(num, delimiter);
    return cleaned.isEmpty() ? RowNumText(row) : cleaned;
}

void CommitAlias(DtmfCodeRow& r, const QString& text)
{
    if (!text.isEmpty())
        r.alias = text;
}

void CommitNum(DtmfCodeRow& r, int row, const QString& text)
{
    if (text.isEmpty()) {
        if (row != 1)
            r = DtmfCodeRow{};
        return;
    }
    const bool wasEmpty = r.num.isEmpty();
    r.num = text;
    if (wasEmpty)
        r.alias = RowAliasText(row);
}

void CommitType(DtmfCodeRow& r, int row, const QString& choice, const QString& group, const QString& delimiter)
{
    if (choice.isEmpty()) {
        if (row != 1)
            r = DtmfCodeRow{};
        return;
    }
    r.type = choice;
    if (r.num.isEmpty())
        r.num = RowNumText(row);
    else if (choice.compare(QLatin1String("ANI"), Qt::CaseInsensitive) == 0)
        r.num = CleanAniNum(r.num, group + delimiter, row); // an ANI never keeps an empty number
    if (r.alias.isEmpty())
        r.alias = RowAliasText(row);
}
