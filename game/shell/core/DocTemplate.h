// The single-document template: ties one resource id to the document, its frame and its view,
// makes them at start-up and reuses the one document for every New.
#pragma once

#include "ShellTypes.h"

#include <functional>
#include <memory>
#include <string>

class CDocument;
class CFrameWnd;
class CView;

// The document type as the shell knows it, from the program's document string.
struct CDocumentType {
    std::string m_strTypeId;    // the class key, e.g. "Quenlow.Document"
    std::string m_strTypeName;  // its description, e.g. "QuenlowDocument"
    std::string m_strExtension; // with its dot, e.g. ".QNL"
};

class CSingleDocTemplate {
public:
    using DocFactory = std::function<std::unique_ptr<CDocument>()>;
    using FrameFactory = std::function<std::unique_ptr<CFrameWnd>()>;
    using ViewFactory = std::function<std::unique_ptr<CView>()>;

    // The fields of the document string, in order, separated by "\n".
    enum DocStringIndex {
        windowTitle,
        docName,
        fileNewName,
        filterName,
        filterExt,
        regFileTypeId,
        regFileTypeName
    };

    CSingleDocTemplate(int nIDResource, DocFactory makeDoc, FrameFactory makeFrame,
                       ViewFactory makeView);
    ~CSingleDocTemplate();
    CSingleDocTemplate(const CSingleDocTemplate&) = delete;
    CSingleDocTemplate& operator=(const CSingleDocTemplate&) = delete;

    int GetResourceId() const { return m_nIDResource; }
    void SetDocString(const std::string& str) { m_strDocStrings = str; }
    // One field of the document string; empty when the string has fewer fields.
    std::string GetDocString(DocStringIndex index) const;
    CDocumentType GetDocumentType() const {
        return {GetDocString(regFileTypeId), GetDocString(regFileTypeName),
                GetDocString(filterExt)};
    }

    // The first call makes the document (which reads the saved state), the frame with its bars
    // and view, runs the new-document step (or opens the file) and shows the frame; it fails,
    // leaving nothing behind, when any of these fails. Later calls reuse the document: the step
    // runs again and its failure leaves the document as it was. Null on failure.
    CDocument* OpenDocumentFile(const char* pszPathName);

    CDocument* GetDocument() const { return m_pDocument.get(); }
    CFrameWnd* GetFrame() const { return m_pFrame.get(); }

    // Detaches the views and destroys the document, which stores the game.
    void CloseDocument();

private:
    CDocument* CreateFirstDocument(const char* pszPathName);

    int m_nIDResource;
    std::string m_strDocStrings;
    DocFactory m_makeDoc;
    FrameFactory m_makeFrame;
    ViewFactory m_makeView;
    std::unique_ptr<CDocument> m_pDocument;
    std::unique_ptr<CFrameWnd> m_pFrame;
};
