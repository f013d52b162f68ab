#include "shell/program_app.h"

#include "controls/message_box.h"

#include "link/core/sim_port.h"
#include "radio/core/model_info.h"
#include "shell/app_icons.h"
#include "shell/commands.h"
#include "shell/core/app_settings.h"
#include "shell/core/edition.h"
#include "shell/document_files.h"
#include "shell/main_window.h"

#include <QApplication>
#include <QDateTime>
#include <QFont>
#include <QFontDatabase>
#include <QLibraryInfo>
#include <QLocale>
#include <QMenu>
#include <QTimer>
#include <QTranslator>

#include <cstdio>
#include <cstring>

namespace {

// A radio for trying Read and Write without one: the factory document with an
// identity of its own.
RadioImage SimulatedRadioMemory(const RadioImage& factory)
{
    RadioImage m = factory;
    std::memcpy(m.data() + ModelInfo::kSerial, "SIM00001", 8);
    std::memcpy(m.data() + ModelInfo::kModelName, "QM4410", 6);
    std::memcpy(m.data() + ModelInfo::kFirmware, "V1.00", 5);
    const std::uint8_t date[4] = {0x26, 0x20, 0x12, 0x07};
    std::memcpy(m.data() + ModelInfo::kYear, date, 4);
    return m;
}

// For the start-up benchmark: prints when the main window first painted, then quits.
class FirstPaintProbe : public QObject {
public:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Paint && !m_done) {
            m_done = true;
            std::printf("first_paint_epoch_ms=%lld\n", static_cast<long long>(QDateTime::currentMSecsSinceEpoch()));
            std::fflush(stdout);
            QMetaObject::invokeMethod(qApp, &QCoreApplication::quit, Qt::QueuedConnection);
        }
        return QObject::eventFilter(watched, event);
    }

private:
    bool m_done = false;
};

} // namespace

QString CommandLineFile(const QStringList& arguments)
{
    for (const QString& a : arguments.mid(1)) {
        if (!a.startsWith(QLatin1Char('-')))
            return a;
    }
    return {};
}

int RunProgram(int argc, char** argv, const Edition& e)
{
    setEdition(e);
    QApplication app(argc, argv);
    // The framework's own profile (recent files, print settings) lives under "VRX".
    QCoreApplication::setOrganizationName(QStringLiteral("VRX"));
    QCoreApplication::setApplicationName(QStringLiteral("VRX"));

    // The Chinese edition's texts, and Qt's own for the standard dialogs.
    QTranslator programTexts;
    QTranslator qtTexts;
    if (e.chinese) {
        if (programTexts.load(QStringLiteral(":/i18n/programmer_zh.qm")))
            QCoreApplication::installTranslator(&programTexts);
        if (qtTexts.load(QLocale(QLocale::Chinese, QLocale::China), QStringLiteral("qtbase"), QStringLiteral("_"),
                         QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
            QCoreApplication::installTranslator(&qtTexts);
    }

#ifdef Q_OS_WIN
    // Windows' own Chinese interface faces, where the system has them, ahead
    // of the default font, whose fallback may show boxes for Chinese text.
    if (e.chinese) {
        const QStringList families = QFontDatabase::families();
        for (const char* face : {"Microsoft YaHei UI", "Microsoft YaHei", "SimSun"}) {
            if (families.contains(QLatin1String(face))) {
                QFont font = QApplication::font();
                font.setFamilies({QLatin1String(face), font.family()});
                QApplication::setFont(font);
                break;
            }
        }
    }
#endif
    InstallIconTheme();
    QApplication::setWindowIcon(ApplicationIcon());

    ResetBuiltInSettings();
    const ProgramPaths paths = ThisProgramPaths();
    CopyShippedConfig(paths);
    ReadStartupSettings(paths);
    // No application display name: the window system would add it to every title.
    SetMessageCaption(appSettings().modelName);

    auto* frame = new MainWindow;
    frame->setAttribute(Qt::WA_DeleteOnClose);
    FirstPaintProbe probe;
    if (qEnvironmentVariableIsSet("PROGRAMMER_STARTUP_PROBE"))
        frame->installEventFilter(&probe);
    frame->show();
    RegisterSimulatedRadio(SimulatedRadioMemory(frame->document().image()));
    if (const QString file = CommandLineFile(QCoreApplication::arguments()); !file.isEmpty())
        frame->files().openFile(file);
    // After the window has painted: a long look through the folder never
    // leaves it black.
    QTimer::singleShot(100, frame, [frame] { frame->files().offerRecovery(); });

    int code = app.exec();
    WriteExitSettings();
    return code;
}
