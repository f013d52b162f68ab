#pragma once

#include "link/core/serial_port.h"

#include <QString>

// "Open port fail", then the port and the system's reason, then what to do:
// for a device the user may not open, join the group that owns it and log in
// again; for a busy one, another program (ModemManager, for one) may hold it.
QString OpenPortFailText(const QString& port, const PortOpenFailure& failure);
