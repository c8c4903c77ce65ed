// The remove mode's file step: installed files, links and the two folders.
#pragma once

#include "SetupState.h"

// Whether every installed file can be deleted now. For each one a running program holds, the
// user is asked to close that program: Retry looks again, Cancel gives false, nothing deleted.
bool FilesCanBeRemoved(SetupState& state);

enum class RemoveResult {
    Complete,
    // Something listed was missing or a Start-menu link stayed; nothing is kept for later.
    Incomplete,
    // An installed file stays, and with it what removes it later: setup.exe, setup.ini and the
    // links to the files that stay.
    Unfinished
};

// Deletes the listed files from the destination folder, their links, and the destination and
// group folders when they are empty; after a message when it is not complete. The destination
// folder must have been checked by the caller.
RemoveResult RemoveFiles(SetupState& state);
