// Control bars: the toolbar and the status bar along the frame's edges.
#pragma once

#include "framework/wnd.h"

class CFrameWnd;

class CControlBar : public CWnd {
    DECLARE_DYNAMIC(CControlBar)

public:
    CControlBar() = default;
    ~CControlBar() override;

    // The bar's own style: CBRS_ALIGN_* (its side), CBRS_BORDER_*, CBRS_TOOLTIPS,
    // CBRS_FLYBY, CBRS_SIZE_DYNAMIC, CBRS_GRIPPER.
    DWORD GetBarStyle() const { return m_dwStyle; }
    void SetBarStyle(DWORD dwStyle);
    // The sides (CBRS_ALIGN_*) where the bar may dock; 0 keeps it where it is.
    // Docking also needs the frame's EnableDocking for that side.
    void EnableDocking(DWORD dwDockStyle);
    BOOL IsFloating() const;
    // The frame the bar belongs to.
    CFrameWnd* GetDockingFrame() const;

    virtual int GetCount() const { return 0; }
    // Updates the bar's buttons or panes through the command route, starting at the
    // frame; commands without a handler are disabled when bDisableIfNoHndler is set.
    virtual void OnUpdateCmdUI(CFrameWnd* pTarget, BOOL bDisableIfNoHndler) = 0;

    DWORD m_dwStyle = 0;
    DWORD m_dwDockStyle = 0;

protected:
    // Creates the bar's window of the given class: the CBRS_ bits of dwStyle become
    // the bar's style, the others the window's.
    BOOL CreateBar(LPCTSTR lpszClassName, CWnd* pParentWnd, DWORD dwStyle, UINT nID);
    // Lets the bar be dragged to the sides its own and its frame's docking styles both
    // allow, or nowhere.
    virtual void ApplyDockingRules() {}
    // WM_IDLEUPDATECMDUI: a visible bar updates itself.
    LRESULT OnIdleUpdateCmdUI(WPARAM wParam, LPARAM lParam);

    friend class CFrameWnd;

    DECLARE_MESSAGE_MAP()
};
