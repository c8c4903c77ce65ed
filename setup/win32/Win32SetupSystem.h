// The system interface on Windows: the file, registry, shell, COM link, process and window
// services the setup procedures run over.
#pragma once

#include "SetupSystem.h"

#include <windows.h>

class CWin32SetupSystem : public ISetupSystem {
public:
    explicit CWin32SetupSystem(HINSTANCE hInstance) : m_hInstance(hInstance) {}
    ~CWin32SetupSystem() override;
    CWin32SetupSystem(const CWin32SetupSystem&) = delete;
    CWin32SetupSystem& operator=(const CWin32SetupSystem&) = delete;

    std::unique_ptr<ISetupFile> OpenRead(const std::string& strPath) override;
    std::unique_ptr<ISetupFile> OpenWrite(const std::string& strPath) override;
    std::unique_ptr<ISetupFile> OpenNew(const std::string& strPath) override;
    bool FileExists(const std::string& strPath) override;
    bool FolderExists(const std::string& strPath) override;
    bool SameFile(const std::string& strPath1, const std::string& strPath2) override;
    bool RemoveFile(const std::string& strPath) override;
    long CreateFolder(const std::string& strPath) override;
    bool RemoveFolder(const std::string& strPath) override;
    std::string CreateUniqueFolder(const std::string& strParent,
                                   const std::string& strPrefix) override;
    bool FileSize(const std::string& strPath, std::uint64_t* pnBytes) override;
    bool FileInUse(const std::string& strPath) override;
    bool ReadVersionRecord(const std::string& strPath, VersionRecord& record) override;

    long KeyCreate(RegRoot root, const std::string& strPath, RegHandle* phKey) override;
    long KeyOpen(RegRoot root, const std::string& strPath, RegAccess access,
                 RegHandle* phKey) override;
    long ValueSetText(RegHandle hKey, const std::string& strName,
                      const std::string& strText) override;
    long ValueSetNumber(RegHandle hKey, const std::string& strName, std::uint32_t nValue) override;
    long ValueQuery(RegHandle hKey, const std::string& strName, unsigned* pnType, void* pData,
                    unsigned* pcbData) override;
    long KeyDelete(RegHandle hParent, const std::string& strSubKey) override;
    long KeyDeleteTree(RegHandle hParent, const std::string& strSubKey) override;
    long KeyCountEntries(RegHandle hKey, unsigned* pnSubKeys, unsigned* pnValues) override;
    void KeyClose(RegHandle hKey) override;

    std::string FindSpecialFolder(SpecialFolder folder) override;
    long SaveLink(const ShellLink& link, const std::string& strLinkFile) override;
    bool ReadLinkTarget(const std::string& strLinkFile, std::string& strTarget) override;
    int ShellDeleteFile(const std::string& strPath) override;

    BoxAnswer ShowMessage(BoxOwner owner, const std::string& strText, const std::string& strCaption,
                          BoxKind kind) override;
    bool RunWizard(const std::string& strProduct, std::string& strDestination) override;
    void OpenProgress(int nEntries) override;
    void StepProgress() override;
    void RepaintProgress() override;
    void CloseProgress() override;
    void DispatchMessages() override;

    std::string ModulePath() override;
    bool Is64BitProgram() override { return sizeof(void*) == 8; }
    bool LaunchProgram(const std::string& strApplication,
                       const std::string& strCommandLine) override;
    std::string TempFolder() override;
    bool DeleteAtRestart(const std::string& strPath) override;
    bool ChangeFolder(const std::string& strPath) override;

    std::unique_ptr<ISetupLog> OpenLog(const std::string& strPath) override;
    long LastError() override;
    std::string ErrorText(long nCode) override;
    std::string FullPath(const std::string& strPath) override;

    bool PrepareMainWindow() override;
    int RunMainWindow(const std::function<void()>& job) override;

private:
    static LRESULT CALLBACK SetupWindowProc(HWND hWnd, UINT nMsg, WPARAM wParam, LPARAM lParam);

    HINSTANCE m_hInstance;
    HWND m_hWndMain = nullptr;
    HWND m_hWndProgress = nullptr;
    bool m_bComReady = false;
    bool m_bJobStarted = false;
    bool m_bPositionSeen = false;
    const std::function<void()>* m_pJob = nullptr;
};
