// Frame windows: the main window with its view (and, later, its bars and menu).
#pragma once

#include "framework/create_context.h"
#include "framework/wnd.h"

class CDocument;
class CView;

class CFrameWnd : public CWnd {
    DECLARE_DYNCREATE(CFrameWnd)

public:
    CFrameWnd() = default;
    ~CFrameWnd() override;

    // Creates the frame from one resource id: its title (the first field of the
    // string with that id), menu, accelerators and icon.
    virtual BOOL LoadFrame(UINT nIDResource,
                           DWORD dwDefaultStyle = WS_OVERLAPPEDWINDOW | FWS_ADDTOTITLE,
                           CWnd* pParentWnd = nullptr, CCreateContext* pContext = nullptr);
    BOOL Create(LPCTSTR lpszClassName, LPCTSTR lpszWindowName,
                DWORD dwStyle = WS_OVERLAPPEDWINDOW, const RECT& rect = RECT{}, CWnd* pParentWnd = nullptr,
                LPCTSTR lpszMenuName = nullptr, DWORD dwExStyle = 0,
                CCreateContext* pContext = nullptr);

    BOOL PreCreateWindow(CREATESTRUCT& cs) override;
    // Route: the active view (and its document), then the frame, then the application.
    BOOL OnCmdMsg(UINT nID, int nCode, void* pExtra, AFX_CMDHANDLERINFO* pHandlerInfo) override;
    void PostNcDestroy() override;

    // Lays out the bars and the view in the client area.
    virtual void RecalcLayout(BOOL bNotify = TRUE);
    CView* GetActiveView() const { return m_pViewActive; }
    void SetActiveView(CView* pViewNew, BOOL bNotify = TRUE);
    CDocument* GetActiveDocument() const;
    // Sends the initial update to the frame's views, makes a view active, and shows
    // the frame when bMakeVisible is set.
    virtual void InitialUpdateFrame(CDocument* pDoc, BOOL bMakeVisible);
    // Puts the document's title (and the window title) into the caption.
    virtual void OnUpdateFrameTitle(BOOL bAddToTitle);
    void SetTitle(LPCTSTR lpszTitle) { m_strTitle = lpszTitle; }
    const CString& GetTitle() const { return m_strTitle; }

protected:
    virtual BOOL OnCreateClient(LPCREATESTRUCT lpcs, CCreateContext* pContext);
    CWnd* CreateView(CCreateContext* pContext, UINT nID);
    int OnCreate(LPCREATESTRUCT lpCreateStruct);
    void OnDestroy();

    CView* m_pViewActive = nullptr;
    CString m_strTitle;
    UINT m_nIDHelp = 0;

    DECLARE_MESSAGE_MAP()
};
