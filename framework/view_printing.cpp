// The view's part in printing: the framework's Print and Print Preview commands.
#include "framework/afx_ids.h"
#include "framework/print_dialog.h"
#include "framework/print_info.h"
#include "framework/print_job.h"
#include "framework/print_preview.h"
#include "framework/view.h"

BOOL CView::OnPreparePrinting(CPrintInfo* pInfo) {
    return DoPreparePrinting(pInfo);
}

BOOL CView::DoPreparePrinting(CPrintInfo* pInfo) {
    CPrintDialog* dialog = pInfo->m_pPD;
    dialog->m_nFromPage = dialog->m_nMinPage;
    dialog->m_nToPage = dialog->m_nMaxPage;
    dialog->m_pParentWnd = this;
    // Print-direct and preview take the chosen or default printer without asking;
    // the dialog comes up only when there is no printer to take.
    if (dialog->GetDefaults() && (pInfo->m_bPreview || pInfo->m_bDirect)) {
        return TRUE;
    }
    return dialog->DoModal() == IDOK;
}

void CView::OnPrepareDC(CDC* /*pDC*/, CPrintInfo* pInfo) {
    if (pInfo != nullptr) {
        pInfo->m_bContinuePrinting =
            pInfo->GetMaxPage() != AFX_NO_PAGE_COUNT || pInfo->m_nCurPage == 1;
    }
}

void CView::OnBeginPrinting(CDC* /*pDC*/, CPrintInfo* /*pInfo*/) {}

void CView::OnPrint(CDC* pDC, CPrintInfo* /*pInfo*/) {
    OnDraw(pDC);
}

void CView::OnEndPrinting(CDC* /*pDC*/, CPrintInfo* /*pInfo*/) {}

void CView::OnFilePrint() {
    CPrintInfo printInfo;
    // Print and print-direct share this handler; the command's id tells them apart.
    const MSG* msg = AfxGetCurrentMessage();
    printInfo.m_bDirect =
        msg != nullptr && msg->message == WM_COMMAND && LOWORD(msg->wParam) == ID_FILE_PRINT_DIRECT;
    if (OnPreparePrinting(&printInfo)) {
        AfxRunPrintJob(this, &printInfo);
    }
}

void CView::OnFilePrintPreview() {
    auto printInfo = std::make_unique<CPrintInfo>();
    printInfo->m_bPreview = TRUE;
    if (AfxIsInPrintPreview(this) || !OnPreparePrinting(printInfo.get())) {
        return;
    }
    AfxBeginPrintPreview(this, std::move(printInfo));
}
