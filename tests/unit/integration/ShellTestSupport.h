// The shell integration over the framework's test doubles: system services with scripted files
// and dialogs, a class registry in memory, and an application that starts from a command line.
#pragma once

#include "FrameworkTestSupport.h"
#include "ShellIntegration.h"
#include "ShellRegistration.h"
#include "ShellServices.h"

#include <deque>
#include <map>
#include <set>
#include <string>
#include <vector>

// A view with no commands of its own, so Save reaches the document; it counts the gestures it
// was asked to end.
class CShellTestView : public CView {
public:
    using CView::CView;
    void OnDraw(IDrawContext&) override {}
    void OnCancelMode() override { ++m_nCancels; }
    int m_nCancels = 0;
};

class CFakeShellServices : public IShellServices {
public:
    std::string FullPath(const std::string& path) override;
    unsigned CheckReadable(const std::string& path) override;
    unsigned WriteEmptyFile(const std::string& path) override;
    bool IsReadOnly(const std::string& path) override { return m_readOnly.count(path) != 0; }
    bool PromptFileName(bool bOpen, const std::string& strTitle, const std::string& strFilterName,
                        const std::string& strFilterExt, std::string& path) override;
    void ShowMessage(const std::string& text) override { m_messages.push_back(text); }
    // "<id>: <text>", so a message tells which string it came from.
    std::string LoadString(int nID) override;
    std::string ReadProfileText(const std::string& section, const std::string& key) override;
    void WriteProfileText(const std::string& section, const std::string& key,
                          const std::string& value) override;

    // Files that exist (readable); an error code for a file that cannot be read or written.
    std::set<std::string> m_files;
    std::map<std::string, unsigned> m_readErrors;
    std::map<std::string, unsigned> m_writeErrors;
    std::set<std::string> m_readOnly;
    std::vector<std::string> m_written;
    // Each dialog takes the next answer; an empty answer cancels.
    std::deque<std::string> m_answers;
    std::vector<std::string> m_prompts; // "Open|Quenlow Files (*.QNL)|.QNL|proposed name"
    std::vector<std::string> m_messages;
    std::map<std::string, std::string> m_profile; // "section/key"
};

class CMemoryClassesRoot : public IClassesRoot {
public:
    bool SetText(const std::string& key, const std::string& value,
                 const std::string& data) override;
    bool GetText(const std::string& key, const std::string& value, std::string& data) override;
    bool DeleteKey(const std::string& key) override;
    // The default text of a key, "<none>" without one, "<absent>" without the key.
    std::string Default(const std::string& key) const;

    std::map<std::string, std::map<std::string, std::string>> m_keys;
    std::set<std::string> m_locked; // keys that cannot be written or deleted
};

// The program's application as far as the shell goes: the template, the shell's command line,
// and Open routed through the shell before the application's own commands.
class CShellTestApp : public CWinApp {
public:
    CShellTestApp(CHeadlessPlatform& platform, CEventLog& log, CFakeShellServices& services);
    ~CShellTestApp() override { CloseTemplate(); }
    BOOL OnIdle(long nCount) override;
    BOOL OnCmdMsg(int nID, CCmdUI* pCmdUI) override;
    // Start-up steps 3 and 6 with the arguments after the program name.
    BOOL InitInstance(const std::vector<std::string>& args);
    CQuenlowDoc* Doc() const { return static_cast<CQuenlowDoc*>(GetDocument()); }

    CHeadlessPlatform& m_headless;
    CEventLog& m_log;
    CShellIntegration m_shell;
    CMemoryClassesRoot m_classes;
    CTestFrame* m_pFrame = nullptr;
};

class ShellTest : public ::testing::Test {
protected:
    // A first run that deals a game and closes, leaving it saved in progress.
    void SetUp() override;
    std::unique_ptr<CShellTestApp> Start(const std::vector<std::string>& args);
    std::vector<std::uint8_t> SavedGame() const;
    static std::string Table(const CQuenlowDoc& doc);

    CHeadlessPlatform m_platform;
    CEventLog m_log;
    CFakeShellServices m_services;
    std::string m_savedTable;
    std::vector<std::uint8_t> m_savedGame;
};
