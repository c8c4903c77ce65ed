// The application's start-up steps that concern the shell: DDE open, the document type's
// registration and the command line; and the commands and drops the application takes from the
// shell.
#include "Win32App.h"

#include "CommandLineInfo.h"
#include "FileNames.h"
#include "ShellRegistration.h"
#include "Win32ClassesRoot.h"
#include "Win32Platform.h"

#include <vector>

namespace {
// The program as the shell's commands name it: by its short path, which has no blanks. Asked
// once where it fits the first buffer: each call walks every folder of the path.
std::string ShortPath(const std::string& path) {
    std::vector<char> buffer(MAX_PATH);
    for (;;) {
        DWORD nLength =
            GetShortPathNameA(path.c_str(), buffer.data(), static_cast<DWORD>(buffer.size()));
        if (nLength == 0) return path;
        if (nLength < buffer.size()) return std::string(buffer.data(), nLength);
        buffer.resize(nLength + 1);
    }
}

BOOL CALLBACK CountIconGroup(HMODULE, LPCSTR, LPSTR, LONG_PTR lParam) {
    ++*reinterpret_cast<int*>(lParam);
    return TRUE;
}

// The document icon is the program's second; the shell must be able to take it from the file.
// Read as data, the file's icon groups are counted without the shell's own library, which the
// start-up does not otherwise need.
bool DocumentIconReadable(const std::string& program) {
    HMODULE hFile = LoadLibraryExA(program.c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE);
    if (hFile == nullptr) return false;
    int nGroups = 0;
    // A file with no icon group at all fails the enumeration: it has no second icon either.
    EnumResourceNamesA(hFile, RT_GROUP_ICON, CountIconGroup, reinterpret_cast<LONG_PTR>(&nGroups));
    FreeLibrary(hFile);
    return nGroups >= 2;
}
} // namespace

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
                             DocumentIconReadable(program));
}

BOOL CWin32App::ProcessShellCommand() {
    CCommandLineInfo info = CCommandLineInfo::Parse(ArgumentsOf(GetCommandLineA()));
    CWin32ClassesRoot classes;
    if (!m_shell.ProcessShellCommand(info, classes)) return FALSE;
    // Made once the command's window shows, before the first message is taken: no request
    // can come in before then, and the server's window made earlier cost 10 ms of the start.
    EnableShellOpen();
    if (m_shell.IsWaitingForDde()) m_ddeServer.StartWait(CShellIntegration::kDdeWaitMs);
    return TRUE;
}

int CWin32App::FrameShowCommand() const {
    return m_shell.IsFrameHidden() ? SW_HIDE : m_nCmdShow;
}

void CWin32App::OnDropFiles(const std::vector<std::string>& files) {
    m_shell.OnDropFiles(files);
}
