// The frame's menus and message pane: command enabling when a drop-down menu opens,
// the prompts of highlighted items, and the idle text.
#include <string>

#include "framework/frame_wnd.h"
#include "framework/menu.h"
#include "framework/resources.h"

void CFrameWnd::OnInitMenuPopup(CMenu* pPopupMenu, UINT /*nIndex*/, BOOL bSysMenu) {
    if (bSysMenu || pPopupMenu == nullptr) {
        return;
    }
    CMenuCmdUI state;
    state.m_pMenu = pPopupMenu;
    state.m_nIndexMax = pPopupMenu->GetMenuItemCount();
    for (state.m_nIndex = 0; state.m_nIndex < state.m_nIndexMax; ++state.m_nIndex) {
        state.m_nID = pPopupMenu->GetMenuItemID(static_cast<int>(state.m_nIndex));
        // Separators have no command; a nested menu is updated when it opens.
        if (state.m_nID == 0 || state.m_nID == static_cast<UINT>(-1)) {
            continue;
        }
        state.m_pSubMenu = nullptr;
        const UINT countBefore = state.m_nIndexMax;
        state.DoUpdate(this, m_bAutoMenuEnable);
        const UINT countNow = pPopupMenu->GetMenuItemCount();
        if (state.m_nIndexMax == countBefore && countNow != countBefore) {
            // The handler changed the menu without saying where it stopped: go on after
            // what it added, or look again at the place of what it removed.
            if (countNow > countBefore) {
                state.m_nIndex += countNow - countBefore;
            } else {
                --state.m_nIndex;  // wraps below 0 and comes back to 0
            }
        }
        state.m_nIndexMax = countNow;
    }
}

void CFrameWnd::OnMenuSelect(UINT nItemID, UINT nFlags, HMENU hSysMenu) {
    if (nFlags == MF_MENU_CLOSED && hSysMenu == nullptr) {
        m_nIDTracking = AFX_IDS_IDLEMESSAGE;
    } else if (nItemID == 0 || (nFlags & (MF_SEPARATOR | MF_POPUP)) != 0) {
        m_nIDTracking = 0;
    } else {
        m_nIDTracking = nItemID;
    }
    SendMessage(WM_SETMESSAGESTRING, m_nIDTracking);
}

LRESULT CFrameWnd::OnInitMenuPopupMessage(WPARAM wParam, LPARAM lParam) {
    OnInitMenuPopup(CMenu::FromHandle(reinterpret_cast<HMENU>(wParam)),
                    LOWORD(static_cast<std::uintptr_t>(lParam)),
                    HIWORD(static_cast<std::uintptr_t>(lParam)));
    return 0;
}

LRESULT CFrameWnd::OnMenuSelectMessage(WPARAM wParam, LPARAM lParam) {
    OnMenuSelect(LOWORD(wParam), HIWORD(wParam), reinterpret_cast<HMENU>(lParam));
    return 0;
}

CWnd* CFrameWnd::GetMessageBar() const {
    return GetDlgItem(static_cast<int>(AFX_IDW_STATUS_BAR));
}

void CFrameWnd::SetMessageText(LPCTSTR lpszText) {
    SendMessage(WM_SETMESSAGESTRING, 0, reinterpret_cast<LPARAM>(lpszText));
}

void CFrameWnd::SetMessageText(UINT nID) {
    SendMessage(WM_SETMESSAGESTRING, nID);
}

void CFrameWnd::GetMessageString(UINT nID, CString& rMessage) const {
    const char* text = AfxFindString(nID);
    const std::string full = text != nullptr ? text : "";
    rMessage = CString(full.substr(0, full.find('\n')));
}

LRESULT CFrameWnd::OnSetMessageString(WPARAM wParam, LPARAM lParam) {
    const auto nID = static_cast<UINT>(wParam);
    const UINT previous = m_nIDLastMessage;
    if (CWnd* bar = GetMessageBar()) {
        CString message;
        if (lParam != 0) {
            message = reinterpret_cast<LPCTSTR>(lParam);
        } else if (nID != 0) {
            GetMessageString(nID, message);
        }
        bar->SetWindowText(message);
        m_nIDLastMessage = nID;
        m_nIDTracking = nID;
    }
    return previous;
}

LRESULT CFrameWnd::OnIdleUpdateCmdUI(WPARAM /*wParam*/, LPARAM /*lParam*/) {
    if (m_nIDTracking != m_nIDLastMessage) {
        SendMessage(WM_SETMESSAGESTRING, m_nIDTracking);
    }
    OnUpdateFrameTitle(TRUE);
    return 0;
}
