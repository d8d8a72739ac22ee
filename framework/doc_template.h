// Document templates: which document, frame and view classes belong together, under
// one resource id whose string describes the document type.
#pragma once

#include <vector>

#include "framework/cmd_target.h"
#include "framework/cstring.h"

class CDocument;
class CFrameWnd;
struct CRuntimeClass;

class CDocTemplate : public CCmdTarget {
    DECLARE_DYNAMIC(CDocTemplate)

public:
    // The fields of the template string, in order, separated by line feeds.
    enum DocStringIndex {
        windowTitle,
        docName,
        fileNewName,
        filterName,
        filterExt,
        regFileTypeId,
        regFileTypeName,
    };
    // How well a file suits this template, worst first.
    enum Confidence {
        noAttempt,
        maybeAttemptForeign,
        maybeAttemptNative,
        yesAttemptForeign,
        yesAttemptNative,
        yesAlreadyOpen,
    };

    ~CDocTemplate() override;

    UINT GetResourceID() const { return m_nIDResource; }
    // Loads the template string (string m_nIDResource).
    virtual void LoadTemplate();
    // FALSE (and empty) when the field is missing or empty.
    virtual BOOL GetDocString(CString& rString, DocStringIndex index) const;

    virtual void AddDocument(CDocument* pDoc);
    virtual void RemoveDocument(CDocument* pDoc);
    virtual std::vector<CDocument*> GetDocuments() const = 0;

    // yesAlreadyOpen (with the document) for a path that already is a document of this
    // template, compared as document paths are; with no extension in the template every
    // file may be a document.
    virtual Confidence MatchDocType(LPCTSTR lpszPathName, CDocument*& rpDocMatch);

    // Each is created by its run-time class; null when that fails.
    virtual CDocument* CreateNewDocument();
    virtual CFrameWnd* CreateNewFrame(CDocument* pDoc, CFrameWnd* pOther);
    // The frame's and views' initial update; bMakeVisible shows the frame.
    virtual void InitialUpdateFrame(CFrameWnd* pFrame, CDocument* pDoc, BOOL bMakeVisible = TRUE);

    // New (null path) or open; null when that failed, after telling the user.
    virtual CDocument* OpenDocumentFile(LPCTSTR lpszPathName, BOOL bMakeVisible = TRUE) = 0;
    // A new document's title: the template's document name, else "Untitled".
    virtual void SetDefaultTitle(CDocument* pDocument) = 0;

protected:
    CDocTemplate(UINT nIDResource, CRuntimeClass* pDocClass, CRuntimeClass* pFrameClass,
                 CRuntimeClass* pViewClass);

    UINT m_nIDResource;
    CRuntimeClass* m_pDocClass;
    CRuntimeClass* m_pFrameClass;
    CRuntimeClass* m_pViewClass;
    CString m_strDocStrings;
};

// One document at a time, with one frame and its view, all three reused for every
// New and Open.
class CSingleDocTemplate : public CDocTemplate {
    DECLARE_DYNAMIC(CSingleDocTemplate)

public:
    CSingleDocTemplate(UINT nIDResource, CRuntimeClass* pDocClass, CRuntimeClass* pFrameClass,
                       CRuntimeClass* pViewClass);
    ~CSingleDocTemplate() override;

    void AddDocument(CDocument* pDoc) override;
    void RemoveDocument(CDocument* pDoc) override;
    std::vector<CDocument*> GetDocuments() const override;

    // New: the document may be discarded (SaveModified), takes the default title and
    // OnNewDocument. Open: SaveModified, then OnOpenDocument and the new path. Either
    // way the frame and its views then get their initial update. The first call
    // creates document, frame and view, and makes the frame the main window.
    CDocument* OpenDocumentFile(LPCTSTR lpszPathName, BOOL bMakeVisible = TRUE) override;
    void SetDefaultTitle(CDocument* pDocument) override;

protected:
    CDocument* m_pOnlyDoc = nullptr;
};
