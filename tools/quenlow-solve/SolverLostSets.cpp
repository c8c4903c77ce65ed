// Tables a try has proven lost, so that later tries, in other orders, need not search them
// again.
//
// A depth-first try cannot simply call a table lost once all its moves are searched: a move
// may lead back to a table still open further down the path, whose answer is not known yet.
// So the tables are grouped as strongly connected components are found: each table gets a
// number as it is reached, and each open frame keeps the lowest number of an open table its
// subtree leads back to. A frame whose subtree leads back to nothing below it closes a set:
// the tables reached since it, not yet settled. No move from the set leads anywhere but into
// the set or to a table that is lost; the set holds no win (the try would have stopped), so
// no line from any of its tables can ever leave it for a win: they are all lost. A set with a
// move to a table whose answer is unknown (searched before and not proven lost) is left
// unknown.
#include "SolverSearch.h"

CSolver::Arrival CSolver::Seen() {
    std::uint32_t nValue = m_table.LastValue();
    if (nValue == kLostValue) return Arrival::Lost;
    if (nValue == kOpenValue) return Arrival::Unknown;
    m_nArrivalLow = nValue;
    return Arrival::Cycle;
}

// A move that led to no new table: what it means for the frame that made it.
void CSolver::Close(Arrival arrival) {
    if (m_frames.empty()) return;
    CFrame& frame = m_frames.back();
    if (arrival == Arrival::Cycle && m_nArrivalLow < frame.m_nLow) frame.m_nLow = m_nArrivalLow;
    if (arrival == Arrival::Unknown) frame.m_bProven = false;
}

// The top frame has no moves left: its set closes, or it joins the frame below.
void CSolver::Leave(CSolverState& state) {
    CFrame frame = m_frames.back();
    m_frames.pop_back();
    TakeBack(state, frame.m_nEntered);
    if (frame.m_nLow >= frame.m_nIndex) {
        Resolve(frame.m_nMembers, frame.m_bProven);
        if (!frame.m_bProven && !m_frames.empty()) m_frames.back().m_bProven = false;
        return;
    }
    if (m_frames.empty()) return;
    CFrame& below = m_frames.back();
    if (frame.m_nLow < below.m_nLow) below.m_nLow = frame.m_nLow;
    below.m_bProven = below.m_bProven && frame.m_bProven;
}

// Settles every table reached since m_members[nMembers].
void CSolver::Resolve(std::size_t nMembers, bool bLost) {
    for (std::size_t i = nMembers; i < m_members.size(); ++i) {
        m_table.SetValue(m_members[i], bLost ? kLostValue : kOpenValue);
        // When the lost tables' own table is full, later tries search these again.
        if (bLost) m_lost.Insert(m_members[i]);
    }
    m_members.resize(nMembers);
}
