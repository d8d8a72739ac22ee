// Dialogs built from dialog templates, and dialog data exchange.
//
// The template is resource data (resources.h). Building it into widgets (dialog
// units, groups, tab order, the list items of the dialog-initialisation data) is
// shared by CDialog and CFormView.
#pragma once

#include "framework/resources.h"
#include "framework/wnd.h"

class CDataExchange {
public:
    CDataExchange(CWnd* pDlgWnd, BOOL bSaveAndValidate)
        : m_bSaveAndValidate(bSaveAndValidate), m_pDlgWnd(pDlgWnd) {}
    BOOL m_bSaveAndValidate;  // TRUE: from the controls to the members
    CWnd* m_pDlgWnd;
    BOOL m_bFailed = FALSE;  // set by an exchange that could not be made
    void Fail() { m_bFailed = TRUE; }
};

// Binds a member control object to the dialog's control nIDC. A member is bound on
// the first exchange only; later exchanges leave it alone.
void DDX_Control(CDataExchange* pDX, int nIDC, CWnd& rControl);

class CDialog : public CWnd {
    DECLARE_DYNAMIC(CDialog)

public:
    explicit CDialog(UINT nIDTemplate = 0, CWnd* pParentWnd = nullptr);

    // Runs the dialog modally: its owner (the given parent, else the main window) is
    // disabled meanwhile, and a template without a position of its own is centred
    // over the owner. Enter presses the default button; Escape and the close box
    // cancel. Returns the code given to EndDialog, or -1 when it cannot be created.
    virtual INT_PTR DoModal();
    void EndDialog(int nResult);

    // Creates the dialog's window from its template, hidden unless the template says
    // WS_VISIBLE: a top-level dialog window (or, for WS_CHILD, a child of the parent)
    // with the template's controls and list items, then OnInitDialog. The dialog
    // window answers Escape and its close box with WM_COMMAND IDCANCEL; a modal loop
    // ends it with QDialog::done, not reject. FALSE when the template is missing or
    // the window cannot be built.
    using CWnd::Create;
    BOOL Create(UINT nIDTemplate, CWnd* pParentWnd = nullptr);
    BOOL CreateIndirect(const DialogTemplate* pTemplate, CWnd* pParentWnd = nullptr,
                        UINT nIDInitData = 0);

    virtual BOOL OnInitDialog();
    virtual void OnOK();
    virtual void OnCancel();

    UINT m_nIDHelp = 0;

protected:
    UINT m_lpszTemplateName = 0;
    CWnd* m_pParentWnd = nullptr;
    int m_nModalResult = -1;

    DECLARE_MESSAGE_MAP()
};
