#include "FakeFileTree.h"

#include "FakeFile.h"

#include <algorithm>
#include <cctype>

namespace {

std::string Lower(std::string s) {
    std::transform(s.begin(), s.end(), s.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return s;
}

constexpr std::size_t kMaxPath = 259;

} // namespace

std::string CFakeFileTree::Key(const std::string& strPath) const {
    if (strPath.empty() || strPath.find('/') != std::string::npos) return std::string();
    std::string strAbs;
    if (strPath.size() >= 2 && std::isalpha(static_cast<unsigned char>(strPath[0])) &&
        strPath[1] == ':') {
        if (strPath.size() > 2 && strPath[2] != '\\') return std::string();
        strAbs = strPath;
    } else if (strPath[0] == '\\') {
        return std::string();
    } else {
        strAbs = m_strCurrent;
        if (strAbs.back() != '\\') strAbs += '\\';
        strAbs += strPath;
    }
    if (strAbs.size() > 3 && strAbs.back() == '\\') strAbs.pop_back();
    if (strAbs.size() == 3) strAbs.pop_back(); // "C:\" is the root "c:"
    // Every component below the root must be a name: no "\\", ".", "..".
    for (std::size_t nStart = 3; nStart <= strAbs.size() && strAbs.size() > 2;) {
        std::size_t nEnd = std::min(strAbs.find('\\', nStart), strAbs.size());
        std::string strPart = strAbs.substr(nStart, nEnd - nStart);
        if (strPart.empty() || strPart == "." || strPart == "..") return std::string();
        nStart = nEnd + 1;
    }
    return Lower(strAbs);
}

std::string CFakeFileTree::CheckedKey(const std::string& strPath) {
    if (strPath.size() > kMaxPath) {
        m_pContext->m_longPaths.push_back(strPath);
        return std::string();
    }
    return Key(strPath);
}

std::string CFakeFileTree::Parent(const std::string& strKey) {
    std::size_t nSlash = strKey.rfind('\\');
    return nSlash == std::string::npos ? std::string() : strKey.substr(0, nSlash);
}

bool CFakeFileTree::IsFolderKey(const std::string& strKey) const {
    if (strKey.size() == 2) return true; // a drive root
    auto it = m_nodes.find(strKey);
    return it != m_nodes.end() && it->second.m_bFolder;
}

bool CFakeFileTree::HasChildren(const std::string& strKey) const {
    auto it = m_nodes.upper_bound(strKey + "\\");
    return it != m_nodes.end() && it->first.compare(0, strKey.size() + 1, strKey + "\\") == 0;
}

bool CFakeFileTree::IsProtectedParent(const std::string& strKey) const {
    return m_protected.count(Parent(strKey)) != 0;
}

void CFakeFileTree::MakeParents(const std::string& strKey, const std::string& strPath) {
    std::string strParentKey = Parent(strKey);
    if (strParentKey.size() <= 2 || m_nodes.count(strParentKey) != 0) return;
    std::string strParentPath = strPath.substr(0, strPath.rfind('\\'));
    MakeParents(strParentKey, strParentPath);
    CFakeNode& node = m_nodes[strParentKey];
    node.m_bFolder = true;
    node.m_strPath = strParentPath;
}

void CFakeFileTree::AddFolder(const std::string& strPath) {
    std::string strKey = Key(strPath);
    if (strKey.size() <= 2) return;
    MakeParents(strKey, strPath);
    CFakeNode& node = m_nodes[strKey];
    node.m_bFolder = true;
    node.m_strPath = strPath;
}

void CFakeFileTree::AddFile(const std::string& strPath, const std::string& strContent) {
    std::string strKey = Key(strPath);
    if (strKey.size() <= 2) return;
    MakeParents(strKey, strPath);
    CFakeNode& node = m_nodes[strKey];
    node = CFakeNode();
    node.m_strPath = strPath;
    node.m_data.assign(strContent.begin(), strContent.end());
}

void CFakeFileTree::Lock(const std::string& strPath) {
    m_locked.insert(Key(strPath));
}
void CFakeFileTree::Protect(const std::string& strFolder) {
    m_protected.insert(Key(strFolder));
}
void CFakeFileTree::SetCurrent(const std::string& strPath) {
    m_strCurrent = strPath;
}

bool CFakeFileTree::HasFile(const std::string& strPath) const {
    auto it = m_nodes.find(Key(strPath));
    return it != m_nodes.end() && !it->second.m_bFolder;
}

bool CFakeFileTree::HasFolder(const std::string& strPath) const {
    std::string strKey = Key(strPath);
    return !strKey.empty() && IsFolderKey(strKey);
}

std::string CFakeFileTree::Content(const std::string& strPath) const {
    auto it = m_nodes.find(Key(strPath));
    if (it == m_nodes.end()) return std::string();
    return std::string(it->second.m_data.begin(), it->second.m_data.end());
}

const ShellLink* CFakeFileTree::Link(const std::string& strPath) const {
    auto it = m_nodes.find(Key(strPath));
    return it != m_nodes.end() && it->second.m_bLink ? &it->second.m_link : nullptr;
}

std::vector<std::string> CFakeFileTree::Below(const std::string& strPath) const {
    std::string strKey = Key(strPath);
    std::vector<std::string> paths;
    for (const auto& item : m_nodes) {
        if (item.first == strKey || item.first.compare(0, strKey.size() + 1, strKey + "\\") == 0)
            paths.push_back(item.second.m_strPath);
    }
    return paths;
}
