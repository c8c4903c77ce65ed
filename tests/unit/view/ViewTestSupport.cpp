#include "ViewTestSupport.h"

#include "ViewGestureState.h"
#include "resource.h"

#include <set>
#include <sstream>

namespace {
std::uint32_t Key(CRgb c) {
    return (c.r << 16) | (c.g << 8) | c.b;
}

CRgb Inverted(CRgb c) {
    return CRgb{static_cast<std::uint8_t>(255 - c.r), static_cast<std::uint8_t>(255 - c.g),
                static_cast<std::uint8_t>(255 - c.b)};
}

CRgb ClothAt(bool bPattern, int x, int y) {
    if (!bPattern) return kClothColour;
    return (x + y) % 2 == 0 ? CRgb{0, 255, 255} : CRgb{0, 128, 0};
}

// Every bitmap of the table by its headless colour, and the same inverted.
const std::map<std::uint32_t, std::string>& Legend() {
    static const std::map<std::uint32_t, std::string> legend = [] {
        std::map<std::uint32_t, std::string> m;
        auto add = [&m](int nResourceId, const std::string& name) {
            CRgb c = CHeadlessPlatform::FaceColour(nResourceId);
            m[Key(c)] = name;
            m[Key(Inverted(c))] = "~" + name;
        };
        for (int nSuit = 0; nSuit < kSuitCount; ++nSuit)
            for (int nRank = 1; nRank <= kRankCount; ++nRank)
                add(CDeck::FaceResourceId(nSuit, nRank - 1), CardCode(nSuit, nRank));
        add(IDB_EMPTY_CLUBS, "empty-C");
        add(IDB_EMPTY_HEARTS, "empty-H");
        add(IDB_EMPTY_SPADES, "empty-S");
        add(IDB_EMPTY_DIAMONDS, "empty-D");
        return m;
    }();
    return legend;
}
} // namespace

void ViewTest::SetUp() {
    ResetViewGestureState();
    m_platform.m_nTime = 1;
    m_pDoc = std::make_unique<CQuenlowDoc>(m_platform);
    m_pTable = std::make_unique<CQuenlowView>(m_platform);
    m_hView = m_platform.CreateView(kViewWidth, kViewHeight);
    m_pTable->Attach(m_hView, m_pDoc.get());
}

void ViewTest::RecreateView() {
    m_pTable.reset();
    m_pTable = std::make_unique<CQuenlowView>(m_platform);
    m_pTable->Attach(m_hView, m_pDoc.get());
}

void ViewTest::TearDown() {
    m_pTable.reset();
    m_pDoc.reset();
    ResetViewGestureState();
}

void ViewTest::PaintInvalidated() {
    for (; m_nInvalidationsPainted < m_platform.m_invalidations.size(); ++m_nInvalidationsPainted) {
        const CInvalidation& inv = m_platform.m_invalidations[m_nInvalidationsPainted];
        if (inv.hView == m_hView) m_platform.Paint(*m_pTable, inv.bWhole ? nullptr : &inv.rc);
    }
}

CRgbImage ViewTest::Rendering() {
    CRgbImage saved = Canvas();
    std::size_t nBlits = m_platform.m_blits.size();
    PaintAll();
    CRgbImage painted = Canvas();
    Canvas() = saved;
    m_platform.m_blits.resize(nBlits);
    return painted;
}

bool ViewTest::IsCloth(int x, int y) {
    return Canvas().At(x, y) == ClothAt(m_pTable->m_bHavePattern != FALSE, x, y);
}

std::string ViewTest::WhatIsAt(int x, int y) {
    CRgb c = Canvas().At(x, y);
    bool bPattern = m_pTable->m_bHavePattern != FALSE;
    if (c == ClothAt(bPattern, x, y)) return "cloth";
    if (c == Inverted(ClothAt(bPattern, x, y))) return "~cloth";
    auto it = Legend().find(Key(c));
    return it == Legend().end() ? "?" : it->second;
}

std::string ViewTest::WhatFills(const CRect& rc) {
    std::string what = WhatIsAt(rc.left, rc.top);
    for (int y = rc.top; y < rc.bottom; ++y)
        for (int x = rc.left; x < rc.right; ++x)
            if (WhatIsAt(x, y) != what) return "mixed";
    return what;
}

CRect ViewTest::CardRect(int nPile, int nSlot) const {
    CRect rc;
    m_pDoc->GetCardRect(nPile, nSlot, rc);
    return rc;
}

void ViewTest::SetDealtTable(const std::map<int, std::string>& fixedFans) {
    std::set<std::string> used;
    for (const auto& entry : fixedFans) {
        std::istringstream in(entry.second);
        std::string code;
        while (in >> code)
            used.insert(code);
    }
    std::vector<std::string> kings;
    std::vector<std::string> others;
    for (int nSuit = 0; nSuit < kSuitCount; ++nSuit)
        for (int nRank = 1; nRank <= kRankCount; ++nRank) {
            std::string code = CardCode(nSuit, nRank);
            if (used.count(code) == 0) (nRank == kKing ? kings : others).push_back(code);
        }
    std::vector<std::string> fans(kFanCount);
    for (int f = 0; f < kFanCount; ++f) {
        auto it = fixedFans.find(f);
        if (it != fixedFans.end()) {
            fans[f] = it->second;
            continue;
        }
        const int nSlots = f < 16 ? 3 : 2;
        for (int s = 0; s < nSlots; ++s) {
            std::vector<std::string>& source = s == 0 && !kings.empty() ? kings : others;
            ASSERT_FALSE(source.empty());
            fans[f] += (s ? " " : "") + source.front();
            source.erase(source.begin());
        }
    }
    ASSERT_TRUE(kings.empty() && others.empty()) << "the fixed fans leave no room";
    SetTable(fans);
}

std::vector<CDragEvent> ViewTest::DragEventsOf(DragEventKind kind) const {
    std::vector<CDragEvent> events;
    for (const CDragEvent& e : m_platform.m_dragEvents)
        if (e.kind == kind) events.push_back(e);
    return events;
}
