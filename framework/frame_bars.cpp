// The frame's control bars: docking, the View menu's bar toggles and the lock-key
// indicators.
#include <QMainWindow>
#include <QToolBar>

#include "framework/bar_sides.h"
#include "framework/control_bar.h"
#include "framework/frame_wnd.h"
#include "framework/keyboard.h"
#include "framework/resources.h"
#include "framework/window_class.h"

namespace {

DWORD SideOfDockBar(UINT nDockBarID) {
    switch (nDockBarID) {
        case AFX_IDW_DOCKBAR_TOP:
            return CBRS_ALIGN_TOP;
        case AFX_IDW_DOCKBAR_BOTTOM:
            return CBRS_ALIGN_BOTTOM;
        case AFX_IDW_DOCKBAR_LEFT:
            return CBRS_ALIGN_LEFT;
        case AFX_IDW_DOCKBAR_RIGHT:
            return CBRS_ALIGN_RIGHT;
        default:
            return 0;
    }
}

// The first side of top, bottom, left, right that `sides` holds.
DWORD FirstSide(DWORD sides) {
    for (DWORD side : {CBRS_ALIGN_TOP, CBRS_ALIGN_BOTTOM, CBRS_ALIGN_LEFT, CBRS_ALIGN_RIGHT}) {
        if ((sides & side) != 0) {
            return side;
        }
    }
    return 0;
}

}  // namespace

void CFrameWnd::EnableDocking(DWORD dwDockStyle) {
    m_dwDockStyle = dwDockStyle & CBRS_ALIGN_ANY;
    for (HWND child : AfxChildWindows(m_hWnd)) {
        if (auto* bar = dynamic_cast<CControlBar*>(CWnd::FromHandlePermanent(child))) {
            bar->ApplyDockingRules();
        }
    }
}

void CFrameWnd::DockControlBar(CControlBar* pBar, UINT nDockBarID, const RECT* /*lpRect*/) {
    auto* window = qobject_cast<QMainWindow*>(m_hWnd);
    auto* toolBar = pBar != nullptr ? qobject_cast<QToolBar*>(pBar->m_hWnd) : nullptr;
    if (window == nullptr || toolBar == nullptr) {
        return;
    }
    const DWORD allowed = pBar->m_dwDockStyle & m_dwDockStyle;
    DWORD side = SideOfDockBar(nDockBarID) & allowed;
    if (side == 0) {
        side = FirstSide(pBar->m_dwStyle & allowed);
    }
    if (side == 0) {
        side = FirstSide(allowed);
    }
    if (side == 0) {
        return;
    }
    window->addToolBar(AfxToolBarArea(side), toolBar);
    pBar->m_dwStyle = (pBar->m_dwStyle & ~CBRS_ALIGN_ANY) | side;
    pBar->ApplyDockingRules();
    RecalcLayout();
}

void CFrameWnd::ShowControlBar(CControlBar* pBar, BOOL bShow, BOOL /*bDelay*/) {
    if (pBar == nullptr) {
        return;
    }
    // A bar comes back where it was, docked or floating: only its visibility changes.
    pBar->ShowWindow(bShow ? SW_SHOW : SW_HIDE);
    RecalcLayout();
}

CControlBar* CFrameWnd::GetControlBar(UINT nID) const {
    CWnd* child = GetDlgItem(static_cast<int>(nID));
    return child != nullptr ? dynamic_cast<CControlBar*>(child) : nullptr;
}

BOOL CFrameWnd::OnBarCheck(UINT nID) {
    CControlBar* bar = GetControlBar(nID);
    if (bar == nullptr) {
        return FALSE;
    }
    ShowControlBar(bar, (bar->GetStyle() & WS_VISIBLE) == 0, FALSE);
    return TRUE;
}

void CFrameWnd::OnUpdateControlBarMenu(CCmdUI* pCmdUI) {
    if (CControlBar* bar = GetControlBar(pCmdUI->m_nID)) {
        pCmdUI->SetCheck((bar->GetStyle() & WS_VISIBLE) != 0 ? 1 : 0);
        return;
    }
    pCmdUI->ContinueRouting();
}

void CFrameWnd::OnUpdateKeyIndicator(CCmdUI* pCmdUI) {
    const int key = pCmdUI->m_nID == ID_INDICATOR_CAPS  ? VK_CAPITAL
                    : pCmdUI->m_nID == ID_INDICATOR_NUM ? VK_NUMLOCK
                                                        : VK_SCROLL;
    pCmdUI->Enable((GetKeyState(key) & 1) != 0);
}
