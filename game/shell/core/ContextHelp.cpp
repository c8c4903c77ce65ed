#include "ContextHelp.h"

#include "Platform.h"
#include "FrameworkIds.h"

void CContextHelpMode::Enter(IPointer& pointer) {
    if (!m_bActive) m_hPreviousCursor = pointer.GetCursor();
    m_bActive = true;
    if (m_hHelpCursor == 0) m_hHelpCursor = pointer.LoadCursor(IDC_CONTEXTHELP);
    // Without its cursor the mode still works; the pointer keeps its shape.
    if (m_hHelpCursor != 0) pointer.SetCursor(m_hHelpCursor);
}

BOOL CContextHelpMode::OnSetCursor(IPointer& pointer) const {
    if (!m_bActive) return FALSE;
    if (m_hHelpCursor != 0) pointer.SetCursor(m_hHelpCursor);
    return TRUE;
}

BOOL CContextHelpMode::OnClick(IPointer& pointer, HelpHit hit, int nID, std::string& context) {
    if (!m_bActive) return FALSE;
    Cancel(pointer);
    if (hit == HelpHit::Outside) return FALSE;
    context = HelpContextOf(hit, nID);
    return TRUE;
}

void CContextHelpMode::Cancel(IPointer& pointer) {
    if (!m_bActive) return;
    m_bActive = false;
    pointer.SetCursor(m_hPreviousCursor != 0 ? m_hPreviousCursor : pointer.LoadArrowCursor());
}

std::string HelpContextOf(HelpHit hit, int nID) {
    switch (hit) {
    case HelpHit::Command:
        return std::to_string(nID);
    case HelpHit::Table:
        return "table";
    case HelpHit::ToolBar:
        return "toolbar";
    case HelpHit::StatusBar:
        return "statusbar";
    case HelpHit::Frame:
    case HelpHit::Outside:
        break;
    }
    return std::string();
}
