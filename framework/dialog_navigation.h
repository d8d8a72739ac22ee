// Inside the layer: groups and keyboard order of the controls of a dialog (or form),
// taken from their styles and their creation order, which is the template order.
#pragma once

#include <vector>

#include "framework/afx_types.h"

// The controls of the group that holds hControl: from the control with WS_GROUP at
// or before it up to the control before the next one with WS_GROUP. Controls before
// the first WS_GROUP form a group of their own.
std::vector<HWND> AfxDialogGroup(HWND hControl);

// The next (or previous) control after hCurrent that Tab goes to: a WS_TABSTOP
// control that is enabled and not hidden, in creation order, wrapping around. With
// hCurrent null, the first (or last) such control. Null when there is none.
HWND AfxNextTabItem(HWND hDialog, HWND hCurrent, bool previous);

// The direct child of hDialog that holds the keyboard focus, or null.
HWND AfxDialogFocusItem(HWND hDialog);

// Moves the focus to the next (or previous) tab stop; false when there is none.
bool AfxMoveDialogFocus(HWND hDialog, bool previous);
