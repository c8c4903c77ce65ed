// An open file of the fake file tree, with the fault plan's failing reads, short writes and
// failing closes.
#pragma once

#include "SetupSystem.h"

#include <string>

class CFakeFileTree;

class CFakeFile : public ISetupFile {
public:
    CFakeFile(CFakeFileTree& tree, const std::string& strKey, bool bWrite);
    ~CFakeFile() override;

    long Read(void* pBuffer, long cbWanted) override;
    long Write(const void* pData, long cbData) override;
    bool Rewind() override;
    bool Close() override;

private:
    CFakeFileTree* m_pTree;
    std::string m_strKey;
    bool m_bWrite;
    bool m_bOpen = true;
    std::size_t m_nPosition = 0;
};
