// The shell's folders and links as the setup program uses them.
#pragma once

#include "SetupState.h"

#include <string>

// Desktop, start-up and group folder: the all-users folder when the shell gives one, else the
// user's own. Without a programs folder the group folder stays empty.
void LocateShellFolders(SetupState& state);
// The same with the user's own folders only.
void LocatePersonalFolders(SetupState& state);

// Saves strLinkPath + ".lnk"; kLinkOk on success. Refuses paths that are too long.
long CreateShortcut(SetupState& state, const std::string& strTarget, const std::string& strLinkPath,
                    const std::string& strDescription, const std::string& strArguments,
                    const std::string& strWorkingFolder);

// Deletes one link file through the shell when it exists, taking the path literally: a path
// that the shell would read as a pattern is never passed on. A link to another file than
// strTarget is another installation's and stays. True when no link of ours is left.
bool DeleteLinkFile(SetupState& state, const std::string& strLinkFile,
                    const std::string& strTarget);
