#include "framework/document.h"

#include <algorithm>

#include "framework/afx_ids.h"
#include "framework/doc_template.h"
#include "framework/frame_wnd.h"
#include "framework/view.h"

IMPLEMENT_DYNAMIC(CDocument, CCmdTarget)

BEGIN_MESSAGE_MAP(CDocument, CCmdTarget)
ON_COMMAND(ID_FILE_SAVE, &CDocument::OnFileSave)
ON_COMMAND(ID_FILE_SAVE_AS, &CDocument::OnFileSaveAs)
END_MESSAGE_MAP()

CDocument::~CDocument() {
    for (CView* view : m_viewList) {
        view->m_pDocument = nullptr;
    }
    if (m_pDocTemplate != nullptr) {
        m_pDocTemplate->RemoveDocument(this);
    }
}

// The frames' captions show the title, so they follow it.
void CDocument::SetTitle(LPCTSTR lpszTitle) {
    m_strTitle = lpszTitle;
    for (CView* view : m_viewList) {
        if (CFrameWnd* frame = view->GetParentFrame();
            frame != nullptr && frame->m_hWnd != nullptr) {
            frame->OnUpdateFrameTitle(TRUE);
        }
    }
}

// SetPathName (full path, title and recent-file entry) is in document_files.cpp.

void CDocument::AddView(CView* pView) {
    if (std::find(m_viewList.begin(), m_viewList.end(), pView) == m_viewList.end()) {
        m_viewList.push_back(pView);
        pView->m_pDocument = this;
    }
}

void CDocument::RemoveView(CView* pView) {
    std::erase(m_viewList, pView);
    if (pView->m_pDocument == this) {
        pView->m_pDocument = nullptr;
    }
    // Documents outside a template belong to whoever made them.
    if (m_viewList.empty() && m_bAutoDelete && m_pDocTemplate != nullptr) {
        OnCloseDocument();
    }
}

void CDocument::UpdateAllViews(CView* pSender, LPARAM lHint, CObject* pHint) {
    for (CView* view : m_viewList) {
        if (view != pSender) {
            view->OnUpdate(pSender, lHint, pHint);
        }
    }
}

BOOL CDocument::OnNewDocument() {
    DeleteContents();
    m_strPathName.Empty();
    SetModifiedFlag(FALSE);
    return TRUE;
}

void CDocument::Serialize(CArchive& /*ar*/) {}

void CDocument::OnCloseDocument() {
    // Destroying the frames removes the views, which must not close the document a
    // second time from inside this loop.
    const BOOL bAutoDelete = m_bAutoDelete;
    m_bAutoDelete = FALSE;
    while (!m_viewList.empty()) {
        CView* view = m_viewList.front();
        CFrameWnd* frame = view->GetParentFrame();
        if (frame != nullptr && frame->m_hWnd != nullptr) {
            frame->DestroyWindow();
        }
        if (!m_viewList.empty() && m_viewList.front() == view) {
            RemoveView(view);  // a view outside any frame just lets go
        }
    }
    m_bAutoDelete = bAutoDelete;
    DeleteContents();
    if (m_bAutoDelete && m_pDocTemplate != nullptr) {
        delete this;
    }
}
