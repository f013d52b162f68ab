#include "shell/app_icons.h"

#include <QDir>

void InstallIconTheme()
{
    const QString bundled = QStringLiteral(":/icons");
    QStringList paths = QIcon::themeSearchPaths();
    if (!paths.contains(bundled))
        QIcon::setThemeSearchPaths(paths << bundled);
    QIcon::setFallbackThemeName(QStringLiteral("programmer"));
    // Without a desktop (no platform theme) there is no theme to fall back from.
    if (QIcon::themeName().isEmpty())
        QIcon::setThemeName(QStringLiteral("programmer"));
}

QIcon ApplicationIcon()
{
    QIcon icon;
    for (int size : {16, 22, 24, 32, 48, 64, 128, 256, 512})
        icon.addFile(QStringLiteral(":/icons/app/png/programmer-%1.png").arg(size), QSize(size, size));
    return icon;
}
