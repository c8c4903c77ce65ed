// The whole system interface in memory, for running the setup procedures in unit tests: a file
// tree, a registry, special folders, message boxes with scripted answers, a scripted wizard, a
// progress dialog and launched processes, all recorded, with failures that can be injected into
// any counted call (see CFaultPlan).
#pragma once

#include "FakeContext.h"
#include "FakeFileTree.h"
#include "FakeRegistry.h"
#include "SetupSystem.h"

#include <deque>
#include <functional>
#include <map>
#include <string>
#include <vector>

struct CFakeMessage {
    BoxOwner m_owner;
    std::string m_strText;
    std::string m_strCaption;
    BoxKind m_kind;
};

struct CFakeLaunch {
    std::string m_strApplication;
    std::string m_strCommandLine;
};

class CFakeSetupSystem : public ISetupSystem {
public:
    CFakeSetupSystem() : m_files(m_context), m_registry(m_context) {}

    // The answers to the next questions, in order; an unscripted question answers No or Cancel
    // and is counted.
    std::deque<BoxAnswer> m_answers;
    // The wizard: whether it ends with Finish, and the folder it then gives (when empty, the one
    // it suggests: the folder passed in, else the default destination).
    bool m_bWizardFinishes = true;
    std::string m_strWizardFolder;
    std::string m_strWizardSuggested; // the folder the last wizard was given to suggest
    std::map<SpecialFolder, std::string> m_specialFolders;
    std::string m_strModulePath = "C:\\dist\\setup.exe";
    bool m_b64Bit = false;
    std::string m_strTempFolder = "C:\\temp\\";
    bool m_bPrepareFails = false;
    // Version records of program files, by path as the setup program asks for them.
    std::map<std::string, VersionRecord> m_versionRecords;
    // Called with the text of each message as it is shown, before it is answered.
    std::function<void(const std::string&)> m_onMessage;
    bool m_bWindowFails = false;
    // What LastError answers after any failure.
    long m_nLastError = kErrAccessDenied;

    CFakeContext m_context;
    CFakeFileTree m_files;
    CFakeRegistry m_registry;
    std::vector<CFakeMessage> m_messages;
    std::vector<CFakeLaunch> m_launches;
    // The files the system is to delete when it next starts.
    std::vector<std::string> m_restartDeletes;
    int m_nUnscripted = 0;
    int m_nWizardRuns = 0;
    int m_nWindowRuns = 0;
    int m_nProgressRange = -1;
    int m_nProgressSteps = 0;
    int m_nProgressRepaints = 0;
    bool m_bProgressOpen = false;
    int m_nDispatches = 0;
    // The lines written to each log, by the path it was opened with; a path in
    // m_unwritableLogs takes none.
    std::map<std::string, std::vector<std::string>> m_logs;
    std::vector<std::string> m_unwritableLogs;

    // Texts of the messages shown, in order.
    std::vector<std::string> MessageTexts() const;
    const std::vector<std::string>& Journal() const { return m_context.m_journal; }

    std::unique_ptr<ISetupFile> OpenRead(const std::string& strPath) override;
    std::unique_ptr<ISetupFile> OpenWrite(const std::string& strPath) override;
    std::unique_ptr<ISetupFile> OpenNew(const std::string& strPath) override;
    bool FileExists(const std::string& strPath) override;
    bool FolderExists(const std::string& strPath) override;
    bool SameFile(const std::string& strPath1, const std::string& strPath2) override;
    bool RemoveFile(const std::string& strPath) override;
    long CreateFolder(const std::string& strPath) override;
    bool RemoveFolder(const std::string& strPath) override;
    // Names the folders strPrefix + "1", "2"... past those that exist; the tests foresee them.
    std::string CreateUniqueFolder(const std::string& strParent,
                                   const std::string& strPrefix) override;
    bool FileSize(const std::string& strPath, std::uint64_t* pnBytes) override {
        return m_files.FileSize(strPath, pnBytes);
    }
    bool FileInUse(const std::string& strPath) override { return m_files.IsLocked(strPath); }
    bool ReadVersionRecord(const std::string& strPath, VersionRecord& record) override;

    long KeyCreate(RegRoot root, const std::string& strPath, RegHandle* phKey) override;
    long KeyOpen(RegRoot root, const std::string& strPath, RegAccess access,
                 RegHandle* phKey) override;
    long ValueSetText(RegHandle hKey, const std::string& strName,
                      const std::string& strText) override;
    long ValueSetNumber(RegHandle hKey, const std::string& strName, std::uint32_t nValue) override {
        return m_registry.ValueSetNumber(hKey, strName, nValue);
    }
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
    void DispatchMessages() override { ++m_nDispatches; }

    std::string ModulePath() override { return m_strModulePath; }
    bool Is64BitProgram() override { return m_b64Bit; }
    bool LaunchProgram(const std::string& strApplication,
                       const std::string& strCommandLine) override;
    std::string TempFolder() override { return m_strTempFolder; }
    bool DeleteAtRestart(const std::string& strPath) override;
    bool ChangeFolder(const std::string& strPath) override { return m_files.ChangeFolder(strPath); }

    std::unique_ptr<ISetupLog> OpenLog(const std::string& strPath) override;
    long LastError() override { return m_nLastError; }
    // "error N".
    std::string ErrorText(long nCode) override { return "error " + std::to_string(nCode); }
    std::string FullPath(const std::string& strPath) override;

    bool PrepareMainWindow() override { return !m_bPrepareFails; }
    int RunMainWindow(const std::function<void()>& job) override;
};
