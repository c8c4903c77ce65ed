// The run's log file, and the system's texts for errors.
#include "Win32SetupSystem.h"

namespace {

// Appends whole lines to the file. Each line is written at once, so that a run that is ended
// by force still leaves what it did; a line that cannot be written is lost without a word.
class CWin32Log : public ISetupLog {
public:
    explicit CWin32Log(HANDLE hFile) : m_hFile(hFile) {}
    ~CWin32Log() override {
        if (m_hFile != INVALID_HANDLE_VALUE) CloseHandle(m_hFile); // appended data is written
    }
    CWin32Log(const CWin32Log&) = delete;
    CWin32Log& operator=(const CWin32Log&) = delete;

    void Write(const std::string& strLine) override {
        if (m_hFile == INVALID_HANDLE_VALUE) return;
        std::string strText = strLine + "\r\n";
        DWORD nWritten = 0;
        // Deliberately not looked at: the program works the same without its log.
        WriteFile(m_hFile, strText.data(), static_cast<DWORD>(strText.size()), &nWritten, nullptr);
    }

private:
    HANDLE m_hFile;
};

} // namespace

std::unique_ptr<ISetupLog> CWin32SetupSystem::OpenLog(const std::string& strPath) {
    // Appending only: what is in the file stays, and the temporary copy of a removal writes to
    // it while the first process may still hold it.
    HANDLE hFile =
        CreateFileA(strPath.c_str(), FILE_APPEND_DATA, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                    OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    // A device or a pipe could block the program: only a file on a disk takes the log.
    if (hFile != INVALID_HANDLE_VALUE && GetFileType(hFile) != FILE_TYPE_DISK) {
        CloseHandle(hFile); // nothing was written
        hFile = INVALID_HANDLE_VALUE;
    }
    return std::make_unique<CWin32Log>(hFile);
}

long CWin32SetupSystem::LastError() {
    return static_cast<long>(GetLastError());
}

std::string CWin32SetupSystem::ErrorText(long nCode) {
    char* pszText = nullptr;
    DWORD nChars = FormatMessageA(
        FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS,
        nullptr, static_cast<DWORD>(nCode), 0, reinterpret_cast<char*>(&pszText), 0, nullptr);
    std::string strText = nChars != 0 ? std::string(pszText, nChars) : std::string();
    if (pszText != nullptr) LocalFree(pszText);
    while (!strText.empty() &&
           (strText.back() == '\n' || strText.back() == '\r' || strText.back() == ' '))
        strText.pop_back();
    char szCode[16];
    wsprintfA(szCode, "0x%08lX", static_cast<unsigned long>(nCode));
    return strText.empty() ? std::string("error ") + szCode : strText + " (" + szCode + ")";
}

std::string CWin32SetupSystem::FullPath(const std::string& strPath) {
    char szFull[MAX_PATH];
    DWORD nChars = GetFullPathNameA(strPath.c_str(), MAX_PATH, szFull, nullptr);
    // Too long or refused: the path as given, which the system then refuses in its turn.
    return nChars == 0 || nChars >= MAX_PATH ? strPath : std::string(szFull, nChars);
}
