#include "framework/toolbar.h"

#include <QAction>
#include <QEvent>
#include <QMainWindow>
#include <QToolBar>
#include <QToolButton>

#include "framework/bar_sides.h"
#include "framework/dib_image.h"
#include "framework/frame_wnd.h"
#include "framework/resources.h"
#include "framework/window_class.h"

IMPLEMENT_DYNAMIC(CToolBar, CControlBar)

namespace {

constexpr const char* kToolBarClass = "AfxToolBar";
constexpr WORD kToolBarVersion = 1;

// The toolbar's widget: keeps the button pictures and tells the frame which button
// the mouse is on.
class AfxToolBarWidget : public QToolBar {
public:
    explicit AfxToolBarWidget(QWidget* parent) : QToolBar(parent) {}

    QImage m_bitmap;

    void setVisible(bool visible) override {
        QToolBar::setVisible(visible);
        if (WindowData* record = AfxGetWindowData(this)) {
            record->style = visible ? record->style | WS_VISIBLE : record->style & ~WS_VISIBLE;
        }
    }

    CToolBar* Bar() const {
        return dynamic_cast<CToolBar*>(
            CWnd::FromHandlePermanent(const_cast<AfxToolBarWidget*>(this)));
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        auto* button = qobject_cast<QToolButton*>(watched);
        CToolBar* bar = Bar();
        if (button == nullptr || bar == nullptr || button->defaultAction() == nullptr) {
            return false;
        }
        const UINT id = button->defaultAction()->data().toUInt();
        const DWORD style = bar->GetBarStyle();
        switch (event->type()) {
            case QEvent::ToolTip:
                return (style & CBRS_TOOLTIPS) == 0;
            case QEvent::Enter:
                if ((style & CBRS_FLYBY) != 0) {
                    ShowPrompt(bar, id);
                }
                return false;
            case QEvent::MouseButtonPress:
                ShowPrompt(bar, id);
                return false;
            case QEvent::Leave:
            case QEvent::MouseButtonRelease:
                if (event->type() == QEvent::Leave || (style & CBRS_FLYBY) == 0) {
                    ShowPrompt(bar, AFX_IDS_IDLEMESSAGE);
                }
                return false;
            default:
                return false;
        }
    }

private:
    static void ShowPrompt(CToolBar* bar, UINT id) {
        if (CFrameWnd* frame = bar->GetDockingFrame()) {
            frame->SendMessage(WM_SETMESSAGESTRING, id);
        }
    }
};

void RegisterToolBarClass() {
    static const bool registered = [] {
        AfxRegisterWindowClass(
            WindowClass{kToolBarClass,
                        [](const CREATESTRUCT& /*cs*/, QWidget* parent) -> QWidget* {
                            return new AfxToolBarWidget(parent);
                        },
                        nullptr, nullptr});
        return true;
    }();
    (void)registered;
}

WORD Word(std::span<const BYTE> bytes, size_t index) {
    return static_cast<WORD>(bytes[2 * index] | bytes[2 * index + 1] << 8);
}

// The part of a command's string after "\n": the name a tooltip shows.
QString ShortName(UINT id) {
    const QString text = AfxQString(AfxFindString(id));
    const auto newline = text.indexOf(QLatin1Char('\n'));
    return newline < 0 ? QString() : text.mid(newline + 1);
}

// A button's update request.
class CToolCmdUI : public CCmdUI {
public:
    QAction* m_pAction = nullptr;

protected:
    void ApplyEnable(BOOL bOn) override { m_pAction->setEnabled(bOn != FALSE); }
    void ApplyCheck(int nCheck) override {
        m_pAction->setCheckable(nCheck != 0);
        m_pAction->setChecked(nCheck != 0);
    }
};

AfxToolBarWidget* WidgetOf(HWND hWnd) {
    return dynamic_cast<AfxToolBarWidget*>(hWnd);
}

// The buttons' actions in order, separators included.
QList<QAction*> ButtonActions(HWND hWnd) {
    return hWnd != nullptr ? hWnd->actions() : QList<QAction*>{};
}

}  // namespace

CToolBar::~CToolBar() = default;

BOOL CToolBar::Create(CWnd* pParentWnd, DWORD dwStyle, UINT nID) {
    return CreateEx(pParentWnd, 0, dwStyle, CRect(0, 0, 0, 0), nID);
}

BOOL CToolBar::CreateEx(CWnd* pParentWnd, DWORD dwCtrlStyle, DWORD dwStyle, CRect rcBorders,
                        UINT nID) {
    RegisterToolBarClass();
    m_dwCtrlStyle = dwCtrlStyle;
    if (!CreateBar(kToolBarClass, pParentWnd, dwStyle, nID)) {
        return FALSE;
    }
    auto* bar = WidgetOf(m_hWnd);
    bar->setContentsMargins(rcBorders.left, rcBorders.top, rcBorders.right, rcBorders.bottom);
    bar->setIconSize(QSize(m_sizeImage.cx, m_sizeImage.cy));
    if (auto* window = qobject_cast<QMainWindow*>(pParentWnd->m_hWnd)) {
        const Qt::ToolBarArea area = AfxToolBarArea(m_dwStyle);
        window->addToolBar(area != Qt::NoToolBarArea ? area : Qt::TopToolBarArea, bar);
    }
    ApplyDockingRules();
    return TRUE;
}

BOOL CToolBar::LoadToolBar(UINT nIDResource) {
    const std::span<const BYTE> data = AfxFindToolbar(nIDResource);
    if (data.size() < 8 || Word(data, 0) != kToolBarVersion) {
        return FALSE;
    }
    const WORD width = Word(data, 1);
    const WORD height = Word(data, 2);
    const WORD count = Word(data, 3);
    if (width == 0 || height == 0 || data.size() < 8 + 2 * static_cast<size_t>(count)) {
        return FALSE;
    }
    std::vector<UINT> ids;
    for (size_t i = 0; i < count; ++i) {
        ids.push_back(Word(data, 4 + i));
    }
    SetSizes(SIZE{width + 7, height + 7}, SIZE{width, height});
    if (!LoadBitmap(nIDResource)) {
        return FALSE;
    }
    return SetButtons(ids.data(), static_cast<int>(ids.size()));
}

BOOL CToolBar::LoadBitmap(UINT nIDResource) {
    auto* bar = WidgetOf(m_hWnd);
    if (bar == nullptr) {
        return FALSE;
    }
    QImage image = AfxLoadSysColorBitmap(nIDResource, bar->palette());
    if (image.isNull()) {
        return FALSE;
    }
    // The face colour is the button's own background: Qt draws the button and its
    // hover and pressed states beneath the picture, and greys a disabled picture
    // from what is left.
    const QRgb face = bar->palette().color(QPalette::Active, QPalette::Button).rgb();
    for (int y = 0; y < image.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < image.width(); ++x) {
            if (line[x] == face) {
                line[x] = qRgba(0, 0, 0, 0);
            }
        }
    }
    bar->m_bitmap = image;
    return TRUE;
}

void CToolBar::SetSizes(SIZE sizeButton, SIZE sizeImage) {
    m_sizeButton = sizeButton;
    m_sizeImage = sizeImage;
    if (m_hWnd != nullptr) {
        WidgetOf(m_hWnd)->setIconSize(QSize(sizeImage.cx, sizeImage.cy));
    }
}

BOOL CToolBar::SetButtons(const UINT* lpIDArray, int nIDCount) {
    auto* bar = WidgetOf(m_hWnd);
    if (bar == nullptr || nIDCount < 0 || (lpIDArray == nullptr && nIDCount > 0)) {
        return FALSE;
    }
    for (QAction* old : bar->actions()) {
        bar->removeAction(old);
        if (old->parent() == bar) {
            delete old;
        }
    }
    m_buttons.assign(lpIDArray, lpIDArray + nIDCount);
    int image = 0;
    for (UINT id : m_buttons) {
        if (id == ID_SEPARATOR) {
            bar->addSeparator();
            continue;
        }
        auto* action = new QAction(ShortName(id), bar);
        action->setData(id);
        action->setToolTip(ShortName(id));
        const int x = image++ * m_sizeImage.cx;
        if (!bar->m_bitmap.isNull() && x + m_sizeImage.cx <= bar->m_bitmap.width()) {
            action->setIcon(QIcon(
                QPixmap::fromImage(bar->m_bitmap.copy(x, 0, m_sizeImage.cx, m_sizeImage.cy))));
        }
        QObject::connect(action, &QAction::triggered, bar, [bar, id]() {
            if (CToolBar* self = bar->Bar()) {
                if (CFrameWnd* frame = self->GetDockingFrame()) {
                    frame->SendMessage(WM_COMMAND, MAKEWPARAM(id, 0), 0);
                }
            }
        });
        bar->addAction(action);
        if (auto* button = qobject_cast<QToolButton*>(bar->widgetForAction(action))) {
            button->setAutoRaise((m_dwCtrlStyle & TBSTYLE_FLAT) != 0);
            button->setFocusPolicy(Qt::NoFocus);
            button->installEventFilter(bar);
        }
    }
    return TRUE;
}

UINT CToolBar::GetItemID(int nIndex) const {
    return nIndex >= 0 && nIndex < GetCount() ? m_buttons[static_cast<size_t>(nIndex)]
                                              : static_cast<UINT>(-1);
}

int CToolBar::CommandToIndex(UINT nIDFind) const {
    for (size_t i = 0; i < m_buttons.size(); ++i) {
        if (m_buttons[i] == nIDFind) {
            return static_cast<int>(i);
        }
    }
    return -1;
}

void CToolBar::OnUpdateCmdUI(CFrameWnd* pTarget, BOOL bDisableIfNoHndler) {
    const QList<QAction*> actions = ButtonActions(m_hWnd);
    CToolCmdUI state;
    state.m_pOther = this;
    state.m_nIndexMax = static_cast<UINT>(actions.size());
    for (qsizetype i = 0; i < actions.size(); ++i) {
        if (actions[i]->isSeparator()) {
            continue;
        }
        state.m_nIndex = static_cast<UINT>(i);
        state.m_nID = actions[i]->data().toUInt();
        state.m_pAction = actions[i];
        state.DoUpdate(pTarget, bDisableIfNoHndler);
    }
}

void CToolBar::ApplyDockingRules() {
    auto* bar = WidgetOf(m_hWnd);
    if (bar == nullptr) {
        return;
    }
    const CFrameWnd* frame = GetDockingFrame();
    const DWORD sides = m_dwDockStyle & (frame != nullptr ? frame->m_dwDockStyle : 0);
    auto* window = qobject_cast<QMainWindow*>(bar->parentWidget());
    const Qt::ToolBarArea current =
        window != nullptr ? window->toolBarArea(bar) : AfxToolBarArea(m_dwStyle);
    // Without docking the bar stays where it is; the gripper then only shows.
    bar->setAllowedAreas(AfxToolBarAreas(sides) | current);
    bar->setFloatable(sides != 0);
    bar->setMovable(sides != 0 || (m_dwStyle & CBRS_GRIPPER) != 0);
}
