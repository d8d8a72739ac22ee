// Running a dialog modally, and the dialog's standard buttons.
#include <QDialog>
#include <limits>

#include "framework/app.h"
#include "framework/dialog.h"
#include "framework/dialog_builder.h"
#include "framework/window_class.h"

BEGIN_MESSAGE_MAP(CDialog, CWnd)
ON_COMMAND(IDOK, &CDialog::OnOK)
ON_COMMAND(IDCANCEL, &CDialog::OnCancel)
END_MESSAGE_MAP()

namespace {

// The result while no EndDialog has been called.
constexpr int kStillRunning = std::numeric_limits<int>::min();

// A template at (0, 0), or one that asks for it, is centred over its owner; any other
// position counts from the owner's client area, in dialog units.
void PlaceDialog(CWnd& dialog, const DialogTemplate& dialogTemplate, CWnd* owner) {
    if ((dialogTemplate.style & DS_CENTER) != 0 ||
        (dialogTemplate.x == 0 && dialogTemplate.y == 0)) {
        dialog.CenterWindow(owner);
        return;
    }
    const DialogBaseUnits units = AfxDialogBaseUnits(AfxDialogFont(dialogTemplate));
    QPoint origin;
    if (owner != nullptr && owner->m_hWnd != nullptr) {
        origin = AfxClientWidget(owner->m_hWnd)->mapToGlobal(QPoint(0, 0));
    }
    dialog.m_hWnd->move(
        origin + QPoint(units.ToPixelsX(dialogTemplate.x), units.ToPixelsY(dialogTemplate.y)));
}

}  // namespace

INT_PTR CDialog::DoModal() {
    const DialogTemplate* dialogTemplate = AfxFindDialog(m_lpszTemplateName);
    if (dialogTemplate == nullptr || (dialogTemplate->style & WS_CHILD) != 0 || m_hWnd != nullptr) {
        return -1;
    }
    CWnd* owner = m_pParentWnd != nullptr ? m_pParentWnd->GetTopLevelParent() : AfxGetMainWnd();
    if (owner != nullptr && owner->m_hWnd == nullptr) {
        owner = nullptr;
    }
    // The owner takes no input while the dialog is open.
    const bool enableOwnerAgain = owner != nullptr && owner->IsWindowEnabled();
    if (enableOwnerAgain) {
        owner->EnableWindow(FALSE);
    }
    m_nModalResult = kStillRunning;
    if (!CreateIndirect(dialogTemplate, owner, m_lpszTemplateName)) {
        if (enableOwnerAgain) {
            owner->EnableWindow(TRUE);
        }
        return -1;
    }
    // For Qt the dialog window is a child of its owner and was disabled with it.
    m_hWnd->setEnabled(true);
    PlaceDialog(*this, *dialogTemplate, owner);
    // OnInitDialog may have ended the dialog already.
    if (m_nModalResult == kStillRunning) {
        if (auto* window = qobject_cast<QDialog*>(m_hWnd)) {
            window->exec();
        }
    }
    if (m_hWnd != nullptr) {
        m_hWnd->hide();
    }
    if (enableOwnerAgain && owner->m_hWnd != nullptr) {
        owner->EnableWindow(TRUE);
        owner->m_hWnd->activateWindow();
    }
    DestroyWindow();
    return m_nModalResult == kStillRunning ? -1 : m_nModalResult;
}

void CDialog::EndDialog(int nResult) {
    m_nModalResult = nResult;
    if (auto* window = qobject_cast<QDialog*>(m_hWnd)) {
        window->done(nResult);  // leaves the modal loop and hides the window
    } else if (m_hWnd != nullptr) {
        m_hWnd->hide();
    }
}

void CDialog::OnOK() {
    if (!UpdateData(TRUE)) {
        return;
    }
    EndDialog(IDOK);
}

void CDialog::OnCancel() {
    EndDialog(IDCANCEL);
}
