#include "Win32File.h"

CWin32File::~CWin32File() {
    if (m_hFile != INVALID_HANDLE_VALUE)
        CloseHandle(m_hFile); // an unclosed file was abandoned after a failure: nothing to save
}

long CWin32File::Read(void* pBuffer, long cbWanted) {
    DWORD cbRead = 0;
    if (!ReadFile(m_hFile, pBuffer, static_cast<DWORD>(cbWanted), &cbRead, nullptr)) return -1;
    return static_cast<long>(cbRead);
}

long CWin32File::Write(const void* pData, long cbData) {
    DWORD cbWritten = 0;
    if (!WriteFile(m_hFile, pData, static_cast<DWORD>(cbData), &cbWritten, nullptr)) return -1;
    return static_cast<long>(cbWritten);
}

bool CWin32File::Rewind() {
    return SetFilePointer(m_hFile, 0, nullptr, FILE_BEGIN) != INVALID_SET_FILE_POINTER;
}

bool CWin32File::Close() {
    HANDLE hFile = m_hFile;
    m_hFile = INVALID_HANDLE_VALUE;
    return hFile != INVALID_HANDLE_VALUE && CloseHandle(hFile);
}
