// Views: the window inside a frame that shows a document.
#pragma once

#include "framework/wnd.h"

class CDocument;
class CDC;
class CPrintInfo;

class CView : public CWnd {
    DECLARE_DYNAMIC(CView)

public:
    CView() = default;
    ~CView() override;

    CDocument* GetDocument() const { return m_pDocument; }

    // Views are children of their frame and take the creation context's document.
    BOOL PreCreateWindow(CREATESTRUCT& cs) override;
    // Route: the view's own tables, then its document's.
    BOOL OnCmdMsg(UINT nID, int nCode, void* pExtra, AFX_CMDHANDLERINFO* pHandlerInfo) override;
    void PostNcDestroy() override;

    virtual void OnInitialUpdate();
    virtual void OnUpdate(CView* pSender, LPARAM lHint, CObject* pHint);
    virtual void OnDraw(CDC* /*pDC*/) {}

    // Printing hooks; the framework's Print and Print Preview commands call them.
    virtual BOOL OnPreparePrinting(CPrintInfo* pInfo);
    virtual void OnBeginPrinting(CDC* pDC, CPrintInfo* pInfo);
    virtual void OnPrint(CDC* pDC, CPrintInfo* pInfo);
    virtual void OnEndPrinting(CDC* pDC, CPrintInfo* pInfo);
    // Settles the printer: the print dialog for Print, none for print-direct and
    // preview (unless there is no printer). FALSE abandons printing or preview.
    BOOL DoPreparePrinting(CPrintInfo* pInfo);
    // Prepares the device for a page. While printing, a maximum page of 65535 means
    // that no count was given: page 1 prints and then printing stops.
    virtual void OnPrepareDC(CDC* pDC, CPrintInfo* pInfo = nullptr);

    // The framework's standard print commands (bound in a view's table).
    void OnFilePrint();
    void OnFilePrintPreview();

    CDocument* m_pDocument = nullptr;

protected:
    int OnCreate(LPCREATESTRUCT lpCreateStruct);
    // WM_INITIALUPDATE, sent by the frame: calls OnInitialUpdate.
    LRESULT OnInitialUpdateMessage(WPARAM wParam, LPARAM lParam);
    void OnUpdateNextPaneMenu(CCmdUI* pCmdUI);

    DECLARE_MESSAGE_MAP()
};
