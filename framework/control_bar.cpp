#include "framework/control_bar.h"

#include <QWidget>

#include "framework/frame_wnd.h"

IMPLEMENT_DYNAMIC(CControlBar, CWnd)

BEGIN_MESSAGE_MAP(CControlBar, CWnd)
ON_MESSAGE(WM_IDLEUPDATECMDUI, &CControlBar::OnIdleUpdateCmdUI)
END_MESSAGE_MAP()

CControlBar::~CControlBar() = default;

BOOL CControlBar::CreateBar(LPCTSTR lpszClassName, CWnd* pParentWnd, DWORD dwStyle, UINT nID) {
    if (pParentWnd == nullptr || pParentWnd->m_hWnd == nullptr) {
        return FALSE;
    }
    m_dwStyle = dwStyle & CBRS_ALL;
    return CreateEx(0, lpszClassName, nullptr, (dwStyle & ~CBRS_ALL) | WS_CHILD, 0, 0, 0, 0,
                    pParentWnd->m_hWnd, nID);
}

void CControlBar::SetBarStyle(DWORD dwStyle) {
    m_dwStyle = dwStyle & CBRS_ALL;
}

void CControlBar::EnableDocking(DWORD dwDockStyle) {
    m_dwDockStyle = dwDockStyle & CBRS_ALIGN_ANY;
    ApplyDockingRules();
}

BOOL CControlBar::IsFloating() const {
    return m_hWnd != nullptr && m_hWnd->isWindow();
}

CFrameWnd* CControlBar::GetDockingFrame() const {
    return GetParentFrame();
}

LRESULT CControlBar::OnIdleUpdateCmdUI(WPARAM wParam, LPARAM /*lParam*/) {
    if ((GetStyle() & WS_VISIBLE) != 0) {
        if (CFrameWnd* target = GetDockingFrame()) {
            OnUpdateCmdUI(target, static_cast<BOOL>(wParam));
        }
    }
    return 0;
}
