// Reading setup.ini: the [Names] settings and the [Files] entries.
#pragma once

#include "SetupConfig.h"
#include "SetupState.h"
#include "TextModeFile.h"

// Rewinds and reads up to the first line that begins with the header (any letter case); the
// next read continues after it.
bool FindSection(CTextModeFile& file, const char* szHeader);
// The last matching line from [Names] to the end of the file, cut to 31 characters; empty when
// there is none.
void ReadNameText(CTextModeFile& file, const char* szKey, std::string& strOut);
// The first decisive line of [Names]: a value beginning with "yes" or "ask" in any letter case.
SetupOption ReadNameOption(CTextModeFile& file, const char* szKey);
// Appends up to nLimit entries; the number read, 0 without [Files], -1 when an entry has a
// field longer than 31 characters.
int ReadFileEntries(CTextModeFile& file, std::vector<FileEntry>& table, int nLimit);

// Reads "setup.ini" from the current folder into the state's configuration and checks it; on
// failure the user has been told why, as the state's mode has it.
bool LoadSetupConfig(SetupState& state);
