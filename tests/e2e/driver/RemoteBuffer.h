// Memory in another process, for messages that carry a pointer there.
#pragma once

#include "Driver.h"

class CRemoteBuffer {
public:
    CRemoteBuffer(HWND hWnd, SIZE_T cbSize) : m_cbSize(cbSize) {
        DWORD nPid = 0;
        GetWindowThreadProcessId(hWnd, &nPid);
        m_hProcess =
            OpenProcess(PROCESS_VM_OPERATION | PROCESS_VM_READ | PROCESS_VM_WRITE, FALSE, nPid);
        if (m_hProcess == nullptr) throw CDriverError("cannot open the process");
        m_pRemote =
            VirtualAllocEx(m_hProcess, nullptr, cbSize, MEM_COMMIT | MEM_RESERVE, PAGE_READWRITE);
        if (m_pRemote == nullptr) {
            CloseHandle(m_hProcess);
            throw CDriverError("cannot allocate in the process");
        }
    }
    ~CRemoteBuffer() {
        if (m_bOwned) VirtualFreeEx(m_hProcess, m_pRemote, 0, MEM_RELEASE);
        CloseHandle(m_hProcess);
    }
    CRemoteBuffer(const CRemoteBuffer&) = delete;
    CRemoteBuffer& operator=(const CRemoteBuffer&) = delete;

    void* Address() const { return m_pRemote; }
    void Write(const void* pData, SIZE_T cbData) {
        SIZE_T cbWritten = 0;
        if (!WriteProcessMemory(m_hProcess, m_pRemote, pData, cbData, &cbWritten) ||
            cbWritten != cbData)
            throw CDriverError("cannot write into the process");
    }
    void Read(void* pData, SIZE_T cbData) const {
        SIZE_T cbRead = 0;
        if (!ReadProcessMemory(m_hProcess, m_pRemote, pData, cbData, &cbRead) || cbRead != cbData)
            throw CDriverError("cannot read from the process");
    }
    // The memory stays with the process (it frees it itself, or it goes with the process).
    void Leave() { m_bOwned = false; }

private:
    SIZE_T m_cbSize;
    HANDLE m_hProcess = nullptr;
    void* m_pRemote = nullptr;
    bool m_bOwned = true;
};
