// The framework's file dialogs for Open and Save As.
#pragma once

#include "framework/afx_types.h"
#include "framework/cstring.h"

// Shows the Open dialog (bOpenFileDialog TRUE: the file must exist, no name preset)
// or the Save As dialog (the folder must exist, replacing asks first; fileName is
// proposed). The only filter is "All Files (*.*)" and no extension is appended.
// lpszTitle null gives "Open" / "Save As". On OK fileName is the chosen full path
// and the result is TRUE; Cancel gives FALSE and leaves fileName as it was.
BOOL AfxPromptFileName(CString& fileName, BOOL bOpenFileDialog, LPCTSTR lpszTitle = nullptr);
