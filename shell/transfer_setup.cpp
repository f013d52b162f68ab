#include "shell/transfer_setup.h"

#include "shell/core/app_settings.h"
#include "shell/core/ini_file.h"

TransferSetup ProgramTransferSetup()
{
    TransferSetup setup;
    setup.portName = appSettings().portName;
    setup.cmdHead = [] {
        return iniFile()
            .Read(QString::fromLatin1(IniKeys::kSetup), QString::fromLatin1(IniKeys::kCmdHead), QString())
            .toStdString();
    };
    setup.startAtOnce = appSettings().serviceMode;
    setup.caption = appSettings().modelName;
    return setup;
}
