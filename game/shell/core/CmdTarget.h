// Command routing: each command target handles numeric command ids from a table of
// (id, handler, update handler) entries.
#pragma once

#include "ShellTypes.h"

#include <cstddef>

// What an update handler may change of the menu item or button that sends a command.
class CCmdUI {
public:
    explicit CCmdUI(int nID) : m_nID(nID) {}
    virtual ~CCmdUI() = default;
    virtual void Enable(BOOL bOn = TRUE) {
        m_bEnabled = bOn;
        m_bEnableChanged = TRUE;
    }
    virtual void SetCheck(int nCheck = 1) {
        m_nCheck = nCheck;
        m_bCheckChanged = TRUE;
    }

    int m_nID;
    BOOL m_bEnabled = FALSE;
    BOOL m_bEnableChanged = FALSE;
    int m_nCheck = 0;
    BOOL m_bCheckChanged = FALSE;
};

class CCmdTarget {
public:
    virtual ~CCmdTarget() = default;
    // With pCmdUI null, carries the command out; otherwise runs its update step. TRUE when this
    // target handles the id.
    virtual BOOL OnCmdMsg(int nID, CCmdUI* pCmdUI) {
        (void)nID;
        (void)pCmdUI;
        return FALSE;
    }
};

template <class T> struct CCmdEntry {
    int nID;
    void (T::*pfnCommand)();
    void (T::*pfnUpdate)(CCmdUI*);
};

// One table lookup for every target. A command handler without an update handler is always
// enabled; an entry with only an update handler decides its enabling but carries nothing out.
template <class T, std::size_t N>
BOOL DispatchCmdMsg(T* pTarget, const CCmdEntry<T> (&table)[N], int nID, CCmdUI* pCmdUI) {
    for (const CCmdEntry<T>& entry : table) {
        if (entry.nID != nID) continue;
        if (pCmdUI != nullptr) {
            if (entry.pfnUpdate != nullptr)
                (pTarget->*entry.pfnUpdate)(pCmdUI);
            else
                pCmdUI->Enable(TRUE);
            return TRUE;
        }
        if (entry.pfnCommand == nullptr) return FALSE;
        (pTarget->*entry.pfnCommand)();
        return TRUE;
    }
    return FALSE;
}
