#include "ModelTestSupport.h"

#include <sstream>

void CStubView::AnimateDeal() {
    ++m_nAnimations;
    auto* pDoc = static_cast<CQuenlowDoc*>(GetDocument());
    FixUpKings(pDoc->m_fan, nullptr);
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

void ModelTest::SetTable(const std::vector<std::string>& fans,
                         const std::vector<std::string>& tops) {
    SetTableByCodes(*m_pDoc, fans, tops);
}

void SetTableByCodes(CQuenlowDoc& doc, const std::vector<std::string>& fans,
                     const std::vector<std::string>& tops) {
    for (int f = 0; f < kFanCount; ++f) {
        for (int s = 0; s < kFanSlots; ++s)
            doc.m_fan[f][s].Clear();
        std::istringstream in(f < static_cast<int>(fans.size()) ? fans[f] : "");
        std::string code;
        for (int s = 0; in >> code && s < kFanSlots; ++s) {
            int nSuit = 0;
            int nRank = 0;
            ASSERT_TRUE(ParseCardCode(code, nSuit, nRank)) << code;
            doc.m_fan[f][s].SetSuit(nSuit);
            doc.m_fan[f][s].SetRank(nRank);
            doc.SetFaceFromDeck(doc.m_fan[f][s]);
        }
    }
    for (CFoundation& foundation : doc.m_foundation) {
        foundation.m_card.Clear();
        foundation.m_card.SetSuit(foundation.m_nSuit);
    }
    for (const std::string& top : tops) {
        int nSuit = 0;
        int nRank = 0;
        ASSERT_TRUE(ParseCardCode(top, nSuit, nRank)) << top;
        CCard& foundation = doc.FoundationOfSuit(nSuit).m_card;
        foundation.SetRank(nRank);
        doc.SetFaceFromDeck(foundation);
    }
    doc.m_bInProgress = TRUE;
    doc.LayoutFans();
}

std::string ModelTest::Fan(int f) const {
    return FanCodes(*m_pDoc, f);
}

std::string FanCodes(const CQuenlowDoc& doc, int f) {
    std::string out;
    for (int s = 0; s < kFanSlots && doc.m_fan[f][s].HasCard(); ++s) {
        const CCard& card = doc.m_fan[f][s];
        out += (s ? " " : "") + CardCode(card.GetSuit(), card.GetRank());
    }
    return out;
}

void ModelTest::ExpectAllCardsOnce() const {
    int count[kCardCount] = {};
    for (const auto& fan : m_pDoc->m_fan)
        for (const CCard& card : fan)
            if (card.HasCard()) ++count[card.GetSuit() * kRankCount + card.GetRank() - 1];
    for (const CFoundation& foundation : m_pDoc->m_foundation)
        if (foundation.m_card.HasCard())
            for (int r = 1; r <= foundation.m_card.GetRank(); ++r)
                ++count[foundation.m_card.GetSuit() * kRankCount + r - 1];
    for (int k = 0; k < kCardCount; ++k)
        EXPECT_EQ(count[k], 1) << CardCode(k / kRankCount, k % kRankCount + 1);
}

std::vector<std::uint8_t> StoredValue(const CHeadlessPlatform& platform, const char* name) {
    const CRegValue* pValue =
        platform.m_registry.FindValue(RegRoot::CurrentUser, kSettingsKey, name);
    return pValue != nullptr ? pValue->data : std::vector<std::uint8_t>();
}
