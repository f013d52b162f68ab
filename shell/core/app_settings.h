#pragma once

#include "shell/core/program_paths.h"

#include <QString>

// Settings read at start-up and held to exit. Later only the port name (the
// port dialog) and the service mode (the access code) change.
struct AppSettings {
    QString programFolder; // Default.dat and help/; ends with a separator
    QString configFolder;  // Program.ini; the program folder unless the files are per user
    bool perUser = false;  // Program.ini and DATA are the user's own, not the program folder's
    QString portName;
    QString modelName;       // also the caption of the program's message boxes
    QString defaultFileName; // model name + ".dat"
    QString company;
    QString dataFolder;
    QString helpFile;
    // Service mode: off at start-up, switched on by the access code, never off again.
    bool serviceMode = false;
};

AppSettings& appSettings();

// Built-in values of the edition, before the configuration is read.
void ResetBuiltInSettings();
// Start-up reads: the configuration file in the configuration folder, the
// derived names, and the data folder: DATA in the program folder, or the
// user's Documents/<model> for per-user files (created when nothing of that
// name exists; a failure is ignored). A missing file or key gives empty texts.
void ReadStartupSettings(const ProgramPaths& paths);
// Everything in one program folder.
void ReadStartupSettings(const QString& programFolder);
// Exit: [Setup] COM = port name, unless the port name is empty.
void WriteExitSettings();
// The model name for a window title: re-read from the file, falling back to
// the one held.
QString TitleModelName();

namespace IniKeys {
inline const char* const kSetup = "Setup";
inline const char* const kAbout = "About";
inline const char* const kCom = "COM";
inline const char* const kModel = "Model";
inline const char* const kCompany = "Company";
inline const char* const kCmdHead = "CMD_HEAD";
inline const char* const kVersion = "Version";
} // namespace IniKeys
