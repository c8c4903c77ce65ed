// The install mode's work after the wizard: folders, files and shortcuts.
#pragma once

#include "SetupState.h"

// Creates the group and destination folders, copies every listed file from the current folder
// into the destination folder, and makes the shortcuts; false, after the summary messages, when
// a file or a shortcut could not be installed.
bool InstallFiles(SetupState& state);
