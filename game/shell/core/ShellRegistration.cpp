#include "ShellRegistration.h"

const char* const kFileTypeId = "Quenlow.Document";
const char* const kFileTypeName = "QuenlowDocument";
const char* const kFileExtension = ".QNL";

std::vector<CRegistryText> DocumentTypeEntries(const std::string& strProgram, bool bIconReadable) {
    const std::string id = kFileTypeId;
    return {
        {id, "", kFileTypeName},
        {id + "\\DefaultIcon", "", strProgram + (bIconReadable ? ",1" : ",0")},
        {id + "\\shell\\open\\command", "", strProgram + " \"%1\""},
        {id + "\\shell\\print\\command", "", strProgram + " /p \"%1\""},
        {id + "\\shell\\printto\\command", "", strProgram + " /pt \"%1\" \"%2\" \"%3\" \"%4\""},
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
        id + "\\shell\\printto\\command", id + "\\shell\\printto", id + "\\shell\\print\\command",
        id + "\\shell\\print", id + "\\shell\\open\\command", id + "\\shell\\open",
        id + "\\shell", id + "\\DefaultIcon", id,
    };
}
