// The setup program's registry entries under HKEY_LOCAL_MACHINE, and their removal.
#pragma once

#include "SetupState.h"

#include <string>

// Creates or opens the key and sets the text value; whether the value was set.
bool WriteMachineString(SetupState& state, const std::string& strKey, const std::string& strName,
                        const std::string& strText);
// Writes in the log that the value of the key ("HKLM\\...") was set, or why not.
void LogValue(SetupState& state, const std::string& strKey, const std::string& strName,
              long nResult);
// Records the destination folder under the product key.
bool WriteDestinationPath(SetupState& state);
// Reads a text value of at most 259 bytes; false, with strOut empty, when the key or value is
// missing, not text, or longer.
bool ReadMachineString(SetupState& state, const std::string& strKey, const std::string& strName,
                       std::string& strOut);
// Whether the build of the other width records the product as installed; on a 32-bit system,
// whether this build still does.
bool OtherBuildInstalled(SetupState& state);
// The same under any root, for a value of at most 259 bytes.
bool ReadString(SetupState& state, RegRoot root, const std::string& strKey,
                const std::string& strName, std::string& strOut);
// Deletes the subkey with everything beneath it; never the parent itself.
bool DeleteKeyTree(SetupState& state, RegRoot root, const std::string& strParent,
                   const std::string& strSubKey);
// Deletes the product's entry in the list of removable programs with all its values.
bool DeleteUninstallKey(SetupState& state);
// Deletes the product's keys, deepest first, and tries the player's data (the user's product key
// with its subkeys, the settings file) when no other build is installed; then the maker's keys on
// both sides, when nothing else is left in them.
bool RemoveRegistryEntries(SetupState& state);
