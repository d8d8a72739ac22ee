// Opening and saving documents: the framework's side of the File commands.
#include <QFileInfo>
#include <exception>

#include "framework/afx_ids.h"
#include "framework/app.h"
#include "framework/archive.h"
#include "framework/document.h"
#include "framework/file.h"
#include "framework/file_dialog.h"
#include "framework/message_box.h"
#include "framework/window_class.h"

namespace {

// Failures that are not the layer's own (out of memory, say) get the command's text.
void ReportUnexpected(UINT nMessageID) {
    AfxMessageBox(nMessageID, MB_OK | MB_ICONWARNING);
}

}  // namespace

void CDocument::SetPathName(LPCTSTR lpszPathName, BOOL bAddToMRU) {
    const QFileInfo info(AfxQString(lpszPathName));
    m_strPathName = CString(info.absoluteFilePath().toStdString());
    SetTitle(CString(info.fileName().toStdString()));
    if (CWinApp* app = AfxGetApp(); bAddToMRU && app != nullptr) {
        app->AddToRecentFileList(m_strPathName);
    }
}

BOOL CDocument::OnOpenDocument(LPCTSTR lpszPathName) {
    CFile file;
    CFileException openError;
    // Others may read the file meanwhile but not change it.
    if (!file.Open(lpszPathName, CFile::modeRead | CFile::shareDenyWrite, &openError)) {
        openError.ReportError(MB_OK | MB_ICONWARNING, AFX_IDP_FAILED_TO_OPEN_DOC);
        return FALSE;
    }
    DeleteContents();
    // Modified while it is being read: a half-read document is not the old one.
    SetModifiedFlag(TRUE);
    bool failed = false;
    try {
        if (file.GetLength() != 0) {
            CArchive loadArchive(&file, CArchive::load);
            loadArchive.m_pDocument = this;
            Serialize(loadArchive);
            loadArchive.Close();
        }
        file.Close();
    } catch (const CException& error) {
        file.Abort();
        error.ReportError(MB_OK | MB_ICONWARNING, AFX_IDP_FAILED_TO_OPEN_DOC);
        failed = true;
    } catch (const std::exception&) {
        file.Abort();
        ReportUnexpected(AFX_IDP_FAILED_TO_OPEN_DOC);
        failed = true;
    }
    if (failed) {
        // Neither the old document nor the file any more: untitled, as after New.
        // The views are not updated, so what they show stays.
        DeleteContents();
        m_strPathName.Empty();
        CString untitled;
        untitled.LoadString(AFX_IDS_UNTITLED);
        SetTitle(untitled);
        SetModifiedFlag(FALSE);
        return FALSE;
    }
    SetModifiedFlag(FALSE);
    return TRUE;
}

BOOL CDocument::OnSaveDocument(LPCTSTR lpszPathName) {
    CFile file;
    CFileException openError;
    if (!file.Open(lpszPathName, CFile::modeCreate | CFile::modeReadWrite | CFile::shareExclusive,
                   &openError)) {
        openError.ReportError(MB_OK | MB_ICONWARNING, AFX_IDP_FAILED_TO_SAVE_DOC);
        return FALSE;
    }
    try {
        CArchive storeArchive(&file, CArchive::store);
        storeArchive.m_pDocument = this;
        Serialize(storeArchive);
        storeArchive.Close();
        file.Close();  // only now does the new file replace the old one
    } catch (const CException& error) {
        file.Abort();
        error.ReportError(MB_OK | MB_ICONWARNING, AFX_IDP_FAILED_TO_SAVE_DOC);
        return FALSE;
    } catch (const std::exception&) {
        file.Abort();
        ReportUnexpected(AFX_IDP_FAILED_TO_SAVE_DOC);
        return FALSE;
    }
    SetModifiedFlag(FALSE);
    return TRUE;
}

BOOL CDocument::SaveModified() {
    if (!IsModified()) {
        return TRUE;
    }
    CString prompt;
    AfxFormatString1(prompt, AFX_IDP_ASK_TO_SAVE,
                     m_strPathName.IsEmpty() ? m_strTitle : m_strPathName);
    switch (AfxMessageBox(prompt, MB_YESNOCANCEL | MB_ICONQUESTION)) {
        case IDCANCEL:
            return FALSE;
        case IDYES:
            return DoFileSave();
        default:
            return TRUE;
    }
}

BOOL CDocument::DoSave(LPCTSTR lpszPathName, BOOL bReplace) {
    CString newName = lpszPathName;
    if (newName.IsEmpty()) {
        // The full path, else the title; no extension is added to either.
        newName = m_strPathName;
        if (bReplace && newName.IsEmpty()) {
            newName = m_strTitle;
        }
        if (!AfxPromptFileName(newName, FALSE, "Save As")) {
            return FALSE;
        }
    }
    if (!OnSaveDocument(newName)) {
        return FALSE;
    }
    if (bReplace) {
        SetPathName(newName);
    }
    return TRUE;
}

BOOL CDocument::DoFileSave() {
    // A file that is read-only, or gone, cannot be written in place: ask where to.
    CFileStatus status;
    if (m_strPathName.IsEmpty() || !CFile::GetStatus(m_strPathName, status) ||
        (status.m_attribute & CFileStatus::readOnly) != 0) {
        return DoSave(nullptr);
    }
    return DoSave(m_strPathName);
}

void CDocument::OnFileSave() {
    DoFileSave();
}

void CDocument::OnFileSaveAs() {
    DoSave(nullptr);
}
