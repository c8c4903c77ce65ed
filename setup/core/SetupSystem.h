// The narrow system interface the setup procedures run over: files and folders, the registry,
// the shell's folders, links and delete operation, message boxes, the wizard and the progress
// dialog, processes and the main window. No platform headers here, and no names that
// <windows.h> turns into macros, so the Windows implementation can include both.
#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <string>

// System error codes, with the values Windows uses.
constexpr long kErrNone = 0;
constexpr long kErrFileNotFound = 2;
constexpr long kErrPathNotFound = 3;
constexpr long kErrAccessDenied = 5;
constexpr long kErrSharingViolation = 32;
constexpr long kErrInvalidParameter = 87;
constexpr long kErrDirNotEmpty = 145;
constexpr long kErrAlreadyExists = 183;
constexpr long kErrMoreData = 234;

// Link status codes (COM results): 0 is success, anything else failure.
constexpr long kLinkOk = 0;
constexpr long kLinkFail = static_cast<long>(0x80004005UL);

// The registry's types: text, the only one the setup program accepts, and a 32-bit number.
constexpr unsigned kRegSz = 1;
constexpr unsigned kRegDword = 4;

// OtherLocalMachine is HKEY_LOCAL_MACHINE as a program of the other width sees it (the 32-bit
// programs' view for a 64-bit program, and the reverse); a 32-bit system has only one.
enum class RegRoot { LocalMachine, CurrentUser, OtherLocalMachine };
enum class RegAccess { Query, Write, All };
using RegHandle = std::uintptr_t;

enum class SpecialFolder {
    CommonDesktop,
    Desktop,
    CommonStartup,
    Startup,
    CommonPrograms,
    Programs,
    ProgramFiles,
    AppData
};

enum class BoxOwner { None, MainWindow };
// OkError: OK with the error icon. Ok, YesNo and OkCancel carry no icon.
enum class BoxKind { Ok, OkError, YesNo, OkCancel, RetryCancel };
enum class BoxAnswer { Ok, Cancel, Yes, No, Retry };

// What a shell link holds besides its own file name.
struct ShellLink {
    std::string m_strTarget;
    std::string m_strDescription;
    std::string m_strArguments;
    std::string m_strWorkingFolder;
};

// What a program's version record says; each part is empty when the record does not say it.
struct VersionRecord {
    std::string m_strVersion; // the product version, "1.0.0.1"
    std::string m_strPublisher;
};

// An open file read or written as raw bytes.
class ISetupFile {
public:
    virtual ~ISetupFile() = default;
    // Bytes read; 0 at the end of the file; -1 when the read failed.
    virtual long Read(void* pBuffer, long cbWanted) = 0;
    // Bytes written, which may be fewer than asked; -1 when the write failed.
    virtual long Write(const void* pData, long cbData) = 0;
    virtual bool Rewind() = 0;
    // False when written data may not have reached the disk.
    virtual bool Close() = 0;
};

// Where the run's log goes, one whole line at a time. A log that cannot be written loses its
// lines without a word: the program works the same.
class ISetupLog {
public:
    virtual ~ISetupLog() = default;
    virtual void Write(const std::string& strLine) = 0;
};

// The log of a run that was given none.
ISetupLog& NoSetupLog();

class ISetupSystem {
public:
    virtual ~ISetupSystem() = default;

    // Files and folders. Relative paths are taken from the current folder.
    virtual std::unique_ptr<ISetupFile> OpenRead(const std::string& strPath) = 0;
    // Creates the file or empties an existing one.
    virtual std::unique_ptr<ISetupFile> OpenWrite(const std::string& strPath) = 0;
    // Creates a file that did not exist, which no one else may open until it is closed; null
    // when anything of that name is there already.
    virtual std::unique_ptr<ISetupFile> OpenNew(const std::string& strPath) = 0;
    virtual bool FileExists(const std::string& strPath) = 0;
    virtual bool FolderExists(const std::string& strPath) = 0;
    // Whether both paths name one existing file.
    virtual bool SameFile(const std::string& strPath1, const std::string& strPath2) = 0;
    virtual bool RemoveFile(const std::string& strPath) = 0;
    // A system error code; kErrAlreadyExists for an existing folder.
    virtual long CreateFolder(const std::string& strPath) = 0;
    // Succeeds only for an empty folder.
    virtual bool RemoveFolder(const std::string& strPath) = 0;
    // Makes a new folder in strParent named strPrefix and characters no one can foresee, with
    // the user's default protection; never one that existed before. Its path without a
    // trailing "\", or empty when none can be made.
    virtual std::string CreateUniqueFolder(const std::string& strParent,
                                           const std::string& strPrefix) = 0;
    // False when the file cannot be found.
    virtual bool FileSize(const std::string& strPath, std::uint64_t* pnBytes) = 0;
    // Whether another program holds the existing file open so that it cannot be replaced.
    virtual bool FileInUse(const std::string& strPath) = 0;
    // False when the program has no version record.
    virtual bool ReadVersionRecord(const std::string& strPath, VersionRecord& record) = 0;

    // Registry; every call returns a system error code.
    virtual long KeyCreate(RegRoot root, const std::string& strPath, RegHandle* phKey) = 0;
    virtual long KeyOpen(RegRoot root, const std::string& strPath, RegAccess access,
                         RegHandle* phKey) = 0;
    // Stores the text as kRegSz without a terminating zero.
    virtual long ValueSetText(RegHandle hKey, const std::string& strName,
                              const std::string& strText) = 0;
    virtual long ValueSetNumber(RegHandle hKey, const std::string& strName,
                                std::uint32_t nValue) = 0;
    // As the system's query: *pcbData is the room in pData on entry, the value's size on exit.
    virtual long ValueQuery(RegHandle hKey, const std::string& strName, unsigned* pnType,
                            void* pData, unsigned* pcbData) = 0;
    // Fails for a key that has subkeys.
    virtual long KeyDelete(RegHandle hParent, const std::string& strSubKey) = 0;
    // Deletes the subkey with everything beneath it.
    virtual long KeyDeleteTree(RegHandle hParent, const std::string& strSubKey) = 0;
    // How many subkeys and values the key holds.
    virtual long KeyCountEntries(RegHandle hKey, unsigned* pnSubKeys, unsigned* pnValues) = 0;
    virtual void KeyClose(RegHandle hKey) = 0;

    // Shell. A special folder's path without a trailing "\", or empty when the shell gives none.
    virtual std::string FindSpecialFolder(SpecialFolder folder) = 0;
    // Saves a shell link to the file; a link status.
    virtual long SaveLink(const ShellLink& link, const std::string& strLinkFile) = 0;
    // The target a link file names; false when the file is not a link that can be read.
    virtual bool ReadLinkTarget(const std::string& strLinkFile, std::string& strTarget) = 0;
    // The shell's silent, final delete of one file; 0 is success.
    virtual int ShellDeleteFile(const std::string& strPath) = 0;

    // The user.
    virtual BoxAnswer ShowMessage(BoxOwner owner, const std::string& strText,
                                  const std::string& strCaption, BoxKind kind) = 0;
    // The install wizard with its licence dialog; false when the user cancelled or declined.
    // It suggests the destination folder given (one from the command line, or the one the
    // product is installed in), or the default one when that is empty; on true the destination
    // folder holds what the user chose.
    virtual bool RunWizard(const std::string& strProduct, std::string& strDestination) = 0;
    virtual void OpenProgress(int nEntries) = 0;
    // Step the progress bar by one; both repaint at once. Nothing without a progress dialog.
    virtual void StepProgress() = 0;
    virtual void RepaintProgress() = 0;
    virtual void CloseProgress() = 0;
    // Dispatches the messages waiting for this thread's windows, so that the progress dialog
    // plays, repaints and answers while files are copied.
    virtual void DispatchMessages() = 0;

    // Processes.
    virtual std::string ModulePath() = 0;
    // Whether this program is a 64-bit build.
    virtual bool Is64BitProgram() = 0;
    // Starts a detached process; an empty application name takes it from the command line.
    virtual bool LaunchProgram(const std::string& strApplication,
                               const std::string& strCommandLine) = 0;
    // The temporary folder ending in "\", or empty when the system gives none.
    virtual std::string TempFolder() = 0;
    // Has the system delete the file, or the then empty folder, when it next starts: a running
    // program's own file cannot go before the program ends. False when the system refuses.
    virtual bool DeleteAtRestart(const std::string& strPath) = 0;
    virtual bool ChangeFolder(const std::string& strPath) = 0;

    // The log, the errors it names and the paths it writes down.
    // Appends to the file, creating it when missing; never null.
    virtual std::unique_ptr<ISetupLog> OpenLog(const std::string& strPath) = 0;
    // The error code of this thread's last call that failed, and the system's text for a code
    // (a system error or a link status).
    virtual long LastError() = 0;
    virtual std::string ErrorText(long nCode) = 0;
    // The full path of a path taken from the current folder.
    virtual std::string FullPath(const std::string& strPath) = 0;

    // The minimised main window: the thread's COM and the window class, then the window itself,
    // which runs the job once and ends; its result is the program's exit code.
    virtual bool PrepareMainWindow() = 0;
    virtual int RunMainWindow(const std::function<void()>& job) = 0;
};
