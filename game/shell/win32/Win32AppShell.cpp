// The application's start-up steps that concern the shell: the profile with its recent-file
// list, DDE open, the document type's registration and the command line; and the commands and
// drops the application takes from the shell.
#include "Win32App.h"

#include "CommandLineInfo.h"
#include "FileNames.h"
#include "ShellRegistration.h"
#include "Win32ClassesRoot.h"
#include "Win32Platform.h"

#include <shellapi.h>

#include <vector>

namespace {
// The program as the shell's commands name it: by its short path, which has no blanks.
std::string ShortPath(const std::string& path) {
    DWORD nSize = GetShortPathNameA(path.c_str(), nullptr, 0);
    if (nSize == 0) return path;
    std::vector<char> buffer(nSize + 1);
    DWORD nLength =
        GetShortPathNameA(path.c_str(), buffer.data(), static_cast<DWORD>(buffer.size()));
    if (nLength == 0 || nLength >= buffer.size()) return path;
    return std::string(buffer.data(), nLength);
}

// The document icon is the program's second; the shell must be able to take it from the file.
bool DocumentIconReadable(HINSTANCE hInstance, const std::string& program) {
    HICON hIcon = ExtractIconA(hInstance, program.c_str(), 1);
    // 1 means the file is no program or icon file; null, that it has no second icon.
    if (hIcon == nullptr || hIcon == reinterpret_cast<HICON>(1)) return false;
    DestroyIcon(hIcon);
    return true;
}
} // namespace

void CWin32App::LoadStdProfileSettings() {
    m_shell.GetDocManager().LoadRecentFileList();
}

void CWin32App::EnableShellOpen() {
    std::string name = FileNameOf(ChangeFileExtension(CWin32ShellServices::ModulePath(), ""));
    // Without the server the shell cannot reach the program by DDE; everything else works.
    if (!m_ddeServer.Create(name.empty() ? "QUENLOW" : name)) m_ddeServer.Destroy();
}

void CWin32App::RegisterShellFileTypes() {
    std::string program = ShortPath(CWin32ShellServices::ModulePath());
    if (program.empty()) return;
    CWin32ClassesRoot classes;
    // A registry that refuses the type leaves the shell without it; the game does not need it.
    ::RegisterShellFileTypes(classes, GetDocTemplate()->GetDocumentType(), program,
                             DocumentIconReadable(m_win32.GetInstance(), program));
}

BOOL CWin32App::ProcessShellCommand() {
    CCommandLineInfo info = CCommandLineInfo::Parse(ArgumentsOf(GetCommandLineA()));
    CWin32ClassesRoot classes;
    if (!m_shell.ProcessShellCommand(info, classes)) return FALSE;
    if (m_shell.IsWaitingForDde()) m_ddeServer.StartWait(CShellIntegration::kDdeWaitMs);
    return TRUE;
}

int CWin32App::FrameShowCommand() const {
    return m_shell.IsFrameHidden() ? SW_HIDE : m_nCmdShow;
}

void CWin32App::OnDropFiles(const std::vector<std::string>& files) {
    m_shell.OnDropFiles(files);
}
