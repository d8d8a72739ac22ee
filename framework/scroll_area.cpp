#include "framework/scroll_area.h"

#include <QFocusEvent>

#include "framework/dialog_navigation.h"
#include "framework/dialog_window.h"
#include "framework/window_class.h"

AfxScrollArea::AfxScrollArea(QWidget* parent) : QScrollArea(parent) {
    setFrameShape(QFrame::NoFrame);
    setWidgetResizable(false);
    setWidget(new AfxDialogSurface(this, nullptr));
}

QSize AfxScrollArea::sizeHint() const {
    const int frame = 2 * frameWidth();
    return widget()->size() + QSize(frame, frame);
}

void AfxScrollArea::focusInEvent(QFocusEvent* event) {
    QScrollArea::focusInEvent(event);
    if (HWND first = AfxNextTabItem(this, nullptr, false)) {
        first->setFocus(event->reason());
    }
}

void AfxRegisterScrollViewClass() {
    static const bool registered = [] {
        AfxRegisterWindowClass(
            WindowClass{"AfxScrollView",
                        [](const CREATESTRUCT& /*cs*/, QWidget* parent) -> QWidget* {
                            return new AfxScrollArea(parent);
                        },
                        nullptr,
                        [](QWidget* widget) -> QWidget* {
                            return static_cast<QScrollArea*>(widget)->widget();
                        }});
        return true;
    }();
    (void)registered;
}
