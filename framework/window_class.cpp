#include "framework/window_class.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QEvent>
#include <QResizeEvent>
#include <deque>
#include <string>
#include <unordered_map>

#include "framework/afx_messages.h"
#include "framework/wnd.h"

namespace {

// A deque: windows keep pointers to their class, and registering another class must
// not move the ones already registered.
std::deque<WindowClass>& Classes() {
    static std::deque<WindowClass> classes;
    return classes;
}

std::unordered_map<HWND, WindowData>& Windows() {
    static std::unordered_map<HWND, WindowData> windows;
    return windows;
}

unsigned long long g_nextOrder = 1;

// Turns the Qt events of a window's widget into the window's messages.
class WindowEventBridge : public QObject {
public:
    static WindowEventBridge& Instance() {
        static auto* bridge = new WindowEventBridge;
        return *bridge;
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        auto* widget = qobject_cast<QWidget*>(watched);
        if (widget == nullptr || AfxGetWindowData(widget) == nullptr) {
            return false;
        }
        switch (event->type()) {
            case QEvent::Close: {
                // The window decides through WM_CLOSE; by default it destroys itself.
                event->ignore();
                if (CWnd* wnd = CWnd::FromHandle(widget)) {
                    wnd->SendMessage(WM_CLOSE);
                }
                return true;
            }
            case QEvent::Resize: {
                auto* resize = static_cast<QResizeEvent*>(event);
                if (CWnd* wnd = CWnd::FromHandle(widget)) {
                    const auto cx = static_cast<std::uintptr_t>(resize->size().width()) & 0xFFFF;
                    const auto cy = static_cast<std::uintptr_t>(resize->size().height()) & 0xFFFF;
                    wnd->SendMessage(WM_SIZE, 0, static_cast<LPARAM>(cx | (cy << 16)));
                }
                return false;
            }
            default:
                return false;
        }
    }
};

}  // namespace

void AfxForgetWindow(HWND hWnd) {
    auto it = Windows().find(hWnd);
    if (it == Windows().end()) {
        return;
    }
    WindowData data = std::move(it->second);
    Windows().erase(it);
    if (data.wrapper) {
        data.wrapper->m_hWnd = nullptr;
    }
    for (auto& retired : data.retired) {
        retired->m_hWnd = nullptr;
    }
    if (data.permanent != nullptr && data.permanent != data.wrapper.get()) {
        data.permanent->m_hWnd = nullptr;
        data.permanent->PostNcDestroy();
    }
}

void AfxRegisterWindowClass(const WindowClass& windowClass) {
    for (auto& c : Classes()) {
        if (std::string_view(c.name) == windowClass.name) {
            c = windowClass;
            return;
        }
    }
    Classes().push_back(windowClass);
}

const WindowClass* AfxFindWindowClass(std::string_view name) {
    static const bool genericRegistered = [] {
        AfxRegisterWindowClass(WindowClass{
            "AfxWnd",
            [](const CREATESTRUCT& /*cs*/, QWidget* parent) { return new QWidget(parent); },
            nullptr, nullptr});
        return true;
    }();
    (void)genericRegistered;
    for (const auto& c : Classes()) {
        if (name == c.name) {
            return &c;
        }
    }
    return nullptr;
}

WindowData* AfxGetWindowData(HWND hWnd) {
    if (hWnd == nullptr) {
        return nullptr;
    }
    auto it = Windows().find(hWnd);
    return it != Windows().end() ? &it->second : nullptr;
}

WindowData& AfxRegisterWindow(HWND hWnd, const WindowClass* windowClass, HWND parent, int id,
                              DWORD style, DWORD exStyle) {
    auto [it, inserted] = Windows().try_emplace(hWnd);
    WindowData& data = it->second;
    data.windowClass = windowClass;
    data.parent = parent;
    data.id = id;
    data.style = style;
    data.exStyle = exStyle;
    if (inserted) {
        data.order = g_nextOrder++;
        QObject::connect(hWnd, &QObject::destroyed, &WindowEventBridge::Instance(),
                         [hWnd]() { AfxForgetWindow(hWnd); });
        hWnd->installEventFilter(&WindowEventBridge::Instance());
    }
    return data;
}

void AfxStopWatchingDestruction(HWND hWnd) {
    // Only the layer's own connection: Qt's (accessibility, buddies) must stay.
    QObject::disconnect(hWnd, &QObject::destroyed, &WindowEventBridge::Instance(), nullptr);
}

std::vector<HWND> AfxChildWindows(HWND hWnd) {
    std::vector<std::pair<unsigned long long, HWND>> children;
    for (const auto& [child, data] : Windows()) {
        if (data.parent == hWnd) {
            children.emplace_back(data.order, child);
        }
    }
    std::sort(children.begin(), children.end());
    std::vector<HWND> result;
    result.reserve(children.size());
    for (const auto& c : children) {
        result.push_back(c.second);
    }
    return result;
}

QWidget* AfxClientWidget(HWND hWnd) {
    const WindowData* data = AfxGetWindowData(hWnd);
    if (data != nullptr && data->windowClass != nullptr && data->windowClass->clientOf != nullptr) {
        return data->windowClass->clientOf(hWnd);
    }
    return hWnd;
}

LRESULT AfxCopyText(const std::string& text, WPARAM capacity, LPARAM buffer) {
    auto* out = reinterpret_cast<char*>(buffer);
    const auto size = static_cast<size_t>(capacity);
    if (out == nullptr || size == 0) {
        return 0;
    }
    size_t n = std::min(text.size(), size - 1);
    // Never end inside a UTF-8 sequence.
    while (n > 0 && n < text.size() && (static_cast<unsigned char>(text[n]) & 0xC0) == 0x80) {
        --n;
    }
    text.copy(out, n);
    out[n] = '\0';
    return static_cast<LRESULT>(n);
}

QString AfxQString(LPCTSTR text) {
    return QString::fromUtf8(text != nullptr ? text : "");
}

LRESULT AfxDefaultWindowProc(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_SETTEXT:
            hWnd->setWindowTitle(AfxQString(reinterpret_cast<LPCTSTR>(lParam)));
            return TRUE;
        case WM_GETTEXT:
            return AfxCopyText(hWnd->windowTitle().toStdString(), wParam, lParam);
        case WM_GETTEXTLENGTH:
            return static_cast<LRESULT>(hWnd->windowTitle().toStdString().size());
        case WM_CLOSE:
            if (CWnd* wnd = CWnd::FromHandle(hWnd)) {
                wnd->DestroyWindow();
            }
            return 0;
        default:
            return 0;
    }
}

void AfxNotifyParent(HWND hControl, UINT nCode) {
    const WindowData* data = AfxGetWindowData(hControl);
    if (data == nullptr || data->parent == nullptr) {
        return;
    }
    if (CWnd* parent = CWnd::FromHandle(data->parent)) {
        parent->SendMessage(WM_COMMAND, MAKEWPARAM(static_cast<UINT>(data->id), nCode),
                            reinterpret_cast<LPARAM>(hControl));
    }
}
