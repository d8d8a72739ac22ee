#include "shell/quarvel_doc.h"

IMPLEMENT_DYNCREATE(CQuarvelDoc, CDocument)

BEGIN_MESSAGE_MAP(CQuarvelDoc, CDocument)
END_MESSAGE_MAP()

CQuarvelDoc::~CQuarvelDoc() = default;

// Nothing is read or written: a saved file is empty, and any file opens.
void CQuarvelDoc::Serialize(CArchive& /*ar*/) {}

BOOL CQuarvelDoc::OnNewDocument() {
    if (!CDocument::OnNewDocument()) {
        return FALSE;
    }
    return TRUE;
}
