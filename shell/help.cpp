#include "shell/help.h"

#include "controls/message_box.h"
#include "shell/core/app_settings.h"

#include <QDesktopServices>
#include <QFileInfo>
#include <QMessageBox>
#include <QUrl>

QString HelpTopicPath(int context)
{
    const QString folder = appSettings().programFolder + QStringLiteral("help/");
    for (const QString& name : {QString::number(context) + QStringLiteral(".html"), QStringLiteral("index.html")}) {
        if (QFileInfo::exists(folder + name))
            return folder + name;
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
    if (page.isEmpty() || !QDesktopServices::openUrl(QUrl::fromLocalFile(page)))
        ShowMessage(parent, QMessageBox::Information, appSettings().modelName,
                    QObject::tr("The help for topic %1 cannot be shown.").arg(context));
}
