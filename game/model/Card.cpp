#include "Card.h"

int CCard::SetRank(int n) {
    if (n >= -1 && n <= kKing) m_nRank = n;
    return n;
}

int CCard::SetSuit(int n) {
    if (n >= -1 && n < kSuitCount) m_nSuit = n;
    return n;
}
