// The file services of the fake system, each counted by the fault plan.
#include "FakeFile.h"
#include "FakeFileTree.h"

#include <algorithm>
#include <cctype>

namespace {

std::string Lower(std::string s) {
    std::transform(s.begin(), s.end(), s.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return s;
}

bool GlobMatch(const char* szPattern, const char* szName) {
    if (*szPattern == '\0') return *szName == '\0';
    if (*szPattern == '*')
        return GlobMatch(szPattern + 1, szName) ||
               (*szName != '\0' && GlobMatch(szPattern, szName + 1));
    if (*szName == '\0') return false;
    return (*szPattern == '?' || *szPattern == *szName) && GlobMatch(szPattern + 1, szName + 1);
}

} // namespace

std::unique_ptr<ISetupFile> CFakeFileTree::OpenRead(const std::string& strPath) {
    std::string strKey = CheckedKey(strPath);
    if (m_pContext->m_faults.Fails(FakeOp::OpenRead) || strKey.empty()) return nullptr;
    auto it = m_nodes.find(strKey);
    if (it == m_nodes.end() || it->second.m_bFolder) return nullptr;
    return std::make_unique<CFakeFile>(*this, strKey, false);
}

std::unique_ptr<ISetupFile> CFakeFileTree::OpenWrite(const std::string& strPath) {
    std::string strKey = CheckedKey(strPath);
    if (m_pContext->m_faults.Fails(FakeOp::OpenWrite) || strKey.empty()) return nullptr;
    if (!IsFolderKey(Parent(strKey)) || m_locked.count(strKey) != 0) return nullptr;
    auto it = m_nodes.find(strKey);
    if (it != m_nodes.end() && it->second.m_bFolder) return nullptr;
    std::string strShown = it == m_nodes.end() ? strPath : it->second.m_strPath;
    CFakeNode& node = m_nodes[strKey];
    node = CFakeNode(); // replacing empties the file at once
    node.m_strPath = strShown;
    m_pContext->Note("write " + strPath);
    return std::make_unique<CFakeFile>(*this, strKey, true);
}

bool CFakeFileTree::SameFile(const std::string& strPath1, const std::string& strPath2) const {
    std::string strKey = Key(strPath1);
    auto it = m_nodes.find(strKey);
    return !strKey.empty() && strKey == Key(strPath2) && it != m_nodes.end() &&
           !it->second.m_bFolder;
}

bool CFakeFileTree::RemoveFile(const std::string& strPath) {
    std::string strKey = CheckedKey(strPath);
    if (m_pContext->m_faults.Fails(FakeOp::RemoveFile) || strKey.empty()) return false;
    auto it = m_nodes.find(strKey);
    if (it == m_nodes.end() || it->second.m_bFolder || m_locked.count(strKey) != 0) return false;
    m_nodes.erase(it);
    m_pContext->Note("delete " + strPath);
    return true;
}

long CFakeFileTree::CreateFolder(const std::string& strPath) {
    std::string strKey = CheckedKey(strPath);
    if (m_pContext->m_faults.Fails(FakeOp::CreateFolder)) return kErrAccessDenied;
    if (strKey.empty()) return kErrInvalidParameter;
    if (IsFolderKey(strKey) || m_nodes.count(strKey) != 0) return kErrAlreadyExists;
    if (!IsFolderKey(Parent(strKey))) return kErrPathNotFound;
    if (IsProtectedParent(strKey)) return kErrAccessDenied;
    CFakeNode& node = m_nodes[strKey];
    node.m_bFolder = true;
    node.m_strPath = strPath;
    m_pContext->Note("mkdir " + strPath);
    return kErrNone;
}

bool CFakeFileTree::RemoveFolder(const std::string& strPath) {
    std::string strKey = CheckedKey(strPath);
    if (m_pContext->m_faults.Fails(FakeOp::RemoveFolder) || strKey.size() <= 2) return false;
    auto it = m_nodes.find(strKey);
    if (it == m_nodes.end() || !it->second.m_bFolder || HasChildren(strKey)) return false;
    if (strKey == Key(m_strCurrent)) return false; // the process's current folder is in use
    m_nodes.erase(it);
    m_pContext->Note("rmdir " + strPath);
    return true;
}

bool CFakeFileTree::ChangeFolder(const std::string& strPath) {
    std::string strKey = CheckedKey(strPath);
    if (m_pContext->m_faults.Fails(FakeOp::ChangeFolder) || strKey.empty() || !IsFolderKey(strKey))
        return false;
    m_strCurrent = strPath;
    m_pContext->Note("cd " + strPath);
    return true;
}

long CFakeFileTree::SaveLink(const ShellLink& link, const std::string& strLinkFile) {
    std::string strKey = CheckedKey(strLinkFile);
    if (m_pContext->m_faults.Fails(FakeOp::SaveLink) || strKey.empty()) return kLinkFail;
    if (!IsFolderKey(Parent(strKey)) || IsProtectedParent(strKey) || m_locked.count(strKey) != 0)
        return kLinkFail;
    auto it = m_nodes.find(strKey);
    if (it != m_nodes.end() && it->second.m_bFolder) return kLinkFail;
    CFakeNode& node = m_nodes[strKey];
    node = CFakeNode();
    node.m_strPath = strLinkFile;
    node.m_bLink = true;
    node.m_link = link;
    node.m_data.assign({'L', 'N', 'K'});
    m_pContext->Note("link " + strLinkFile);
    return kLinkOk;
}

int CFakeFileTree::ShellDelete(const std::string& strPath) {
    if (m_pContext->m_faults.Fails(FakeOp::ShellDelete)) return 1;
    std::size_t nSlash = strPath.rfind('\\');
    std::string strName = Lower(strPath.substr(nSlash == std::string::npos ? 0 : nSlash + 1));
    if (strName.find_first_of("*?") == std::string::npos) {
        std::string strKey = CheckedKey(strPath);
        auto it = m_nodes.find(strKey);
        if (strKey.empty() || it == m_nodes.end() || it->second.m_bFolder ||
            m_locked.count(strKey) != 0)
            return 2;
        m_nodes.erase(it);
        m_pContext->Note("shelldelete " + strPath);
        return 0;
    }
    // The shell reads the last component as a pattern and deletes every match.
    std::string strFolderKey = Key(nSlash == std::string::npos ? "" : strPath.substr(0, nSlash));
    for (auto it = m_nodes.begin(); it != m_nodes.end();) {
        bool bMatch = Parent(it->first) == strFolderKey && !it->second.m_bFolder &&
                      GlobMatch(strName.c_str(), it->first.substr(strFolderKey.size() + 1).c_str());
        it = bMatch ? m_nodes.erase(it) : std::next(it);
    }
    m_pContext->Note("shelldelete " + strPath);
    return 0;
}
