#include "UninstallEntry.h"

#include "SetupNames.h"
#include "SetupRegistry.h"
#include "SetupTexts.h"
#include "SetupUser.h"

namespace {

// The installed files' total in kilobytes, rounded up; files that did not arrive count nothing.
std::uint32_t InstalledKilobytes(SetupState& state) {
    std::uint64_t nTotal = 0;
    for (const FileEntry& entry : state.m_config.m_entries) {
        std::uint64_t nBytes = 0;
        if (state.m_pSystem->FileSize(state.m_strDestination + "\\" + entry.m_strFile, &nBytes))
            nTotal += nBytes;
    }
    return static_cast<std::uint32_t>((nTotal + 1023) / 1024);
}

// setup.ini's version and publisher, each taken from the program's record where it is silent.
VersionRecord ProductRecord(SetupState& state, const std::string& strProgram) {
    const SetupConfig& config = state.m_config;
    VersionRecord record;
    if (config.m_strVersion.empty() || config.m_strPublisher.empty())
        state.m_pSystem->ReadVersionRecord(strProgram, record); // without one, both stay empty
    if (!config.m_strVersion.empty()) record.m_strVersion = config.m_strVersion;
    if (!config.m_strPublisher.empty()) record.m_strPublisher = config.m_strPublisher;
    return record;
}

// The entry's values, each written down in the log.
class CEntryWriter {
public:
    CEntryWriter(SetupState& state, RegHandle hKey) : m_pState(&state), m_hKey(hKey) {}

    void Text(const char* szName, const std::string& strText) {
        Logged(szName, m_pState->m_pSystem->ValueSetText(m_hKey, szName, strText));
    }
    void Number(const char* szName, std::uint32_t nValue) {
        Logged(szName, m_pState->m_pSystem->ValueSetNumber(m_hKey, szName, nValue));
    }

private:
    void Logged(const char* szName, long nResult) {
        LogValue(*m_pState, std::string("HKLM\\") + kUninstallKey + m_pState->m_config.m_strProduct,
                 szName, nResult);
    }

    SetupState* m_pState;
    RegHandle m_hKey;
};

void WriteEntryValues(SetupState& state, RegHandle hKey) {
    const std::string& strProduct = state.m_config.m_strProduct;
    const std::string& strDest = state.m_strDestination;
    std::string strProgram = strDest + "\\" + state.m_config.m_entries.front().m_strFile;
    VersionRecord record = ProductRecord(state, strProgram);
    // The outcomes are deliberately not looked at: the product is installed either way.
    CEntryWriter entry(state, hKey);
    entry.Text(kDisplayNameValue, ProductTitle(*state.m_pSystem, strProduct) + " (Remove only)");
    // Quoted, so that a folder with blanks cannot start another program.
    std::string strUninstall = "\"" + strDest + "\\" + kSetupFileName + "\" /u";
    entry.Text(kUninstallStringValue, strUninstall);
    entry.Text(kQuietUninstallStringValue, strUninstall + " /S");
    entry.Text(kDisplayIconValue, strProgram + ",0");
    if (!record.m_strVersion.empty()) entry.Text(kDisplayVersionValue, record.m_strVersion);
    if (!record.m_strPublisher.empty()) entry.Text(kPublisherValue, record.m_strPublisher);
    entry.Text(kInstallLocationValue, strDest);
    entry.Number(kEstimatedSizeValue, InstalledKilobytes(state));
    entry.Number(kNoModifyValue, 1);
    entry.Number(kNoRepairValue, 1);
}

} // namespace

bool WriteUninstallEntry(SetupState& state) {
    ISetupSystem& system = *state.m_pSystem;
    // An entry of an earlier installation goes first, so that none of its values outlives it;
    // there may be none.
    DeleteUninstallKey(state);
    RegHandle hKey = 0;
    // Without the key the product is still installed; the list simply does not show it.
    std::string strKey = kUninstallKey + state.m_config.m_strProduct;
    long nResult = system.KeyCreate(RegRoot::LocalMachine, strKey, &hKey);
    if (nResult != kErrNone) {
        LogFailure(state, "Key not made: HKLM\\" + strKey, nResult);
        return true;
    }
    WriteEntryValues(state, hKey);
    system.KeyClose(hKey);
    return true;
}
