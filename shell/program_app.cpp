#include "shell/program_app.h"

#include "shell/core/app_settings.h"
#include "shell/core/edition.h"
#include "shell/core/factory_defaults.h"
#include "link/core/model_info.h"
#include "link/core/sim_port.h"

#include <cstring>

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
        RegisterSimulatedRadio(SimulatedRadioMemory());
    }

    // A radio for trying Read and Write without one: the factory document
    // with an identity of its own.
    static RadioImage SimulatedRadioMemory()
    {
        RadioImage m = radioImage();
        std::memcpy(m.data() + ModelInfo::kSerial, "SIM00001", 8);
        std::memcpy(m.data() + ModelInfo::kModelName, "QM4410", 6);
        std::memcpy(m.data() + ModelInfo::kFirmware, "V1.00", 5);
        const std::uint8_t date[4] = {0x26, 0x20, 0x12, 0x07};
        std::memcpy(m.data() + ModelInfo::kYear, date, 4);
        return m;
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
