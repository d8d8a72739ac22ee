#include "framework/controls.h"

#include <string>

IMPLEMENT_DYNAMIC(CStatic, CWnd)
IMPLEMENT_DYNAMIC(CButton, CWnd)
IMPLEMENT_DYNAMIC(CEdit, CWnd)
IMPLEMENT_DYNAMIC(CComboBox, CWnd)

namespace {

BOOL CreateControl(CWnd& control, LPCTSTR className, LPCTSTR text, DWORD style, const RECT& rect,
                   CWnd* pParentWnd, UINT nID) {
    AfxRegisterControlClasses();
    return control.CreateEx(0, className, text, style | WS_CHILD, rect.left, rect.top,
                            rect.right - rect.left, rect.bottom - rect.top,
                            pParentWnd != nullptr ? pParentWnd->m_hWnd : nullptr, nID);
}

}  // namespace

BOOL CStatic::Create(LPCTSTR lpszText, DWORD dwStyle, const RECT& rect, CWnd* pParentWnd,
                     UINT nID) {
    return CreateControl(*this, "Static", lpszText, dwStyle, rect, pParentWnd, nID);
}

BOOL CButton::Create(LPCTSTR lpszCaption, DWORD dwStyle, const RECT& rect, CWnd* pParentWnd,
                     UINT nID) {
    return CreateControl(*this, "Button", lpszCaption, dwStyle, rect, pParentWnd, nID);
}

int CButton::GetCheck() const {
    return static_cast<int>(SendMessage(BM_GETCHECK));
}

void CButton::SetCheck(int nCheck) {
    SendMessage(BM_SETCHECK, static_cast<WPARAM>(nCheck));
}

BOOL CEdit::Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID) {
    return CreateControl(*this, "Edit", nullptr, dwStyle, rect, pParentWnd, nID);
}

void CEdit::SetSel(int nStartChar, int nEndChar) {
    SendMessage(EM_SETSEL, static_cast<WPARAM>(static_cast<std::intptr_t>(nStartChar)),
                static_cast<LPARAM>(nEndChar));
}

BOOL CComboBox::Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID) {
    return CreateControl(*this, "ComboBox", nullptr, dwStyle, rect, pParentWnd, nID);
}

int CComboBox::AddString(LPCTSTR lpszString) {
    return static_cast<int>(SendMessage(CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(lpszString)));
}

int CComboBox::GetCount() const {
    return static_cast<int>(SendMessage(CB_GETCOUNT));
}

int CComboBox::GetCurSel() const {
    return static_cast<int>(SendMessage(CB_GETCURSEL));
}

int CComboBox::SetCurSel(int nSelect) {
    return static_cast<int>(
        SendMessage(CB_SETCURSEL, static_cast<WPARAM>(static_cast<std::intptr_t>(nSelect))));
}

int CComboBox::GetLBTextLen(int nIndex) const {
    return static_cast<int>(
        SendMessage(CB_GETLBTEXTLEN, static_cast<WPARAM>(static_cast<std::intptr_t>(nIndex))));
}

int CComboBox::GetLBText(int nIndex, LPTSTR lpszText) const {
    return static_cast<int>(SendMessage(CB_GETLBTEXT,
                                        static_cast<WPARAM>(static_cast<std::intptr_t>(nIndex)),
                                        reinterpret_cast<LPARAM>(lpszText)));
}

void CComboBox::GetLBText(int nIndex, CString& rString) const {
    const int length = GetLBTextLen(nIndex);
    if (length < 0) {
        rString.Empty();
        return;
    }
    std::string buffer(static_cast<size_t>(length) + 1, '\0');
    GetLBText(nIndex, buffer.data());
    buffer.resize(static_cast<size_t>(length));
    rString = CString(std::move(buffer));
}
