#include "FakeFile.h"

#include "FakeFileTree.h"

#include <algorithm>
#include <cstring>

CFakeFile::CFakeFile(CFakeFileTree& tree, const std::string& strKey, bool bWrite)
    : m_pTree(&tree), m_strKey(strKey), m_bWrite(bWrite) {
    ++m_pTree->m_nOpenFiles;
}

CFakeFile::~CFakeFile() {
    if (m_bOpen) --m_pTree->m_nOpenFiles;
}

long CFakeFile::Read(void* pBuffer, long cbWanted) {
    if (!m_bOpen || m_bWrite || m_pTree->m_pContext->m_faults.Fails(FakeOp::Read)) return -1;
    auto it = m_pTree->m_nodes.find(m_strKey);
    if (it == m_pTree->m_nodes.end()) return -1;
    const std::vector<unsigned char>& data = it->second.m_data;
    std::size_t nAvailable = data.size() > m_nPosition ? data.size() - m_nPosition : 0;
    std::size_t n = std::min(nAvailable, static_cast<std::size_t>(cbWanted));
    if (n > 0) std::memcpy(pBuffer, data.data() + m_nPosition, n);
    m_nPosition += n;
    return static_cast<long>(n);
}

long CFakeFile::Write(const void* pData, long cbData) {
    if (!m_bOpen || !m_bWrite) return -1;
    auto it = m_pTree->m_nodes.find(m_strKey);
    if (it == m_pTree->m_nodes.end()) return -1;
    long n = m_pTree->m_pContext->m_faults.Fails(FakeOp::Write) ? cbData / 2 : cbData;
    const auto* p = static_cast<const unsigned char*>(pData);
    it->second.m_data.insert(it->second.m_data.end(), p, p + n);
    return n;
}

bool CFakeFile::Rewind() {
    m_nPosition = 0;
    return m_bOpen;
}

bool CFakeFile::Close() {
    if (!m_bOpen) return false;
    m_bOpen = false;
    --m_pTree->m_nOpenFiles;
    return !m_bWrite || !m_pTree->m_pContext->m_faults.Fails(FakeOp::CloseWrite);
}
