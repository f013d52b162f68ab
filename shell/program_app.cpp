#include "shell/program_app.h"

#include "shell/core/app_settings.h"
#include "shell/core/edition.h"
#include "shell/core/factory_defaults.h"

#include <QApplication>
#include <QMainWindow>
#include <QMdiArea>
#include <QScreen>

namespace {

// The main window arrives with the main frame; until then an empty frame
// that loads the factory defaults as the real one will.
class StartupWindow : public QMainWindow {
public:
    StartupWindow()
    {
        setWindowTitle(TitleModelName());
        setCentralWidget(new QMdiArea(this));
        setGeometry(QGuiApplication::primaryScreen()->availableGeometry());
        LoadDefaults(appSettings().programFolder);
    }
};

} // namespace

int RunProgram(int argc, char** argv, const Edition& e)
{
    setEdition(e);
    QApplication app(argc, argv);
    QCoreApplication::setOrganizationName(QStringLiteral("VRX"));
    QCoreApplication::setApplicationName(QStringLiteral("VRX"));

    ResetBuiltInSettings();
    ReadStartupSettings(QCoreApplication::applicationDirPath() + QLatin1Char('/'));

    StartupWindow window;
    window.show();
    QGuiApplication::setApplicationDisplayName(appSettings().modelName);

    int code = app.exec();
    WriteExitSettings();
    return code;
}
