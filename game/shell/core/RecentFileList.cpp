#include "RecentFileList.h"

#include <algorithm>
#include <cctype>

namespace {
bool SameFile(const std::string& a, const std::string& b) {
    return a.size() == b.size() &&
           std::equal(a.begin(), a.end(), b.begin(), [](unsigned char x, unsigned char y) {
               return std::tolower(x) == std::tolower(y);
           });
}

std::string Key(size_t i) {
    return "File" + std::to_string(i + 1);
}
} // namespace

void CRecentFileList::Add(const std::string& path) {
    if (path.empty()) return;
    auto it = std::find_if(m_files.begin(), m_files.end(),
                           [&](const std::string& f) { return SameFile(f, path); });
    if (it != m_files.end()) m_files.erase(it);
    m_files.insert(m_files.begin(), path);
    if (static_cast<int>(m_files.size()) > m_nSize) m_files.resize(m_nSize);
}

void CRecentFileList::Remove(int nIndex) {
    if (nIndex >= 0 && nIndex < static_cast<int>(m_files.size()))
        m_files.erase(m_files.begin() + nIndex);
}

std::string CRecentFileList::GetDisplayName(int nIndex) const {
    if (nIndex < 0 || nIndex >= static_cast<int>(m_files.size())) return std::string();
    return AbbreviatePath(m_files[nIndex], m_nMaxDisplayLength);
}

void CRecentFileList::ReadList(const ProfileReader& read) {
    m_files.clear();
    for (int i = 0; i < m_nSize; ++i) {
        std::string path = read(Key(i));
        if (!path.empty()) m_files.push_back(path);
    }
}

void CRecentFileList::WriteList(const ProfileWriter& write) const {
    for (int i = 0; i < m_nSize; ++i)
        write(Key(i), i < static_cast<int>(m_files.size()) ? m_files[i] : std::string());
}

std::string AbbreviatePath(const std::string& path, int nMax) {
    if (nMax <= 0 || static_cast<int>(path.size()) <= nMax) return path;
    size_t lastSep = path.find_last_of("\\/");
    std::string name = lastSep == std::string::npos ? path : path.substr(lastSep + 1);
    if (static_cast<int>(name.size()) >= nMax - 4 || lastSep == std::string::npos)
        return name.substr(0, nMax);
    // Keep the root ("C:\"), then as many trailing folders as fit after "...".
    size_t rootEnd = path.find_first_of("\\/");
    std::string root = path.substr(0, rootEnd + 1);
    std::string tail = path.substr(lastSep); // "\name"
    size_t cut = lastSep;
    while (cut > rootEnd) {
        size_t prev = path.find_last_of("\\/", cut - 1);
        if (prev == std::string::npos || prev <= rootEnd) break;
        std::string longer = path.substr(prev, cut - prev) + tail;
        if (static_cast<int>(root.size() + 3 + longer.size()) > nMax) break;
        tail = longer;
        cut = prev;
    }
    std::string out = root + "..." + tail;
    return static_cast<int>(out.size()) <= nMax ? out : "..." + tail;
}
