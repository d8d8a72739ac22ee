#include "framework/file_dialog.h"

BOOL AfxPromptFileName(CString& /*fileName*/, BOOL /*bOpenFileDialog*/, LPCTSTR /*lpszTitle*/) {
    return FALSE;
}
