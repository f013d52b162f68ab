#pragma once

#include "document/radio_image.h"

#include <QDateTime>
#include <QString>
#include <QStringList>

// Copies of what the radio held, made after every completed read, so that
// what a write replaced can always be had back.
namespace RadioBackups {

inline constexpr int kKept = 50;

// MODEL-SERIAL-YYYYMMDD-HHMMSS.dat; without the serial when it is empty.
// Characters a file name cannot hold become '_'.
QString FileName(const QString& model, const QString& serial, const QDateTime& when);

// Writes the backup into the first of the folders that takes it (made when
// missing), then deletes the oldest backups there beyond kKept. Returns the
// path written, empty when no folder took it.
QString Save(const QStringList& folders, const QString& fileName, const HeaderBlock& header, const RadioImage& image,
             int kept = kKept);

} // namespace RadioBackups
