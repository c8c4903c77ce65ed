#include "RelaxedGame.h"

#include <algorithm>

namespace {
// Symbols besides card ids: a spare step put on a fan (rank lo - 1 or hi + 1), and an anchor
// (a free card alone at the bottom of its fan), plain or of a step's rank.
constexpr std::uint8_t kPlacedStep = 52; // + 0 or 1
constexpr std::uint8_t kAnchor = 54;     // + 0, or 1 + the step class
constexpr std::uint8_t kNone = 0xff;

constexpr std::uint64_t Bit(int nCard) {
    return std::uint64_t(1) << nCard;
}

int PopCount(std::uint64_t n) {
    return __builtin_popcountll(n);
}

// Cards of the suit below the card.
std::uint64_t LowerOfSuit(int nCard) {
    int nFirst = CardId(CardSuit(nCard), 1);
    return (Bit(nCard) - 1) & ~(Bit(nFirst) - 1);
}

int CountOf(std::uint32_t nFan) {
    return static_cast<int>(nFan >> 18);
}

int SymbolAt(std::uint32_t nFan, int s) {
    return static_cast<int>((nFan >> (12 - 6 * s)) & 63) - 1;
}

int TopOf(std::uint32_t nFan) {
    return CountOf(nFan) ? SymbolAt(nFan, CountOf(nFan) - 1) : kNone;
}

void Push(std::uint32_t& nFan, int nSymbol) {
    int n = CountOf(nFan);
    nFan = (nFan & 0x3ffff) | static_cast<std::uint32_t>(n + 1) << 18 |
           static_cast<std::uint32_t>(nSymbol + 1) << (12 - 6 * n);
}

void Pop(std::uint32_t& nFan) {
    int n = CountOf(nFan) - 1;
    nFan = (nFan & 0x3ffff & ~(63u << (12 - 6 * n))) | static_cast<std::uint32_t>(n) << 18;
}
} // namespace

bool CRelaxedGame::CKey::operator==(const CKey& o) const {
    for (int i = 0; i < 6; ++i)
        if (m_w[i] != o.m_w[i]) return false;
    return true;
}

std::size_t CRelaxedGame::CKeyHash::operator()(const CKey& key) const {
    std::uint64_t h = 0x9e3779b97f4a7c15ull;
    for (std::uint64_t w : key.m_w)
        h = (h ^ w) * 0xbf58476d1ce4e5b9ull ^ (h >> 31);
    return static_cast<std::size_t>(h ^ (h >> 29));
}

CRelaxedGame::CRelaxedGame() {
    m_seen.assign(std::size_t(1) << 14, CKey{});
    m_children.resize(std::size_t{kSolverFans} * (kSolverFans + 2) * 2);
}

bool CRelaxedGame::InWindow(int nCard) const {
    int nRank = CardRank(nCard);
    return nRank >= m_nLo && nRank <= m_nHi;
}

int CRelaxedGame::StepClass(int nRank) const {
    return nRank == m_nLo - 1 ? 0 : nRank == m_nHi + 1 ? 1 : -1;
}

// Uncovered free cards leave the top of the fan; a step returns to the spares.
void CRelaxedGame::Settle(CTable& table, int f) const {
    std::uint32_t& nFan = table.m_nFan[f];
    while (CountOf(nFan) > 0) {
        int nTop = TopOf(nFan);
        if (nTop >= kAnchor || (nTop < kPlacedStep && InWindow(nTop))) return;
        int nClass = nTop >= kPlacedStep ? nTop - kPlacedStep : StepClass(CardRank(nTop));
        if (nTop < kPlacedStep) table.m_nPresent &= ~Bit(nTop);
        Pop(nFan);
        if (nTop < kPlacedStep && CountOf(nFan) == 0) {
            Push(nFan, kAnchor + 1 + nClass);
            return;
        }
        if (nClass >= 0) ++table.m_nSpare[nClass];
    }
}

// Insertion sort: after a move at most two fans are out of place.
void CRelaxedGame::Sort(CTable& table) {
    for (int i = 1; i < kSolverFans; ++i) {
        std::uint32_t n = table.m_nFan[i];
        int j = i;
        for (; j > 0 && table.m_nFan[j - 1] > n; --j)
            table.m_nFan[j] = table.m_nFan[j - 1];
        table.m_nFan[j] = n;
    }
}

CRelaxedGame::CKey CRelaxedGame::KeyOf(const CTable& table) const {
    CKey key{};
    for (int f = 0; f < kSolverFans; ++f)
        key.m_w[f / 3] |= static_cast<std::uint64_t>(table.m_nFan[f]) << (20 * (f % 3));
    std::uint64_t nExtra = table.m_nSpare[0] | table.m_nSpare[1] << 3 |
                           static_cast<std::uint64_t>(m_nLo) << 6 |
                           static_cast<std::uint64_t>(m_nHi) << 10;
    for (int i = 0; i < 4; ++i)
        key.m_w[i] |= ((nExtra >> (4 * i)) & 15) << 60;
    return key;
}

bool CRelaxedGame::MarkSeen(const CKey& key) {
    if (m_used.size() * 2 > m_seen.size()) {
        std::vector<CKey> old;
        old.swap(m_seen);
        m_seen.assign(old.size() * 2, CKey{});
        m_used.clear();
        for (const CKey& k : old)
            if (!(k == CKey{})) MarkSeen(k);
    }
    std::size_t nMask = m_seen.size() - 1;
    std::size_t j = CKeyHash()(key) & nMask;
    for (;;) {
        CKey& slot = m_seen[j];
        if (slot == CKey{}) {
            slot = key;
            m_used.push_back(static_cast<std::uint32_t>(j));
            return true;
        }
        if (slot == key) return false;
        j = (j + 1) & nMask;
    }
}

CRelaxedGame::CTable& CRelaxedGame::Lift(const CTable& table, int f, CTable* pChildren, int& n) {
    CTable& child = pChildren[n++];
    child = table;
    Pop(child.m_nFan[f]);
    return child;
}

void CRelaxedGame::Finish(CTable& child, int f) const {
    Settle(child, f);
    Sort(child);
}

// The moves of window card x from the top of fan f: home, onto a fan, or onto a spare step.
void CRelaxedGame::CardMoves(const CTable& table, int f, int x, CTable* pChildren, int& n) const {
    int nRank = CardRank(x);
    if ((table.m_nPresent & LowerOfSuit(x)) == 0) {
        CTable& child = Lift(table, f, pChildren, n);
        child.m_nPresent &= ~Bit(x);
        Finish(child, f);
    }
    // Steps of class 0 (rank lo - 1) carry cards of rank lo, class 1 those of rank hi.
    bool bStep[2] = {nRank == m_nLo, nRank == m_nHi};
    for (int g = 0; g < kSolverFans; ++g) {
        std::uint32_t nTarget = table.m_nFan[g];
        int nCount = CountOf(nTarget);
        if (g == f || nCount == kSolverSlots ||
            (g > 0 && nTarget == table.m_nFan[g - 1] && g - 1 != f))
            continue;
        int y = TopOf(nTarget);
        bool bFits = false;
        if (nCount == 0)
            bFits = FitsOnFan(nRank, 0, m_bKings);
        else if (y < kPlacedStep)
            bFits = InWindow(y) && FitsOnFan(nRank, CardRank(y), m_bKings);
        else if (y > kAnchor)
            bFits = bStep[y - kAnchor - 1];
        else if (y < kAnchor)
            bFits = bStep[y - kPlacedStep];
        if (bFits) {
            CTable& child = Lift(table, f, pChildren, n);
            Push(child.m_nFan[g], x);
            Finish(child, f);
        }
        // A spare step of the right rank may be put down first, on any fan with room for
        // both; with Kings allowed also on an empty fan, where a free King may lie.
        for (int c = 0; c < 2; ++c) {
            bool bRoom = nCount == 1 || (nCount == 0 && m_bKings);
            if (!bStep[c] || table.m_nSpare[c] == 0 || !bRoom) continue;
            CTable& child = Lift(table, f, pChildren, n);
            --child.m_nSpare[c];
            Push(child.m_nFan[g], kPlacedStep + c);
            Push(child.m_nFan[g], x);
            Finish(child, f);
        }
    }
}

// Every move of the relaxed game from the table; fans with the same contents are tried once.
int CRelaxedGame::Children(const CTable& table, CTable* pChildren) const {
    int n = 0;
    for (int f = 0; f < kSolverFans; ++f) {
        std::uint32_t nSource = table.m_nFan[f];
        if (f > 0 && nSource == table.m_nFan[f - 1]) continue;
        int x = TopOf(nSource);
        if (m_bKings && x >= kAnchor && CountOf(nSource) == 1) {
            // With Kings allowed an anchor may leave too, emptying its fan for a King.
            CTable& child = Lift(table, f, pChildren, n);
            if (x > kAnchor) ++child.m_nSpare[x - kAnchor - 1];
            Sort(child);
        } else if (x < kPlacedStep && InWindow(x)) {
            CardMoves(table, f, x, pChildren, n);
        }
    }
    return n;
}

RelaxedVerdict CRelaxedGame::Search(const CTable& root) {
    for (std::uint32_t j : m_used)
        m_seen[j] = CKey{};
    m_used.clear();
    m_stack.clear();
    m_stack.push_back(root);
    MarkSeen(KeyOf(root));
    std::uint64_t nWindow = 0;
    for (int c = 0; c < kSolverCards; ++c)
        if (InWindow(c)) nWindow |= Bit(c);
    int nNodes = 0;
    while (!m_stack.empty()) {
        CTable table = m_stack.back();
        m_stack.pop_back();
        int n = Children(table, m_children.data());
        int nLeft = PopCount(table.m_nPresent & nWindow);
        // Children that sent a card home go on the stack last, to be tried first.
        for (int nPass = 0; nPass < 2; ++nPass) {
            for (int i = 0; i < n; ++i) {
                const CTable& child = m_children[i];
                int nChildLeft = PopCount(child.m_nPresent & nWindow);
                if ((nChildLeft < nLeft) != (nPass == 1)) continue;
                if (nChildLeft == 0) return RelaxedVerdict::Open;
                if (!MarkSeen(KeyOf(child))) continue;
                ++m_nNodesUsed;
                if (++nNodes > m_nMaxNodes || ((nNodes & 1023) == 0 && m_deadline.Passed()))
                    return RelaxedVerdict::Unknown;
                m_stack.push_back(child);
            }
        }
    }
    return RelaxedVerdict::Lost;
}

RelaxedVerdict CRelaxedGame::Examine(const CSolverState& state, int lo, int hi) {
    m_nLo = lo;
    m_nHi = hi;
    m_bKings = state.KingsAllowed();
    CTable table;
    table.m_nSpare[0] = table.m_nSpare[1] = 0;
    table.m_nPresent = 0;
    bool bAny = false;
    for (int f = 0; f < kSolverFans; ++f) {
        table.m_nFan[f] = 0;
        for (int s = 0; s < state.Count(f); ++s) {
            int nCard = state.Card(f, s);
            Push(table.m_nFan[f], nCard);
            table.m_nPresent |= Bit(nCard);
            bAny = bAny || InWindow(nCard);
        }
    }
    if (!bAny) return RelaxedVerdict::Open;
    for (int f = 0; f < kSolverFans; ++f)
        Settle(table, f);
    Sort(table);
    CKey key = KeyOf(table);
    auto it = m_memo.find(key);
    if (it != m_memo.end() &&
        (it->second.m_verdict != RelaxedVerdict::Unknown || m_nMaxNodes < 4 * it->second.m_nNodes))
        return it->second.m_verdict;
    RelaxedVerdict verdict = Search(table);
    if (m_memo.size() > (1u << 20)) m_memo.clear();
    m_memo[key] = CMemo{verdict, m_nMaxNodes};
    return verdict;
}
