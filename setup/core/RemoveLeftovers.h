// What an installation leaves beyond its files, links and keys: the maker's folder it made, the
// document type its main program registers when it runs, and the program's settings file.
#pragma once

#include "SetupState.h"

#include <vector>

// The roots (the machine's and the user's classes) whose document type opens a program of the
// destination folder. Asked before the files go: a program is compared as the file it is.
std::vector<RegRoot> DocumentTypeRoots(SetupState& state);
// Deletes the document type under those roots, and its extension where it names that type.
void RemoveDocumentType(SetupState& state, const std::vector<RegRoot>& roots);
// Removes the maker's folder in the system's program folder when the destination was in it
// and nothing else is left there.
void RemoveMakerFolder(SetupState& state);
// Deletes the settings file from the user's application-data folder.
void RemoveSettingsFile(SetupState& state);
