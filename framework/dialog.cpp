// Dialogs built from templates, and data exchange with their controls. (Running a
// dialog modally is in dialog_modal.cpp.)
#include "framework/dialog.h"

#include "framework/app.h"
#include "framework/dialog_builder.h"
#include "framework/dialog_navigation.h"
#include "framework/dialog_window.h"
#include "framework/window_class.h"

IMPLEMENT_DYNAMIC(CDialog, CWnd)

namespace {

HWND FindChildById(HWND hParent, int id) {
    for (HWND child : AfxChildWindows(hParent)) {
        if (AfxGetWindowData(child)->id == id) {
            return child;
        }
    }
    return nullptr;
}

}  // namespace

void DDX_Control(CDataExchange* pDX, int nIDC, CWnd& rControl) {
    if (rControl.m_hWnd != nullptr) {
        return;  // bound by an earlier exchange
    }
    HWND hControl = FindChildById(pDX->m_pDlgWnd->m_hWnd, nIDC);
    if (hControl == nullptr || !rControl.SubclassWindow(hControl)) {
        pDX->Fail();
    }
}

BOOL CWnd::UpdateData(BOOL bSaveAndValidate) {
    if (m_hWnd == nullptr) {
        return FALSE;
    }
    CDataExchange exchange(this, bSaveAndValidate);
    DoDataExchange(&exchange);
    return !exchange.m_bFailed;
}

CDialog::CDialog(UINT nIDTemplate, CWnd* pParentWnd)
    : m_nIDHelp(nIDTemplate), m_lpszTemplateName(nIDTemplate), m_pParentWnd(pParentWnd) {}

BOOL CDialog::Create(UINT nIDTemplate, CWnd* pParentWnd) {
    m_lpszTemplateName = nIDTemplate;
    if (m_nIDHelp == 0) {
        m_nIDHelp = nIDTemplate;
    }
    return CreateIndirect(AfxFindDialog(nIDTemplate), pParentWnd, nIDTemplate);
}

BOOL CDialog::CreateIndirect(const DialogTemplate* pTemplate, CWnd* pParentWnd, UINT nIDInitData) {
    if (pTemplate == nullptr || m_hWnd != nullptr) {
        return FALSE;
    }
    AfxRegisterDialogClass();
    if (pParentWnd != nullptr) {
        m_pParentWnd = pParentWnd;
    }
    const bool child = (pTemplate->style & WS_CHILD) != 0;
    CWnd* parent = m_pParentWnd;
    if (parent == nullptr && !child) {
        parent = AfxGetMainWnd();
    }
    const QFont font = AfxDialogFont(*pTemplate);
    const DialogBaseUnits units = AfxDialogBaseUnits(font);
    // A top-level dialog is placed by whoever shows it (centred when modal).
    const int x = child ? units.ToPixelsX(pTemplate->x) : CW_USEDEFAULT;
    const int y = child ? units.ToPixelsY(pTemplate->y) : CW_USEDEFAULT;
    if (!CreateEx(pTemplate->exStyle, "AfxDialog", pTemplate->title, pTemplate->style & ~WS_VISIBLE,
                  x, y, units.ToPixelsX(pTemplate->cx), units.ToPixelsY(pTemplate->cy),
                  parent != nullptr ? parent->m_hWnd : nullptr, 0)) {
        return FALSE;
    }
    AfxClientWidget(m_hWnd)->setFont(font);
    if (!AfxCreateDialogControls(m_hWnd, *pTemplate, units) ||
        !AfxApplyDialogInit(m_hWnd, AfxFindDialogInit(nIDInitData))) {
        DestroyWindow();
        return FALSE;
    }
    if (!child && (pTemplate->style & WS_THICKFRAME) == 0) {
        m_hWnd->setFixedSize(m_hWnd->size());
    }
    if (OnInitDialog()) {
        if (HWND first = AfxNextTabItem(m_hWnd, nullptr, false)) {
            first->setFocus(Qt::TabFocusReason);
        }
    }
    if ((pTemplate->style & WS_VISIBLE) != 0) {
        ShowWindow(SW_SHOW);
    }
    return TRUE;
}

BOOL CDialog::OnInitDialog() {
    UpdateData(FALSE);
    return TRUE;
}
