#include "ModelTestSupport.h"

#include <algorithm>
#include <sstream>

void CStubView::AnimateDeal() {
    ++m_nAnimations;
    static_cast<CQuenlowDoc*>(GetDocument())->FixUpKings(nullptr);
}

void ModelTest::MakeDoc(std::uint32_t nTime) {
    m_platform.m_nTime = nTime;
    m_pDoc = std::make_unique<CQuenlowDoc>(m_platform);
    m_pView = std::make_unique<CStubView>(m_platform);
    m_pView->Attach(m_platform.CreateView(1, 1), m_pDoc.get());
}

void ModelTest::CloseDoc() {
    m_pView.reset();
    m_pDoc.reset();
}

void ModelTest::SetTable(const std::vector<std::string>& fans, const std::vector<std::string>& tops,
                         BOOL bInProgress) {
    SetTableByCodes(*m_pDoc, fans, tops, bInProgress);
}

void SetTableByCodes(CQuenlowDoc& doc, const std::vector<std::string>& fans,
                     const std::vector<std::string>& tops, BOOL bInProgress) {
    CTableSnapshot table;
    for (int f = 0; f < kFanCount; ++f) {
        std::istringstream in(f < static_cast<int>(fans.size()) ? fans[f] : "");
        std::string code;
        for (int s = 0; in >> code && s < kFanSlots; ++s) {
            CCard& card = table.m_card[SlotIndex(f, s)];
            int nSuit = 0;
            int nRank = 0;
            ASSERT_TRUE(ParseCardCode(code, nSuit, nRank)) << code;
            card.SetSuit(nSuit);
            card.SetRank(nRank);
            doc.SetFaceFromDeck(card);
        }
    }
    for (int i = 0; i < kFoundationCount; ++i)
        table.m_card[kSlotCount + i].SetSuit(kSnapshotFoundationSuits[i]);
    for (const std::string& top : tops) {
        int nSuit = 0;
        int nRank = 0;
        ASSERT_TRUE(ParseCardCode(top, nSuit, nRank)) << top;
        const int* pEnd = kSnapshotFoundationSuits + kFoundationCount;
        CCard& card = table.m_card[kSlotCount + (std::find(kSnapshotFoundationSuits, pEnd, nSuit) -
                                                 kSnapshotFoundationSuits)];
        card.SetRank(nRank);
        doc.SetFaceFromDeck(card);
    }
    doc.SetPosition(table, bInProgress);
}

void EndGame(CQuenlowDoc& doc) {
    CTableSnapshot table;
    for (int f = 0; f < kFanCount; ++f)
        for (int s = 0; s < kFanSlots; ++s)
            table.m_card[SlotIndex(f, s)] = doc.GetCard(f, s);
    for (int i = 0; i < kFoundationCount; ++i)
        table.m_card[kSlotCount + i] =
            doc.GetTopCard(FoundationPileOfSuit(kSnapshotFoundationSuits[i]));
    doc.SetPosition(table, FALSE);
}

void StoreScores(CHeadlessPlatform& platform, int nWins, int nLosses) {
    platform.m_registry.PutValue(RegRoot::CurrentUser, kSettingsKey, "scores", kRegBinary,
                                 EncodeInts({nWins, nLosses}));
}

void ModelTest::StoreScores(int nWins, int nLosses) {
    ::StoreScores(m_platform, nWins, nLosses);
    if (m_pDoc) m_pDoc->LoadState();
}

std::string ModelTest::Fan(int f) const {
    return FanCodes(*m_pDoc, f);
}

std::string FanCodes(const CQuenlowDoc& doc, int f) {
    std::string out;
    for (int s = 0; s < doc.GetCardCount(f); ++s) {
        const CCard card = doc.GetCard(f, s);
        out += (s ? " " : "") + CardCode(card.GetSuit(), card.GetRank());
    }
    return out;
}

void ModelTest::ExpectAllCardsOnce() const {
    int count[kCardCount] = {};
    for (int f = 0; f < kFanCount; ++f)
        for (int s = 0; s < kFanSlots; ++s)
            if (const CCard card = m_pDoc->GetCard(f, s); card.HasCard())
                ++count[card.GetSuit() * kRankCount + card.GetRank() - 1];
    for (int p = kFanCount; p < kPileCount; ++p)
        if (const CCard top = m_pDoc->GetTopCard(p); top.HasCard())
            for (int r = 1; r <= top.GetRank(); ++r)
                ++count[top.GetSuit() * kRankCount + r - 1];
    for (int k = 0; k < kCardCount; ++k)
        EXPECT_EQ(count[k], 1) << CardCode(k / kRankCount, k % kRankCount + 1);
}

std::vector<std::uint8_t> StoredValue(const CHeadlessPlatform& platform, const char* name) {
    const CRegValue* pValue =
        platform.m_registry.FindValue(RegRoot::CurrentUser, kSettingsKey, name);
    return pValue != nullptr ? pValue->data : std::vector<std::uint8_t>();
}
