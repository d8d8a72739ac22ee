// The keyboard as the program sees it.
#pragma once

#include "framework/afx_types.h"

// The state of a key: negative while it is held down (Shift, Ctrl and Alt, as the
// key being handled reports them), bit 0 set while a lock key (VK_CAPITAL,
// VK_NUMLOCK, VK_SCROLL) is on. A lock key reads as off where the display does not
// tell its state.
SHORT GetKeyState(int nVirtKey);
