// The framework's own message boxes: owned by the main window, captioned with the
// application's name.
#pragma once

#include "framework/afx_messages.h"
#include "framework/afx_types.h"
#include "framework/cstring.h"

int AfxMessageBox(LPCTSTR lpszText, UINT nType = MB_OK | MB_ICONWARNING);
// The text of string nIDPrompt; a missing string shows as empty.
int AfxMessageBox(UINT nIDPrompt, UINT nType = MB_OK | MB_ICONWARNING);

// String nIDS with every "%1" replaced by lpsz1.
void AfxFormatString1(CString& rString, UINT nIDS, LPCTSTR lpsz1);
