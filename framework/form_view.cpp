#include "framework/form_view.h"

#include "framework/dialog.h"
#include "framework/dialog_builder.h"
#include "framework/resources.h"
#include "framework/window_class.h"

IMPLEMENT_DYNAMIC(CFormView, CScrollView)

BEGIN_MESSAGE_MAP(CFormView, CScrollView)
END_MESSAGE_MAP()

CFormView::CFormView(UINT nIDTemplate) : m_nIDTemplate(nIDTemplate) {}

int CFormView::OnCreate(LPCREATESTRUCT lpCreateStruct) {
    return CScrollView::OnCreate(lpCreateStruct);
}

BOOL CFormView::Create(LPCTSTR lpszClassName, LPCTSTR lpszWindowName, DWORD dwStyle,
                       const RECT& rect, CWnd* pParentWnd, UINT nID, void* pContext) {
    if (!CScrollView::Create(lpszClassName, lpszWindowName, dwStyle, rect, pParentWnd, nID,
                             pContext)) {
        return FALSE;
    }
    const DialogTemplate* form = AfxFindDialog(m_nIDTemplate);
    if (form == nullptr) {
        DestroyWindow();
        return FALSE;
    }
    const QFont font = AfxDialogFont(*form);
    const DialogBaseUnits units = AfxDialogBaseUnits(font);
    AfxClientWidget(m_hWnd)->setFont(font);
    HWND hView = m_hWnd;
    if (!AfxCreateDialogControls(hView, *form, units)) {
        DestroyWindow();
        return FALSE;
    }
    SetScrollSizes(MM_TEXT, CSize(units.ToPixelsX(form->cx), units.ToPixelsY(form->cy)));
    if (!AfxApplyDialogInit(hView, AfxFindDialogInit(m_nIDTemplate))) {
        DestroyWindow();
        return FALSE;
    }
    return TRUE;
}

void CFormView::OnInitialUpdate() {
    UpdateData(FALSE);
    CScrollView::OnInitialUpdate();
}
