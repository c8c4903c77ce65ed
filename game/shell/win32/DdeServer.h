// DDE open in the framework's protocol: a hidden top-level window answers conversations on the
// program's name and the "system" topic and takes [open("file")] executes. Each execute is
// acknowledged at once and carried out afterwards, so the shell never waits on a message box.
#pragma once

#include "BaseWindow.h"

#include <deque>
#include <string>

class CShellIntegration;
class CWin32Platform;

class CDdeServer : public BaseWindow<CDdeServer> {
public:
    CDdeServer(CWin32Platform& platform, CShellIntegration& shell)
        : m_platform(platform), m_shell(shell) {}
    ~CDdeServer();
    CDdeServer(const CDdeServer&) = delete;
    CDdeServer& operator=(const CDdeServer&) = delete;

    // Takes the global atoms of the application name and "system" and makes the window.
    BOOL Create(const std::string& strAppName);
    // After "/dde": the program ends when no command has made a document within the wait.
    void StartWait(unsigned nMilliseconds);
    void Destroy();

    LRESULT HandleMessage(UINT uMsg, WPARAM wParam, LPARAM lParam);

    static constexpr const char* kClassName = "QuenlowDdeServer";
    static constexpr const char* kSystemTopic = "system";

private:
    void OnInitiate(HWND hClient, LPARAM lParam);
    void OnExecute(HWND hClient, LPARAM lParam);
    void OnTerminate(HWND hClient);
    void OnRunCommands();
    void OnWaitOver();
    static std::string CommandText(HGLOBAL hCommands);

    CWin32Platform& m_platform;
    CShellIntegration& m_shell;
    std::string m_strAppName;
    ATOM m_aApp = 0;
    ATOM m_aSystem = 0;
    std::deque<std::string> m_pending;
};
