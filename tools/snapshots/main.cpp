// Saves a picture of every window of the program, for looking at the layout
// of either edition without clicking through it:
//     snapshots [en|zh] OUT_FOLDER [max]
// With max, the views are maximised in a 1600x1000 main window instead.
// Run it on a display (Xvfb is fine); the Chinese edition needs a CJK font.
#include "channels/channel_edit_dialog.h"
#include "channels/vfo_dialog.h"
#include "controls/base_form_view.h"
#include "link/link_password_dialog.h"
#include "link/port_dialog.h"
#include "link/transfer_dialog.h"
#include "radio/custom_data_dialog.h"
#include "radio/frequency_range_dialog.h"
#include "shell/about_dialog.h"
#include "shell/app_icons.h"
#include "shell/core/app_settings.h"
#include "shell/core/edition.h"
#include "shell/main_window.h"
#include "shell/service_access_dialog.h"
#include "shell/transfer_setup.h"
#include "shell/view_catalog.h"
#include "shell/view_sub_window.h"
#include "shell/view_windows.h"

#include <QApplication>
#include <QDir>
#include <QLibraryInfo>
#include <QLocale>
#include <QMdiArea>
#include <QTabWidget>
#include <QTest>
#include <QTranslator>

#include <cstdio>
#include <memory>

namespace {

void Save(QWidget* w, const QString& folder, const QString& name)
{
    QTest::qWait(50);
    const QString path = folder + QLatin1Char('/') + name + QStringLiteral(".png");
    if (!w->grab().save(path))
        std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
    else
        std::printf("%s\n", qPrintable(path));
}

template <typename Dialog, typename... Args> void SaveDialog(const QString& folder, const QString& name, Args&&... args)
{
    Dialog dlg(std::forward<Args>(args)...);
    dlg.show();
    Save(&dlg, folder, name);
}

} // namespace

int main(int argc, char** argv)
{
    const bool maximised = argc == 4 && qstrcmp(argv[3], "max") == 0;
    if ((argc != 3 && !maximised) || (qstrcmp(argv[1], "en") != 0 && qstrcmp(argv[1], "zh") != 0)) {
        std::fprintf(stderr, "usage: snapshots en|zh OUT_FOLDER [max]\n");
        return 2;
    }
    const bool zh = qstrcmp(argv[1], "zh") == 0;
    setEdition(zh ? ChineseEdition() : EnglishEdition());
    QApplication app(argc, argv);
    QTranslator texts, qtTexts;
    if (zh) {
        if (texts.load(QStringLiteral(":/i18n/programmer_zh.qm")))
            QCoreApplication::installTranslator(&texts);
        if (qtTexts.load(QLocale(QLocale::Chinese, QLocale::China), QStringLiteral("qtbase"), QStringLiteral("_"),
                         QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
            QCoreApplication::installTranslator(&qtTexts);
    }
    const QString folder = QString::fromLocal8Bit(argv[2]);
    QDir().mkpath(folder);
    InstallIconTheme();
    QApplication::setWindowIcon(ApplicationIcon());
    ResetBuiltInSettings();
    ReadStartupSettings(ThisProgramPaths());

    MainWindow frame;
    frame.resize(maximised ? QSize(1600, 1000) : QSize(1280, 800));
    frame.show();
    Save(&frame, folder, QStringLiteral("main_window"));

    const ViewKind kinds[] = {ViewKind::ChannelTable, ViewKind::ScanChannel, ViewKind::BasicSetting, ViewKind::Dtmf,
                              ViewKind::TwoTone,      ViewKind::FiveTone,    ViewKind::Model,        ViewKind::Alarm};
    const char* names[] = {"channel_table", "scan_channel", "basic_setting", "dtmf",
                           "two_tone",      "five_tone",    "model",         "alarm"};
    for (int i = 0; i < kViewKindCount; ++i) {
        frame.views().area()->closeAllSubWindows();
        ViewSubWindow* f = frame.views().open(kinds[i]);
        if (!f)
            continue;
        QWidget* shot = f;
        if (maximised) {
            f->showMaximized();
            shot = &frame;
        } else {
            f->showNormal();
            f->resize(ViewSize(kinds[i]));
        }
        Save(shot, folder, QString::fromLatin1(names[i]));
        // Every tab of a tab host.
        if (auto* tabs = f->view()->findChild<QTabWidget*>(QStringLiteral("tabs"))) {
            for (int t = 1; t < tabs->count(); ++t) {
                tabs->setCurrentIndex(t);
                Save(shot, folder, QStringLiteral("%1_tab%2").arg(QString::fromLatin1(names[i])).arg(t));
            }
        }
    }
    frame.views().area()->closeAllSubWindows();

    Document& doc = frame.document();
    SaveDialog<ChannelEditDialog>(folder, QStringLiteral("channel_edit"), &frame, doc, 1, QStringLiteral("145.00000"));
    SaveDialog<VfoDialog>(folder, QStringLiteral("vfo"), doc, &frame);
    SaveDialog<FrequencyRangeDialog>(folder, QStringLiteral("frequency_range"), doc, appSettings().modelName, &frame);
    SaveDialog<CustomDataDialog>(folder, QStringLiteral("custom_data"), doc, ProgramTransferSetup(), &frame);
    SaveDialog<PortDialog>(folder, QStringLiteral("port"), appSettings().portName, &frame);
    SaveDialog<AboutDialog>(folder, QStringLiteral("about"), &frame);
    SaveDialog<ServiceAccessDialog>(folder, QStringLiteral("service_access"), &frame);
    SaveDialog<LinkPasswordDialog>(folder, QStringLiteral("link_password"), &frame);
    SaveDialog<TransferDialog>(folder, QStringLiteral("transfer"), doc, ProgramTransferSetup(), TransferMode::Read,
                               QCoreApplication::translate("MainWindow", "Read"), FullReadRanges(), &frame);
    return 0;
}
