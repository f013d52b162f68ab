#pragma once

// A program folder for tests that open the main window: the configuration,
// the factory file, the settings read from them, and the program's views
// registered, with a plain stand-in for the channel table that every main
// window opens at start.
#include "controls/base_form_view.h"
#include "shell/core/app_settings.h"
#include "shell/view_catalog.h"

#include <QFile>
#include <QString>
#include <QTemporaryDir>

class PlainTestView : public CBaseFormView {
public:
    PlainTestView() : CBaseFormView(1) {}
};

// False when the folder cannot be made.
inline bool PrepareProgramFolder(const QTemporaryDir& dir)
{
    if (!dir.isValid())
        return false;
    const QString folder = dir.path() + QLatin1Char('/');
    QFile ini(folder + QStringLiteral("Program.ini"));
    if (!ini.open(QIODevice::WriteOnly))
        return false;
    ini.write("[Setup]\r\nCOM=COM3\r\nModel=QM4410\r\nCompany=Acme Radio\r\n");
    ini.close();
    if (!QFile::copy(QStringLiteral(PROGRAMMER_BIN_DIR "/Default.dat"), folder + QStringLiteral("Default.dat")))
        return false;
    ResetBuiltInSettings();
    ReadStartupSettings(folder);
    RegisterProgramViews();
    SetViewFactory(ViewKind::ChannelTable, [] { return new PlainTestView; });
    return true;
}
