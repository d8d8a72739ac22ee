// The view's part in printing: the framework prepares the job; the page stays blank.
#include "form/quarvel_view.h"

BOOL CQuarvelView::OnPreparePrinting(CPrintInfo* pInfo) {
    return DoPreparePrinting(pInfo);
}

void CQuarvelView::OnBeginPrinting(CDC* /*pDC*/, CPrintInfo* /*pInfo*/) {}

void CQuarvelView::OnPrint(CDC* /*pDC*/, CPrintInfo* /*pInfo*/) {}

void CQuarvelView::OnEndPrinting(CDC* /*pDC*/, CPrintInfo* /*pInfo*/) {}
