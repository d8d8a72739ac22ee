// Tool tips of windows: the widget's own tip, which Qt shows when the mouse rests on it.
#include <QWidget>

#include "framework/window_class.h"
#include "framework/wnd.h"

void CWnd::SetToolTipText(LPCTSTR lpszText) {
    if (m_hWnd != nullptr) {
        m_hWnd->setToolTip(AfxQString(lpszText));
    }
}

void CWnd::GetToolTipText(CString& rString) const {
    rString = m_hWnd != nullptr ? CString(m_hWnd->toolTip().toStdString()) : CString();
}
