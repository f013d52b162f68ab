#include "link/core/port_failure_text.h"

#include "link/core/transfer_engine.h"

#include <QCoreApplication>

QString OpenPortFailText(const QString& port, const PortOpenFailure& failure)
{
    QString text = QCoreApplication::translate("Link", kOpenPortFailMessage);
    if (failure.reason.empty())
        return text;
    text += QStringLiteral("\n\n%1: %2").arg(port, QString::fromStdString(failure.reason));
    switch (failure.kind) {
    case PortOpenFailure::Kind::Permission: {
        const QString group = failure.group.empty() ? QStringLiteral("dialout") : QString::fromStdString(failure.group);
        text += QLatin1String("\n\n") +
                QCoreApplication::translate(
                    "Link", "Your user may not open this port. Add it to the group \"%1\" (sudo usermod -aG %1 $USER), "
                            "then log out and in again.")
                    .arg(group);
        break;
    }
    case PortOpenFailure::Kind::Busy:
#ifdef Q_OS_LINUX
        text +=
            QLatin1String("\n\n") +
            QCoreApplication::translate("Link", "Another program holds this port. ModemManager, for one, opens new USB "
                                                "serial ports: stop it, or tell it to leave this cable alone.");
#else
        text += QLatin1String("\n\n") +
                QCoreApplication::translate("Link", "Another program holds this port: close it, then try again.");
#endif
        break;
    case PortOpenFailure::Kind::Missing:
        text +=
            QLatin1String("\n\n") +
            QCoreApplication::translate("Link", "Check that the cable is plugged in, and the port chosen in Setting.");
        break;
    case PortOpenFailure::Kind::Other: break;
    }
    return text;
}
