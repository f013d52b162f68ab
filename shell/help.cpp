#include "shell/help.h"

#include "controls/message_box.h"
#include "shell/core/app_settings.h"
#include "shell/core/edition.h"

#include <QDesktopServices>
#include <QDir>
#include <QFileInfo>
#include <QMessageBox>
#include <QUrl>

QString HelpFolder()
{
    return appSettings().programFolder + (edition().chinese ? QStringLiteral("help/zh/") : QStringLiteral("help/"));
}

QString HelpTopicPath(int context)
{
    const QString folder = HelpFolder();
    for (const QString& name : {QString::number(context) + QStringLiteral(".html"), QStringLiteral("index.html")}) {
        if (context != kHelpContents || name == QStringLiteral("index.html")) {
            if (QFileInfo::exists(folder + name))
                return folder + name;
        }
    }
    return {};
}

void OpenHelpTopic(int context, QWidget* parent)
{
#ifdef Q_OS_WIN
    // Windows has a viewer for the compiled help file.
    if (QFileInfo::exists(appSettings().helpFile) &&
        QDesktopServices::openUrl(QUrl::fromLocalFile(appSettings().helpFile)))
        return;
#endif
    const QString page = HelpTopicPath(context);
    if (page.isEmpty()) {
        ShowMessage(parent, QMessageBox::Warning, appSettings().modelName,
                    QObject::tr("The help pages are not installed. They belong in the folder\n%1")
                        .arg(QDir::toNativeSeparators(HelpFolder())));
    } else if (!QDesktopServices::openUrl(QUrl::fromLocalFile(page))) {
        // No browser: say where the page is, so it can be opened by hand.
        ShowMessage(parent, QMessageBox::Information, appSettings().modelName,
                    QObject::tr("No web browser could be started to show the help. Its page is\n%1")
                        .arg(QDir::toNativeSeparators(page)));
    }
}
