#include "ShellTestSupport.h"

#include "CommandLineInfo.h"
#include "resource.h"

#include <algorithm>

std::string CFakeShellServices::FullPath(const std::string& path) {
    return path.find(':') == std::string::npos ? "C:\\work\\" + path : path;
}

unsigned CFakeShellServices::CheckReadable(const std::string& path) {
    auto it = m_readErrors.find(path);
    if (it != m_readErrors.end()) return it->second;
    return m_files.count(path) != 0 ? 0 : 2;
}

unsigned CFakeShellServices::WriteEmptyFile(const std::string& path) {
    auto it = m_writeErrors.find(path);
    if (it != m_writeErrors.end()) return it->second;
    m_files.insert(path);
    m_written.push_back(path);
    return 0;
}

bool CFakeShellServices::PromptFileName(bool bOpen, const std::string& strTitle,
                                        const std::string& strFilterName,
                                        const std::string& strFilterExt, std::string& path) {
    EXPECT_EQ(bOpen, strTitle == "Open");
    m_prompts.push_back(strTitle + "|" + strFilterName + "|" + strFilterExt + "|" + path);
    if (m_answers.empty()) return false;
    path = m_answers.front();
    m_answers.pop_front();
    return !path.empty();
}

std::string CFakeShellServices::LoadString(int nID) {
    return std::to_string(nID) + ": %1";
}

std::string CFakeShellServices::ReadProfileText(const std::string& section,
                                                const std::string& key) {
    auto it = m_profile.find(section + "/" + key);
    return it == m_profile.end() ? std::string() : it->second;
}

void CFakeShellServices::WriteProfileText(const std::string& section, const std::string& key,
                                          const std::string& value) {
    if (value.empty())
        m_profile.erase(section + "/" + key);
    else
        m_profile[section + "/" + key] = value;
}

bool CMemoryClassesRoot::SetText(const std::string& key, const std::string& value,
                                 const std::string& data) {
    if (m_locked.count(key) != 0) return false;
    // Creating a key creates its parents, as the registry does.
    for (std::string::size_type n = key.find('\\'); n != std::string::npos;
         n = key.find('\\', n + 1))
        m_keys[key.substr(0, n)];
    m_keys[key][value] = data;
    return true;
}

bool CMemoryClassesRoot::GetText(const std::string& key, const std::string& value,
                                 std::string& data) {
    auto it = m_keys.find(key);
    if (it == m_keys.end()) return false;
    auto v = it->second.find(value);
    if (v == it->second.end()) return false;
    data = v->second;
    return true;
}

bool CMemoryClassesRoot::DeleteKey(const std::string& key) {
    if (m_locked.count(key) != 0) return false;
    auto it = m_keys.find(key);
    if (it == m_keys.end()) return true;
    // A key with subkeys stays, as the registry's plain delete does.
    auto next = std::next(it);
    if (next != m_keys.end() && next->first.rfind(key + "\\", 0) == 0) return false;
    m_keys.erase(it);
    return true;
}

std::string CMemoryClassesRoot::Default(const std::string& key) const {
    auto it = m_keys.find(key);
    if (it == m_keys.end()) return "<absent>";
    auto v = it->second.find("");
    return v == it->second.end() ? "<none>" : v->second;
}

CShellTestApp::CShellTestApp(CHeadlessPlatform& platform, CEventLog& log,
                             CFakeShellServices& services)
    : m_headless(platform), m_log(log), m_shell(services) {}

BOOL CShellTestApp::OnIdle(long nCount) {
    if (CQuenlowDoc* pDoc = Doc()) pDoc->OnIdleUpdate();
    return CWinApp::OnIdle(nCount);
}

BOOL CShellTestApp::OnCmdMsg(int nID, CCmdUI* pCmdUI) {
    return m_shell.OnCmdMsg(nID, pCmdUI) || CWinApp::OnCmdMsg(nID, pCmdUI);
}

BOOL CShellTestApp::InitInstance(const std::vector<std::string>& args) {
    CDocManager& manager = m_shell.GetDocManager();
    auto makeDoc = [this, &manager] {
        auto pDoc = std::make_unique<CLoggedDoc>(m_headless, m_log);
        pDoc->SetDocManager(&manager);
        return pDoc;
    };
    auto makeFrame = [this]() -> std::unique_ptr<CFrameWnd> {
        if (m_shell.IsFrameHidden()) m_log.push_back("frame:hidden");
        auto pFrame = std::make_unique<CTestFrame>(*this, m_headless, m_log);
        m_pFrame = pFrame.get();
        return pFrame;
    };
    auto makeView = [this] { return std::make_unique<CShellTestView>(m_headless); };
    AddDocTemplate(
        std::make_unique<CSingleDocTemplate>(IDR_MAINFRAME, makeDoc, makeFrame, makeView));
    GetDocTemplate()->SetDocString("Quenlow\n\nQuenlow\nQuenlow Files (*.QNL)\n.QNL\n"
                                   "Quenlow.Document\nQuenlowDocument");
    manager.SetTemplate(GetDocTemplate());
    return m_shell.ProcessShellCommand(CCommandLineInfo::Parse(args), m_classes);
}

void ShellTest::SetUp() {
    auto pApp = Start({});
    ASSERT_NE(nullptr, pApp->Doc());
    ASSERT_TRUE(pApp->Doc()->IsInProgress());
    m_savedTable = Table(*pApp->Doc());
    pApp.reset();
    m_savedGame = SavedGame();
    ASSERT_FALSE(m_savedGame.empty());
    m_log.clear();
    m_services.m_files = {"C:\\games\\a.qnl", "C:\\games\\b.qnl"};
}

std::unique_ptr<CShellTestApp> ShellTest::Start(const std::vector<std::string>& args) {
    auto pApp = std::make_unique<CShellTestApp>(m_platform, m_log, m_services);
    if (!pApp->InitInstance(args)) {
        pApp->m_log.push_back("start:ended");
        return pApp;
    }
    // The message loop's first idle pass.
    for (long n = 0; pApp->OnIdle(n); ++n) {
    }
    m_log.erase(std::remove(m_log.begin(), m_log.end(), "frame:idle-ui"), m_log.end());
    return pApp;
}

std::vector<std::uint8_t> ShellTest::SavedGame() const {
    std::vector<std::uint8_t> data;
    const auto* pValue =
        m_platform.m_registry.FindValue(RegRoot::CurrentUser, kSettingsKey, "game");
    if (pValue != nullptr) data = pValue->data;
    return data;
}

std::string ShellTest::Table(const CQuenlowDoc& doc) {
    std::string out;
    for (int f = 0; f < kFanCount; ++f) {
        for (int s = 0; s < kFanSlots; ++s) {
            const CCard& card = doc.GetCard(f, s);
            out += card.HasCard() ? CardCode(card.GetSuit(), card.GetRank()) : "--";
        }
        out += '|';
    }
    return out;
}
