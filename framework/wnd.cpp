#include "framework/wnd.h"

#include <QApplication>
#include <QGuiApplication>
#include <QMessageBox>
#include <QPointer>
#include <QScreen>
#include <algorithm>

#include "framework/frame_wnd.h"
#include "framework/window_class.h"

IMPLEMENT_DYNCREATE(CWnd, CCmdTarget)

BEGIN_MESSAGE_MAP(CWnd, CCmdTarget)
END_MESSAGE_MAP()

namespace {

// The innermost message any window is handling: the one a handler's Default() passes
// on, and AfxGetCurrentMessage's. It lives on the stack of the window procedure, not in
// the window's object, which the handler may have deleted (a frame that closes).
const MSG* g_innermostMessage = nullptr;

class CurrentMessage {
public:
    explicit CurrentMessage(const MSG& msg) : m_msg(msg), m_outer(g_innermostMessage) {
        g_innermostMessage = &m_msg;
    }
    ~CurrentMessage() { g_innermostMessage = m_outer; }
    CurrentMessage(const CurrentMessage&) = delete;
    CurrentMessage& operator=(const CurrentMessage&) = delete;

private:
    MSG m_msg;
    const MSG* m_outer;
};

// An update request that only records whether the command is enabled.
class CTestCmdUI : public CCmdUI {
public:
    BOOL m_bEnabled = TRUE;

protected:
    void ApplyEnable(BOOL bOn) override { m_bEnabled = bOn; }
};

int Depth(QWidget* w) {
    int depth = 0;
    for (QWidget* p = w->parentWidget(); p != nullptr; p = p->parentWidget()) {
        ++depth;
    }
    return depth;
}

}  // namespace

CWnd::~CWnd() {
    if (m_hWnd != nullptr && FromHandlePermanent(m_hWnd) == this) {
        DestroyWindow();
    }
}

CWnd* CWnd::FromHandlePermanent(HWND hWnd) {
    WindowData* data = AfxGetWindowData(hWnd);
    return data != nullptr && data->permanent != data->wrapper.get() ? data->permanent : nullptr;
}

CWnd* CWnd::FromHandle(HWND hWnd) {
    WindowData* data = AfxGetWindowData(hWnd);
    if (data == nullptr) {
        return nullptr;
    }
    if (data->permanent == nullptr) {
        data->wrapper = std::make_unique<CWnd>();
        data->wrapper->m_hWnd = hWnd;
        data->permanent = data->wrapper.get();
    }
    return data->permanent;
}

BOOL CWnd::Attach(HWND hWnd) {
    WindowData* data = AfxGetWindowData(hWnd);
    if (data == nullptr) {
        return FALSE;
    }
    if (data->permanent == this) {
        return TRUE;
    }
    if (data->wrapper) {
        // Whoever holds the old wrapper may still use it on the same window.
        data->retired.push_back(std::move(data->wrapper));
    }
    data->permanent = this;
    m_hWnd = hWnd;
    return TRUE;
}

HWND CWnd::Detach() {
    HWND hWnd = m_hWnd;
    if (WindowData* data = AfxGetWindowData(hWnd); data != nullptr && data->permanent == this) {
        data->permanent = nullptr;
    }
    m_hWnd = nullptr;
    return hWnd;
}

BOOL CWnd::SubclassDlgItem(UINT nID, CWnd* pParent) {
    CWnd* item = pParent != nullptr ? pParent->GetDlgItem(static_cast<int>(nID)) : nullptr;
    return item != nullptr && Attach(item->m_hWnd);
}

BOOL CWnd::PreCreateWindow(CREATESTRUCT& /*cs*/) {
    return TRUE;
}

BOOL CWnd::Create(LPCTSTR lpszClassName, LPCTSTR lpszWindowName, DWORD dwStyle, const RECT& rect,
                  CWnd* pParentWnd, UINT nID, void* pContext) {
    return CreateEx(0, lpszClassName, lpszWindowName, dwStyle | WS_CHILD, rect.left, rect.top,
                    rect.right - rect.left, rect.bottom - rect.top,
                    pParentWnd != nullptr ? pParentWnd->m_hWnd : nullptr, nID, pContext);
}

BOOL CWnd::CreateEx(DWORD dwExStyle, LPCTSTR lpszClassName, LPCTSTR lpszWindowName, DWORD dwStyle,
                    int x, int y, int nWidth, int nHeight, HWND hWndParent, UINT nIDorHMenu,
                    void* lpParam) {
    CREATESTRUCT cs;
    cs.lpCreateParams = lpParam;
    cs.hwndParent = hWndParent;
    cs.hMenu = nIDorHMenu;
    cs.cx = nWidth;
    cs.cy = nHeight;
    cs.x = x;
    cs.y = y;
    cs.style = static_cast<LONG>(dwStyle);
    cs.lpszName = lpszWindowName;
    cs.lpszClass = lpszClassName;
    cs.dwExStyle = dwExStyle;
    if (!PreCreateWindow(cs)) {
        return FALSE;
    }
    const WindowClass* windowClass =
        AfxFindWindowClass(cs.lpszClass != nullptr ? cs.lpszClass : "AfxWnd");
    if (windowClass == nullptr) {
        return FALSE;
    }
    const auto style = static_cast<DWORD>(cs.style);
    QWidget* parentWidget = cs.hwndParent != nullptr ? AfxClientWidget(cs.hwndParent) : nullptr;
    QWidget* widget = windowClass->create(cs, parentWidget);
    if (widget == nullptr) {
        return FALSE;
    }
    AfxRegisterWindow(widget, windowClass, cs.hwndParent,
                      (style & WS_CHILD) != 0 ? static_cast<int>(cs.hMenu) : 0, style,
                      cs.dwExStyle);
    Attach(widget);
    if (cs.x != CW_USEDEFAULT && cs.y != CW_USEDEFAULT) {
        widget->move(cs.x, cs.y);
    }
    if (cs.cx != CW_USEDEFAULT && cs.cy != CW_USEDEFAULT && cs.cx > 0 && cs.cy > 0) {
        widget->resize(cs.cx, cs.cy);
    }
    if (cs.lpszName != nullptr) {
        DefWindowProc(WM_SETTEXT, 0, reinterpret_cast<LPARAM>(cs.lpszName));
    }
    widget->setEnabled((style & WS_DISABLED) == 0);
    if (SendMessage(WM_CREATE, 0, reinterpret_cast<LPARAM>(&cs)) == -1) {
        DestroyWindow();
        return FALSE;
    }
    if (m_hWnd != nullptr && (style & WS_CHILD) != 0) {
        m_hWnd->setVisible((style & WS_VISIBLE) != 0);
    } else if (m_hWnd != nullptr && (style & WS_VISIBLE) != 0) {
        m_hWnd->show();
    }
    return m_hWnd != nullptr;
}

BOOL CWnd::DestroyWindow() {
    HWND hWnd = m_hWnd;
    if (hWnd == nullptr) {
        return FALSE;
    }
    SendMessage(WM_DESTROY);
    SendMessageToDescendants(WM_DESTROY);
    // Forget the window and every window inside it, innermost first, so that no
    // object is left pointing at a widget that is going.
    std::vector<HWND> doomed;
    for (QWidget* w : hWnd->findChildren<QWidget*>()) {
        if (AfxGetWindowData(w) != nullptr) {
            doomed.push_back(w);
        }
    }
    std::stable_sort(doomed.begin(), doomed.end(),
                     [](QWidget* a, QWidget* b) { return Depth(a) > Depth(b); });
    doomed.push_back(hWnd);
    hWnd->hide();
    for (HWND w : doomed) {
        // Disconnecting first keeps the later destruction from reporting twice.
        AfxStopWatchingDestruction(w);
    }
    // The widget itself goes once control has returned to the event loop: this may
    // run inside one of its own event handlers.
    hWnd->deleteLater();
    for (HWND w : doomed) {
        AfxForgetWindow(w);
    }
    return TRUE;
}

LRESULT CWnd::SendMessage(UINT message, WPARAM wParam, LPARAM lParam) const {
    CWnd* target = FromHandle(m_hWnd);
    return target != nullptr ? target->WindowProc(message, wParam, lParam) : 0;
}

BOOL CWnd::PostMessage(UINT message, WPARAM wParam, LPARAM lParam) const {
    if (m_hWnd == nullptr) {
        return FALSE;
    }
    QPointer<QWidget> widget(m_hWnd);
    QMetaObject::invokeMethod(
        qApp,
        [widget, message, wParam, lParam]() {
            if (CWnd* target = widget ? CWnd::FromHandle(widget.data()) : nullptr) {
                target->WindowProc(message, wParam, lParam);
            }
        },
        Qt::QueuedConnection);
    return TRUE;
}

void CWnd::SendMessageToDescendants(UINT message, WPARAM wParam, LPARAM lParam, BOOL bDeep) const {
    for (HWND child : AfxChildWindows(m_hWnd)) {
        if (CWnd* wnd = FromHandle(child)) {
            wnd->SendMessage(message, wParam, lParam);
            if (bDeep) {
                wnd->SendMessageToDescendants(message, wParam, lParam, TRUE);
            }
        }
    }
}

const MSG* AfxGetCurrentMessage() {
    return g_innermostMessage;
}

LRESULT CWnd::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
    CurrentMessage current(MSG{m_hWnd, message, wParam, lParam});
    LRESULT result = 0;
    if (!OnWndMsg(message, wParam, lParam, &result)) {
        result = DefWindowProc(message, wParam, lParam);
    }
    return result;
}

BOOL CWnd::OnWndMsg(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult) {
    if (message == WM_COMMAND) {
        if (OnCommand(wParam, lParam)) {
            *pResult = 1;
            return TRUE;
        }
        return FALSE;
    }
    const AFX_MSGMAP_ENTRY* entry = FindMessageEntry(message, 0, 0);
    if (entry == nullptr) {
        return FALSE;
    }
    AFX_MSGCALL call;
    call.wParam = wParam;
    call.lParam = lParam;
    if (!entry->pfn(this, call)) {
        return FALSE;
    }
    *pResult = call.lResult;
    return TRUE;
}

LRESULT CWnd::DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
    if (m_hWnd == nullptr) {
        return 0;
    }
    const WindowData* data = AfxGetWindowData(m_hWnd);
    if (data != nullptr && data->windowClass != nullptr && data->windowClass->proc != nullptr) {
        return data->windowClass->proc(m_hWnd, message, wParam, lParam);
    }
    return AfxDefaultWindowProc(m_hWnd, message, wParam, lParam);
}

BOOL CWnd::OnCommand(WPARAM wParam, LPARAM lParam) {
    const UINT nID = LOWORD(wParam);
    int nCode = HIWORD(wParam);
    if (lParam == 0) {
        // A menu or accelerator command: a disabled command does nothing, but the
        // key or click is still taken.
        nCode = CN_COMMAND;
        CTestCmdUI state;
        state.m_nID = nID;
        state.DoUpdate(this, TRUE);
        if (!state.m_bEnabled) {
            return TRUE;
        }
    }
    return OnCmdMsg(nID, nCode, nullptr, nullptr);
}

BOOL CWnd::PreTranslateMessage(MSG* /*pMsg*/) {
    return FALSE;
}

int CWnd::GetDlgCtrlID() const {
    const WindowData* data = AfxGetWindowData(m_hWnd);
    return data != nullptr ? data->id : 0;
}

int CWnd::SetDlgCtrlID(int nID) {
    WindowData* data = AfxGetWindowData(m_hWnd);
    if (data == nullptr) {
        return 0;
    }
    return std::exchange(data->id, nID);
}

CWnd* CWnd::GetDlgItem(int nID) const {
    for (HWND child : AfxChildWindows(m_hWnd)) {
        if (AfxGetWindowData(child)->id == nID) {
            return FromHandle(child);
        }
    }
    return nullptr;
}

CWnd* CWnd::GetParent() const {
    const WindowData* data = AfxGetWindowData(m_hWnd);
    return data != nullptr ? FromHandle(data->parent) : nullptr;
}

CWnd* CWnd::GetTopLevelParent() const {
    const CWnd* wnd = this;
    while (CWnd* parent = wnd->GetParent()) {
        wnd = parent;
    }
    return FromHandle(wnd->m_hWnd);
}

CFrameWnd* CWnd::GetParentFrame() const {
    for (CWnd* parent = GetParent(); parent != nullptr; parent = parent->GetParent()) {
        if (auto* frame = dynamic_cast<CFrameWnd*>(parent)) {
            return frame;
        }
    }
    return nullptr;
}

CWnd* CWnd::GetWindow(UINT nCmd) const {
    if (nCmd == GW_CHILD) {
        auto children = AfxChildWindows(m_hWnd);
        return children.empty() ? nullptr : FromHandle(children.front());
    }
    const WindowData* data = AfxGetWindowData(m_hWnd);
    if (data == nullptr) {
        return nullptr;
    }
    auto siblings = AfxChildWindows(data->parent);
    auto it = std::find(siblings.begin(), siblings.end(), m_hWnd);
    if (it == siblings.end()) {
        return nullptr;
    }
    if (nCmd == GW_HWNDNEXT) {
        return ++it != siblings.end() ? FromHandle(*it) : nullptr;
    }
    if (nCmd == GW_HWNDPREV) {
        return it != siblings.begin() ? FromHandle(*--it) : nullptr;
    }
    return nullptr;
}

BOOL CWnd::EnableWindow(BOOL bEnable) {
    if (m_hWnd == nullptr) {
        return FALSE;
    }
    const BOOL wasDisabled = !m_hWnd->isEnabled();
    m_hWnd->setEnabled(bEnable != FALSE);
    if (WindowData* data = AfxGetWindowData(m_hWnd)) {
        data->style = bEnable ? data->style & ~WS_DISABLED : data->style | WS_DISABLED;
    }
    SendMessage(WM_ENABLE, static_cast<WPARAM>(bEnable != FALSE));
    return wasDisabled;
}

BOOL CWnd::IsWindowEnabled() const {
    return m_hWnd != nullptr && m_hWnd->isEnabled();
}

BOOL CWnd::IsWindowVisible() const {
    return m_hWnd != nullptr && m_hWnd->isVisible();
}

BOOL CWnd::ShowWindow(int nCmdShow) {
    if (m_hWnd == nullptr) {
        return FALSE;
    }
    const BOOL wasVisible = m_hWnd->isVisible();
    switch (nCmdShow) {
        case SW_HIDE:
            m_hWnd->hide();
            break;
        case SW_SHOWMINIMIZED:
        case SW_MINIMIZE:
            m_hWnd->showMinimized();
            break;
        case SW_SHOWMAXIMIZED:
            m_hWnd->showMaximized();
            break;
        case SW_SHOWNORMAL:
        case SW_RESTORE:
            m_hWnd->showNormal();
            break;
        default:
            m_hWnd->show();
            break;
    }
    if (WindowData* data = AfxGetWindowData(m_hWnd)) {
        data->style = nCmdShow == SW_HIDE ? data->style & ~WS_VISIBLE : data->style | WS_VISIBLE;
    }
    return wasVisible;
}

void CWnd::UpdateWindow() {
    if (m_hWnd != nullptr) {
        m_hWnd->repaint();
    }
}

BOOL CWnd::IsIconic() const {
    return m_hWnd != nullptr && m_hWnd->isMinimized();
}

BOOL CWnd::IsZoomed() const {
    return m_hWnd != nullptr && m_hWnd->isMaximized();
}

void CWnd::SetWindowText(LPCTSTR lpszString) {
    SendMessage(WM_SETTEXT, 0, reinterpret_cast<LPARAM>(lpszString));
}

int CWnd::GetWindowText(LPTSTR lpszStringBuf, int nMaxCount) const {
    if (nMaxCount <= 0) {
        return 0;
    }
    return static_cast<int>(SendMessage(WM_GETTEXT, static_cast<WPARAM>(nMaxCount),
                                        reinterpret_cast<LPARAM>(lpszStringBuf)));
}

void CWnd::GetWindowText(CString& rString) const {
    std::string buffer(static_cast<size_t>(GetWindowTextLength()) + 1, '\0');
    const int n = GetWindowText(buffer.data(), static_cast<int>(buffer.size()));
    buffer.resize(static_cast<size_t>(n));
    rString = CString(std::move(buffer));
}

int CWnd::GetWindowTextLength() const {
    return static_cast<int>(SendMessage(WM_GETTEXTLENGTH));
}

DWORD CWnd::GetStyle() const {
    const WindowData* data = AfxGetWindowData(m_hWnd);
    return data != nullptr ? data->style : 0;
}

DWORD CWnd::GetExStyle() const {
    const WindowData* data = AfxGetWindowData(m_hWnd);
    return data != nullptr ? data->exStyle : 0;
}

BOOL CWnd::ModifyStyle(DWORD dwRemove, DWORD dwAdd) {
    WindowData* data = AfxGetWindowData(m_hWnd);
    if (data == nullptr) {
        return FALSE;
    }
    const DWORD old = data->style;
    data->style = (old & ~dwRemove) | dwAdd;
    return old != data->style;
}

void CWnd::MoveWindow(int x, int y, int nWidth, int nHeight, BOOL /*bRepaint*/) {
    if (m_hWnd != nullptr) {
        m_hWnd->setGeometry(x, y, nWidth, nHeight);
    }
}

void CWnd::GetClientRect(RECT* lpRect) const {
    if (m_hWnd == nullptr) {
        *lpRect = RECT{};
        return;
    }
    const QSize size = AfxClientWidget(m_hWnd)->size();
    *lpRect = RECT{0, 0, size.width(), size.height()};
}

void CWnd::GetWindowRect(RECT* lpRect) const {
    if (m_hWnd == nullptr) {
        *lpRect = RECT{};
        return;
    }
    const QRect frame = m_hWnd->isWindow() ? m_hWnd->frameGeometry() : m_hWnd->geometry();
    const QPoint topLeft = m_hWnd->isWindow() ? frame.topLeft() : m_hWnd->mapToGlobal(QPoint(0, 0));
    *lpRect =
        RECT{topLeft.x(), topLeft.y(), topLeft.x() + frame.width(), topLeft.y() + frame.height()};
}

CWnd* CWnd::SetFocus() {
    CWnd* previous = GetFocus();
    if (m_hWnd != nullptr) {
        m_hWnd->setFocus(Qt::OtherFocusReason);
    }
    return previous;
}

CWnd* CWnd::GetFocus() {
    for (QWidget* w = QApplication::focusWidget(); w != nullptr; w = w->parentWidget()) {
        if (AfxGetWindowData(w) != nullptr) {
            return FromHandle(w);
        }
    }
    return nullptr;
}

void CWnd::CenterWindow(CWnd* pAlternateOwner) {
    if (m_hWnd == nullptr) {
        return;
    }
    QWidget* owner = pAlternateOwner != nullptr ? pAlternateOwner->m_hWnd : m_hWnd->parentWidget();
    QRect area;
    if (owner != nullptr && owner->isVisible()) {
        area = owner->window()->frameGeometry();
    } else if (QScreen* screen = QGuiApplication::primaryScreen()) {
        area = screen->availableGeometry();
    }
    if (!area.isNull()) {
        QRect frame = m_hWnd->frameGeometry();
        frame.moveCenter(area.center());
        m_hWnd->move(frame.topLeft());
    }
}

int CWnd::MessageBox(LPCTSTR lpszText, LPCTSTR lpszCaption, UINT nType) {
    QWidget* owner = m_hWnd != nullptr ? m_hWnd->window() : nullptr;
    QMessageBox box(owner);
    box.setWindowTitle(lpszCaption != nullptr ? AfxQString(lpszCaption)
                                              : QCoreApplication::applicationName());
    box.setText(AfxQString(lpszText));
    box.setTextFormat(Qt::PlainText);
    switch (nType & 0xF0) {
        case MB_ICONERROR:
            box.setIcon(QMessageBox::Critical);
            break;
        case MB_ICONQUESTION:
            box.setIcon(QMessageBox::Question);
            break;
        case MB_ICONWARNING:
            box.setIcon(QMessageBox::Warning);
            break;
        case MB_ICONINFORMATION:
            box.setIcon(QMessageBox::Information);
            break;
        default:
            box.setIcon(QMessageBox::NoIcon);
            break;
    }
    switch (nType & 0x0F) {
        case MB_OKCANCEL:
            box.setStandardButtons(QMessageBox::Ok | QMessageBox::Cancel);
            break;
        case MB_YESNOCANCEL:
            box.setStandardButtons(QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
            break;
        case MB_YESNO:
            box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
            break;
        default:
            box.setStandardButtons(QMessageBox::Ok);
            break;
    }
    box.setWindowModality(Qt::ApplicationModal);
    switch (box.exec()) {
        case QMessageBox::Cancel:
            return IDCANCEL;
        case QMessageBox::Yes:
            return IDYES;
        case QMessageBox::No:
            return IDNO;
        default:
            return IDOK;
    }
}

int CWnd::OnCreate(LPCREATESTRUCT /*lpCreateStruct*/) {
    return static_cast<int>(Default());
}

void CWnd::OnClose() {
    Default();
}

LRESULT CWnd::Default() {
    const MSG* msg = g_innermostMessage;
    return msg != nullptr ? DefWindowProc(msg->message, msg->wParam, msg->lParam) : 0;
}
