#include "framework/scroll_view.h"

#include <QScrollArea>
#include <QScrollBar>
#include <QStyle>
#include <algorithm>

#include "framework/frame_wnd.h"
#include "framework/scroll_area.h"

IMPLEMENT_DYNAMIC(CScrollView, CView)

BEGIN_MESSAGE_MAP(CScrollView, CView)
END_MESSAGE_MAP()

BOOL CScrollView::PreCreateWindow(CREATESTRUCT& cs) {
    if (cs.lpszClass == nullptr) {
        AfxRegisterScrollViewClass();
        cs.lpszClass = "AfxScrollView";
    }
    return CView::PreCreateWindow(cs);
}

void CScrollView::SetScrollSizes(int nMapMode, SIZE sizeTotal) {
    m_nMapMode = nMapMode;
    m_totalSize = CSize(sizeTotal.cx, sizeTotal.cy);
    if (auto* area = qobject_cast<QScrollArea*>(m_hWnd)) {
        area->widget()->resize(sizeTotal.cx, sizeTotal.cy);
    }
}

POINT CScrollView::GetScrollPosition() const {
    auto* area = qobject_cast<QScrollArea*>(m_hWnd);
    if (area == nullptr) {
        return POINT{};
    }
    return POINT{area->horizontalScrollBar()->value(), area->verticalScrollBar()->value()};
}

void CScrollView::ScrollToPosition(POINT pt) {
    if (auto* area = qobject_cast<QScrollArea*>(m_hWnd)) {
        area->horizontalScrollBar()->setValue(pt.x);
        area->verticalScrollBar()->setValue(pt.y);
    }
}

void CScrollView::ResizeParentToFit(BOOL bShrinkOnly) {
    CFrameWnd* frame = GetParentFrame();
    if (frame == nullptr || frame->m_hWnd == nullptr || m_hWnd == nullptr) {
        return;
    }
    // The view's whole client area, scroll bars included.
    const QSize have = m_hWnd->size();
    int dx = have.width() - m_totalSize.cx;
    int dy = have.height() - m_totalSize.cy;
    if (bShrinkOnly) {
        const int bar = m_hWnd->style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, m_hWnd);
        const bool keepsVerticalBar = dy < 0;
        const bool keepsHorizontalBar = dx < 0;
        dx = std::max(0, dx - (keepsVerticalBar ? bar : 0));
        dy = std::max(0, dy - (keepsHorizontalBar ? bar : 0));
    }
    if (dx == 0 && dy == 0) {
        return;
    }
    QWidget* window = frame->m_hWnd;
    window->resize(window->width() - dx, window->height() - dy);
    frame->RecalcLayout();
}
