#include "framework/afx_ids.h"
#include "framework/app.h"
#include "framework/doc_template.h"
#include "framework/document.h"
#include "framework/frame_wnd.h"
#include "framework/message_box.h"
#include "framework/view.h"

IMPLEMENT_DYNAMIC(CSingleDocTemplate, CDocTemplate)

CSingleDocTemplate::CSingleDocTemplate(UINT nIDResource, CRuntimeClass* pDocClass,
                                       CRuntimeClass* pFrameClass, CRuntimeClass* pViewClass)
    : CDocTemplate(nIDResource, pDocClass, pFrameClass, pViewClass) {}

CSingleDocTemplate::~CSingleDocTemplate() {
    if (m_pOnlyDoc != nullptr) {
        CDocument* doc = m_pOnlyDoc;
        RemoveDocument(doc);
        delete doc;
    }
}

void CSingleDocTemplate::AddDocument(CDocument* pDoc) {
    CDocTemplate::AddDocument(pDoc);
    m_pOnlyDoc = pDoc;
}

void CSingleDocTemplate::RemoveDocument(CDocument* pDoc) {
    CDocTemplate::RemoveDocument(pDoc);
    if (m_pOnlyDoc == pDoc) {
        m_pOnlyDoc = nullptr;
    }
}

std::vector<CDocument*> CSingleDocTemplate::GetDocuments() const {
    if (m_pOnlyDoc == nullptr) {
        return {};
    }
    return {m_pOnlyDoc};
}

void CSingleDocTemplate::SetDefaultTitle(CDocument* pDocument) {
    CString title;
    if (!GetDocString(title, docName)) {
        title.LoadString(AFX_IDS_UNTITLED);
    }
    pDocument->SetTitle(title);
}

CDocument* CSingleDocTemplate::OpenDocumentFile(LPCTSTR lpszPathName, BOOL bMakeVisible) {
    CDocument* doc = m_pOnlyDoc;
    CFrameWnd* frame = nullptr;
    BOOL bCreated = FALSE;
    if (doc != nullptr) {
        if (!doc->SaveModified()) {
            return nullptr;
        }
        if (!doc->GetViews().empty()) {
            frame = doc->GetViews().front()->GetParentFrame();
        }
    } else {
        doc = CreateNewDocument();
        if (doc == nullptr) {
            AfxMessageBox(AFX_IDP_FAILED_TO_CREATE_DOC);
            return nullptr;
        }
        bCreated = TRUE;
    }
    if (frame == nullptr) {
        // A frame that fails half-way destroys the view it made; the document must
        // not go with it, as it is dealt with here.
        const BOOL bAutoDelete = doc->m_bAutoDelete;
        doc->m_bAutoDelete = FALSE;
        frame = CreateNewFrame(doc, nullptr);
        doc->m_bAutoDelete = bAutoDelete;
        if (frame == nullptr) {
            AfxMessageBox(AFX_IDP_FAILED_TO_CREATE_DOC);
            if (bCreated) {
                RemoveDocument(doc);
                delete doc;
            }
            return nullptr;
        }
    }

    if (lpszPathName == nullptr) {
        SetDefaultTitle(doc);
        if (!doc->OnNewDocument()) {
            if (bCreated) {
                frame->DestroyWindow();  // takes the view and with it the document
            }
            return nullptr;
        }
    } else {
        // A failed open has told the user; a document that was there has kept itself
        // or become untitled, as far as it got (OnOpenDocument).
        if (!doc->OnOpenDocument(lpszPathName)) {
            if (bCreated) {
                frame->DestroyWindow();
            }
            return nullptr;
        }
        doc->SetPathName(lpszPathName);
    }

    if (CWinApp* app = AfxGetApp(); bCreated && app != nullptr && app->m_pMainWnd == nullptr) {
        app->m_pMainWnd = frame;
    }
    InitialUpdateFrame(frame, doc, bMakeVisible);
    return doc;
}
