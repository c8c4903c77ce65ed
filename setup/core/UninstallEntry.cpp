#include "UninstallEntry.h"

#include "SetupNames.h"
#include "SetupRegistry.h"
#include "SetupTexts.h"

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

void WriteEntryValues(SetupState& state, RegHandle hKey) {
    ISetupSystem& system = *state.m_pSystem;
    const std::string& strProduct = state.m_config.m_strProduct;
    const std::string& strDest = state.m_strDestination;
    std::string strProgram = strDest + "\\" + state.m_config.m_entries.front().m_strFile;
    VersionRecord record = ProductRecord(state, strProgram);
    // The outcomes are deliberately not looked at: the product is installed either way.
    system.ValueSetText(hKey, kDisplayNameValue,
                        ProductTitle(system, strProduct) + " (Remove only)");
    // Quoted, so that a folder with blanks cannot start another program.
    system.ValueSetText(hKey, kUninstallStringValue,
                        "\"" + strDest + "\\" + kSetupFileName + "\" /u");
    system.ValueSetText(hKey, kDisplayIconValue, strProgram + ",0");
    if (!record.m_strVersion.empty())
        system.ValueSetText(hKey, kDisplayVersionValue, record.m_strVersion);
    if (!record.m_strPublisher.empty())
        system.ValueSetText(hKey, kPublisherValue, record.m_strPublisher);
    system.ValueSetText(hKey, kInstallLocationValue, strDest);
    system.ValueSetNumber(hKey, kEstimatedSizeValue, InstalledKilobytes(state));
    system.ValueSetNumber(hKey, kNoModifyValue, 1);
    system.ValueSetNumber(hKey, kNoRepairValue, 1);
}

} // namespace

bool WriteUninstallEntry(SetupState& state) {
    ISetupSystem& system = *state.m_pSystem;
    // An entry of an earlier installation goes first, so that none of its values outlives it;
    // there may be none.
    DeleteUninstallKey(state);
    RegHandle hKey = 0;
    // Without the key the product is still installed; the list simply does not show it.
    if (system.KeyCreate(RegRoot::LocalMachine, kUninstallKey + state.m_config.m_strProduct,
                         &hKey) != kErrNone)
        return true;
    WriteEntryValues(state, hKey);
    system.KeyClose(hKey);
    return true;
}
