// The document side of the document/view framework: owns the data, knows its views.
#pragma once

#include "CmdTarget.h"

#include <string>
#include <vector>

class CDocManager;
class CView;

class CDocument : public CCmdTarget {
public:
    CDocument() = default;
    ~CDocument() override = default;
    CDocument(const CDocument&) = delete;
    CDocument& operator=(const CDocument&) = delete;

    // The framework's new-document step; the single document is reused each time.
    virtual BOOL OnNewDocument();
    // The stored form is read and written by these; the base stores nothing.
    virtual BOOL OnOpenDocument(const std::string& path);
    virtual BOOL OnSaveDocument(const std::string& path);
    virtual void DeleteContents() {}
    // The session is ending and the process may be ended at any moment: what must survive is
    // stored now, and the document stays as it is.
    virtual void OnEndSession() {}

    // Save (Ctrl+S) goes through the application's document files; without them nothing
    // handles it.
    BOOL OnCmdMsg(int nID, CCmdUI* pCmdUI) override;
    void OnFileSave();
    void SetDocManager(CDocManager* pManager) { m_pDocManager = pManager; }

    void AddView(CView* pView);
    void RemoveView(CView* pView);
    CView* GetFirstView() const { return m_viewList.empty() ? nullptr : m_viewList.front(); }
    const std::vector<CView*>& GetViews() const { return m_viewList; }
    // Asks every view but the sender to repaint (through its OnUpdate).
    void UpdateAllViews(CView* pSender);

    const std::string& GetPathName() const { return m_strPathName; }
    void SetPathName(const std::string& path) { m_strPathName = path; }

private:
    std::vector<CView*> m_viewList;
    std::string m_strPathName;
    CDocManager* m_pDocManager = nullptr;
};
