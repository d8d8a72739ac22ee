#include "framework/message_box.h"

#include <string>

#include "framework/app.h"

int AfxMessageBox(LPCTSTR lpszText, UINT nType) {
    if (CWnd* main = AfxGetMainWnd(); main != nullptr && main->m_hWnd != nullptr) {
        return main->MessageBox(lpszText, nullptr, nType);
    }
    CWnd ownerless;
    return ownerless.MessageBox(lpszText, nullptr, nType);
}

int AfxMessageBox(UINT nIDPrompt, UINT nType) {
    CString text;
    text.LoadString(nIDPrompt);
    return AfxMessageBox(text, nType);
}

void AfxFormatString1(CString& rString, UINT nIDS, LPCTSTR lpsz1) {
    CString pattern;
    pattern.LoadString(nIDS);
    const std::string argument = lpsz1 != nullptr ? lpsz1 : "";
    std::string text = pattern.str();
    for (std::size_t at = text.find("%1"); at != std::string::npos;
         at = text.find("%1", at + argument.size())) {
        text.replace(at, 2, argument);
    }
    rString = CString(std::move(text));
}
