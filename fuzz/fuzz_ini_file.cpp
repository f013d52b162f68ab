// Reads and writes keys in arbitrary INI text: a write changes the one key
// and nothing else that could be read back.
#include "shell/core/ini_file.h"

#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const QByteArray text(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    const QString sections[] = {QStringLiteral("Setup"), QStringLiteral("About")};
    const QString keys[] = {QStringLiteral("COM"), QStringLiteral("Model"), QStringLiteral("CMD_HEAD")};
    for (const QString& s : sections)
        for (const QString& k : keys) {
            QString before = IniReadText(text, s, k, QStringLiteral("<none>"));
            if (before.size() > IniFile::kMaxValueLength)
                std::abort();
        }
    QByteArray written = IniWriteText(text, QStringLiteral("Setup"), QStringLiteral("COM"), QStringLiteral("COM7"));
    if (IniReadText(written, QStringLiteral("Setup"), QStringLiteral("COM"), QString()) != QLatin1String("COM7"))
        std::abort();
    // Other keys of the section keep their values, unless they are the same key spelled otherwise.
    const QString other =
        IniReadText(text, QStringLiteral("About"), QStringLiteral("Version"), QStringLiteral("<none>"));
    if (IniReadText(written, QStringLiteral("About"), QStringLiteral("Version"), QStringLiteral("<none>")) != other)
        std::abort();
    return 0;
}
