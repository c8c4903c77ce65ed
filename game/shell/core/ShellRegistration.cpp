#include "ShellRegistration.h"

std::string CommandProgram(const std::string& strProgram) {
    if (strProgram.find_first_of(" \t") == std::string::npos) return strProgram;
    return "\"" + strProgram + "\"";
}

std::vector<CRegistryText> DocumentTypeEntries(const CDocumentType& type,
                                               const std::string& strProgram, bool bIconReadable) {
    const std::string& id = type.m_strTypeId;
    const std::string command = CommandProgram(strProgram);
    return {
        {id, "", type.m_strTypeName},
        {id + "\\DefaultIcon", "", strProgram + (bIconReadable ? ",1" : ",0")},
        {id + "\\shell\\open\\command", "", command + " \"%1\""},
        {id + "\\shell\\print\\command", "", command + " /p \"%1\""},
        {id + "\\shell\\printto\\command", "", command + " /pt \"%1\" \"%2\" \"%3\" \"%4\""},
    };
}

std::vector<CRegistryText> ExtensionEntries(const CDocumentType& type) {
    const std::string& ext = type.m_strExtension;
    return {
        {ext, "", type.m_strTypeId},
        {ext + "\\ShellNew", "NullFile", ""},
    };
}

bool ExtensionIsOurs(const CDocumentType& type, const std::string& strCurrentType) {
    return strCurrentType.empty() || strCurrentType == type.m_strTypeId;
}

std::vector<std::string> DocumentTypeKeys(const CDocumentType& type) {
    const std::string& id = type.m_strTypeId;
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
// A document string without the type's names gives nothing to write, nor to delete: an empty
// key would stand for the whole classes root.
bool IsComplete(const CDocumentType& type) {
    return !type.m_strTypeId.empty() && !type.m_strExtension.empty();
}

bool ExtensionFree(IClassesRoot& root, const CDocumentType& type) {
    std::string current;
    // A key without a default text names no type.
    if (!root.GetText(type.m_strExtension, "", current)) current.clear();
    return ExtensionIsOurs(type, current);
}
} // namespace

bool RegisterShellFileTypes(IClassesRoot& root, const CDocumentType& type,
                            const std::string& strProgram, bool bIconReadable) {
    if (!IsComplete(type)) return false;
    bool bAll = true;
    for (const CRegistryText& entry : DocumentTypeEntries(type, strProgram, bIconReadable))
        bAll = root.SetText(entry.m_strKey, entry.m_strValue, entry.m_strData) && bAll;
    if (ExtensionFree(root, type)) {
        for (const CRegistryText& entry : ExtensionEntries(type))
            bAll = root.SetText(entry.m_strKey, entry.m_strValue, entry.m_strData) && bAll;
    }
    return bAll;
}

bool UnregisterShellFileTypes(IClassesRoot& root, const CDocumentType& type) {
    if (!IsComplete(type)) return false;
    bool bAll = true;
    for (const std::string& key : DocumentTypeKeys(type))
        bAll = root.DeleteKey(key) && bAll;
    if (ExtensionFree(root, type)) {
        bAll = root.DeleteKey(type.m_strExtension + "\\ShellNew") && bAll;
        bAll = root.DeleteKey(type.m_strExtension) && bAll;
    }
    return bAll;
}
