#include "shell/core/ini_file.h"

#include "document/whole_file.h"

#include <QFile>

#include <vector>

namespace {

struct Line {
    qsizetype begin; // offset of the line in the text
    qsizetype end;   // offset past the line's content, before its line break
};

std::vector<Line> SplitLines(const QByteArray& text)
{
    std::vector<Line> lines;
    qsizetype pos = 0;
    while (pos < text.size()) {
        qsizetype nl = text.indexOf('\n', pos);
        qsizetype next = nl < 0 ? text.size() : nl + 1;
        qsizetype end = nl < 0 ? text.size() : nl;
        if (end > pos && text[end - 1] == '\r')
            --end;
        lines.push_back({pos, end});
        pos = next;
    }
    return lines;
}

QByteArray Content(const QByteArray& text, const Line& l)
{
    return text.mid(l.begin, l.end - l.begin).trimmed();
}

// "[name]" gives name; anything else gives a null array.
QByteArray SectionName(const QByteArray& content)
{
    if (!content.startsWith('['))
        return {};
    qsizetype close = content.indexOf(']');
    if (close < 0)
        return {};
    return content.mid(1, close - 1).trimmed();
}

bool SameName(const QByteArray& a, const QString& b)
{
    return QString::fromUtf8(a).compare(b.trimmed(), Qt::CaseInsensitive) == 0;
}

bool IsComment(const QByteArray& content)
{
    return content.startsWith(';');
}

// Index of the key's line inside the section, and the section's extent.
struct Found {
    int sectionLine = -1; // the "[section]" line
    int lastEntry = -1;   // last non-blank line of the section
    int keyLine = -1;     // the key's line
};

Found Find(const QByteArray& text, const std::vector<Line>& lines, const QString& section, const QString& key)
{
    Found f;
    bool inSection = false;
    for (int i = 0; i < static_cast<int>(lines.size()); ++i) {
        QByteArray content = Content(text, lines[i]);
        QByteArray name = SectionName(content);
        if (!name.isNull()) {
            if (inSection)
                break; // the first matching section is the one that counts
            inSection = SameName(name, section);
            if (inSection)
                f.sectionLine = f.lastEntry = i;
            continue;
        }
        if (!inSection || content.isEmpty())
            continue;
        f.lastEntry = i;
        if (IsComment(content) || key.isEmpty())
            continue;
        qsizetype eq = content.indexOf('=');
        QByteArray k = eq < 0 ? content : content.left(eq).trimmed();
        if (f.keyLine < 0 && SameName(k, key))
            f.keyLine = i;
    }
    return f;
}

QString Unquote(QString v)
{
    if (v.size() >= 2 && (v.front() == u'"' || v.front() == u'\'') && v.back() == v.front())
        v = v.mid(1, v.size() - 2);
    return v;
}

QByteArray LineBreakOf(const QByteArray& text)
{
    if (text.contains("\r\n"))
        return "\r\n";
    if (text.contains('\n'))
        return "\n";
#ifdef Q_OS_WIN
    return "\r\n";
#else
    return "\n";
#endif
}

} // namespace

QString IniReadText(const QByteArray& text, const QString& section, const QString& key, const QString& def)
{
    if (key.isEmpty())
        return def.left(IniFile::kMaxValueLength);
    std::vector<Line> lines = SplitLines(text);
    Found f = Find(text, lines, section, key);
    if (f.keyLine < 0)
        return def.left(IniFile::kMaxValueLength);
    QByteArray content = Content(text, lines[static_cast<std::size_t>(f.keyLine)]);
    qsizetype eq = content.indexOf('=');
    QString value = eq < 0 ? QString() : QString::fromUtf8(content.mid(eq + 1)).trimmed();
    return Unquote(value).left(IniFile::kMaxValueLength);
}

QByteArray IniWriteText(const QByteArray& text, const QString& section, const QString& key, const QString& value)
{
    std::vector<Line> lines = SplitLines(text);
    const QByteArray br = LineBreakOf(text);
    const QByteArray entry = key.trimmed().toUtf8() + '=' + value.toUtf8();
    Found f = Find(text, lines, section, key);

    QByteArray out = text;
    if (f.keyLine >= 0) {
        // The key keeps the spelling the file already has.
        const Line& l = lines[static_cast<std::size_t>(f.keyLine)];
        QByteArray content = Content(text, l);
        qsizetype eq = content.indexOf('=');
        QByteArray existing = (eq < 0 ? content : content.left(eq)).trimmed();
        out.replace(l.begin, l.end - l.begin, existing + '=' + value.toUtf8());
    } else if (f.sectionLine >= 0) {
        const Line& l = lines[static_cast<std::size_t>(f.lastEntry)];
        // After the section's last line; that line may lack a line break at the end of the file.
        qsizetype at = l.end;
        out.insert(at, br + entry);
    } else {
        if (!out.isEmpty() && !out.endsWith('\n'))
            out += br;
        out += '[' + section.trimmed().toUtf8() + ']' + br + entry + br;
    }
    return out;
}

IniFile& iniFile()
{
    static IniFile file;
    return file;
}

QString IniFile::Read(const QString& section, const QString& key, const QString& def) const
{
    QFile f(m_path);
    QByteArray text;
    if (!IsSpecialFile(m_path) && f.open(QIODevice::ReadOnly))
        text = f.readAll();
    return IniReadText(text, section, key, def);
}

bool IniFile::Write(const QString& section, const QString& key, const QString& value) const
{
    if (key.isEmpty() || value.isEmpty())
        return false;
    // A line break or a bracket would write lines of its own into the file.
    auto unsafe = [](const QString& s) { return s.contains(u'\n') || s.contains(u'\r'); };
    if (unsafe(section) || unsafe(key) || unsafe(value) || key.contains(u'=') || section.contains(u']'))
        return false;
    QByteArray text;
    {
        QFile f(m_path);
        if (f.exists()) {
            if (IsSpecialFile(m_path) || !f.open(QIODevice::ReadOnly))
                return false; // never replace a file we could not read
            text = f.readAll();
        }
    }
    // Replaced whole through a temporary file, so a failed write never leaves half a file.
    return SaveWholeFile(m_path, IniWriteText(text, section, key, value)).isEmpty();
}
