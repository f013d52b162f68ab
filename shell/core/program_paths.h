#pragma once

#include <QString>

#include <functional>

// Where the program finds its files. A program folder that holds Default.dat
// and can be written (the build tree, a portable copy, Windows outside
// Program Files) is used for everything, as the program has always done.
// An installed program (files in ../share/programmer beside bin/) or a
// read-only program folder keeps the shipped files where they are and gives
// each user their own Program.ini and DATA folder.
struct ProgramPaths {
    QString resources;    // Default.dat, the shipped Program.ini, help/; ends with '/'
    QString configFolder; // where Program.ini is read and written; ends with '/'
    bool perUser = false; // configFolder and the data folder are the user's own
};

// exeFolder ends with '/'. userConfig is the user's configuration folder
// (QStandardPaths::AppConfigLocation), used only for per-user files.
// writable says whether the user may write a file or folder (tests stand in
// for a read-only folder, which root could write anyway).
ProgramPaths ResolveProgramPaths(const QString& exeFolder, const QString& userConfig,
                                 const std::function<bool(const QString&)>& writable = {});

// Whether the user may write a folder (a file can be created and removed in
// it) or a file (it opens for appending), found by trying: on Windows the
// folder's read-only flag says nothing of its access control, and a folder
// under Program Files reads as writable.
bool MayWriteByTrying(const QString& path);

// The folder of the executable as the program is installed or built.
QString ExecutableFolder();
// ResolveProgramPaths for this process, with the user's own folders.
ProgramPaths ThisProgramPaths();

// First start of a per-user program: the shipped Program.ini becomes the
// user's. An existing user file is left alone. False when it could not be copied.
bool CopyShippedConfig(const ProgramPaths& paths);

// The user's data folder for saved files when the program folder is not
// theirs: Documents/<model name>.
QString UserDataFolder(const QString& modelName);
