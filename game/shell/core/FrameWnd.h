// The frame window's portable half: command routing and enabling, the status-bar toggle, the
// message-pane prompts and the order in which the program closes. The platform layer derives
// the real window from it.
#pragma once

#include "CmdTarget.h"
#include "View.h"

#include <memory>
#include <string>

class CDocument;
class CSingleDocTemplate;
class CWinApp;

// What the document template hands to the frame it makes.
struct CCreateContext {
    CDocument* m_pCurrentDoc = nullptr;
    CSingleDocTemplate* m_pTemplate = nullptr;
    std::unique_ptr<CView> m_pNewView; // the frame takes it over
};

// The outcome of a command's update step as the menu or the toolbar shows it.
struct CCmdState {
    BOOL bEnabled = FALSE;
    BOOL bCheckSet = FALSE; // the update step decided the check mark
    int nCheck = 0;
};

class CFrameWnd : public CCmdTarget {
public:
    explicit CFrameWnd(CWinApp& app) : m_app(app) {}
    ~CFrameWnd() override;
    CFrameWnd(const CFrameWnd&) = delete;
    CFrameWnd& operator=(const CFrameWnd&) = delete;

    // Makes the window (menu, accelerators, icon and caption of nIDResource) and its view, which
    // it attaches to the document; FALSE when any part fails.
    virtual BOOL LoadFrame(int nIDResource, CCreateContext& context) = 0;
    // The view's first repaint, then the window shows with the program's start-up show state;
    // FALSE when what ShowFrame makes fails.
    virtual BOOL InitialUpdateFrame();

    CView* GetActiveView() const { return m_pView.get(); }
    CDocument* GetActiveDocument() const;
    CWinApp& GetApp() const { return m_app; }

    // Offers the command to the view, its document, this frame and the application, in turn.
    BOOL RouteCmdMsg(int nID, CCmdUI* pCmdUI);
    // Runs the update step; a command that nothing handles is disabled.
    CCmdState QueryCmdState(int nID);
    // Carries out a command from the menu, a key or a button. Asks its update step once more
    // and drops the command when it is disabled; otherwise the view's gesture ends first.
    // TRUE when the command was carried out.
    BOOL ExecuteCommand(int nID);

    // The frame's own commands; a derived frame adds its own and then calls this.
    BOOL OnCmdMsg(int nID, CCmdUI* pCmdUI) override;
    void OnViewStatusBar();
    void OnUpdateViewStatusBar(CCmdUI* pCmdUI);

    // The message pane: a command's prompt (its string up to "\n") while its menu item or
    // button is selected, the idle message otherwise (nID 0).
    void OnMenuSelect(int nID);
    void SetIdleMessage();
    std::string GetMessageString(int nID) const;
    std::string GetToolTipText(int nID) const;

    // Toolbar buttons and status indicators, brought up to date on the first idle pass.
    virtual void OnIdleUpdateCmdUI() {}

    // Shows the window, then makes what it does not need to appear (its bars), in place before
    // its first paint; FALSE when that fails.
    virtual BOOL ShowFrame() = 0;
    virtual void HideFrame() = 0;
    virtual void DestroyFrame() = 0;

    // Exit, the close box and the system menu's Close: the view's gesture ends, the window is
    // hidden, the document is destroyed (storing the game), then the window is destroyed.
    void OnClose();

    // A dialog runs on the document (the window is disabled under it): commands and the close
    // wait until it ends, since the document's code that opened it is still running.
    virtual BOOL InModalState() const { return FALSE; }

protected:
    virtual BOOL IsStatusBarVisible() const = 0;
    virtual void ShowStatusBar(BOOL bShow) = 0;
    virtual void SetMessageText(const std::string& text) = 0;
    // A string resource of the program; empty when there is none.
    virtual std::string LoadString(int nID) const = 0;

    void TakeView(CCreateContext& context);

    CWinApp& m_app;
    CSingleDocTemplate* m_pTemplate = nullptr;
    std::unique_ptr<CView> m_pView;
};
