#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QXmlStreamReader>

#include <gtest/gtest.h>

namespace {

// Texts without a finished translation, as "context: source".
QStringList Unfinished(const QString& tsPath)
{
    QFile f(tsPath);
    if (!f.open(QIODevice::ReadOnly))
        return {QStringLiteral("cannot read ") + tsPath};
    QXmlStreamReader xml(&f);
    QStringList missing;
    QString context, source;
    while (!xml.atEnd()) {
        xml.readNext();
        if (!xml.isStartElement())
            continue;
        if (xml.name() == QLatin1String("name"))
            context = xml.readElementText();
        else if (xml.name() == QLatin1String("source"))
            source = xml.readElementText();
        else if (xml.name() == QLatin1String("translation")) {
            const QString type = xml.attributes().value(QLatin1String("type")).toString();
            const QString text = xml.readElementText();
            if (type == QLatin1String("unfinished") || text.isEmpty())
                missing << context + QStringLiteral(": ") + source;
        }
    }
    if (xml.hasError())
        missing << QStringLiteral("XML error: ") + xml.errorString();
    return missing;
}

TEST(ChineseEdition, EveryTextIsTranslated)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString copy = dir.path() + QStringLiteral("/programmer_zh.ts");
    ASSERT_TRUE(QFile::copy(QStringLiteral(TS_FILE), copy));
    QFile::setPermissions(copy, QFileDevice::ReadOwner | QFileDevice::WriteOwner);

    QFile list(QStringLiteral(SOURCES_LIST));
    ASSERT_TRUE(list.open(QIODevice::ReadOnly));
    QStringList sources;
    for (const QByteArray& line : list.readAll().split('\n'))
        if (!line.trimmed().isEmpty())
            sources << QString::fromUtf8(line.trimmed());
    ASSERT_FALSE(sources.isEmpty());

    QProcess lupdate;
    lupdate.start(QStringLiteral(LUPDATE_PATH),
                  QStringList{QStringLiteral("-no-obsolete"), QStringLiteral("-locations"), QStringLiteral("none"),
                              QStringLiteral("-I"), QStringLiteral(PROGRAMMER_SOURCE_DIR)}
                      << sources << QStringLiteral("-ts") << copy);
    ASSERT_TRUE(lupdate.waitForFinished(120000));
    ASSERT_EQ(lupdate.exitCode(), 0) << lupdate.readAllStandardError().toStdString();

    const QStringList missing = Unfinished(copy);
    EXPECT_TRUE(missing.isEmpty()) << missing.size() << " texts without a Chinese translation:\n"
                                   << missing.join(QLatin1Char('\n')).toStdString();
}

} // namespace
