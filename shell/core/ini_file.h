#pragma once

#include <QByteArray>
#include <QString>

// Keys of a plain INI text file, read and written the way the classic
// profile-string calls do: section and key names compare without regard to
// case, values are trimmed and lose one pair of surrounding quotes, at most
// 255 characters of a value are returned, and a write replaces or inserts one
// line while every other line of the file stays byte for byte as it was.
class IniFile {
public:
    static constexpr int kMaxValueLength = 255;

    // The path becomes folder + name (folder ends with a separator).
    void SetFile(const QString& folder, const QString& name) { m_path = folder + name; }
    const QString& path() const { return m_path; }

    // The default when key is empty or absent (or the file cannot be read).
    QString Read(const QString& section, const QString& key, const QString& def) const;
    // Writes only when key and value are both non-empty; returns success.
    bool Write(const QString& section, const QString& key, const QString& value) const;

private:
    QString m_path = QStringLiteral("Program.ini");
};

// The process-wide configuration file, set to "Program.ini" at start-up.
IniFile& iniFile();

// The same rules on text in memory (the file layer above uses them; the
// fuzzer drives them directly).
QString IniReadText(const QByteArray& text, const QString& section, const QString& key, const QString& def);
QByteArray IniWriteText(const QByteArray& text, const QString& section, const QString& key, const QString& value);
