// Frame windows: the main window with its menu, bars, accelerators and view.
#pragma once

#include <span>

#include "framework/afx_ids.h"
#include "framework/create_context.h"
#include "framework/resources.h"
#include "framework/wnd.h"

class CControlBar;
class CDocument;
class CMenu;
class CView;

class CFrameWnd : public CWnd {
    DECLARE_DYNCREATE(CFrameWnd)

public:
    CFrameWnd() = default;
    ~CFrameWnd() override;

    // Creates the frame from one resource id: its menu, accelerators, icon and title
    // (the first field of the string with that id). A frame whose window came to
    // exist and then failed to be created has deleted itself when this returns FALSE.
    virtual BOOL LoadFrame(UINT nIDResource,
                           DWORD dwDefaultStyle = WS_OVERLAPPEDWINDOW | FWS_ADDTOTITLE,
                           CWnd* pParentWnd = nullptr, CCreateContext* pContext = nullptr);
    BOOL Create(LPCTSTR lpszClassName, LPCTSTR lpszWindowName, DWORD dwStyle = WS_OVERLAPPEDWINDOW,
                const RECT& rect = RECT{}, CWnd* pParentWnd = nullptr,
                LPCTSTR lpszMenuName = nullptr, DWORD dwExStyle = 0,
                CCreateContext* pContext = nullptr);

    BOOL PreCreateWindow(CREATESTRUCT& cs) override;
    // Keys of the frame's accelerator table become commands here, before the focused
    // control sees them; such a key is taken even when its command is disabled.
    BOOL PreTranslateMessage(MSG* pMsg) override;
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
    // Puts the document's title and the window title into the caption: "document -
    // window" with FWS_PREFIXTITLE, else "window - document".
    virtual void OnUpdateFrameTitle(BOOL bAddToTitle);
    void SetTitle(LPCTSTR lpszTitle) { m_strTitle = lpszTitle; }
    const CString& GetTitle() const { return m_strTitle; }

    // Accelerators: the table that PreTranslateMessage translates with.
    BOOL LoadAccelTable(UINT nIDResource);
    std::span<const ACCEL> GetAccelTable() const { return m_accelTable; }
    // The entry of the table that a key message stands for when it comes from a
    // window of this frame; null otherwise.
    const ACCEL* FindAccelerator(const MSG* pMsg) const;

    // The menu bar's drop-down menus are updated through the command route when they
    // open, unless this is cleared.
    BOOL m_bAutoMenuEnable = TRUE;

    // Control bars. Docking: the sides (CBRS_ALIGN_*) of the frame where bars may
    // dock. DockControlBar puts a bar on the side nDockBarID (AFX_IDW_DOCKBAR_*), or
    // with 0 on the side its style asks for if allowed, else the first allowed side.
    void EnableDocking(DWORD dwDockStyle);
    void DockControlBar(CControlBar* pBar, UINT nDockBarID = 0, const RECT* lpRect = nullptr);
    void ShowControlBar(CControlBar* pBar, BOOL bShow, BOOL bDelay);
    CControlBar* GetControlBar(UINT nID) const;
    DWORD m_dwDockStyle = 0;

    // The message pane of the status bar (the child AFX_IDW_STATUS_BAR).
    CWnd* GetMessageBar() const;
    void SetMessageText(LPCTSTR lpszText);
    void SetMessageText(UINT nID);
    // The prompt of a command: its string up to the first "\n".
    virtual void GetMessageString(UINT nID, CString& rMessage) const;

protected:
    virtual BOOL OnCreateClient(LPCREATESTRUCT lpcs, CCreateContext* pContext);
    CWnd* CreateView(CCreateContext* pContext, UINT nID);
    int OnCreate(LPCREATESTRUCT lpCreateStruct);
    void OnDestroy();

    // A drop-down menu is opening: updates its items through the command route.
    void OnInitMenuPopup(CMenu* pPopupMenu, UINT nIndex, BOOL bSysMenu);
    // The highlight moved in a menu (nFlags MF_MENU_CLOSED without menu: closed).
    void OnMenuSelect(UINT nItemID, UINT nFlags, HMENU hSysMenu);
    // WM_SETMESSAGESTRING: the message pane shows the text lParam, or else the prompt
    // of command wParam (AFX_IDS_IDLEMESSAGE: the idle text; 0: nothing).
    LRESULT OnSetMessageString(WPARAM wParam, LPARAM lParam);
    // WM_IDLEUPDATECMDUI: the pane returns to the idle text, the caption follows the
    // document's title.
    LRESULT OnIdleUpdateCmdUI(WPARAM wParam, LPARAM lParam);
    BOOL OnBarCheck(UINT nID);
    void OnUpdateControlBarMenu(CCmdUI* pCmdUI);
    void OnUpdateKeyIndicator(CCmdUI* pCmdUI);

    CView* m_pViewActive = nullptr;
    CString m_strTitle;
    UINT m_nIDHelp = 0;
    std::span<const ACCEL> m_accelTable;
    // What the message pane should show (a command id, AFX_IDS_IDLEMESSAGE, or 0)
    // and what it last showed.
    UINT m_nIDTracking = AFX_IDS_IDLEMESSAGE;
    UINT m_nIDLastMessage = 0;

    DECLARE_MESSAGE_MAP()

private:
    LRESULT OnInitMenuPopupMessage(WPARAM wParam, LPARAM lParam);
    LRESULT OnMenuSelectMessage(WPARAM wParam, LPARAM lParam);
    // The menu resource that OnCreate puts on the window (set by LoadFrame).
    UINT m_nIDMenuPending = 0;
};
