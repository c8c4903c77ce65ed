// A card as it lies in one place of the table: a plain value record with its face.
#pragma once

#include "CardValues.h"

class CBitmap;

class CCard {
public:
    // A place holds a card exactly when its face is non-null; the rank and suit alone never say.
    void Clear() {
        m_nRank = 0;
        m_nSuit = 0;
        m_pFace = nullptr;
    }
    int GetRank() const { return m_nRank; }
    int GetSuit() const { return m_nSuit; }
    CBitmap* GetFace() const { return m_pFace; }
    bool HasCard() const { return m_pFace != nullptr; }
    // Values outside the range are ignored; the argument is returned either way.
    int SetRank(int n);
    int SetSuit(int n);
    void SetFace(CBitmap* pFace) { m_pFace = pFace; }

    int m_nRank = 0;
    int m_nSuit = 0;
    CBitmap* m_pFace = nullptr;
};
