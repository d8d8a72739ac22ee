#include "framework/status_bar.h"

#include <QLabel>
#include <QMainWindow>
#include <QStatusBar>

#include "framework/frame_wnd.h"
#include "framework/resources.h"
#include "framework/window_class.h"

IMPLEMENT_DYNAMIC(CStatusBar, CControlBar)

namespace {

constexpr const char* kStatusBarClass = "AfxStatusBar";
// Space between a pane's text and its border, on each side.
constexpr int kTextMargin = 3;

class AfxStatusBarWidget : public QStatusBar {
public:
    explicit AfxStatusBarWidget(QWidget* parent) : QStatusBar(parent) {}

    std::vector<QLabel*> m_labels;

    void setVisible(bool visible) override {
        QStatusBar::setVisible(visible);
        if (WindowData* record = AfxGetWindowData(this)) {
            record->style = visible ? record->style | WS_VISIBLE : record->style & ~WS_VISIBLE;
        }
    }
};

AfxStatusBarWidget* WidgetOf(HWND hWnd) {
    return dynamic_cast<AfxStatusBarWidget*>(hWnd);
}

// The bar's window text is the text of its message pane (the first, or the first
// ID_SEPARATOR).
int MessagePane(const CStatusBar& bar) {
    const int index = bar.CommandToIndex(ID_SEPARATOR);
    return index >= 0 ? index : 0;
}

LRESULT StatusBarProc(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam) {
    auto* bar = dynamic_cast<CStatusBar*>(CWnd::FromHandlePermanent(hWnd));
    if (bar == nullptr || bar->GetCount() == 0) {
        return AfxDefaultWindowProc(hWnd, message, wParam, lParam);
    }
    switch (message) {
        case WM_SETTEXT:
            return bar->SetPaneText(MessagePane(*bar), reinterpret_cast<LPCTSTR>(lParam));
        case WM_GETTEXT:
            return AfxCopyText(bar->GetPaneText(MessagePane(*bar)).str(), wParam, lParam);
        case WM_GETTEXTLENGTH:
            return bar->GetPaneText(MessagePane(*bar)).GetLength();
        default:
            return AfxDefaultWindowProc(hWnd, message, wParam, lParam);
    }
}

void RegisterStatusBarClass() {
    static const bool registered = [] {
        AfxRegisterWindowClass(
            WindowClass{kStatusBarClass,
                        [](const CREATESTRUCT& /*cs*/, QWidget* parent) -> QWidget* {
                            return new AfxStatusBarWidget(parent);
                        },
                        &StatusBarProc, nullptr});
        return true;
    }();
    (void)registered;
}

// A pane's update request.
class CStatusCmdUI : public CCmdUI {
public:
    CStatusBar* m_pBar = nullptr;

protected:
    void ApplyEnable(BOOL bOn) override {
        const UINT style = m_pBar->GetPaneStyle(static_cast<int>(m_nIndex));
        m_pBar->SetPaneStyle(static_cast<int>(m_nIndex),
                             bOn ? style & ~SBPS_DISABLED : style | SBPS_DISABLED);
    }
    void ApplyCheck(int nCheck) override {
        const UINT style = m_pBar->GetPaneStyle(static_cast<int>(m_nIndex));
        m_pBar->SetPaneStyle(static_cast<int>(m_nIndex),
                             nCheck != 0 ? style | SBPS_POPOUT : style & ~SBPS_POPOUT);
    }
    void ApplyText(LPCTSTR lpszText) override {
        m_pBar->SetPaneText(static_cast<int>(m_nIndex), lpszText);
    }
};

}  // namespace

CStatusBar::~CStatusBar() = default;

BOOL CStatusBar::Create(CWnd* pParentWnd, DWORD dwStyle, UINT nID) {
    RegisterStatusBarClass();
    if (!CreateBar(kStatusBarClass, pParentWnd, dwStyle, nID)) {
        return FALSE;
    }
    if (auto* window = qobject_cast<QMainWindow*>(pParentWnd->m_hWnd)) {
        window->setStatusBar(WidgetOf(m_hWnd));
    }
    return TRUE;
}

BOOL CStatusBar::SetIndicators(const UINT* lpIDArray, int nIDCount) {
    auto* bar = WidgetOf(m_hWnd);
    if (bar == nullptr || nIDCount < 0 || (lpIDArray == nullptr && nIDCount > 0)) {
        return FALSE;
    }
    for (QLabel* label : bar->m_labels) {
        bar->removeWidget(label);
        delete label;
    }
    bar->m_labels.clear();
    m_panes.clear();
    bool haveMessagePane = false;
    for (int i = 0; i < nIDCount; ++i) {
        Pane pane;
        pane.id = lpIDArray[i];
        auto* label = new QLabel(bar);
        label->setTextFormat(Qt::PlainText);
        label->setObjectName(QStringLiteral("pane%1").arg(i));
        if (pane.id == ID_SEPARATOR) {
            if (!haveMessagePane) {
                pane.style = SBPS_NOBORDERS | SBPS_STRETCH;
                haveMessagePane = true;
            }
        } else {
            const char* text = AfxFindString(pane.id);
            if (text == nullptr) {
                delete label;
                return FALSE;
            }
            pane.text = text;
            pane.cxText = label->fontMetrics().horizontalAdvance(AfxQString(text));
            label->setAlignment(Qt::AlignCenter);
        }
        if ((pane.style & SBPS_STRETCH) != 0) {
            // Long prompts are cut off rather than widening the window.
            label->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
            bar->addWidget(label, 1);
        } else {
            bar->addPermanentWidget(label);
        }
        bar->m_labels.push_back(label);
        m_panes.push_back(pane);
        ShowPane(i);
    }
    return TRUE;
}

UINT CStatusBar::GetItemID(int nIndex) const {
    return nIndex >= 0 && nIndex < GetCount() ? m_panes[static_cast<size_t>(nIndex)].id
                                              : static_cast<UINT>(-1);
}

int CStatusBar::CommandToIndex(UINT nIDFind) const {
    for (size_t i = 0; i < m_panes.size(); ++i) {
        if (m_panes[i].id == nIDFind) {
            return static_cast<int>(i);
        }
    }
    return -1;
}

void CStatusBar::GetPaneInfo(int nIndex, UINT& nID, UINT& nStyle, int& cxWidth) const {
    if (nIndex < 0 || nIndex >= GetCount()) {
        nID = 0;
        nStyle = 0;
        cxWidth = 0;
        return;
    }
    const Pane& pane = m_panes[static_cast<size_t>(nIndex)];
    nID = pane.id;
    nStyle = pane.style;
    cxWidth = pane.cxText;
}

void CStatusBar::SetPaneInfo(int nIndex, UINT nID, UINT nStyle, int cxWidth) {
    if (nIndex < 0 || nIndex >= GetCount()) {
        return;
    }
    Pane& pane = m_panes[static_cast<size_t>(nIndex)];
    pane.id = nID;
    pane.style = nStyle;
    pane.cxText = cxWidth;
    ShowPane(nIndex);
}

UINT CStatusBar::GetPaneStyle(int nIndex) const {
    return nIndex >= 0 && nIndex < GetCount() ? m_panes[static_cast<size_t>(nIndex)].style : 0;
}

void CStatusBar::SetPaneStyle(int nIndex, UINT nStyle) {
    if (nIndex >= 0 && nIndex < GetCount() &&
        m_panes[static_cast<size_t>(nIndex)].style != nStyle) {
        m_panes[static_cast<size_t>(nIndex)].style = nStyle;
        ShowPane(nIndex);
    }
}

CString CStatusBar::GetPaneText(int nIndex) const {
    return nIndex >= 0 && nIndex < GetCount() ? m_panes[static_cast<size_t>(nIndex)].text
                                              : CString();
}

BOOL CStatusBar::SetPaneText(int nIndex, LPCTSTR lpszNewText, BOOL /*bUpdate*/) {
    if (nIndex < 0 || nIndex >= GetCount()) {
        return FALSE;
    }
    m_panes[static_cast<size_t>(nIndex)].text = lpszNewText;
    ShowPane(nIndex);
    return TRUE;
}

void CStatusBar::OnUpdateCmdUI(CFrameWnd* pTarget, BOOL /*bDisableIfNoHndler*/) {
    CStatusCmdUI state;
    state.m_pBar = this;
    state.m_pOther = this;
    state.m_nIndexMax = static_cast<UINT>(GetCount());
    for (int i = 0; i < GetCount(); ++i) {
        const UINT id = m_panes[static_cast<size_t>(i)].id;
        if (id == ID_SEPARATOR) {
            continue;
        }
        state.m_nIndex = static_cast<UINT>(i);
        state.m_nID = id;
        // A pane without an update handler keeps its state: panes are not commands.
        state.DoUpdate(pTarget, FALSE);
    }
}

void CStatusBar::ShowPane(int nIndex) {
    auto* bar = WidgetOf(m_hWnd);
    if (bar == nullptr || nIndex < 0 || static_cast<size_t>(nIndex) >= bar->m_labels.size()) {
        return;
    }
    const Pane& pane = m_panes[static_cast<size_t>(nIndex)];
    QLabel* label = bar->m_labels[static_cast<size_t>(nIndex)];
    label->setText((pane.style & SBPS_DISABLED) != 0 ? QString() : AfxQString(pane.text));
    if ((pane.style & SBPS_NOBORDERS) != 0) {
        label->setFrameStyle(QFrame::NoFrame);
    } else {
        label->setFrameStyle(QFrame::Panel |
                             ((pane.style & SBPS_POPOUT) != 0 ? QFrame::Raised : QFrame::Sunken));
    }
    label->setContentsMargins(kTextMargin, 0, kTextMargin, 0);
    if ((pane.style & SBPS_STRETCH) == 0) {
        // The width belongs to the pane, not to what it shows at the moment.
        label->setFixedWidth(pane.cxText + 2 * kTextMargin + 2 * label->frameWidth());
    }
}
