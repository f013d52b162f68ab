#include "tests/support/program_folder.h"

#include "shell/core/app_settings.h"

#include <QFile>

ProgramFolder::ProgramFolder(const QByteArray& ini)
{
    if (!m_dir.isValid())
        return;
    m_path = m_dir.path() + QLatin1Char('/');
    QFile file(m_path + QStringLiteral("Program.ini"));
    if (!file.open(QIODevice::WriteOnly) || file.write(ini) != ini.size())
        return;
    file.close();
    if (!QFile::copy(QStringLiteral(PROGRAMMER_BIN_DIR "/Default.dat"), m_path + QStringLiteral("Default.dat")))
        return;
    ResetBuiltInSettings();
    ReadStartupSettings(m_path);
    m_valid = true;
}
