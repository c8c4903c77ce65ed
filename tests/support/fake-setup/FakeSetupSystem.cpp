#include "FakeSetupSystem.h"

#include "SetupNames.h"

std::vector<std::string> CFakeSetupSystem::MessageTexts() const {
    std::vector<std::string> texts;
    for (const CFakeMessage& message : m_messages)
        texts.push_back(message.m_strText);
    return texts;
}

std::unique_ptr<ISetupFile> CFakeSetupSystem::OpenRead(const std::string& strPath) {
    return m_files.OpenRead(strPath);
}

std::unique_ptr<ISetupFile> CFakeSetupSystem::OpenWrite(const std::string& strPath) {
    return m_files.OpenWrite(strPath);
}

bool CFakeSetupSystem::FileExists(const std::string& strPath) {
    return m_files.HasFile(strPath);
}

bool CFakeSetupSystem::FolderExists(const std::string& strPath) {
    return m_files.HasFolder(strPath);
}

bool CFakeSetupSystem::SameFile(const std::string& strPath1, const std::string& strPath2) {
    return m_files.SameFile(strPath1, strPath2);
}

bool CFakeSetupSystem::RemoveFile(const std::string& strPath) {
    return m_files.RemoveFile(strPath);
}

long CFakeSetupSystem::CreateFolder(const std::string& strPath) {
    return m_files.CreateFolder(strPath);
}

bool CFakeSetupSystem::RemoveFolder(const std::string& strPath) {
    return m_files.RemoveFolder(strPath);
}

long CFakeSetupSystem::KeyCreate(RegRoot root, const std::string& strPath, RegHandle* phKey) {
    return m_registry.KeyCreate(root, strPath, phKey);
}

long CFakeSetupSystem::KeyOpen(RegRoot root, const std::string& strPath, RegAccess access,
                               RegHandle* phKey) {
    return m_registry.KeyOpen(root, strPath, access, phKey);
}

long CFakeSetupSystem::ValueSetText(RegHandle hKey, const std::string& strName,
                                    const std::string& strText) {
    return m_registry.ValueSetText(hKey, strName, strText);
}

long CFakeSetupSystem::ValueQuery(RegHandle hKey, const std::string& strName, unsigned* pnType,
                                  void* pData, unsigned* pcbData) {
    return m_registry.ValueQuery(hKey, strName, pnType, pData, pcbData);
}

long CFakeSetupSystem::KeyDelete(RegHandle hParent, const std::string& strSubKey) {
    return m_registry.KeyDelete(hParent, strSubKey);
}

long CFakeSetupSystem::KeyDeleteTree(RegHandle hParent, const std::string& strSubKey) {
    return m_registry.KeyDeleteTree(hParent, strSubKey);
}

long CFakeSetupSystem::KeyCountEntries(RegHandle hKey, unsigned* pnSubKeys, unsigned* pnValues) {
    return m_registry.KeyCountEntries(hKey, pnSubKeys, pnValues);
}

void CFakeSetupSystem::KeyClose(RegHandle hKey) {
    m_registry.KeyClose(hKey);
}

std::string CFakeSetupSystem::FindSpecialFolder(SpecialFolder folder) {
    auto it = m_specialFolders.find(folder);
    return it == m_specialFolders.end() ? std::string() : it->second;
}

long CFakeSetupSystem::SaveLink(const ShellLink& link, const std::string& strLinkFile) {
    return m_files.SaveLink(link, strLinkFile);
}

int CFakeSetupSystem::ShellDeleteFile(const std::string& strPath) {
    return m_files.ShellDelete(strPath);
}

BoxAnswer CFakeSetupSystem::ShowMessage(BoxOwner owner, const std::string& strText,
                                        const std::string& strCaption, BoxKind kind) {
    m_messages.push_back(CFakeMessage{owner, strText, strCaption, kind});
    m_context.Note("message " + strText);
    if (kind == BoxKind::Ok || kind == BoxKind::OkError) return BoxAnswer::Ok;
    if (m_answers.empty()) {
        ++m_nUnscripted;
        return kind == BoxKind::YesNo ? BoxAnswer::No : BoxAnswer::Cancel;
    }
    BoxAnswer answer = m_answers.front();
    m_answers.pop_front();
    return answer;
}

bool CFakeSetupSystem::RunWizard(const std::string& strProduct, std::string& strDestination) {
    ++m_nWizardRuns;
    m_context.Note("wizard");
    if (!m_bWizardFinishes) return false;
    strDestination = m_strWizardFolder.empty() ? DefaultDestination(strProduct) : m_strWizardFolder;
    return true;
}

void CFakeSetupSystem::OpenProgress(int nEntries) {
    m_bProgressOpen = true;
    m_nProgressRange = nEntries;
    m_context.Note("progress open");
}

void CFakeSetupSystem::StepProgress() {
    if (!m_bProgressOpen) return;
    ++m_nProgressSteps;
    m_context.Note("progress step");
}

void CFakeSetupSystem::RepaintProgress() {
    if (m_bProgressOpen) ++m_nProgressRepaints;
}

void CFakeSetupSystem::CloseProgress() {
    m_bProgressOpen = false;
    m_context.Note("progress close");
}

bool CFakeSetupSystem::LaunchProgram(const std::string& strApplication,
                                     const std::string& strCommandLine) {
    if (m_context.m_faults.Fails(FakeOp::Launch)) return false;
    m_launches.push_back(CFakeLaunch{strApplication, strCommandLine});
    m_context.Note("launch " + strCommandLine);
    return true;
}

bool CFakeSetupSystem::DeleteAtRestart(const std::string& strPath) {
    m_restartDeletes.push_back(strPath);
    m_context.Note("deleteatrestart " + strPath);
    return true;
}

int CFakeSetupSystem::RunMainWindow(const std::function<void()>& job) {
    if (m_bWindowFails) return 0;
    ++m_nWindowRuns;
    m_context.Note("window");
    job();
    return 0;
}
