// Toolbars: a row of buttons for commands, with pictures from one bitmap.
#pragma once

#include <vector>

#include "framework/afx_ids.h"
#include "framework/control_bar.h"

class CToolBar : public CControlBar {
    DECLARE_DYNAMIC(CToolBar)

public:
    CToolBar() = default;
    ~CToolBar() override;

    BOOL Create(CWnd* pParentWnd, DWORD dwStyle = WS_CHILD | WS_VISIBLE | CBRS_TOP,
                UINT nID = AFX_IDW_TOOLBAR);
    // dwCtrlStyle: TBSTYLE_FLAT for buttons that show their edges only under the
    // mouse. rcBorders: the space around the buttons. The bar goes to the frame's side
    // that its CBRS_ALIGN_* style names.
    BOOL CreateEx(CWnd* pParentWnd, DWORD dwCtrlStyle = TBSTYLE_FLAT,
                  DWORD dwStyle = WS_CHILD | WS_VISIBLE | CBRS_ALIGN_TOP,
                  CRect rcBorders = CRect(0, 0, 0, 0), UINT nID = AFX_IDW_TOOLBAR);

    // The toolbar resource (version 1, image width and height, button count, then the
    // buttons' commands, 0 for a separator; 16-bit fields) and the bitmap of the same
    // id. FALSE when either is missing or malformed.
    BOOL LoadToolBar(UINT nIDResource);
    // The button pictures: images of the set size side by side, in button order.
    BOOL LoadBitmap(UINT nIDResource);
    // The buttons: the k-th that is not a separator (ID_SEPARATOR) shows image k.
    BOOL SetButtons(const UINT* lpIDArray, int nIDCount);
    void SetSizes(SIZE sizeButton, SIZE sizeImage);

    int GetCount() const override { return static_cast<int>(m_buttons.size()); }
    UINT GetItemID(int nIndex) const;
    // The index of the button with the command, or -1.
    int CommandToIndex(UINT nIDFind) const;

    void OnUpdateCmdUI(CFrameWnd* pTarget, BOOL bDisableIfNoHndler) override;

protected:
    void ApplyDockingRules() override;

private:
    std::vector<UINT> m_buttons;
    DWORD m_dwCtrlStyle = 0;
    SIZE m_sizeImage{16, 15};
    SIZE m_sizeButton{23, 22};
};
