// Documents: what the framework's File commands act on, with their views.
#pragma once

#include <vector>

#include "framework/cmd_target.h"
#include "framework/cstring.h"

class CArchive;
class CDocTemplate;
class CView;

class CDocument : public CCmdTarget {
    DECLARE_DYNAMIC(CDocument)

public:
    CDocument() = default;
    ~CDocument() override;

    const CString& GetTitle() const { return m_strTitle; }
    virtual void SetTitle(LPCTSTR lpszTitle);
    const CString& GetPathName() const { return m_strPathName; }
    virtual void SetPathName(LPCTSTR lpszPathName, BOOL bAddToMRU = TRUE);
    CDocTemplate* GetDocTemplate() const { return m_pDocTemplate; }
    BOOL IsModified() const { return m_bModified; }
    void SetModifiedFlag(BOOL bModified = TRUE) { m_bModified = bModified; }

    void AddView(CView* pView);
    // A template's document closes itself (OnCloseDocument) when its last view goes.
    void RemoveView(CView* pView);
    const std::vector<CView*>& GetViews() const { return m_viewList; }
    // Sends the initial update to every view.
    void UpdateAllViews(CView* pSender, LPARAM lHint = 0, CObject* pHint = nullptr);

    // Empties the document (DeleteContents) and clears path and modified flag.
    virtual BOOL OnNewDocument();
    virtual void DeleteContents() {}
    virtual void Serialize(CArchive& ar);

    // File operations (document_files.cpp). Each reports failure to the user itself
    // and returns FALSE.
    virtual BOOL OnOpenDocument(LPCTSTR lpszPathName);
    virtual BOOL OnSaveDocument(LPCTSTR lpszPathName);
    // Asks whether a modified document may be discarded; TRUE to go on.
    virtual BOOL SaveModified();
    // Save As when lpszPathName is null (or the file cannot be written in place).
    virtual BOOL DoSave(LPCTSTR lpszPathName, BOOL bReplace = TRUE);
    virtual BOOL DoFileSave();
    // The framework's Save and Save As commands, bound in CDocument's table.
    void OnFileSave();
    void OnFileSaveAs();
    // Destroys the document's frames with their views, empties the document and, for
    // a document its template made (m_bAutoDelete), deletes it.
    virtual void OnCloseDocument();

    CDocTemplate* m_pDocTemplate = nullptr;
    // A document made by a template is deleted when it closes; the template turns this
    // off while it deals with the document itself.
    BOOL m_bAutoDelete = TRUE;

protected:
    CString m_strTitle;
    CString m_strPathName;
    BOOL m_bModified = FALSE;
    std::vector<CView*> m_viewList;

    DECLARE_MESSAGE_MAP()
};
