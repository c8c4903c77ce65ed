#include "ShellRegistration.h"

const char* const kFileTypeId = "Quenlow.Document";
const char* const kFileTypeName = "QuenlowDocument";
const char* const kFileExtension = ".QNL";

std::string CommandProgram(const std::string& strProgram) {
    if (strProgram.find_first_of(" \t") == std::string::npos) return strProgram;
    return "\"" + strProgram + "\"";
}

std::vector<CRegistryText> DocumentTypeEntries(const std::string& strProgram, bool bIconReadable) {
    const std::string id = kFileTypeId;
    const std::string command = CommandProgram(strProgram);
    return {
        {id, "", kFileTypeName},
        {id + "\\DefaultIcon", "", strProgram + (bIconReadable ? ",1" : ",0")},
        {id + "\\shell\\open\\command", "", command + " \"%1\""},
        {id + "\\shell\\print\\command", "", command + " /p \"%1\""},
        {id + "\\shell\\printto\\command", "", command + " /pt \"%1\" \"%2\" \"%3\" \"%4\""},
    };
}

std::vector<CRegistryText> ExtensionEntries() {
    const std::string ext = kFileExtension;
    return {
        {ext, "", kFileTypeId},
        {ext + "\\ShellNew", "NullFile", ""},
    };
}

bool ExtensionIsOurs(const std::string& strCurrentType) {
    return strCurrentType.empty() || strCurrentType == kFileTypeId;
}

std::vector<std::string> DocumentTypeKeys() {
    const std::string id = kFileTypeId;
    return {
        id + "\\shell\\printto\\command",
        id + "\\shell\\printto",
        id + "\\shell\\print\\command",
        id + "\\shell\\print",
        id + "\\shell\\open\\command",
        id + "\\shell\\open",
        id + "\\shell",
        id + "\\DefaultIcon",
        id,
    };
}

namespace {
bool ExtensionFree(IClassesRoot& root) {
    std::string current;
    // A key without a default text names no type.
    if (!root.GetText(kFileExtension, "", current)) current.clear();
    return ExtensionIsOurs(current);
}
} // namespace

bool RegisterShellFileTypes(IClassesRoot& root, const std::string& strProgram, bool bIconReadable) {
    bool bAll = true;
    for (const CRegistryText& entry : DocumentTypeEntries(strProgram, bIconReadable))
        bAll = root.SetText(entry.m_strKey, entry.m_strValue, entry.m_strData) && bAll;
    if (ExtensionFree(root)) {
        for (const CRegistryText& entry : ExtensionEntries())
            bAll = root.SetText(entry.m_strKey, entry.m_strValue, entry.m_strData) && bAll;
    }
    return bAll;
}

bool UnregisterShellFileTypes(IClassesRoot& root) {
    bool bAll = true;
    for (const std::string& key : DocumentTypeKeys())
        bAll = root.DeleteKey(key) && bAll;
    if (ExtensionFree(root)) {
        bAll = root.DeleteKey(std::string(kFileExtension) + "\\ShellNew") && bAll;
        bAll = root.DeleteKey(kFileExtension) && bAll;
    }
    return bAll;
}
