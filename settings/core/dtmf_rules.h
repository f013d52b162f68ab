#pragma once

#include <QString>

#include <cstdint>

// DTMF digit strings, code-table records and the editing rules of the DTMF
// view, without widgets.

// The characters of at most maxLength digit codes, stopping at the first
// byte that is no DTMF code (above 15, such as the 0xFF fill).
QString ReadDtmfDigits(const std::uint8_t* bytes, int maxLength);
// Writes the codes of at most maxLength characters of text from dest; the
// bytes after them are left as they are.
void WriteDtmfDigits(const QString& text, std::uint8_t* dest, int maxLength);

// Alias text: bytes up to the first that is not printable ASCII.
QString ReadAlias(const std::uint8_t* bytes, int maxLength);
// Printable ASCII is the only text an alias byte can hold and be read back.
bool IsAliasChar(QChar c);

// One row of the code table as the grid shows it.
struct DtmfCodeRow {
    QString type; // "None", "ANI" or empty (no code)
    QString num;
    QString alias;

    bool operator==(const DtmfCodeRow&) const = default;
};

DtmfCodeRow DecodeCodeRecord(const std::uint8_t* record);
// All 24 bytes: 0xFF unless the type is exactly "None" or "ANI".
void EncodeCodeRecord(const DtmfCodeRow& row, std::uint8_t* record);

// Texts a row is given when a cell is first filled.
QString RowNumText(int row);   // "%06d"
QString RowAliasText(int row); // "DTMF%02d"

// Text without any of the characters of chars (compared as written).
QString WithoutChars(const QString& text, const QString& chars);

// Group code and delimiter after the user picked one of them: equal texts
// (ignoring case) move the other one away.
struct GroupAndDelimiter {
    QString group;
    QString delimiter;
};
GroupAndDelimiter SeparateGroupAndDelimiter(const QString& group, const QString& delimiter, bool delimiterPicked);

// An ANI number without the delimiter; the row's "%06d" when nothing is left.
QString CleanAniNum(const QString& num, const QString& delimiter, int row);

// Commits of the grid's in-place editors on row (1..16). Row 1 is never
// cleared by an empty entry.
void CommitAlias(DtmfCodeRow& r, const QString& text);
void CommitNum(DtmfCodeRow& r, int row, const QString& text);
void CommitType(DtmfCodeRow& r, int row, const QString& choice, const QString& group, const QString& delimiter);
