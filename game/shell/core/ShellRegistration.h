// The document type as the shell knows it: the keys and texts written under the classes root
// at every start, and the ones removed by "/Unregister".
#pragma once

#include <string>
#include <vector>

struct CRegistryText {
    std::string m_strKey;   // under the classes root
    std::string m_strValue; // value name; empty for the key's default value
    std::string m_strData;
};

extern const char* const kFileTypeId;   // "Quenlow.Document"
extern const char* const kFileTypeName; // "QuenlowDocument"
extern const char* const kFileExtension; // ".QNL"

// Everything but the extension key, for the program at short path strProgram; bIconReadable
// says whether the document icon (the program's second) can be read.
std::vector<CRegistryText> DocumentTypeEntries(const std::string& strProgram, bool bIconReadable);
// The extension key and its "ShellNew" entry.
std::vector<CRegistryText> ExtensionEntries();
// The extension is ours to set, or to remove, when it names no type or names ours.
bool ExtensionIsOurs(const std::string& strCurrentType);
// Keys to delete on unregistering, deepest first; the extension key is handled apart.
std::vector<std::string> DocumentTypeKeys();
