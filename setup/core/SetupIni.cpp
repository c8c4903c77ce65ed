#include "SetupIni.h"

#include "SetupNames.h"
#include "SetupTexts.h"
#include "SetupUser.h"

#include <cstring>

namespace {

// A [Names] line without its comment and line end.
std::string NamesLine(const std::string& strLine) {
    std::string s = strLine.substr(0, strLine.find(';'));
    if (!s.empty() && s.back() == '\n') s.pop_back();
    return s;
}

// One field closed by ";", or by the line end when the line stops first. False when the field
// is empty; *pbLast tells that nothing may follow it.
bool ReadField(const std::string& strLine, std::size_t& nPos, std::string& strField, bool* pbLast) {
    std::size_t nEnd = strLine.find_first_of(";\n", nPos);
    if (nEnd == std::string::npos) nEnd = strLine.size();
    strField = strLine.substr(nPos, nEnd - nPos);
    *pbLast = nEnd == strLine.size() || strLine[nEnd] == '\n';
    nPos = nEnd + 1;
    return !strField.empty();
}

// The fields of an entry line after its "+"; false when a field is too long.
bool ParseEntry(const std::string& strLine, FileEntry& entry) {
    std::string* fields[] = {&entry.m_strFile, &entry.m_strShortcut, &entry.m_strArguments};
    std::size_t nPos = 1;
    for (std::string* pField : fields) {
        bool bLast = false;
        if (!ReadField(strLine, nPos, *pField, &bLast)) break;
        if (pField->size() > static_cast<std::size_t>(kMaxFieldChars)) return false;
        if (bLast) break;
    }
    return true;
}

std::string FailureText(SetupMode mode, const char* szReason) {
    return std::string(mode == SetupMode::Install ? kInstallPrefix : kRemovePrefix) + szReason;
}

bool NamesAreSafe(const SetupConfig& config) {
    if (!IsSafeName(config.m_strProduct)) return false;
    for (const std::string* pName :
         {&config.m_strDocumentType, &config.m_strExtension, &config.m_strSettingsFile}) {
        if (!pName->empty() && !IsSafeName(*pName)) return false;
    }
    if (!config.m_strExtension.empty() && config.m_strExtension[0] != '.') return false;
    for (const FileEntry& entry : config.m_entries) {
        if (!IsSafeName(entry.m_strFile)) return false;
        if (!entry.m_strShortcut.empty() && !IsSafeName(entry.m_strShortcut)) return false;
    }
    return true;
}

} // namespace

bool FindSection(CTextModeFile& file, const char* szHeader) {
    if (!file.Rewind()) return false;
    std::string strLine;
    while (file.ReadLine(strLine)) {
        if (StartsWithNoCase(strLine, szHeader)) return true;
    }
    return false;
}

void ReadNameText(CTextModeFile& file, const char* szKey, std::string& strOut) {
    strOut.clear();
    if (!FindSection(file, "[Names]")) return;
    std::size_t nKey = std::strlen(szKey);
    std::string strLine;
    while (file.ReadLine(strLine)) {
        std::string s = NamesLine(strLine);
        if (StartsWithNoCase(s, szKey)) strOut = s.substr(nKey, kMaxFieldChars);
    }
}

SetupOption ReadNameOption(CTextModeFile& file, const char* szKey) {
    if (!FindSection(file, "[Names]")) return SetupOption::No;
    std::size_t nKey = std::strlen(szKey);
    std::string strLine;
    while (file.ReadLine(strLine) && strLine[0] != '[') {
        std::string s = NamesLine(strLine);
        if (!StartsWithNoCase(s, szKey)) continue;
        std::string strValue = s.substr(nKey);
        if (StartsWithNoCase(strValue, "yes")) return SetupOption::Yes;
        if (StartsWithNoCase(strValue, "ask")) return SetupOption::Ask;
    }
    return SetupOption::No;
}

int ReadFileEntries(CTextModeFile& file, std::vector<FileEntry>& table, int nLimit) {
    if (!FindSection(file, "[Files]")) return 0;
    int nRead = 0;
    std::string strLine;
    while (nRead < nLimit && file.ReadLine(strLine) && strLine[0] != '[') {
        if (strLine[0] != '+') continue;
        FileEntry entry;
        if (!ParseEntry(strLine, entry)) return -1;
        if (entry.m_strFile.empty()) continue;
        table.push_back(entry);
        ++nRead;
    }
    return nRead;
}

bool LoadSetupConfig(SetupState& state) {
    ISetupSystem& system = *state.m_pSystem;
    SetupMode mode = state.m_mode;
    SetupConfig& config = state.m_config;
    Log(state, "setup.ini: " + system.FullPath(kIniFileName));
    std::unique_ptr<ISetupFile> pFile = system.OpenRead(kIniFileName);
    if (!pFile) {
        LogFailure(state, "setup.ini cannot be opened", system.LastError());
        Tell(state, BoxOwner::None, FailureText(mode, kIniMissing), kCaptionConfigError,
             BoxKind::OkError);
        return false;
    }
    CTextModeFile file(*pFile);
    config = SetupConfig();
    ReadNameText(file, "product=", config.m_strProduct);
    ReadNameText(file, "version=", config.m_strVersion);
    ReadNameText(file, "publisher=", config.m_strPublisher);
    ReadNameText(file, "document=", config.m_strDocumentType);
    ReadNameText(file, "extension=", config.m_strExtension);
    ReadNameText(file, "settings=", config.m_strSettingsFile);
    config.m_startup = ReadNameOption(file, "startup=");
    config.m_desktop = ReadNameOption(file, "desktop=");
    config.m_launch = ReadNameOption(file, "launch=");
    int nEntries = ReadFileEntries(file, config.m_entries, kMaxFileEntries);
    pFile->Close(); // opened for reading: nothing to lose
    if (file.Failed()) {
        // A file that cannot be read whole is as good as missing.
        Tell(state, BoxOwner::None, FailureText(mode, kIniMissing), kCaptionConfigError,
             BoxKind::OkError);
        return false;
    }
    if (nEntries <= 0 || config.m_strProduct.empty() || !NamesAreSafe(config)) {
        Tell(state, BoxOwner::None, FailureText(mode, kIniMalformed), kCaptionConfigError,
             BoxKind::OkError);
        return false;
    }
    return true;
}
