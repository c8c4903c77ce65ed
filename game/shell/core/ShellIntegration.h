// The application's side of the shell: carrying out the command line, DDE open, dropped files
// and Open (Ctrl+O), all through the document files, so that none of them changes the game.
#pragma once

#include "CmdTarget.h"
#include "DocManager.h"

#include <string>
#include <vector>

class CCommandLineInfo;
class IClassesRoot;
class IShellServices;

class CShellIntegration : public CCmdTarget {
public:
    explicit CShellIntegration(IShellServices& services)
        : m_services(services), m_docManager(services) {}

    CDocManager& GetDocManager() { return m_docManager; }

    // Carries out the command line (start-up step 6). FALSE when the program is to end now;
    // GetExitCode then tells a command carried out (0) from a failure (1).
    BOOL ProcessShellCommand(const CCommandLineInfo& info, IClassesRoot& classes);
    int GetExitCode() const { return m_nExitCode; }
    // Frames made now stay hidden (printing from the command line).
    bool IsFrameHidden() const { return m_bFrameHidden; }

    // DDE open: an execute on the "system" topic holding [open("file")] commands only.
    static bool IsDdeCommandSupported(const std::string& text);
    // Carries out an execute that was accepted. FALSE when the program is to end: it has no
    // document, as after "/dde" when the file could not be opened.
    BOOL RunDdeCommands(const std::string& text);
    // After "/dde" the program waits this long for its command, with no window.
    static constexpr unsigned kDdeWaitMs = 60000;
    bool IsWaitingForDde() const { return m_bWaitingForDde; }
    // The wait ran out: TRUE when the program is to end, as no command made a document.
    BOOL OnDdeWaitOver();

    // Files dropped on the main window, each opened as under Open.
    void OnDropFiles(const std::vector<std::string>& files);

    // Open (Ctrl+O) is the application's command.
    BOOL OnCmdMsg(int nID, CCmdUI* pCmdUI) override;
    void OnFileOpen() { m_docManager.OnFileOpen(); }

private:
    BOOL Print(const std::string& path);
    // A drag or a naming in progress ends before the shell's file is opened, as before a
    // command.
    void EndViewGesture();
    BOOL Unregister(IClassesRoot& classes);

    IShellServices& m_services;
    CDocManager m_docManager;
    int m_nExitCode = 1; // until a command line has been carried out
    bool m_bFrameHidden = false;
    bool m_bWaitingForDde = false;
};
