// Names of the files beside the program: the help file and the profile take the program's name
// with their own extension.
#pragma once

#include <string>

// The path with its extension (the last "." of the file name and what follows) replaced by
// strExtension, which includes its dot; a name without one gets it appended.
std::string ChangeFileExtension(const std::string& path, const std::string& strExtension);
// The file name alone, without its folder.
std::string FileNameOf(const std::string& path);
