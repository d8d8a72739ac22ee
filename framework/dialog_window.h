// Inside the layer: the widgets that hold a dialog's controls, and the window class
// "AfxDialog" of dialogs built from templates.
#pragma once

#include <QDialog>
#include <QWidget>

#include "framework/afx_types.h"

// Holds the controls of a dialog inside another window (a child dialog, or the form
// of a form view, where the owner is the view). Tab and Shift+Tab move between the
// owner's tab stops and stay within them.
class AfxDialogSurface : public QWidget {
public:
    AfxDialogSurface(HWND owner, QWidget* parent);
    void SetOwner(HWND owner) { m_owner = owner; }

protected:
    bool focusNextPrevChild(bool next) override;

private:
    HWND m_owner;
};

// A top-level dialog window. Escape asks the dialog to cancel (WM_COMMAND IDCANCEL)
// instead of closing it; whoever runs it ends it with done().
class AfxDialogWindow : public QDialog {
public:
    explicit AfxDialogWindow(QWidget* parent);
    void reject() override;

protected:
    bool focusNextPrevChild(bool next) override;
};

// Registers "AfxDialog": a top-level dialog window, or a surface for WS_CHILD.
void AfxRegisterDialogClass();
