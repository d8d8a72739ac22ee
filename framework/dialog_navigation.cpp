#include "framework/dialog_navigation.h"

#include <QApplication>
#include <QScrollArea>
#include <algorithm>

#include "framework/afx_styles.h"
#include "framework/window_class.h"

namespace {

DWORD StyleOf(HWND hWnd) {
    const WindowData* data = AfxGetWindowData(hWnd);
    return data != nullptr ? data->style : 0;
}

bool TakesTab(HWND hWnd) {
    return (StyleOf(hWnd) & WS_TABSTOP) != 0 && hWnd->isEnabled() && !hWnd->isHidden();
}

}  // namespace

std::vector<HWND> AfxDialogGroup(HWND hControl) {
    const WindowData* data = AfxGetWindowData(hControl);
    if (data == nullptr) {
        return {};
    }
    const std::vector<HWND> siblings = AfxChildWindows(data->parent);
    const auto at = std::find(siblings.begin(), siblings.end(), hControl);
    if (at == siblings.end()) {
        return {hControl};
    }
    auto first = at;
    while (first != siblings.begin() && (StyleOf(*first) & WS_GROUP) == 0) {
        --first;
    }
    auto last = at + 1;
    while (last != siblings.end() && (StyleOf(*last) & WS_GROUP) == 0) {
        ++last;
    }
    return {first, last};
}

HWND AfxNextTabItem(HWND hDialog, HWND hCurrent, bool previous) {
    std::vector<HWND> controls = AfxChildWindows(hDialog);
    if (previous) {
        std::reverse(controls.begin(), controls.end());
    }
    const auto current = std::find(controls.begin(), controls.end(), hCurrent);
    const size_t start =
        current != controls.end() ? static_cast<size_t>(current - controls.begin()) + 1 : 0;
    for (size_t i = 0; i < controls.size(); ++i) {
        HWND candidate = controls[(start + i) % controls.size()];
        if (TakesTab(candidate)) {
            return candidate;
        }
    }
    return nullptr;
}

HWND AfxDialogFocusItem(HWND hDialog) {
    for (QWidget* w = QApplication::focusWidget(); w != nullptr; w = w->parentWidget()) {
        const WindowData* data = AfxGetWindowData(w);
        if (data != nullptr && data->parent == hDialog) {
            return w;
        }
    }
    return nullptr;
}

bool AfxMoveDialogFocus(HWND hDialog, bool previous) {
    HWND next = AfxNextTabItem(hDialog, AfxDialogFocusItem(hDialog), previous);
    if (next == nullptr) {
        return false;
    }
    next->setFocus(previous ? Qt::BacktabFocusReason : Qt::TabFocusReason);
    // A form in a scroll area brings the control into sight.
    for (QWidget* w = next->parentWidget(); w != nullptr; w = w->parentWidget()) {
        if (auto* area = qobject_cast<QScrollArea*>(w)) {
            area->ensureWidgetVisible(next);
            break;
        }
    }
    return true;
}
