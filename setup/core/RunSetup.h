// The whole job of one run, in install or remove mode, and the program's start.
#pragma once

#include "SetupState.h"

// Reads setup.ini and installs or removes, ending with the closing message.
void RunSetup(SetupState& state);

// Copies the running program's folder's "setup.exe" into a new private folder in the
// temporary folder and starts the copy with "/r"; whether it was started. The program's folder
// becomes the current folder.
bool RelaunchFromTemp(SetupState& state);

// The program from its command line (the part after the program name) to its exit code.
int SetupMain(SetupState& state, const char* szCommandLine);
