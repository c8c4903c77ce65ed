// The saved state as anything the settings store may hold: four values of any size and
// content, then a start, a few moves, undo, Start Over and the save at exit.
#include "HeadlessPlatform.h"
#include "QuenlowDoc.h"
#include "resource.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <vector>

namespace {
const char* const kValues[4] = {"scores", "expert", "game", "initial"};

// Every card once on the table, and fans filled from the bottom.
void CheckTable(const CQuenlowDoc& doc) {
    int count[kCardCount] = {};
    for (int f = 0; f < kFanCount; ++f) {
        for (int s = 0; s < kFanSlots; ++s) {
            const CCard card = doc.GetCard(f, s);
            if (s > 0 && card.HasCard() && !doc.GetCard(f, s - 1).HasCard()) std::abort();
            if (card.HasCard()) ++count[card.GetSuit() * kRankCount + card.GetRank() - 1];
        }
    }
    for (int p = kFanCount; p < kPileCount; ++p) {
        const CCard top = doc.GetTopCard(p);
        for (int r = 1; r <= top.GetRank() && top.HasCard(); ++r)
            ++count[top.GetSuit() * kRankCount + r - 1];
    }
    for (int n : count)
        if (n != 1) std::abort();
}
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size < 8) return 0;
    // One platform for the whole run: building its pictures costs more than the input itself.
    static CHeadlessPlatform& platform = *new CHeadlessPlatform();
    platform.m_registry = CHeadlessRegistry();
    platform.m_sounds.clear();
    platform.m_dialogLog.clear();
    platform.m_statusLog.clear();
    platform.m_nTime = data[0];
    std::size_t pos = 8;
    for (int i = 0; i < 4; ++i) {
        std::size_t n = (data[2 * i] | data[2 * i + 1] << 8) % 1001;
        if (n > size - pos) n = size - pos;
        platform.m_registry.PutValue(RegRoot::CurrentUser, kSettingsKey, kValues[i], kRegBinary,
                                     std::vector<std::uint8_t>(data + pos, data + pos + n));
        pos += n;
    }
    CQuenlowDoc doc(platform);
    doc.OnNewDocument();
    doc.OnIdleUpdate();
    CheckTable(doc);
    for (; pos + 1 < size; pos += 2) {
        int nFrom = data[pos] % 24 - 1;
        int nTo = data[pos + 1] % 24 - 1;
        if (data[pos] == 0xff)
            doc.OnEditUndo();
        else if (data[pos] == 0xfe)
            doc.OnStartOver();
        else if (doc.CanMove(nFrom, nTo))
            doc.MoveCard(nFrom, nTo);
        doc.OnIdleUpdate();
        CheckTable(doc);
    }
    return 0;
}
