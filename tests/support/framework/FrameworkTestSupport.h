// The framework's portable classes with the window parts replaced by recorders, over the real
// document on the headless platform.
#pragma once

#include "DocTemplate.h"
#include "FrameWnd.h"
#include "HeadlessPlatform.h"
#include "ModelTestSupport.h"
#include "QuenlowDoc.h"
#include "View.h"
#include "WinApp.h"

#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

// What happened, in order, across the document, the frame, the view and the application.
using CEventLog = std::vector<std::string>;

class CTestView : public CView {
public:
    CTestView(IPlatform& platform, CEventLog& log) : CView(platform), m_log(log) {}
    void OnDraw(IDrawContext&) override {}
    void OnCancelMode() override;
    BOOL OnCmdMsg(int nID, CCmdUI* pCmdUI) override;
    void OnNextPane() { m_log.push_back("view:next-pane"); }
    void OnUpdateNextPane(CCmdUI* pCmdUI) { pCmdUI->Enable(FALSE); }
    void OnSharedCommand() { m_log.push_back("view:shared"); }

    CEventLog& m_log;
    int m_nHistoryAtCancel = -1;
};

class CTestFrame : public CFrameWnd {
public:
    CTestFrame(CWinApp& app, CHeadlessPlatform& platform, CEventLog& log)
        : CFrameWnd(app), m_platform(platform), m_log(log) {}
    BOOL LoadFrame(int nIDResource, CCreateContext& context) override;
    void OnIdleUpdateCmdUI() override { m_log.push_back("frame:idle-ui"); }
    BOOL ShowFrame() override {
        m_log.push_back("frame:show");
        return !m_bFailShow;
    }
    void HideFrame() override { m_log.push_back("frame:hide"); }
    void DestroyFrame() override;
    BOOL OnCmdMsg(int nID, CCmdUI* pCmdUI) override;
    void OnSharedCommand() { m_log.push_back("frame:shared"); }

    BOOL InModalState() const override { return m_bModal; }
    BOOL IsStatusBarVisible() const override { return m_bStatusBar; }
    void ShowStatusBar(BOOL bShow) override { m_bStatusBar = bShow; }
    void SetMessageText(const std::string& text) override { m_strMessage = text; }
    std::string LoadString(int nID) const override;

    CHeadlessPlatform& m_platform;
    CEventLog& m_log;
    BOOL m_bFailLoad = FALSE;
    BOOL m_bFailShow = FALSE; // what the window makes after it shows fails
    BOOL m_bModal = FALSE;
    BOOL m_bStatusBar = TRUE;
    std::string m_strMessage;
    std::map<int, std::string> m_strings;
};

// The document logs its construction and destruction, so the order of start and close shows.
class CLoggedDoc : public CQuenlowDoc {
public:
    CLoggedDoc(IPlatform& platform, CEventLog& log) : CQuenlowDoc(platform), m_log(log) {
        m_log.push_back("doc:create");
    }
    ~CLoggedDoc() override { m_log.push_back("doc:destroy"); }
    BOOL OnNewDocument() override {
        m_log.push_back("doc:new");
        return CQuenlowDoc::OnNewDocument();
    }
    CEventLog& m_log;
};

class CTestApp : public CWinApp {
public:
    CTestApp(CHeadlessPlatform& platform, CEventLog& log);
    ~CTestApp() override { CloseTemplate(); }
    // As the program's application does: the document's idle step, then the framework's, and
    // About as the application's own command.
    BOOL OnIdle(long nCount) override;
    BOOL OnCmdMsg(int nID, CCmdUI* pCmdUI) override;
    void OnAppAbout();
    BOOL InitInstance();

    CHeadlessPlatform& m_headless;
    CEventLog& m_log;
    BOOL m_bFailFrame = FALSE;
    BOOL m_bFailShow = FALSE;
    CTestFrame* m_pFrame = nullptr;
};

class FrameworkTest : public ::testing::Test {
protected:
    void SetUp() override;
    CQuenlowDoc& Doc() const;
    CTestFrame& Frame() const { return *m_pApp->m_pFrame; }
    // The idle passes the message loop runs when the queue is empty.
    void Idle();
    bool Logged(const std::string& event) const;
    std::string FanCodes() const; // every fan's cards, to compare tables

    CHeadlessPlatform m_platform;
    CEventLog m_log;
    std::unique_ptr<CTestApp> m_pApp;
};
