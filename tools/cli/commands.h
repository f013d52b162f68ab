#pragma once

#include "shell/core/program_paths.h"

#include <QString>
#include <QStringList>

inline constexpr int kExitFailure = 1;  // the operation failed
inline constexpr int kExitUsage = 2;    // the command line is wrong
inline constexpr int kExitAdjusted = 3; // done, but some rows were adjusted or skipped

// paths: where Default.dat and Program.ini are; args exclude the command word.
int CliNew(const ProgramPaths& paths, const QStringList& args);
int CliInfo(const QStringList& args);
int CliDump(const QStringList& args);
int CliRead(const ProgramPaths& paths, const QStringList& args);
int CliWrite(const ProgramPaths& paths, const QStringList& args);
int CliImportCsv(const QStringList& args);
int CliExportCsv(const QStringList& args);
// Only in a build with the widgets; runs under a QApplication.
int CliPrint(const QStringList& args);

// An output path where something other than a regular file is (a FIFO, a
// device, a folder, a link to one): refused with "This is not a regular
// file." before any work is done, and left as it is.
bool RefusedOutput(const QString& path);

// A document read by a command, apart from the process-wide one.
struct CliDocument;
// Reads a parameter file, printing why when it cannot (and any warning).
bool CliLoad(const QString& path, CliDocument& doc);
