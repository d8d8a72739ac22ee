// Scroll views: a view larger than its window scrolls, with scroll bars.
#pragma once

#include "framework/view.h"

// Mapping modes: one logical unit is one pixel.
constexpr int MM_TEXT = 1;

class CScrollView : public CView {
    DECLARE_DYNAMIC(CScrollView)

public:
    CScrollView() = default;

    // Scroll views are windows of the scroll-area class unless a class is asked for.
    BOOL PreCreateWindow(CREATESTRUCT& cs) override;

    // The size of the whole view; the window shows scroll bars in each direction in
    // which its client area is smaller.
    void SetScrollSizes(int nMapMode, SIZE sizeTotal);
    CSize GetTotalSize() const { return m_totalSize; }
    POINT GetScrollPosition() const;
    void ScrollToPosition(POINT pt);

    // Fits the parent frame to the view's total size. With bShrinkOnly, the frame only
    // becomes smaller, in each direction in which the view's client area is larger
    // than the total size; where the client area is smaller, room stays for the
    // scroll bar that the other direction then needs.
    void ResizeParentToFit(BOOL bShrinkOnly = TRUE);

protected:
    CSize m_totalSize;
    int m_nMapMode = MM_TEXT;

    DECLARE_MESSAGE_MAP()
};
