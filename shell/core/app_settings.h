#pragma once

#include <QString>

// Settings held from start-up to exit; only the port name changes later.
struct AppSettings {
    QString programFolder; // ends with a separator
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
// Start-up reads: the configuration file in programFolder, the derived names,
// and the data folder (created when nothing of that name exists; a failure is
// ignored). A missing file or key gives empty texts.
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
