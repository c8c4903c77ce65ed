// The application object's portable half: its document template, its commands (New and Exit)
// and the idle pass of the message loop.
#pragma once

#include "CmdTarget.h"
#include "DocTemplate.h"

#include <memory>

class CFrameWnd;

class CWinApp : public CCmdTarget {
public:
    CWinApp() = default;
    ~CWinApp() override;
    CWinApp(const CWinApp&) = delete;
    CWinApp& operator=(const CWinApp&) = delete;

    void AddDocTemplate(std::unique_ptr<CSingleDocTemplate> pTemplate);
    CSingleDocTemplate* GetDocTemplate() const { return m_pDocTemplate.get(); }
    // The one document, or null before start-up and after the close.
    CDocument* GetDocument() const;

    // One pass of idle work; nCount counts the passes since the last message. The first pass
    // brings the toolbar buttons and indicators up to date. TRUE asks for another pass.
    virtual BOOL OnIdle(long nCount);

    BOOL OnCmdMsg(int nID, CCmdUI* pCmdUI) override;
    // The single document is reused: its new-document step runs again.
    void OnFileNew();
    void OnAppExit();

    // Completed idle passes since start-up; nothing depends on it but a read-only query.
    long GetIdlePasses() const { return m_nIdlePasses; }

    CFrameWnd* m_pMainWnd = nullptr;

protected:
    // Ends the template before the members it uses go (a derived destructor calls this).
    void CloseTemplate() { m_pDocTemplate.reset(); }

private:
    std::unique_ptr<CSingleDocTemplate> m_pDocTemplate;
    long m_nIdlePasses = 0;
};
