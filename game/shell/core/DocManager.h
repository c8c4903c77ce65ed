// The document files of the program: Open and Save of the document's (empty) stored form,
// opening a file named by the command line, the shell or a drop, and the recent-file list.
// Nothing here ever changes the game: a document file holds nothing.
#pragma once

#include "RecentFileList.h"
#include "ShellTypes.h"

#include <string>

class CDocument;
class CSingleDocTemplate;
class IShellServices;

class CDocManager {
public:
    static constexpr int kRecentFiles = 5;
    static constexpr int kRecentDisplayLength = 30;

    explicit CDocManager(IShellServices& services)
        : m_services(services), m_recent(kRecentFiles, kRecentDisplayLength) {}

    // The application's one template; nothing opens before it is set.
    void SetTemplate(CSingleDocTemplate* pTemplate) { m_pTemplate = pTemplate; }
    CSingleDocTemplate* GetTemplate() const { return m_pTemplate; }

    // The list is read from the profile the first time it is needed, not at start-up: finding
    // the profile costs a system library the first window does not need.
    const CRecentFileList& GetRecentFileList() { return RecentFiles(); }
    // A list never read was never changed: nothing is written then.
    void SaveRecentFileList() const;

    // New: the template makes the document, or reuses it and runs its new-document step. A
    // document that cannot be made is reported; null then, and also when the step declines.
    CDocument* NewDocument();
    // The file becomes the document's: the first time the template makes the document (and its
    // frame) for it without a new-document step, later the one document takes its name. The
    // file must be readable; nothing is read from it. A failure is reported; null then.
    CDocument* OpenDocumentFile(const std::string& path);
    // Open (Ctrl+O): the file dialog, then as above.
    void OnFileOpen();
    // Save (Ctrl+S): writes the empty stored form to the document's file when it has one that
    // is not read-only, otherwise to a file chosen under Save As, which becomes its file.
    // FALSE when cancelled or when the file could not be written (which is reported).
    BOOL SaveDocument(CDocument& doc);

    static constexpr const char* kOpenTitle = "Open";
    static constexpr const char* kSaveAsTitle = "Save As";

private:
    CRecentFileList& RecentFiles();
    void LoadRecentFileList();
    bool PromptFileName(bool bOpen, std::string& path);
    void ReportFileError(unsigned nError, bool bSaving, const std::string& path);
    void ReportCreateFailure();

    IShellServices& m_services;
    CSingleDocTemplate* m_pTemplate = nullptr;
    CRecentFileList m_recent;
    bool m_bRecentLoaded = false;
};
