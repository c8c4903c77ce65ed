#include "ShellIntegration.h"

#include "CommandLineInfo.h"
#include "DdeCommand.h"
#include "DocTemplate.h"
#include "FrameWnd.h"
#include "ShellRegistration.h"
#include "ShellServices.h"
#include "View.h"
#include "FrameworkIds.h"

namespace {
// The framework's print command, which nothing in the game handles.
constexpr int kIdFilePrintDirect = 57608;

const CCmdEntry<CShellIntegration> kShellCommands[] = {
    {ID_FILE_OPEN, &CShellIntegration::OnFileOpen, nullptr},
};
} // namespace

BOOL CShellIntegration::ProcessShellCommand(const CCommandLineInfo& info, IClassesRoot& classes) {
    m_nExitCode = 1;
    switch (info.m_nShellCommand) {
    case CCommandLineInfo::FileNew:
        return m_docManager.NewDocument() != nullptr;
    case CCommandLineInfo::FileOpen:
        return m_docManager.OpenDocumentFile(info.m_strFileName) != nullptr;
    case CCommandLineInfo::FilePrint:
    case CCommandLineInfo::FilePrintTo:
        return Print(info.m_strFileName);
    case CCommandLineInfo::FileDDE:
        // No window until the command arrives; it makes the document for its file.
        m_bWaitingForDde = true;
        return TRUE;
    case CCommandLineInfo::AppUnregister:
        return Unregister(classes);
    }
    return FALSE;
}

BOOL CShellIntegration::Print(const std::string& path) {
    m_bFrameHidden = true;
    if (m_docManager.OpenDocumentFile(path) == nullptr) return FALSE;
    CSingleDocTemplate* pTemplate = m_docManager.GetTemplate();
    if (CFrameWnd* pFrame = pTemplate->GetFrame()) pFrame->ExecuteCommand(kIdFilePrintDirect);
    m_nExitCode = 0;
    return FALSE;
}

BOOL CShellIntegration::Unregister(IClassesRoot& classes) {
    CSingleDocTemplate* pTemplate = m_docManager.GetTemplate();
    bool bAll =
        pTemplate != nullptr && UnregisterShellFileTypes(classes, pTemplate->GetDocumentType());
    m_services.ShowMessage(m_services.LoadString(bAll ? IDS_UNREG_DONE : IDS_UNREG_FAILURE));
    m_nExitCode = bAll ? 0 : 1;
    return FALSE;
}

bool CShellIntegration::IsDdeCommandSupported(const std::string& text) {
    std::vector<CDdeCommand> commands;
    if (!ParseDdeCommands(text, commands)) return false;
    for (const CDdeCommand& command : commands) {
        if (command.m_strVerb != "open" || command.m_arguments.size() != 1) return false;
    }
    return true;
}

void CShellIntegration::EndViewGesture() {
    CSingleDocTemplate* pTemplate = m_docManager.GetTemplate();
    CFrameWnd* pFrame = pTemplate != nullptr ? pTemplate->GetFrame() : nullptr;
    if (pFrame != nullptr && pFrame->GetActiveView() != nullptr)
        pFrame->GetActiveView()->OnCancelMode();
}

BOOL CShellIntegration::RunDdeCommands(const std::string& text) {
    std::vector<CDdeCommand> commands;
    if (IsDdeCommandSupported(text) && ParseDdeCommands(text, commands)) {
        EndViewGesture();
        for (const CDdeCommand& command : commands)
            m_docManager.OpenDocumentFile(command.m_arguments.front());
    }
    CSingleDocTemplate* pTemplate = m_docManager.GetTemplate();
    if (pTemplate == nullptr || pTemplate->GetDocument() == nullptr) return FALSE;
    m_bWaitingForDde = false;
    return TRUE;
}

BOOL CShellIntegration::OnDdeWaitOver() {
    if (!m_bWaitingForDde) return FALSE;
    m_bWaitingForDde = false;
    CSingleDocTemplate* pTemplate = m_docManager.GetTemplate();
    return pTemplate == nullptr || pTemplate->GetDocument() == nullptr;
}

void CShellIntegration::OnDropFiles(const std::vector<std::string>& files) {
    if (!files.empty()) EndViewGesture();
    for (const std::string& file : files)
        m_docManager.OpenDocumentFile(file);
}

BOOL CShellIntegration::OnCmdMsg(int nID, CCmdUI* pCmdUI) {
    return DispatchCmdMsg(this, kShellCommands, nID, pCmdUI);
}
