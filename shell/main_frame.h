// The main window: the frame with the menu, the toolbar, the status bar and the
// calculator's view between them.
#pragma once

#include "framework/frame_wnd.h"
#include "framework/status_bar.h"
#include "framework/toolbar.h"

class CMainFrame : public CFrameWnd {
protected:
    // Created by the document template through its run-time class only.
    CMainFrame() = default;
    DECLARE_DYNCREATE(CMainFrame)

public:
    ~CMainFrame() override;
    BOOL PreCreateWindow(CREATESTRUCT& cs) override;

protected:
    CStatusBar m_wndStatusBar;
    CToolBar m_wndToolBar;

    // Builds the view (through the base), then the toolbar and the status bar; -1 when
    // any of them cannot be made.
    int OnCreate(LPCREATESTRUCT lpCreateStruct);

    DECLARE_MESSAGE_MAP()
};
