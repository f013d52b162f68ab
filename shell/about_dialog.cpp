#include "shell/about_dialog.h"

#include "shell/core/app_settings.h"
#include "shell/core/ini_file.h"

#include <QApplication>
#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QStyle>
#include <QVBoxLayout>

AboutDialog::AboutDialog(QWidget* parent) : QDialog(parent)
{
    setWindowTitle(tr("About"));
    const AppSettings& s = appSettings();
    const QString version =
        iniFile().Read(QString::fromLatin1(IniKeys::kAbout), QString::fromLatin1(IniKeys::kVersion), QString());

    auto* icon = new QLabel(this);
    icon->setPixmap(QApplication::windowIcon().pixmap(48, 48));
    auto* lines = new QVBoxLayout;
    int n = 0;
    for (const QString& text :
         {s.company, version, tr("%1 The software apply for %2 model").arg(s.company, s.modelName)}) {
        auto* l = new QLabel(text, this);
        l->setObjectName(QStringLiteral("line%1").arg(++n));
        lines->addWidget(l);
    }
    auto* row = new QHBoxLayout;
    row->addWidget(icon, 0, Qt::AlignTop);
    row->addLayout(lines, 1);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok, this);
    buttons->button(QDialogButtonBox::Ok)->setText(tr("OK"));
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(row);
    layout->addWidget(buttons);
}
