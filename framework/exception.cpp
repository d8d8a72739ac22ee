#include "framework/exception.h"

#include "framework/message_box.h"

int CException::ReportError(UINT nType, UINT nMessageID) const {
    CString message;
    if (!GetErrorMessage(message)) {
        message.LoadString(nMessageID);
    }
    return AfxMessageBox(message, nType);
}
