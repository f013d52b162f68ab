#pragma once

#include <QIcon>

// The program's own icons: the application icon, and a fallback icon theme
// for the toolbar, used for every icon the desktop's theme does not have.
void InstallIconTheme();
QIcon ApplicationIcon();
