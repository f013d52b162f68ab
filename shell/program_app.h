#pragma once

#include <QStringList>

struct Edition;

// Start-up, message loop and exit of either edition of the program.
int RunProgram(int argc, char** argv, const Edition& edition);

// The parameter file named on the command line ("programmer-en FILE.dat"):
// the first argument after the program that is not an option; empty for none.
QString CommandLineFile(const QStringList& arguments);
