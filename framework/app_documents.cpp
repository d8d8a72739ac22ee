// The application's side of documents: templates, New, Open and the recent files.
#include "framework/afx_ids.h"
#include "framework/app.h"
#include "framework/doc_manager.h"
#include "framework/doc_template.h"
#include "framework/recent_file_list.h"

void CWinApp::AddDocTemplate(CDocTemplate* pTemplate) {
    if (!m_pDocManager) {
        m_pDocManager = std::make_unique<CDocManager>();
    }
    m_pDocManager->AddDocTemplate(pTemplate);
}

CDocument* CWinApp::OpenDocumentFile(LPCTSTR lpszFileName) {
    return m_pDocManager ? m_pDocManager->OpenDocumentFile(lpszFileName) : nullptr;
}

void CWinApp::OnFileNew() {
    if (m_pDocManager) {
        m_pDocManager->OnFileNew();
    }
}

void CWinApp::OnFileOpen() {
    if (m_pDocManager) {
        m_pDocManager->OnFileOpen();
    }
}

void CWinApp::AddToRecentFileList(LPCTSTR lpszPathName) {
    if (m_pRecentFileList) {
        m_pRecentFileList->Add(lpszPathName);
    }
}

BOOL CWinApp::OnOpenRecentFile(UINT nID) {
    if (!m_pRecentFileList) {
        return FALSE;
    }
    const int index = static_cast<int>(nID - ID_FILE_MRU_FILE1);
    if (index < 0 || index >= m_pRecentFileList->GetSize() ||
        (*m_pRecentFileList)[index].IsEmpty()) {
        return FALSE;
    }
    // The entry's text is copied: a successful open reorders the list.
    const CString path = (*m_pRecentFileList)[index];
    if (OpenDocumentFile(path) == nullptr) {
        m_pRecentFileList->Remove(index);
    }
    return TRUE;
}

void CWinApp::OnUpdateRecentFileMenu(CCmdUI* pCmdUI) {
    if (!m_pRecentFileList) {
        pCmdUI->Enable(FALSE);
        return;
    }
    m_pRecentFileList->UpdateMenu(pCmdUI);
}
