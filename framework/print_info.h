// What the framework tells a view about a print job or a preview.
#pragma once

#include <memory>

#include "framework/afx_types.h"
#include "framework/cstring.h"

class CPrintDialog;

class CPrintInfo {
public:
    CPrintInfo();
    ~CPrintInfo();
    CPrintInfo(const CPrintInfo&) = delete;
    CPrintInfo& operator=(const CPrintInfo&) = delete;

    // The document's pages, 1 to 65535 unless the view says otherwise; 65535 as the
    // maximum means that no page count was given.
    void SetMinPage(UINT nMinPage);
    void SetMaxPage(UINT nMaxPage);
    UINT GetMinPage() const;
    UINT GetMaxPage() const;
    // The pages the user asked for.
    UINT GetFromPage() const;
    UINT GetToPage() const;

    CPrintDialog* m_pPD;
    BOOL m_bDirect = FALSE;   // print without the print dialog
    BOOL m_bPreview = FALSE;  // pages go to print preview
    BOOL m_bContinuePrinting = TRUE;
    UINT m_nCurPage = 1;
    UINT m_nNumPreviewPages = 0;  // 0 or 1: one page; 2: two pages side by side
    CString m_strPageDesc;
    RECT m_rectDraw{};  // the page's printable area, in device units

private:
    std::unique_ptr<CPrintDialog> m_dialog;
};

// The page count when none was given.
constexpr UINT AFX_NO_PAGE_COUNT = 0xFFFF;
