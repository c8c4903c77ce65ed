// The document type as the shell knows it: the keys and texts written under the classes root
// at every start, and the ones removed by "/Unregister".
#pragma once

#include "DocTemplate.h"

#include <string>
#include <vector>

struct CRegistryText {
    std::string m_strKey;   // under the classes root
    std::string m_strValue; // value name; empty for the key's default value
    std::string m_strData;
};

// Everything but the extension key, for the program at short path strProgram; bIconReadable
// says whether the document icon (the program's second) can be read.
std::vector<CRegistryText> DocumentTypeEntries(const CDocumentType& type,
                                               const std::string& strProgram, bool bIconReadable);
// The extension key and its "ShellNew" entry.
std::vector<CRegistryText> ExtensionEntries(const CDocumentType& type);
// The extension is ours to set, or to remove, when it names no type or names ours.
bool ExtensionIsOurs(const CDocumentType& type, const std::string& strCurrentType);
// Keys to delete on unregistering, deepest first; the extension key is handled apart.
std::vector<std::string> DocumentTypeKeys(const CDocumentType& type);
// The program as the shell's commands name it: quoted when it holds a blank (a folder without
// a short name), since the shell would otherwise cut the command there.
std::string CommandProgram(const std::string& strProgram);

// The system's class registry, as much of it as the registration needs.
class IClassesRoot {
public:
    virtual ~IClassesRoot() = default;
    // Creates the key as needed and sets a text value; false when that fails.
    virtual bool SetText(const std::string& key, const std::string& value,
                         const std::string& data) = 0;
    // False when the key or the value is missing or is no text.
    virtual bool GetText(const std::string& key, const std::string& value, std::string& data) = 0;
    // Deletes a key without subkeys; true when it is gone, also when it never was there.
    virtual bool DeleteKey(const std::string& key) = 0;
};

// Writes the document type; false when any of it could not be written, or when the type has no
// class key or extension.
bool RegisterShellFileTypes(IClassesRoot& root, const CDocumentType& type,
                            const std::string& strProgram, bool bIconReadable);
// Removes it again, leaving an extension key that names another type alone; true when nothing
// of ours is left, false also for a type without class key or extension.
bool UnregisterShellFileTypes(IClassesRoot& root, const CDocumentType& type);
