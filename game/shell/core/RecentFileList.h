// The most recently opened document files, newest first, kept in the profile section
// "Recent File List" as "File1", "File2"...
#pragma once

#include <functional>
#include <string>
#include <vector>

class CRecentFileList {
public:
    explicit CRecentFileList(int nSize = 5, int nMaxDisplayLength = 30)
        : m_nSize(nSize), m_nMaxDisplayLength(nMaxDisplayLength) {}

    // Puts the file first; a file already listed (whatever its letter case) moves up.
    void Add(const std::string& path);
    void Remove(int nIndex);
    const std::vector<std::string>& GetFiles() const { return m_files; }
    // The name shown for entry nIndex: the path, shortened to the display length with "..."
    // standing for folders in the middle, or the file name alone when even that is too long.
    std::string GetDisplayName(int nIndex) const;

    using ProfileReader = std::function<std::string(const std::string& key)>;
    using ProfileWriter = std::function<void(const std::string& key, const std::string& value)>;
    static constexpr const char* kSection = "Recent File List";
    void ReadList(const ProfileReader& read);
    void WriteList(const ProfileWriter& write) const;

private:
    int m_nSize;
    int m_nMaxDisplayLength;
    std::vector<std::string> m_files;
};

// Shortens a path to at most nMax characters as described above.
std::string AbbreviatePath(const std::string& path, int nMax);
