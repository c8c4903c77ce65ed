// A file opened through the Win32 file services, read or written as raw bytes.
#pragma once

#include "SetupSystem.h"

#include <windows.h>

class CWin32File : public ISetupFile {
public:
    explicit CWin32File(HANDLE hFile) : m_hFile(hFile) {}
    ~CWin32File() override;
    CWin32File(const CWin32File&) = delete;
    CWin32File& operator=(const CWin32File&) = delete;

    long Read(void* pBuffer, long cbWanted) override;
    long Write(const void* pData, long cbData) override;
    bool Rewind() override;
    bool Close() override;

private:
    HANDLE m_hFile;
};
