#include "QuenlowDoc.h"

#include <vector>

namespace {
// A value counts only when it has exactly the size of its record: a shorter or longer one is
// unreadable and takes its default, so nothing is ever half-read.
bool ReadExact(ISettingsStore& settings, RegKey hKey, const char* name,
               std::vector<std::uint8_t>& data, unsigned nSize) {
    data.assign(nSize, 0);
    unsigned nType = 0;
    unsigned cb = nSize;
    if (settings.RegQueryValue(hKey, name, &nType, data.data(), &cb) != kRegOk) return false;
    return cb == nSize;
}

void WriteValue(ISettingsStore& settings, RegKey hKey, const char* name,
                const std::vector<std::uint8_t>& data) {
    // A failed write is silent: the next start falls back to the default.
    settings.RegSetValue(hKey, name, kRegBinary, data.data(), static_cast<unsigned>(data.size()));
}
} // namespace

void CQuenlowDoc::LoadState() {
    m_nWins = m_nLosses = 0;
    m_bKingsAllowed = FALSE;
    m_saved.m_bSavedGame = 0;
    m_initial.m_bInitialValid = 0;
    RegKey hKey = 0;
    if (m_platform.RegCreateKey(RegRoot::CurrentUser, kSettingsKey, "REG_BINARY", &hKey) !=
            kRegOk ||
        hKey == 0)
        return;
    std::vector<std::uint8_t> data;
    if (ReadExact(m_platform, hKey, "scores", data, 8)) {
        m_nWins = DecodeInt(&data[0]);
        m_nLosses = DecodeInt(&data[4]);
    }
    if (ReadExact(m_platform, hKey, "expert", data, 4))
        m_bKingsAllowed = DecodeInt(&data[0]) != 0 ? TRUE : FALSE;
    if (ReadExact(m_platform, hKey, "game", data, CSavedGameRecord::kSize)) {
        m_saved.Decode(data.data());
        // A table that cannot have come from a game is not restored: a fresh game is dealt.
        if (!m_saved.IsConsistent()) m_saved.m_bSavedGame = 0;
    }
    if (ReadExact(m_platform, hKey, "initial", data, CInitialRecord::kSize)) {
        m_initial.Decode(data.data());
        // Start Over is disabled rather than building a corrupt table.
        if (!m_initial.IsProperDeal()) m_initial.m_bInitialValid = 0;
    }
    m_platform.RegCloseKey(hKey);
}

void CQuenlowDoc::FillSavedGameRecord(CSavedGameRecord& record) const {
    for (int f = 0; f < kFanCount; ++f) {
        for (int s = 0; s < kFanSlots; ++s) {
            const CCard& card = m_fan[f][s];
            record.m_nSavedSuit[SlotIndex(f, s)] = card.HasCard() ? card.GetSuit() : -1;
            record.m_nSavedRank[SlotIndex(f, s)] = card.HasCard() ? card.GetRank() : -1;
        }
    }
    for (int i = 0; i < kFoundationCount; ++i) {
        const CCard& card = FoundationOfSuit(kSavedFoundationSuits[i]).m_card;
        record.m_nSavedFoundation[i][0] = card.HasCard() ? card.GetSuit() : -1;
        record.m_nSavedFoundation[i][1] = card.HasCard() ? card.GetRank() : -1;
    }
    record.m_bSavedGame = 1;
    record.m_bSavedInProgress = m_bInProgress ? 1 : 0;
}

void CQuenlowDoc::WriteState(const CSavedGameRecord& game, bool bRecordsFirst) {
    RegKey hKey = 0;
    if (m_platform.RegCreateKey(RegRoot::CurrentUser, kSettingsKey, "REG_BINARY", &hKey) !=
            kRegOk ||
        hKey == 0)
        return;
    auto writeCounts = [&] {
        WriteValue(m_platform, hKey, "scores", EncodeInts({m_nWins, m_nLosses}));
        WriteValue(m_platform, hKey, "expert", EncodeInts({m_bKingsAllowed ? 1 : 0}));
    };
    if (!bRecordsFirst) writeCounts();
    if (m_bTableFromThisRun) WriteValue(m_platform, hKey, "game", game.Encode());
    WriteValue(m_platform, hKey, "initial", m_initial.Encode());
    if (bRecordsFirst) writeCounts();
    m_platform.RegCloseKey(hKey);
}

void CQuenlowDoc::SaveState() {
    FillSavedGameRecord(m_saved);
    m_pDeck.reset();
    WriteState(m_saved, false);
}

void CQuenlowDoc::SaveStateNow() {
    CSavedGameRecord record;
    FillSavedGameRecord(record);
    WriteState(record, true);
}
