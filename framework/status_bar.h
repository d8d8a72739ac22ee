// Status bars: a row of panes along the bottom of the frame. A pane of id
// ID_SEPARATOR is a message pane; the others are indicators that show their
// command's string.
#pragma once

#include <vector>

#include "framework/afx_ids.h"
#include "framework/control_bar.h"

// Pane styles.
constexpr UINT SBPS_NORMAL = 0x0000;
constexpr UINT SBPS_NOBORDERS = 0x0100;
constexpr UINT SBPS_POPOUT = 0x0200;
// The pane keeps its text but shows none.
constexpr UINT SBPS_DISABLED = 0x04000000;
// The pane takes the width that the others leave.
constexpr UINT SBPS_STRETCH = 0x08000000;

class CStatusBar : public CControlBar {
    DECLARE_DYNAMIC(CStatusBar)

public:
    CStatusBar() = default;
    ~CStatusBar() override;

    BOOL Create(CWnd* pParentWnd, DWORD dwStyle = WS_CHILD | WS_VISIBLE | CBRS_BOTTOM,
                UINT nID = AFX_IDW_STATUS_BAR);
    // One pane for each id. An indicator takes its text from the string with its id
    // and is exactly as wide as that text; the first ID_SEPARATOR becomes the message
    // pane, borderless and stretching. FALSE when an indicator's string is missing.
    BOOL SetIndicators(const UINT* lpIDArray, int nIDCount);

    int GetCount() const override { return static_cast<int>(m_panes.size()); }
    UINT GetItemID(int nIndex) const;
    // The index of the pane with the id, or -1.
    int CommandToIndex(UINT nIDFind) const;
    void GetPaneInfo(int nIndex, UINT& nID, UINT& nStyle, int& cxWidth) const;
    void SetPaneInfo(int nIndex, UINT nID, UINT nStyle, int cxWidth);
    UINT GetPaneStyle(int nIndex) const;
    void SetPaneStyle(int nIndex, UINT nStyle);
    // The pane's text, also while it is disabled and shows none.
    CString GetPaneText(int nIndex) const;
    BOOL SetPaneText(int nIndex, LPCTSTR lpszNewText, BOOL bUpdate = TRUE);

    // The indicators follow their update handlers; disabled ones show no text.
    void OnUpdateCmdUI(CFrameWnd* pTarget, BOOL bDisableIfNoHndler) override;

private:
    struct Pane {
        UINT id = 0;
        UINT style = SBPS_NORMAL;
        int cxText = 0;
        CString text;
    };
    // Puts a pane's text, width and frame on its widget.
    void ShowPane(int nIndex);

    std::vector<Pane> m_panes;
};
