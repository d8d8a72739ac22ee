// Accelerator tables: keys that stand for commands.
//
// Key presses reach the program as WM_KEYDOWN (WM_SYSKEYDOWN with Alt) messages
// whose wParam is the virtual-key code; GetKeyState tells the modifiers. They pass
// CWinThread::PreTranslateMessage before the focused control sees them, and a frame
// translates them there with its table.
#pragma once

#include <span>

#include "framework/resources.h"

class CWnd;

// The first entry of the table (up to its end mark) for a key message: the same
// virtual key, and Ctrl, Shift and Alt held exactly as the entry says. Entries
// without FVIRTKEY never match. Null when none does.
const ACCEL* AfxFindAccelerator(std::span<const ACCEL> table, const MSG* pMsg);

// Sends the matching entry's command to pWnd as WM_COMMAND (high word 1, lParam 0)
// and returns TRUE; FALSE when no entry matches. The key counts as taken even when
// the command turns out to be disabled.
BOOL AfxTranslateAccelerator(CWnd* pWnd, std::span<const ACCEL> table, MSG* pMsg);

// Makes every key press in the application pass through the application's
// PreTranslateMessage first (frames call this when they are created). Qt's own
// shortcuts, an edit box's among them, never see a key that a frame's table holds.
void AfxInstallKeyTranslation();
