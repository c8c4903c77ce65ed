// The remove mode's file step: installed files, links and the two folders.
#pragma once

#include "SetupState.h"

// Deletes the listed files from the destination folder, their links, and the destination and
// group folders when they are empty; false, after a message, when a file or a Start-menu link
// could not be deleted. The destination folder must have been checked by the caller.
bool RemoveFiles(SetupState& state);
