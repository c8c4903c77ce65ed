#include "TextModeFile.h"

namespace {
constexpr int kCtrlZ = 0x1A;
}

bool CTextModeFile::Rewind() {
    m_nLength = 0;
    m_nPosition = 0;
    m_nPending = -1;
    m_bEnd = false;
    if (!m_pFile->Rewind()) {
        m_bFailed = true;
        m_bEnd = true;
    }
    return !m_bFailed;
}

int CTextModeFile::NextRawByte() {
    if (m_nPending >= 0) {
        int c = m_nPending;
        m_nPending = -1;
        return c;
    }
    if (m_bEnd) return -1;
    if (m_nPosition == m_nLength) {
        long n = m_pFile->Read(m_buffer, static_cast<long>(sizeof(m_buffer)));
        if (n <= 0) {
            m_bFailed = m_bFailed || n < 0;
            m_bEnd = true;
            return -1;
        }
        m_nLength = n;
        m_nPosition = 0;
    }
    return m_buffer[m_nPosition++];
}

int CTextModeFile::NextChar() {
    int c = NextRawByte();
    if (c == kCtrlZ) {
        m_bEnd = true;
        return -1;
    }
    if (c != '\r') return c;
    int next = NextRawByte();
    if (next == '\n') return '\n';
    m_nPending = next; // -1 when the file ended after the CR
    return '\r';
}

bool CTextModeFile::ReadLine(std::string& strLine) {
    strLine.clear();
    while (strLine.size() < kMaxLinePiece) {
        int c = NextChar();
        if (c < 0) break;
        strLine.push_back(static_cast<char>(c));
        if (c == '\n') break;
    }
    if (m_bFailed) return false;
    return !strLine.empty();
}
