// The frame's menus and message pane: command enabling when a drop-down menu opens,
// the prompts of highlighted items, and the idle text.
#include <QAction>
#include <QMenu>
#include <QPointer>
#include <string>

#include "framework/frame_wnd.h"
#include "framework/menu.h"
#include "framework/resources.h"

void CFrameWnd::OnInitMenuPopup(CMenu* pPopupMenu, UINT /*nIndex*/, BOOL bSysMenu) {
    if (bSysMenu || pPopupMenu == nullptr || pPopupMenu->m_hMenu == nullptr) {
        return;
    }
    // Each item that was there when the menu began to open is updated once. An update
    // handler may insert and remove items (the recent-file list does); those it
    // inserts are left as it made them, and the walk never loses its place, because
    // after each update it looks again from the top for an item not yet done.
    QMenu* menu = pPopupMenu->m_hMenu;
    QList<QPointer<QAction>> pending;
    for (QAction* action : menu->actions()) {
        pending.append(action);
    }
    CMenuCmdUI state;
    state.m_pMenu = pPopupMenu;
    for (const QPointer<QAction>& item : pending) {
        const auto position = item ? menu->actions().indexOf(item.data()) : -1;
        if (position < 0) {
            continue;  // removed by an earlier handler
        }
        state.m_nIndex = static_cast<UINT>(position);
        state.m_nIndexMax = pPopupMenu->GetMenuItemCount();
        state.m_nID = pPopupMenu->GetMenuItemID(static_cast<int>(position));
        // Separators have no command; a nested menu is updated when it opens.
        if (state.m_nID == 0 || state.m_nID == static_cast<UINT>(-1)) {
            continue;
        }
        state.m_pSubMenu = nullptr;
        state.DoUpdate(this, m_bAutoMenuEnable);
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
