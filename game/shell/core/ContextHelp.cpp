#include "ContextHelp.h"

#include "Platform.h"
#include "resource.h"

void CContextHelpMode::Enter(IPlatform& platform) {
    if (!m_bActive) m_hPreviousCursor = platform.GetCursor();
    m_bActive = true;
    if (m_hHelpCursor == 0) m_hHelpCursor = platform.LoadCursor(IDC_CONTEXTHELP);
    // Without its cursor the mode still works; the pointer keeps its shape.
    if (m_hHelpCursor != 0) platform.SetCursor(m_hHelpCursor);
}

BOOL CContextHelpMode::OnSetCursor(IPlatform& platform) const {
    if (!m_bActive) return FALSE;
    if (m_hHelpCursor != 0) platform.SetCursor(m_hHelpCursor);
    return TRUE;
}

BOOL CContextHelpMode::OnClick(IPlatform& platform, HelpHit hit, int nID, std::string& context) {
    if (!m_bActive) return FALSE;
    Cancel(platform);
    if (hit == HelpHit::Outside) return FALSE;
    context = HelpContextOf(hit, nID);
    return TRUE;
}

void CContextHelpMode::Cancel(IPlatform& platform) {
    if (!m_bActive) return;
    m_bActive = false;
    platform.SetCursor(m_hPreviousCursor != 0 ? m_hPreviousCursor : platform.LoadArrowCursor());
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
