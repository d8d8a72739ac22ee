// The view's part in printing.
#include "framework/view.h"

BOOL CView::OnPreparePrinting(CPrintInfo* pInfo) {
    return DoPreparePrinting(pInfo);
}

BOOL CView::DoPreparePrinting(CPrintInfo* /*pInfo*/) {
    return TRUE;
}

void CView::OnBeginPrinting(CDC* /*pDC*/, CPrintInfo* /*pInfo*/) {}

void CView::OnPrint(CDC* pDC, CPrintInfo* /*pInfo*/) {
    OnDraw(pDC);
}

void CView::OnEndPrinting(CDC* /*pDC*/, CPrintInfo* /*pInfo*/) {}

// Printing is not realised yet: the commands say so rather than pretend.
void CView::OnFilePrint() {
    MessageBox("Printing is not available in this build.");
}

void CView::OnFilePrintPreview() {
    MessageBox("Print preview is not available in this build.");
}
