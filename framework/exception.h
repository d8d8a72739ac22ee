// The layer's exceptions: thrown by files and archives, caught by the file
// commands, which show the exception's own text or their generic one.
#pragma once

#include "framework/afx_messages.h"
#include "framework/cstring.h"

class CException {
public:
    CException() = default;
    CException(const CException&) = default;
    CException& operator=(const CException&) = default;
    virtual ~CException() = default;

    // The text for the user; FALSE when this exception has none of its own.
    virtual BOOL GetErrorMessage(CString& rMessage) const {
        rMessage.Empty();
        return FALSE;
    }
    // Shows the text in the framework's message box; without a text of its own,
    // string nMessageID is shown instead.
    int ReportError(UINT nType = MB_OK | MB_ICONWARNING, UINT nMessageID = 0) const;
};
