#include "framework/frame_wnd.h"

#include <QApplication>
#include <QEvent>
#include <QLayout>
#include <QMainWindow>
#include <string>
#include <utility>

#include "framework/accelerators.h"
#include "framework/afx_ids.h"
#include "framework/app.h"
#include "framework/dib_image.h"
#include "framework/document.h"
#include "framework/menu_bar.h"
#include "framework/resources.h"
#include "framework/view.h"
#include "framework/window_class.h"

IMPLEMENT_DYNCREATE(CFrameWnd, CWnd)

BEGIN_MESSAGE_MAP(CFrameWnd, CWnd)
ON_WM_CREATE()
ON_WM_DESTROY()
ON_MESSAGE(WM_INITMENUPOPUP, &CFrameWnd::OnInitMenuPopupMessage)
ON_MESSAGE(WM_MENUSELECT, &CFrameWnd::OnMenuSelectMessage)
ON_MESSAGE(WM_SETMESSAGESTRING, &CFrameWnd::OnSetMessageString)
ON_MESSAGE(WM_IDLEUPDATECMDUI, &CFrameWnd::OnIdleUpdateCmdUI)
ON_UPDATE_COMMAND_UI(ID_VIEW_STATUS_BAR, &CFrameWnd::OnUpdateControlBarMenu)
ON_COMMAND_EX(ID_VIEW_STATUS_BAR, &CFrameWnd::OnBarCheck)
ON_UPDATE_COMMAND_UI(ID_VIEW_TOOLBAR, &CFrameWnd::OnUpdateControlBarMenu)
ON_COMMAND_EX(ID_VIEW_TOOLBAR, &CFrameWnd::OnBarCheck)
ON_UPDATE_COMMAND_UI(ID_INDICATOR_CAPS, &CFrameWnd::OnUpdateKeyIndicator)
ON_UPDATE_COMMAND_UI(ID_INDICATOR_NUM, &CFrameWnd::OnUpdateKeyIndicator)
ON_UPDATE_COMMAND_UI(ID_INDICATOR_SCRL, &CFrameWnd::OnUpdateKeyIndicator)
END_MESSAGE_MAP()

namespace {

constexpr const char* kFrameClass = "AfxFrame";

// The frame's widget. The status bar shows what the frame sends it, not the status
// tips that Qt derives from actions; the bars are shown and hidden through the View
// menu, not through a menu of Qt's own.
class AfxMainWindow : public QMainWindow {
public:
    explicit AfxMainWindow(QWidget* parent) : QMainWindow(parent) {}
    QMenu* createPopupMenu() override { return nullptr; }

protected:
    bool event(QEvent* event) override {
        if (event->type() == QEvent::StatusTip) {
            return true;
        }
        return QMainWindow::event(event);
    }
};

void RegisterFrameClass() {
    static const bool registered = [] {
        AfxRegisterWindowClass(
            WindowClass{kFrameClass,
                        [](const CREATESTRUCT& /*cs*/, QWidget* parent) -> QWidget* {
                            auto* window = new AfxMainWindow(parent);
                            window->setAttribute(Qt::WA_DeleteOnClose, false);
                            return window;
                        },
                        nullptr, nullptr});
        return true;
    }();
    (void)registered;
}

}  // namespace

CFrameWnd::~CFrameWnd() = default;

BOOL CFrameWnd::LoadFrame(UINT nIDResource, DWORD dwDefaultStyle, CWnd* pParentWnd,
                          CCreateContext* pContext) {
    m_nIDHelp = nIDResource;
    const char* text = AfxFindString(nIDResource);
    const std::string full = text != nullptr ? text : "";
    m_strTitle = CString(full.substr(0, full.find('\n')));
    LoadAccelTable(nIDResource);
    m_nIDMenuPending = nIDResource;
    return Create(nullptr, m_strTitle, dwDefaultStyle,
                  RECT{CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT}, pParentWnd,
                  nullptr, 0, pContext);
}

BOOL CFrameWnd::Create(LPCTSTR lpszClassName, LPCTSTR lpszWindowName, DWORD dwStyle,
                       const RECT& rect, CWnd* pParentWnd, LPCTSTR /*lpszMenuName*/,
                       DWORD dwExStyle, CCreateContext* pContext) {
    m_strTitle = lpszWindowName;
    const bool useDefault = rect.left == CW_USEDEFAULT;
    return CreateEx(dwExStyle, lpszClassName, lpszWindowName, dwStyle,
                    useDefault ? CW_USEDEFAULT : rect.left, useDefault ? CW_USEDEFAULT : rect.top,
                    useDefault ? CW_USEDEFAULT : rect.right - rect.left,
                    useDefault ? CW_USEDEFAULT : rect.bottom - rect.top,
                    pParentWnd != nullptr ? pParentWnd->m_hWnd : nullptr, 0, pContext);
}

BOOL CFrameWnd::PreCreateWindow(CREATESTRUCT& cs) {
    RegisterFrameClass();
    if (cs.lpszClass == nullptr) {
        cs.lpszClass = kFrameClass;
    }
    if ((cs.style & static_cast<LONG>(FWS_ADDTOTITLE)) != 0) {
        cs.style |= static_cast<LONG>(FWS_PREFIXTITLE);
    }
    cs.dwExStyle |= WS_EX_CLIENTEDGE;
    return TRUE;
}

int CFrameWnd::OnCreate(LPCREATESTRUCT lpCreateStruct) {
    if (CWnd::OnCreate(lpCreateStruct) == -1) {
        return -1;
    }
    AfxInstallKeyTranslation();
    if (const UINT id = std::exchange(m_nIDMenuPending, 0); id != 0) {
        auto* window = qobject_cast<QMainWindow*>(m_hWnd);
        if (const auto menu = AfxFindMenu(id); window != nullptr && !menu.empty()) {
            AfxFillMenuBar(window->menuBar(), menu, m_hWnd);
        }
        if (const QIcon icon = AfxLoadIcon(id); !icon.isNull()) {
            m_hWnd->setWindowIcon(icon);
        }
    }
    auto* context = static_cast<CCreateContext*>(lpCreateStruct->lpCreateParams);
    return OnCreateClient(lpCreateStruct, context) ? 0 : -1;
}

BOOL CFrameWnd::OnCreateClient(LPCREATESTRUCT /*lpcs*/, CCreateContext* pContext) {
    if (pContext != nullptr && pContext->m_pNewViewClass != nullptr) {
        return CreateView(pContext, AFX_IDW_PANE_FIRST) != nullptr;
    }
    return TRUE;
}

CWnd* CFrameWnd::CreateView(CCreateContext* pContext, UINT nID) {
    CObject* object = pContext->m_pNewViewClass->CreateObject();
    auto* view = dynamic_cast<CWnd*>(object);
    if (view == nullptr) {
        delete object;
        return nullptr;
    }
    // A view whose window came to exist deletes itself when it goes (PostNcDestroy).
    if (!view->Create(nullptr, nullptr, WS_CHILD | WS_VISIBLE, RECT{}, this, nID, pContext)) {
        return nullptr;
    }
    if (auto* window = qobject_cast<QMainWindow*>(m_hWnd)) {
        window->setCentralWidget(view->m_hWnd);
    }
    return view;
}

void CFrameWnd::OnDestroy() {
    if (CWinApp* app = AfxGetApp(); app != nullptr && app->m_pMainWnd == this) {
        app->m_pMainWnd = nullptr;
        AfxPostQuitMessage(0);
    }
}

void CFrameWnd::PostNcDestroy() {
    delete this;
}

BOOL CFrameWnd::OnCmdMsg(UINT nID, int nCode, void* pExtra, AFX_CMDHANDLERINFO* pHandlerInfo) {
    if (m_pViewActive != nullptr && m_pViewActive->OnCmdMsg(nID, nCode, pExtra, pHandlerInfo)) {
        return TRUE;
    }
    if (CWnd::OnCmdMsg(nID, nCode, pExtra, pHandlerInfo)) {
        return TRUE;
    }
    CWinApp* app = AfxGetApp();
    return app != nullptr && app->OnCmdMsg(nID, nCode, pExtra, pHandlerInfo);
}

void CFrameWnd::RecalcLayout(BOOL /*bNotify*/) {
    if (m_hWnd != nullptr && m_hWnd->layout() != nullptr) {
        m_hWnd->layout()->invalidate();
        m_hWnd->layout()->activate();
    }
}

void CFrameWnd::SetActiveView(CView* pViewNew, BOOL /*bNotify*/) {
    m_pViewActive = pViewNew;
    if (pViewNew != nullptr && pViewNew->m_hWnd != nullptr) {
        pViewNew->SetFocus();
    }
}

CDocument* CFrameWnd::GetActiveDocument() const {
    return m_pViewActive != nullptr ? m_pViewActive->GetDocument() : nullptr;
}

void CFrameWnd::InitialUpdateFrame(CDocument* /*pDoc*/, BOOL bMakeVisible) {
    if (m_pViewActive == nullptr) {
        if (CWnd* pane = GetDlgItem(static_cast<int>(AFX_IDW_PANE_FIRST))) {
            m_pViewActive = dynamic_cast<CView*>(pane);
        }
    }
    SendMessageToDescendants(WM_INITIALUPDATE, 0, 0, TRUE);
    if (m_pViewActive != nullptr) {
        SetActiveView(m_pViewActive);
    }
    if (bMakeVisible) {
        // The show state the program was started with is for the main window's first
        // showing; later New and Open leave a shown window as the user has put it.
        CWinApp* app = AfxGetApp();
        if (app != nullptr && this == app->m_pMainWnd && app->m_nCmdShow != -1) {
            ShowWindow(std::exchange(app->m_nCmdShow, -1));
        } else if (IsIconic()) {
            ShowWindow(SW_RESTORE);
        } else if (!IsWindowVisible()) {
            ShowWindow(SW_SHOW);
        }
    }
    OnUpdateFrameTitle(TRUE);
}

void CFrameWnd::OnUpdateFrameTitle(BOOL bAddToTitle) {
    CDocument* doc = GetActiveDocument();
    CString caption = m_strTitle;
    if (bAddToTitle && (GetStyle() & FWS_ADDTOTITLE) != 0 && doc != nullptr) {
        caption = (GetStyle() & FWS_PREFIXTITLE) != 0 ? doc->GetTitle() + " - " + m_strTitle
                                                      : m_strTitle + " - " + doc->GetTitle();
    }
    // Only a change is written: the caption is refreshed whenever the program is idle.
    CString current;
    GetWindowText(current);
    if (!(current == caption)) {
        SetWindowText(caption);
    }
}

BOOL CFrameWnd::LoadAccelTable(UINT nIDResource) {
    m_accelTable = AfxFindAccelerators(nIDResource);
    return !m_accelTable.empty();
}

const ACCEL* CFrameWnd::FindAccelerator(const MSG* pMsg) const {
    if (m_accelTable.empty() || m_hWnd == nullptr || pMsg == nullptr || pMsg->hwnd == nullptr) {
        return nullptr;
    }
    // Keys of the frame's own window only: not those of a dialog it owns or of a bar
    // floating in a window of its own, nor any while a modal window is up.
    QWidget* modal = QApplication::activeModalWidget();
    if (pMsg->hwnd->window() != m_hWnd || !m_hWnd->isEnabled() ||
        (modal != nullptr && modal != m_hWnd)) {
        return nullptr;
    }
    return AfxFindAccelerator(m_accelTable, pMsg);
}

BOOL CFrameWnd::PreTranslateMessage(MSG* pMsg) {
    if (FindAccelerator(pMsg) != nullptr) {
        return AfxTranslateAccelerator(this, m_accelTable, pMsg);
    }
    return CWnd::PreTranslateMessage(pMsg);
}
