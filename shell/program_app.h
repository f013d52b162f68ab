#pragma once

struct Edition;

// Start-up, message loop and exit of either edition of the program.
int RunProgram(int argc, char** argv, const Edition& edition);
