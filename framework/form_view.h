// Form views: a view that shows a dialog template's controls, scrolling when its
// window is smaller than the form.
#pragma once

#include "framework/scroll_view.h"

class CFormView : public CScrollView {
    DECLARE_DYNAMIC(CFormView)

public:
    explicit CFormView(UINT nIDTemplate);

    // Creates the view window, then the form's controls from the template, sets the
    // scrollable size to the form's size and adds the dialog-initialisation data's
    // list items. On failure the window is destroyed again (the view with it) and
    // FALSE is returned.
    BOOL Create(LPCTSTR lpszClassName, LPCTSTR lpszWindowName, DWORD dwStyle, const RECT& rect,
                CWnd* pParentWnd, UINT nID, void* pContext = nullptr) override;

    // Puts the data into the controls (UpdateData(FALSE), which binds control
    // members on the first run), then updates the view.
    void OnInitialUpdate() override;

protected:
    int OnCreate(LPCREATESTRUCT lpCreateStruct);

    UINT m_nIDTemplate;

    DECLARE_MESSAGE_MAP()
};
