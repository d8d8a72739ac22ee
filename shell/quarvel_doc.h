// The document: it holds nothing. The calculator's whole state is in the form's
// controls; the document is there for the File and Print commands to act on.
#pragma once

#include "framework/document.h"

class CQuarvelDoc : public CDocument {
    DECLARE_DYNCREATE(CQuarvelDoc)

public:
    ~CQuarvelDoc() override;

    void Serialize(CArchive& ar) override;
    BOOL OnNewDocument() override;

protected:
    CQuarvelDoc() = default;  // created by the document template only

    DECLARE_MESSAGE_MAP()
};
