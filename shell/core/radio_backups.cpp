#include "shell/core/radio_backups.h"

#include "document/param_file.h"

#include <QDir>
#include <QRegularExpression>

#include <algorithm>
#include <memory>

namespace RadioBackups {

namespace {
QString Safe(const QString& part)
{
    QString s = part.trimmed();
    for (QChar& c : s)
        if (!c.isLetterOrNumber() && c != QLatin1Char('_') && c != QLatin1Char('.'))
            c = QLatin1Char('_');
    return s;
}

// Only files named as backups are counted or deleted.
const QRegularExpression& BackupName()
{
    static const QRegularExpression re(QStringLiteral("^.+-(\\d{8}-\\d{6})\\.dat$"));
    return re;
}

void Prune(const QString& folder, int kept)
{
    struct Entry {
        QString stamp;
        QString name;
    };
    std::vector<Entry> backups;
    for (const QString& name : QDir(folder).entryList({QStringLiteral("*.dat")}, QDir::Files)) {
        const QRegularExpressionMatch m = BackupName().match(name);
        if (m.hasMatch())
            backups.push_back({m.captured(1), name});
    }
    if (static_cast<int>(backups.size()) <= kept)
        return;
    // Newest first by the time in the name, whatever the radio.
    std::sort(backups.begin(), backups.end(),
              [](const Entry& a, const Entry& b) { return a.stamp != b.stamp ? a.stamp > b.stamp : a.name > b.name; });
    for (std::size_t i = static_cast<std::size_t>(kept); i < backups.size(); ++i)
        QFile::remove(QDir(folder).filePath(backups[i].name));
}
} // namespace

QString FileName(const QString& model, const QString& serial, const QDateTime& when)
{
    QStringList parts{Safe(model)};
    if (!serial.trimmed().isEmpty())
        parts << Safe(serial);
    parts << when.toString(QStringLiteral("yyyyMMdd-HHmmss"));
    return parts.join(QLatin1Char('-')) + QStringLiteral(".dat");
}

QString Save(const QStringList& folders, const QString& fileName, const HeaderBlock& header, const RadioImage& image,
             int kept)
{
    // Signed, so the backup opens as any parameter file does.
    auto signedHeader = std::make_unique<HeaderBlock>(header);
    WriteSignature(*signedHeader);
    for (const QString& folder : folders) {
        if (folder.isEmpty() || !QDir().mkpath(folder))
            continue;
        QString path = QDir(folder).filePath(fileName);
        if (!WriteParamFile(path, *signedHeader, image).ok)
            continue;
        Prune(folder, kept);
        return path;
    }
    return {};
}

} // namespace RadioBackups
