// Opening and saving documents. Not realised yet: opening succeeds without reading,
// saving reports failure.
#include "framework/document.h"

BOOL CDocument::OnOpenDocument(LPCTSTR lpszPathName) {
    SetPathName(lpszPathName);
    SetModifiedFlag(FALSE);
    return TRUE;
}

BOOL CDocument::OnSaveDocument(LPCTSTR /*lpszPathName*/) { return FALSE; }

BOOL CDocument::SaveModified() { return TRUE; }

BOOL CDocument::DoSave(LPCTSTR /*lpszPathName*/, BOOL /*bReplace*/) { return FALSE; }

BOOL CDocument::DoFileSave() { return FALSE; }

void CDocument::OnFileSave() { DoFileSave(); }

void CDocument::OnFileSaveAs() { DoSave(nullptr); }
