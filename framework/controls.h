// Control windows: buttons, edit boxes, static texts and combo boxes.
//
// Each kind is a window class ("Button", "Edit", "Static", "ComboBox") whose class
// procedure answers the control messages. A control tells its parent about user
// actions only (a click, a pick from the list) with WM_COMMAND and a notification
// code; changes made by messages raise nothing.
#pragma once

#include "framework/wnd.h"

// Registers the four control classes; creating a control through these classes or
// building a dialog template does it on first use.
void AfxRegisterControlClasses();

class CStatic : public CWnd {
    DECLARE_DYNAMIC(CStatic)

public:
    CStatic() = default;
    using CWnd::Create;
    BOOL Create(LPCTSTR lpszText, DWORD dwStyle, const RECT& rect, CWnd* pParentWnd,
                UINT nID = 0xFFFF);
};

class CButton : public CWnd {
    DECLARE_DYNAMIC(CButton)

public:
    CButton() = default;
    using CWnd::Create;
    BOOL Create(LPCTSTR lpszCaption, DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID);
    // BST_UNCHECKED or BST_CHECKED.
    int GetCheck() const;
    void SetCheck(int nCheck);
};

class CEdit : public CWnd {
    DECLARE_DYNAMIC(CEdit)

public:
    CEdit() = default;
    using CWnd::Create;
    BOOL Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID);
    // Selects characters nStartChar up to nEndChar; -1 as the end selects to the end.
    void SetSel(int nStartChar, int nEndChar);
};

class CComboBox : public CWnd {
    DECLARE_DYNAMIC(CComboBox)

public:
    CComboBox() = default;
    using CWnd::Create;
    // The height is that of the control with its list dropped down.
    BOOL Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID);
    // The position of the new item, or CB_ERR.
    int AddString(LPCTSTR lpszString);
    int GetCount() const;
    // The selected item, or CB_ERR (-1) when none is: also after the user has typed
    // into the field.
    int GetCurSel() const;
    // Selects the item and shows its text in the field; -1 clears both. Raises no
    // notification. Returns the index, or CB_ERR for -1 and for an index out of range.
    int SetCurSel(int nSelect);
    // The text of an item; returns its length in bytes, or CB_ERR.
    int GetLBText(int nIndex, LPTSTR lpszText) const;
    void GetLBText(int nIndex, CString& rString) const;
    int GetLBTextLen(int nIndex) const;
};
