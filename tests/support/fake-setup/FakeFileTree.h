// Files and folders in memory with the rules of a Windows disk that matter to the setup program:
// names compare without regard to case, a folder needs its parent, only an empty folder can be
// removed and never a process's current one, files in use can be read but not replaced or
// deleted, and the shell's delete takes a path with "*" or "?" as a pattern.
#pragma once

#include "FakeContext.h"
#include "SetupSystem.h"

#include <map>
#include <memory>
#include <set>
#include <string>
#include <vector>

struct CFakeNode {
    bool m_bFolder = false;
    std::string m_strPath; // as first written
    std::vector<unsigned char> m_data;
    bool m_bLink = false;
    ShellLink m_link;
};

class CFakeFileTree {
public:
    explicit CFakeFileTree(CFakeContext& context) : m_pContext(&context) {}

    // Set-up for tests: parents are made as needed.
    void AddFolder(const std::string& strPath);
    void AddFile(const std::string& strPath, const std::string& strContent);
    void Lock(const std::string& strPath);       // in use: readable, not replaceable
    void Protect(const std::string& strFolder);  // no new folders or links inside
    void SetCurrent(const std::string& strPath); // without the fault plan
    const std::string& Current() const { return m_strCurrent; }

    // Read-back for tests.
    bool HasFile(const std::string& strPath) const;
    bool HasFolder(const std::string& strPath) const;
    std::string Content(const std::string& strPath) const;
    const ShellLink* Link(const std::string& strPath) const;
    // Every file and folder at or below the path, as first written.
    std::vector<std::string> Below(const std::string& strPath) const;
    int OpenFiles() const { return m_nOpenFiles; }

    // ISetupSystem's file services.
    std::unique_ptr<ISetupFile> OpenRead(const std::string& strPath);
    std::unique_ptr<ISetupFile> OpenWrite(const std::string& strPath);
    bool SameFile(const std::string& strPath1, const std::string& strPath2) const;
    bool RemoveFile(const std::string& strPath);
    long CreateFolder(const std::string& strPath);
    bool RemoveFolder(const std::string& strPath);
    bool ChangeFolder(const std::string& strPath);
    long SaveLink(const ShellLink& link, const std::string& strLinkFile);
    int ShellDelete(const std::string& strPath);

private:
    friend class CFakeFile;

    // The lower-case absolute key of a path, or empty for a path no disk would take.
    std::string Key(const std::string& strPath) const;
    std::string CheckedKey(const std::string& strPath);
    static std::string Parent(const std::string& strKey);
    bool IsFolderKey(const std::string& strKey) const;
    bool HasChildren(const std::string& strKey) const;
    void MakeParents(const std::string& strKey, const std::string& strPath);
    bool IsProtectedParent(const std::string& strKey) const;

    CFakeContext* m_pContext;
    std::map<std::string, CFakeNode> m_nodes;
    std::set<std::string> m_locked;
    std::set<std::string> m_protected;
    std::string m_strCurrent = "C:\\";
    int m_nOpenFiles = 0;
};
