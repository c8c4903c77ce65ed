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
    m_children.resize(kSolverFans * (kSolverFans + 2));
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
    while (table.m_nCount[f] > 0) {
        int nTop = table.Top(f);
        if (nTop >= kAnchor || (nTop < kPlacedStep && InWindow(nTop))) return;
        std::uint8_t& slot = table.m_nCard[f][table.m_nCount[f] - 1];
        int nClass = nTop >= kPlacedStep ? nTop - kPlacedStep : StepClass(CardRank(nTop));
        if (nTop < kPlacedStep) table.m_nPresent &= ~Bit(nTop);
        if (nTop < kPlacedStep && table.m_nCount[f] == 1) {
            slot = static_cast<std::uint8_t>(kAnchor + 1 + nClass);
            return;
        }
        slot = kNone;
        --table.m_nCount[f];
        if (nClass >= 0) ++table.m_nSpare[nClass];
    }
}

CRelaxedGame::CKey CRelaxedGame::KeyOf(const CTable& table) const {
    std::uint32_t nCode[kSolverFans];
    int n = 0;
    for (int f = 0; f < kSolverFans; ++f) {
        std::uint32_t c = table.m_nCount[f];
        if (c == 0) continue;
        for (int s = 0; s < table.m_nCount[f]; ++s)
            c = c << 6 | (table.m_nCard[f][s] + 1u);
        // Insertion into the sorted codes so far.
        int i = n++;
        for (; i > 0 && nCode[i - 1] > c; --i)
            nCode[i] = nCode[i - 1];
        nCode[i] = c;
    }
    CKey key{};
    for (int f = 0; f < n; ++f)
        key.m_w[f / 3] |= static_cast<std::uint64_t>(nCode[f]) << (20 * (f % 3));
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

int CRelaxedGame::Children(const CTable& table, CTable* pChildren) const {
    int n = 0;
    auto lift = [&](int f) -> CTable& {
        CTable& child = pChildren[n++];
        child = table;
        child.m_nCard[f][--child.m_nCount[f]] = kNone;
        return child;
    };
    auto drop = [&](CTable& child, int f, int g, int nCard) {
        child.m_nCard[g][child.m_nCount[g]++] = static_cast<std::uint8_t>(nCard);
        Settle(child, f);
    };
    int nFirstEmpty = -1;
    for (int g = 0; g < kSolverFans && nFirstEmpty < 0; ++g)
        if (table.m_nCount[g] == 0) nFirstEmpty = g;
    for (int f = 0; f < kSolverFans; ++f) {
        int x = table.Top(f);
        if (m_bKings && x >= kAnchor && table.m_nCount[f] == 1) {
            // With Kings allowed an anchor may leave too, emptying its fan for a King.
            CTable& child = lift(f);
            if (x > kAnchor) ++child.m_nSpare[x - kAnchor - 1];
            continue;
        }
        if (x >= kPlacedStep || !InWindow(x)) continue;
        int nRank = CardRank(x);
        if ((table.m_nPresent & LowerOfSuit(x)) == 0) {
            CTable& child = lift(f);
            child.m_nPresent &= ~Bit(x);
            Settle(child, f);
        }
        // Steps of class 0 (rank lo - 1) carry cards of rank lo, class 1 those of rank hi.
        bool bStep[2] = {nRank == m_nLo, nRank == m_nHi};
        for (int g = 0; g < kSolverFans; ++g) {
            int nCount = table.m_nCount[g];
            if (g == f || nCount == kSolverSlots) continue;
            int y = table.Top(g);
            bool bFits = false;
            if (nCount == 0)
                bFits = m_bKings && nRank == 13 && g == nFirstEmpty;
            else if (y < kPlacedStep)
                bFits = InWindow(y) && (CardRank(y) == nRank + 1 || CardRank(y) == nRank - 1);
            else if (y > kAnchor)
                bFits = bStep[y - kAnchor - 1];
            else if (y < kAnchor)
                bFits = bStep[y - kPlacedStep];
            if (bFits) drop(lift(f), f, g, x);
            // A spare step of the right rank may be put down first, on any fan with room
            // for both; with Kings allowed also on an empty fan, where a free King may lie.
            for (int c = 0; c < 2; ++c) {
                bool bRoom = nCount == 1 || (nCount == 0 && m_bKings && g == nFirstEmpty);
                if (!bStep[c] || table.m_nSpare[c] == 0 || !bRoom) continue;
                CTable& child = lift(f);
                --child.m_nSpare[c];
                child.m_nCard[g][child.m_nCount[g]++] = static_cast<std::uint8_t>(kPlacedStep + c);
                drop(child, f, g, x);
            }
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
        // Children that sent a card home go on the stack last, to be tried first.
        for (int nPass = 0; nPass < 2; ++nPass) {
            for (int i = 0; i < n; ++i) {
                const CTable& child = m_children[i];
                bool bHome =
                    PopCount(child.m_nPresent & nWindow) < PopCount(table.m_nPresent & nWindow);
                if (bHome != (nPass == 1)) continue;
                if ((child.m_nPresent & nWindow) == 0) return RelaxedVerdict::Open;
                if (!MarkSeen(KeyOf(child))) continue;
                if (++nNodes > m_nMaxNodes) return RelaxedVerdict::Unknown;
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
        table.m_nCount[f] = static_cast<std::uint8_t>(state.Count(f));
        for (int s = 0; s < kSolverSlots; ++s) {
            int nCard = s < state.Count(f) ? state.Card(f, s) : kNone;
            table.m_nCard[f][s] = static_cast<std::uint8_t>(nCard);
            if (nCard != kNone) {
                table.m_nPresent |= Bit(nCard);
                bAny = bAny || InWindow(nCard);
            }
        }
    }
    if (!bAny) return RelaxedVerdict::Open;
    for (int f = 0; f < kSolverFans; ++f)
        Settle(table, f);
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
