#include "framework/doc_manager.h"

#include <QWidget>

#include "framework/afx_ids.h"
#include "framework/app.h"
#include "framework/doc_template.h"
#include "framework/document.h"
#include "framework/file_dialog.h"
#include "framework/frame_wnd.h"
#include "framework/message_box.h"
#include "framework/path_names.h"
#include "framework/view.h"

CDocManager::~CDocManager() = default;

void CDocManager::AddDocTemplate(CDocTemplate* pTemplate) {
    if (pTemplate == nullptr) {
        return;
    }
    pTemplate->LoadTemplate();
    m_templateList.emplace_back(pTemplate);
}

std::vector<CDocTemplate*> CDocManager::GetTemplates() const {
    std::vector<CDocTemplate*> templates;
    for (const auto& t : m_templateList) {
        templates.push_back(t.get());
    }
    return templates;
}

namespace {

// Brings the document's frame to the front, as a second Open of it asks.
void ActivateDocumentFrame(CDocument* pDoc) {
    if (pDoc->GetViews().empty()) {
        return;
    }
    CFrameWnd* frame = pDoc->GetViews().front()->GetParentFrame();
    if (frame == nullptr || frame->m_hWnd == nullptr) {
        return;
    }
    if (frame->IsIconic()) {
        frame->ShowWindow(SW_RESTORE);
    } else if (!frame->IsWindowVisible()) {
        frame->ShowWindow(SW_SHOW);
    }
    frame->m_hWnd->raise();
    frame->m_hWnd->activateWindow();
}

}  // namespace

CDocument* CDocManager::OpenDocumentFile(LPCTSTR lpszFileName) {
    const CString path = AfxFullPath(lpszFileName);
    if (path.IsEmpty()) {
        // No name at all (a print switch without a file, say) names no document.
        AfxMessageBox(AFX_IDP_FAILED_TO_OPEN_DOC);
        return nullptr;
    }
    CDocTemplate* best = nullptr;
    CDocTemplate::Confidence bestMatch = CDocTemplate::noAttempt;
    for (CDocTemplate* t : GetTemplates()) {
        CDocument* open = nullptr;
        const CDocTemplate::Confidence match = t->MatchDocType(path, open);
        if (match == CDocTemplate::yesAlreadyOpen) {
            ActivateDocumentFrame(open);
            return open;
        }
        if (match > bestMatch) {
            bestMatch = match;
            best = t;
        }
    }
    if (best == nullptr) {
        AfxMessageBox(AFX_IDP_FAILED_TO_OPEN_DOC);
        return nullptr;
    }
    return best->OpenDocumentFile(path);
}

void CDocManager::OnFileNew() {
    if (!m_templateList.empty()) {
        m_templateList.front()->OpenDocumentFile(nullptr);
    }
}

void CDocManager::OnFileOpen() {
    CString fileName;
    if (!DoPromptFileName(fileName, TRUE)) {
        return;
    }
    if (CWinApp* app = AfxGetApp()) {
        app->OpenDocumentFile(fileName);
    }
}

BOOL CDocManager::DoPromptFileName(CString& fileName, BOOL bOpenFileDialog) {
    return AfxPromptFileName(fileName, bOpenFileDialog, nullptr);
}
