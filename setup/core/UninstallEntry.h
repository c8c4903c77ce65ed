// The product's entry in the system's list of removable programs.
#pragma once

#include "SetupState.h"

// Writes the entry after the files are installed: its name, the removal command, the main
// program's icon, the version and publisher (setup.ini's, or else the main program's version
// record's), the folder, the installed size and that the entry offers removal only. Always
// true: the product is installed whatever the list shows.
bool WriteUninstallEntry(SetupState& state);
