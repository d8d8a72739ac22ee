#include "framework/doc_template.h"

#include <memory>

#include "framework/afx_ids.h"
#include "framework/create_context.h"
#include "framework/document.h"
#include "framework/frame_wnd.h"
#include "framework/message_box.h"
#include "framework/path_names.h"
#include "framework/resources.h"

IMPLEMENT_DYNAMIC(CDocTemplate, CCmdTarget)

CDocTemplate::CDocTemplate(UINT nIDResource, CRuntimeClass* pDocClass, CRuntimeClass* pFrameClass,
                           CRuntimeClass* pViewClass)
    : m_nIDResource(nIDResource),
      m_pDocClass(pDocClass),
      m_pFrameClass(pFrameClass),
      m_pViewClass(pViewClass) {}

CDocTemplate::~CDocTemplate() = default;

void CDocTemplate::LoadTemplate() {
    if (m_strDocStrings.IsEmpty()) {
        m_strDocStrings.LoadString(m_nIDResource);
    }
}

BOOL CDocTemplate::GetDocString(CString& rString, DocStringIndex index) const {
    const std::string& all = m_strDocStrings.str();
    size_t start = 0;
    for (int field = 0; field < index; ++field) {
        start = all.find('\n', start);
        if (start == std::string::npos) {
            rString.Empty();
            return FALSE;
        }
        ++start;
    }
    rString = CString(all.substr(start, all.find('\n', start) - start));
    return !rString.IsEmpty();
}

void CDocTemplate::AddDocument(CDocument* pDoc) {
    pDoc->m_pDocTemplate = this;
}

void CDocTemplate::RemoveDocument(CDocument* pDoc) {
    if (pDoc->m_pDocTemplate == this) {
        pDoc->m_pDocTemplate = nullptr;
    }
}

CDocTemplate::Confidence CDocTemplate::MatchDocType(LPCTSTR lpszPathName, CDocument*& rpDocMatch) {
    rpDocMatch = nullptr;
    for (CDocument* doc : GetDocuments()) {
        if (!doc->GetPathName().IsEmpty() && AfxComparePath(doc->GetPathName(), lpszPathName)) {
            rpDocMatch = doc;
            return yesAlreadyOpen;
        }
    }
    CString ext;
    if (GetDocString(ext, filterExt)) {
        const std::string path = lpszPathName;
        const std::string& e = ext.str();
        if (path.size() >= e.size() &&
            AfxComparePath(CString(path.substr(path.size() - e.size())), ext)) {
            return yesAttemptNative;
        }
    }
    return maybeAttemptForeign;
}

CDocument* CDocTemplate::CreateNewDocument() {
    CObject* object = m_pDocClass != nullptr ? m_pDocClass->CreateObject() : nullptr;
    auto* doc = dynamic_cast<CDocument*>(object);
    if (doc == nullptr) {
        delete object;
        return nullptr;
    }
    AddDocument(doc);
    return doc;
}

CFrameWnd* CDocTemplate::CreateNewFrame(CDocument* pDoc, CFrameWnd* pOther) {
    CCreateContext context;
    context.m_pCurrentFrame = pOther;
    context.m_pCurrentDoc = pDoc;
    context.m_pNewViewClass = m_pViewClass;
    context.m_pNewDocTemplate = this;
    CObject* object = m_pFrameClass != nullptr ? m_pFrameClass->CreateObject() : nullptr;
    auto* frame = dynamic_cast<CFrameWnd*>(object);
    if (frame == nullptr) {
        delete object;
        return nullptr;
    }
    // A frame whose window came to exist deletes itself when creation fails
    // (PostNcDestroy); one that failed before that is abandoned, as start-up ends anyway.
    if (!frame->LoadFrame(m_nIDResource, WS_OVERLAPPEDWINDOW | FWS_ADDTOTITLE, nullptr, &context)) {
        return nullptr;
    }
    return frame;
}

void CDocTemplate::InitialUpdateFrame(CFrameWnd* pFrame, CDocument* pDoc, BOOL bMakeVisible) {
    pFrame->InitialUpdateFrame(pDoc, bMakeVisible);
}
