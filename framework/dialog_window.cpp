#include "framework/dialog_window.h"

#include "framework/afx_messages.h"
#include "framework/afx_styles.h"
#include "framework/dialog_navigation.h"
#include "framework/window_class.h"
#include "framework/wnd.h"

namespace {

// The dialog asks itself to cancel, as the Cancel button would (Escape, close box).
void SendCancel(HWND hDialog) {
    CWnd* dialog = CWnd::FromHandle(hDialog);
    if (dialog == nullptr) {
        return;
    }
    CWnd* cancel = dialog->GetDlgItem(IDCANCEL);
    // Never a command without a sender: the dialog stands in for a missing button.
    const HWND sender = cancel != nullptr ? cancel->m_hWnd : hDialog;
    dialog->SendMessage(WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED),
                        reinterpret_cast<LPARAM>(sender));
}

QWidget* CreateDialogWidget(const CREATESTRUCT& cs, QWidget* parent) {
    const auto style = static_cast<DWORD>(cs.style);
    if ((style & WS_CHILD) != 0) {
        return new AfxDialogSurface(nullptr, parent);
    }
    auto* dialog = new AfxDialogWindow(parent);
    Qt::WindowFlags flags = Qt::Dialog | Qt::CustomizeWindowHint;
    if ((style & WS_CAPTION) == WS_CAPTION) {
        flags |= Qt::WindowTitleHint;
    }
    if ((style & WS_SYSMENU) != 0) {
        flags |= Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint;
    }
    dialog->setWindowFlags(flags);
    return dialog;
}

LRESULT DialogProc(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_CLOSE && qobject_cast<QDialog*>(hWnd) != nullptr) {
        SendCancel(hWnd);
        return 0;
    }
    return AfxDefaultWindowProc(hWnd, message, wParam, lParam);
}

}  // namespace

AfxDialogSurface::AfxDialogSurface(HWND owner, QWidget* parent) : QWidget(parent), m_owner(owner) {}

bool AfxDialogSurface::focusNextPrevChild(bool next) {
    // A surface made by the dialog class is itself the dialog window.
    const HWND owner = m_owner != nullptr ? m_owner : this;
    return AfxMoveDialogFocus(owner, !next) || QWidget::focusNextPrevChild(next);
}

AfxDialogWindow::AfxDialogWindow(QWidget* parent) : QDialog(parent) {}

void AfxDialogWindow::reject() {
    SendCancel(this);
}

bool AfxDialogWindow::focusNextPrevChild(bool next) {
    return AfxMoveDialogFocus(this, !next) || QDialog::focusNextPrevChild(next);
}

void AfxRegisterDialogClass() {
    static const bool registered = [] {
        AfxRegisterWindowClass(WindowClass{"AfxDialog", &CreateDialogWidget, &DialogProc, nullptr});
        return true;
    }();
    (void)registered;
}
