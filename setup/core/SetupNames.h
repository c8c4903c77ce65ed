// Checks on the names and paths the setup program builds from setup.ini, the registry and the
// user's choice of folder, so that no name can lead outside the folders it belongs in.
#pragma once

#include "SetupState.h"
#include "SetupSystem.h"

#include <string>

// A product, file or shortcut name usable as one path component: not empty, not made of blanks
// and dots only, not ending in a dot or blank, no device name (CON, NUL, COM1, "nul.txt"...),
// no separators, drive colons, wildcards, quotes, redirections or control bytes.
bool IsSafeName(const std::string& strName);
// An absolute folder below a drive root ("C:\Games", "\\server\share\Games"), with at most one
// trailing "\" and no empty, "." or ".." component; at most 259 characters.
bool IsValidDestination(const std::string& strPath);
bool HasWildcard(const std::string& strPath);

// Whether the text is the word, in any letter case.
bool EqualsNoCase(const std::string& strText, const char* szWord);
// Whether the text begins with the prefix, in any letter case.
bool StartsWithNoCase(const std::string& strText, const char* szPrefix);

// The product's name as the user sees it: a 64-bit build, installed beside the 32-bit one, says
// so in its Start-menu folder and its entry in the list of removable programs.
std::string ProductTitle(ISetupSystem& system, const std::string& strProduct);

// The maker's folder for the product within the system's program folder.
std::string DefaultDestination(ISetupSystem& system, const std::string& strProduct);
// The destination for a folder picked in the browser: the folder, "\" and the product name.
// False, leaving strDestination as it was, when that path is refused; one too long is named in
// a message.
bool PickedDestination(ISetupSystem& system, const std::string& strProduct,
                       const std::string& strPicked, std::string& strDestination);
