#include "FakeSetupSystem.h"

#include "SetupNames.h"

#include <algorithm>

namespace {

class CFakeLog : public ISetupLog {
public:
    explicit CFakeLog(std::vector<std::string>* pLines) : m_pLines(pLines) {}
    void Write(const std::string& strLine) override {
        if (m_pLines != nullptr) m_pLines->push_back(strLine);
    }

private:
    std::vector<std::string>* m_pLines;
};

} // namespace

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

std::unique_ptr<ISetupFile> CFakeSetupSystem::OpenNew(const std::string& strPath) {
    if (m_files.HasFile(strPath) || m_files.HasFolder(strPath)) return nullptr;
    return m_files.OpenWrite(strPath);
}

std::string CFakeSetupSystem::CreateUniqueFolder(const std::string& strParent,
                                                 const std::string& strPrefix) {
    for (int n = 1;; ++n) {
        std::string strPath = strParent + "\\" + strPrefix + std::to_string(n);
        long nResult = m_files.CreateFolder(strPath);
        if (nResult == kErrNone) return strPath;
        if (nResult != kErrAlreadyExists) return std::string();
    }
}

long CFakeSetupSystem::CreateFolder(const std::string& strPath) {
    return m_files.CreateFolder(strPath);
}

bool CFakeSetupSystem::RemoveFolder(const std::string& strPath) {
    return m_files.RemoveFolder(strPath);
}

bool CFakeSetupSystem::ReadVersionRecord(const std::string& strPath, VersionRecord& record) {
    auto it = m_versionRecords.find(strPath);
    if (it == m_versionRecords.end()) return false;
    record = it->second;
    return true;
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

bool CFakeSetupSystem::ReadLinkTarget(const std::string& strLinkFile, std::string& strTarget) {
    const ShellLink* pLink = m_files.Link(strLinkFile);
    if (pLink == nullptr) return false;
    strTarget = pLink->m_strTarget;
    return true;
}

int CFakeSetupSystem::ShellDeleteFile(const std::string& strPath) {
    return m_files.ShellDelete(strPath);
}

BoxAnswer CFakeSetupSystem::ShowMessage(BoxOwner owner, const std::string& strText,
                                        const std::string& strCaption, BoxKind kind) {
    m_messages.push_back(CFakeMessage{owner, strText, strCaption, kind});
    m_context.Note("message " + strText);
    if (m_onMessage) m_onMessage(strText);
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
    m_strWizardSuggested = strDestination;
    if (!m_bWizardFinishes) return false;
    if (!m_strWizardFolder.empty())
        strDestination = m_strWizardFolder;
    else if (strDestination.empty())
        strDestination = DefaultDestination(*this, strProduct);
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

std::unique_ptr<ISetupLog> CFakeSetupSystem::OpenLog(const std::string& strPath) {
    bool bWritable = std::find(m_unwritableLogs.begin(), m_unwritableLogs.end(), strPath) ==
                     m_unwritableLogs.end();
    return std::make_unique<CFakeLog>(bWritable ? &m_logs[strPath] : nullptr);
}

std::string CFakeSetupSystem::FullPath(const std::string& strPath) {
    if (strPath.size() >= 2 && strPath[1] == ':') return strPath;
    std::string strFolder = m_files.Current();
    if (!strFolder.empty() && strFolder.back() != '\\') strFolder += '\\';
    return strFolder + strPath;
}
