#include "framework/accelerators.h"

#include <QApplication>
#include <QKeyEvent>
#include <QPointer>
#include <QWidget>

#include "framework/app.h"
#include "framework/frame_wnd.h"
#include "framework/keyboard.h"
#include "framework/virtual_keys.h"
#include "framework/window_class.h"
#include "framework/wnd.h"

namespace {

constexpr BYTE kModifierFlags = FSHIFT | FCONTROL | FALT;
constexpr LPARAM kRepeatCount = 1;
constexpr LPARAM kAltDown = LPARAM{1} << 29;
constexpr LPARAM kWasDown = LPARAM{1} << 30;

bool KeyIsDown(int nVirtKey) {
    return GetKeyState(nVirtKey) < 0;
}

// The nearest window at or above the widget: the window the key is for.
HWND KeyWindow(QWidget* widget) {
    for (QWidget* w = widget; w != nullptr; w = w->parentWidget()) {
        if (AfxGetWindowData(w) != nullptr) {
            return w;
        }
    }
    return nullptr;
}

// Whether a frame on the way from the key's window up holds the key in its table.
bool IsAcceleratorKey(const MSG& msg) {
    for (CWnd* wnd = CWnd::FromHandle(msg.hwnd); wnd != nullptr; wnd = wnd->GetParent()) {
        if (auto* frame = dynamic_cast<CFrameWnd*>(wnd); frame && frame->FindAccelerator(&msg)) {
            return true;
        }
    }
    return false;
}

// Turns key presses into key messages for the application's PreTranslateMessage.
//
// Qt first offers a key to the focused widget as ShortcutOverride: a widget that
// accepts it gets the key press; otherwise Qt's shortcuts (an edit box's copy and
// paste, a menu's mnemonic) may take it. A key of a frame's table is claimed at that
// point, so that no shortcut fires, and translated when the press itself arrives.
class KeyTranslationFilter : public QObject {
protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        const QEvent::Type type = event->type();
        if (type != QEvent::KeyPress && type != QEvent::ShortcutOverride) {
            return false;
        }
        auto* widget = qobject_cast<QWidget*>(watched);
        CWinApp* app = AfxGetApp();
        // An open menu keeps its keys to itself.
        if (widget == nullptr || app == nullptr || QApplication::activePopupWidget() != nullptr) {
            return false;
        }
        auto* key = static_cast<QKeyEvent*>(event);
        if (IsPropagation(widget, *key)) {
            return false;
        }
        MSG msg;
        if (!MakeKeyMessage(widget, *key, msg)) {
            return false;
        }
        const AfxKeyModifiersScope modifiers(key->modifiers());
        const bool taken = type == QEvent::ShortcutOverride ? IsAcceleratorKey(msg)
                                                            : app->PreTranslateMessage(&msg);
        if (!taken) {
            // Qt hands a key that nobody accepted to each parent in turn; it has been
            // offered already.
            m_lastEvent = event;
            m_lastType = type;
            m_lastReceiver = widget;
            return false;
        }
        event->accept();
        return true;
    }

private:
    bool IsPropagation(QWidget* widget, const QKeyEvent& key) const {
        // isAncestorOf counts the widget itself.
        return &key == m_lastEvent && key.type() == m_lastType && m_lastReceiver &&
               widget != m_lastReceiver && widget->isAncestorOf(m_lastReceiver);
    }

    static bool MakeKeyMessage(QWidget* widget, const QKeyEvent& key, MSG& msg) {
        const WORD vk = AfxVirtualKey(key.key());
        msg.hwnd = KeyWindow(widget);
        if (vk == 0 || msg.hwnd == nullptr) {
            return false;
        }
        const bool alt = key.modifiers().testFlag(Qt::AltModifier);
        msg.message = alt ? WM_SYSKEYDOWN : WM_KEYDOWN;
        msg.wParam = vk;
        msg.lParam = kRepeatCount | (alt ? kAltDown : 0) | (key.isAutoRepeat() ? kWasDown : 0);
        return true;
    }

    const QEvent* m_lastEvent = nullptr;
    QEvent::Type m_lastType = QEvent::None;
    QPointer<QWidget> m_lastReceiver;
};

}  // namespace

const ACCEL* AfxFindAccelerator(std::span<const ACCEL> table, const MSG* pMsg) {
    if (pMsg == nullptr || (pMsg->message != WM_KEYDOWN && pMsg->message != WM_SYSKEYDOWN)) {
        return nullptr;
    }
    BYTE held = 0;
    held |= KeyIsDown(VK_SHIFT) ? FSHIFT : 0;
    held |= KeyIsDown(VK_CONTROL) ? FCONTROL : 0;
    held |= KeyIsDown(VK_MENU) ? FALT : 0;
    for (const ACCEL& entry : table) {
        if ((entry.fVirt & FVIRTKEY) != 0 && entry.key == pMsg->wParam &&
            (entry.fVirt & kModifierFlags) == held) {
            return &entry;
        }
        if ((entry.fVirt & ACCEL_END) != 0) {
            break;
        }
    }
    return nullptr;
}

BOOL AfxTranslateAccelerator(CWnd* pWnd, std::span<const ACCEL> table, MSG* pMsg) {
    const ACCEL* entry = AfxFindAccelerator(table, pMsg);
    if (entry == nullptr || pWnd == nullptr) {
        return FALSE;
    }
    pWnd->SendMessage(WM_COMMAND, MAKEWPARAM(entry->cmd, 1), 0);
    return TRUE;
}

void AfxInstallKeyTranslation() {
    static QPointer<QObject> filter;
    if (filter == nullptr && QCoreApplication::instance() != nullptr) {
        filter = new KeyTranslationFilter;
        filter->setParent(QCoreApplication::instance());
        QCoreApplication::instance()->installEventFilter(filter);
    }
}
